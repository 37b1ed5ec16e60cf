// The window side of the framework's bookkeeping: which CWnd owns a window
// (permanent map), the CWnd objects FromHandle made for windows nobody owns
// (temporary map, deleted at idle), and the per-thread dispatch state.
// Internal to platform/afx.
#pragma once

#include "afxwin.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vor::afx {

struct WndHandleMaps {
    // Change only through the three calls below, which keep `found` right.
    std::unordered_map<HWND, CWnd*> permanent;
    // The latest answers of `permanent`, a slot per handle's low bits.
    struct Found {
        HWND hWnd;
        CWnd* pWnd;
    };
    static constexpr size_t kFoundSlots = 16;
    Found found[kFoundSlots] = {};

    CWnd* FindPermanent(HWND hWnd);
    void SetPermanent(HWND hWnd, CWnd* pWnd);
    void ErasePermanent(HWND hWnd);
    void ForgetFound();
    std::unordered_map<HWND, CWnd*> temporary;
    // Wrapper classes for the temporary objects of windows by class name
    // (lower case).
    std::vector<std::pair<std::string, AFX_PFNNEWTEMPWND>> tempClasses;
};

// Made on first use and never destroyed, so that objects destroyed during
// process exit still find it.
WndHandleMaps& WndMaps();

// What MFC keeps per thread: the message being handled (Default re-sends
// it), the object the next created window is attached to, and the creation
// hook. Trivially constructed, so it needs no initialiser.
struct ThreadState {
    MSG lastSentMsg;
    CWnd* pWndInit;
    HHOOK hHookCbt;
};
ThreadState& GetThreadState();

// Registers the framework's reset hook once (no static constructor does).
void EnsureFrameworkInit();

// Builds the CWnd objects behind CWnd::wndTop and the other markers.
void ConstructWndMarkers();

// Deletes the temporary CWnd objects.
void DeleteTempWnds();

// The pre-translation that VorPumpMessages runs when an application exists.
BOOL PreTranslateHook(MSG* pMsg);

}  // namespace vor::afx
