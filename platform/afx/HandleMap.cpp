// The CWnd handle maps, the per-thread dispatch state and the framework's
// return to its initial state at platform reset.
#include "HandleMap.h"

#include <cstdint>

#include "user/user_internal.h"

#include <afxcmn.h>
#include <commctrl.h>
#include <richedit.h>

#include <cctype>

namespace vor::afx {

namespace {

// In the initial thread-local block, as the USER room's last error: read on
// every message the framework dispatches.
thread_local ThreadState t_threadState __attribute__((tls_model("initial-exec")));

std::string LowerCase(LPCTSTR psz)
{
    std::string s(psz ? psz : "");
    for (char& ch : s)
        ch = (char)std::tolower((unsigned char)ch);
    return s;
}

CWnd* NewTempWnd(HWND hWnd)
{
    char szClass[128];
    int n = ::GetClassNameA(hWnd, szClass, (int)sizeof(szClass));
    if (n > 0) {
        std::string name = LowerCase(szClass);
        for (const auto& entry : WndMaps().tempClasses) {
            if (entry.first == name)
                return entry.second();
        }
    }
    return new CWnd;
}

template <class T>
CWnd* NewWrapper()
{
    return new T;
}

void ResetFramework()
{
    // Every window is gone by now and took its object out of the map through
    // WM_NCDESTROY; an object whose window vanished another way is only
    // disowned here, never deleted: the host owns it.
    WndHandleMaps& maps = WndMaps();
    std::unordered_map<HWND, CWnd*> permanent;
    permanent.swap(maps.permanent);
    maps.ForgetFound();
    for (auto& entry : permanent)
        entry.second->m_hWnd = NULL;
    DeleteTempWnds();

    // A main window destroyed by the reset posted WM_QUIT; the next
    // application loop must not find it.
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }

    ThreadState& state = GetThreadState();
    if (state.hHookCbt != NULL)
        ::UnhookWindowsHookEx(state.hHookCbt);
    state.hHookCbt = NULL;
    state.pWndInit = NULL;
    std::memset(&state.lastSentMsg, 0, sizeof(state.lastSentMsg));
}

}  // namespace

namespace {
// Window handles step by 4: the next bits choose the slot.
size_t FoundSlot(HWND hWnd) { return ((uintptr_t)hWnd >> 2) % WndHandleMaps::kFoundSlots; }
}  // namespace

CWnd* WndHandleMaps::FindPermanent(HWND hWnd)
{
    Found& slot = found[FoundSlot(hWnd)];
    if (slot.hWnd == hWnd && hWnd != NULL)
        return slot.pWnd;
    auto it = permanent.find(hWnd);
    if (it == permanent.end())
        return NULL;  // a miss is not remembered: the handle may be attached next
    slot.hWnd = hWnd;
    slot.pWnd = it->second;
    return it->second;
}

void WndHandleMaps::SetPermanent(HWND hWnd, CWnd* pWnd)
{
    permanent[hWnd] = pWnd;
    Found& slot = found[FoundSlot(hWnd)];
    if (slot.hWnd == hWnd)
        slot.pWnd = pWnd;
}

void WndHandleMaps::ErasePermanent(HWND hWnd)
{
    permanent.erase(hWnd);
    Found& slot = found[FoundSlot(hWnd)];
    if (slot.hWnd == hWnd)
        slot = Found{NULL, NULL};
}

void WndHandleMaps::ForgetFound()
{
    for (Found& slot : found)
        slot = Found{NULL, NULL};
}

WndHandleMaps& WndMaps()
{
    static WndHandleMaps* s_pMaps = [] {
        auto* pMaps = new WndHandleMaps;
        pMaps->tempClasses = {
            {"button", &NewWrapper<CButton>},     {"listbox", &NewWrapper<CListBox>},
            {"combobox", &NewWrapper<CComboBox>}, {"edit", &NewWrapper<CEdit>},
            {"static", &NewWrapper<CStatic>},     {"scrollbar", &NewWrapper<CScrollBar>},
            {LowerCase(WC_LISTVIEW), &NewWrapper<CListCtrl>},
            {LowerCase(WC_HEADER), &NewWrapper<CHeaderCtrl>},
            {LowerCase(RICHEDIT_CLASS), &NewWrapper<CRichEditCtrl>},
            {LowerCase(TOOLTIPS_CLASS), &NewWrapper<CToolTipCtrl>},
        };
        return pMaps;
    }();
    return *s_pMaps;
}

ThreadState& GetThreadState() { return t_threadState; }

void EnsureFrameworkInit()
{
    static bool s_bDone = false;
    if (!s_bDone) {
        s_bDone = true;
        ConstructWndMarkers();
        vor::user::AddResetHook(&ResetFramework);
    }
}

void DeleteTempWnds()
{
    // Take the map first: a destructor must not find itself listed.
    std::unordered_map<HWND, CWnd*> temporary;
    temporary.swap(WndMaps().temporary);
    for (auto& entry : temporary) {
        entry.second->m_hWnd = NULL;  // a temporary object never owned its window
        delete entry.second;
    }
}

}  // namespace vor::afx

using vor::afx::WndMaps;

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    return WndMaps().FindPermanent(hWnd);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temporary = WndMaps().temporary;
    auto it = temporary.find(hWnd);
    if (it != temporary.end()) {
        // A window that died since gets no object; the stale stand-in stays
        // until idle, as a caller may still hold it.
        return ::IsWindow(hWnd) ? it->second : NULL;
    }
    if (!::IsWindow(hWnd))
        return NULL;
    vor::afx::EnsureFrameworkInit();
    CWnd* pWnd = vor::afx::NewTempWnd(hWnd);
    pWnd->m_hWnd = hWnd;  // not Attach: the object does not own the window
    temporary[hWnd] = pWnd;
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap() { vor::afx::DeleteTempWnds(); }

void AFXAPI AfxRegisterTempWndClass(LPCTSTR lpszClassName, AFX_PFNNEWTEMPWND pfnNew)
{
    if (lpszClassName == NULL || pfnNew == NULL)
        return;
    std::string name = vor::afx::LowerCase(lpszClassName);
    auto& classes = WndMaps().tempClasses;
    for (auto& entry : classes) {
        if (entry.first == name) {
            entry.second = pfnNew;
            return;
        }
    }
    classes.emplace_back(name, pfnNew);
}

void AFXAPI AfxDeleteTempMaps()
{
    vor::afx::DeleteTempWnds();
    AfxDeleteTempGdiObjects();
}
