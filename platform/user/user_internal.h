// What the USER room offers the framework (platform/afx) and the stock
// controls beyond the public Win32 calls. Nothing here is exported.
#pragma once

#include "windows.h"

namespace vor::user {

// The framework's pre-translation: VorPumpMessages and the framework's own
// pump call it for every queued message before TranslateMessage and
// DispatchMessage; a TRUE answer means the message was consumed.
using PreTranslateHook = BOOL (*)(MSG* pMsg);
void SetPreTranslateHook(PreTranslateHook hook);
PreTranslateHook GetPreTranslateHook();

// Called by VorPlatformReset after every window is destroyed and before the
// GDI objects are freed, in the order registered; each room above USER
// registers one to return to its freshly started state.
using ResetHook = void (*)();
void AddResetHook(ResetHook hook);

// Registers the dialog window class ("#32770"); called with the stock
// controls' classes.
void RegisterDialogClass();

// A window that holds back its standard scroll bars' values for a while (the
// list view over a run of inserts) names a function that writes them out
// with SetScrollInfo; every read or change of the window's bars calls it
// first, so nobody sees the bars out of date. nullptr takes it away.
using ScrollBarSync = void (*)(HWND hwnd);
void SetScrollBarSync(HWND hwnd, ScrollBarSync sync);

// Where a control's notifications go and what they carry as the sender's
// identifier, in one look-up: GetParent's answer, or nullptr when that is no
// window, and GetDlgCtrlID's in *id.
HWND NotifyTarget(HWND control, UINT_PTR* id);

// Whether SetScrollInfo with this range and page (no SIF_DISABLENOSCROLL)
// leaves a window's standard bar shown.
bool ScrollBarShownFor(int nMin, int nMax, UINT nPage);

}  // namespace vor::user

// Registers the window classes of the stock controls (list view, header,
// rich edit, combo box, list box, button, tooltip, scroll bar). Called by
// USER at start-up and after each reset; defined in platform/controls.
namespace vor::controls {
void RegisterClasses();
}
