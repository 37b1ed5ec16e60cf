// CWnd: attaching objects to windows, creation through the CBT hook, the
// framework's window procedure, dispatch through the message map chain,
// reflection of child notifications, pre-translation and the default
// handlers.
#include "HandleMap.h"

using vor::afx::GetThreadState;
using vor::afx::ThreadState;
using vor::afx::WndMaps;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// ---------------------------------------------------------------------------
// Insert-after markers. SetWindowPos recognises them by address. Their
// storage is plain static data (no constructor runs at load); the framework
// builds CWnd objects in it on first use, never to be destroyed.

namespace {

alignas(CWnd) unsigned char s_markerStorage[4][sizeof(CWnd)];
const HWND s_markerHandles[4] = {HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST};

HWND SafeHwnd(const CWnd* pWnd) { return pWnd != NULL ? pWnd->m_hWnd : NULL; }

HWND InsertAfterHandle(const CWnd* pWndInsertAfter)
{
    for (int i = 0; i < 4; ++i) {
        if ((const void*)pWndInsertAfter == (const void*)s_markerStorage[i])
            return s_markerHandles[i];
    }
    return SafeHwnd(pWndInsertAfter);
}

// The permanent map entry for a window that is being created: during
// HCBT_CREATEWND the window may not count as a window yet.
void AttachPermanent(CWnd* pWnd, HWND hWnd)
{
    vor::afx::EnsureFrameworkInit();
    WndMaps().SetPermanent(hWnd, pWnd);
    pWnd->m_hWnd = hWnd;
}

LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    ThreadState& state = GetThreadState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != NULL) {
        // The first window created after AfxHookWindowCreate is the one.
        CWnd* pWndInit = state.pWndInit;
        state.pWndInit = NULL;
        HWND hWnd = (HWND)wParam;
        if (pWndInit->m_hWnd == NULL && CWnd::FromHandlePermanent(hWnd) == NULL) {
            AttachPermanent(pWndInit, hWnd);
            pWndInit->PreSubclassWindow();
            WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
            *pWndInit->GetSuperWndProcAddr() = pfnOld != &AfxWndProc ? pfnOld : NULL;
        }
    }
    return ::CallNextHookEx(state.hHookCbt, nCode, wParam, lParam);
}

// The framework's default window class: double clicks, arrow cursor, no
// background brush (the window paints its own background).
const char s_szAfxWnd[] = "AfxWnd42";

LPCTSTR DefaultWndClass()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASS wc;
    if (!::GetClassInfo(hInst, s_szAfxWnd, &wc)) {
        std::memset(&wc, 0, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = s_szAfxWnd;
        ::RegisterClass(&wc);
    }
    return s_szAfxWnd;
}

// Depth-first search for a descendant with the control id nID; a direct
// child wins over a deeper one.
CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hChild) : CWnd::FromHandle(hChild);
            if (pWnd != NULL)
                return pWnd;
        }
    }
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (CWnd* pWnd = FindDescendant(hChild, nID, bOnlyPerm))
            return pWnd;
    }
    return NULL;
}

}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstrict-aliasing"
const CWnd& CWnd::wndTop = *reinterpret_cast<const CWnd*>(s_markerStorage[0]);
const CWnd& CWnd::wndBottom = *reinterpret_cast<const CWnd*>(s_markerStorage[1]);
const CWnd& CWnd::wndTopMost = *reinterpret_cast<const CWnd*>(s_markerStorage[2]);
const CWnd& CWnd::wndNoTopMost = *reinterpret_cast<const CWnd*>(s_markerStorage[3]);
#pragma GCC diagnostic pop

void vor::afx::ConstructWndMarkers()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    for (int i = 0; i < 4; ++i) {
        CWnd* pMarker = new (s_markerStorage[i]) CWnd;
        pMarker->m_hWnd = s_markerHandles[i];
    }
}

// ---------------------------------------------------------------------------
// The message map of CWnd: the default handlers that reflect notifications
// to the child that sent them, forward colour changes and detach at the end.

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_hWndOwner(NULL)
{
    // The first window object brings the markers and the reset hook to life.
    vor::afx::EnsureFrameworkInit();
}

CWnd::~CWnd()
{
    if (m_hWnd != NULL) {
        if (FromHandlePermanent(m_hWnd) == this)
            DestroyWindow();  // the object owned the window: take it along
        else
            m_hWnd = NULL;
    }
}

BOOL CWnd::IsWindow() const { return !vor_afx::IsNullObject(this) && m_hWnd != NULL && ::IsWindow(m_hWnd); }

// ---------------------------------------------------------------------------
// Attaching

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || m_hWnd != NULL || !::IsWindow(hWndNew))
        return FALSE;
    if (FromHandlePermanent(hWndNew) != NULL)
        return FALSE;  // one object per window
    AttachPermanent(this, hWndNew);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) {
        vor::afx::WndHandleMaps& maps = WndMaps();
        if (maps.FindPermanent(hWnd) == this)
            maps.ErasePermanent(hWnd);
        m_hWnd = NULL;
    }
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    if (m_hWnd != hWnd)
        return FALSE;  // PreSubclassWindow gave the window up
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
    if (pfnOld == NULL) {
        Detach();
        return FALSE;
    }
    // A window that already runs the framework's procedure keeps ::DefWindowProc
    // as its default.
    *GetSuperWndProcAddr() = pfnOld != &AfxWndProc ? pfnOld : NULL;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == NULL || pParent->m_hWnd == NULL)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL)
        return NULL;
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;
    return Detach();
}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::PreSubclassWindow() {}

// ---------------------------------------------------------------------------
// Creation

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    ThreadState& state = GetThreadState();
    vor::afx::EnsureFrameworkInit();
    if (state.hHookCbt == NULL)
        state.hHookCbt = ::SetWindowsHookEx(WH_CBT, &CbtFilterHook, NULL, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    ThreadState& state = GetThreadState();
    if (state.hHookCbt != NULL) {
        ::UnhookWindowsHookEx(state.hHookCbt);
        state.hHookCbt = NULL;
    }
    if (state.pWndInit != NULL) {
        state.pWndInit = NULL;
        return FALSE;  // the hook never saw the window
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = DefaultWndClass();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;  // one window per object
    CREATESTRUCT cs;
    std::memset(&cs, 0, sizeof(cs));
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();  // never attached: clean up as a destroyed window would (may delete this)
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, SafeHwnd(pParentWnd), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    // Create makes child windows only.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    HWND hWndOrig = m_hWnd;
    CWnd* pWnd = FromHandlePermanent(hWndOrig);
    BOOL bResult = ::DestroyWindow(hWndOrig);
    // "this" may be deleted by now (PostNcDestroy).
    if (pWnd == NULL) {
        m_hWnd = NULL;  // a temporary object only stood for the window
    } else if (!::IsWindow(hWndOrig) && FromHandlePermanent(hWndOrig) == pWnd) {
        // WM_NCDESTROY never reached CWnd::OnNcDestroy: the object was not
        // detached, so it was not deleted either.
        pWnd->Detach();
    }
    return bResult;
}

void CWnd::PostNcDestroy() {}

// ---------------------------------------------------------------------------
// The window procedure

WNDPROC AFXAPI AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    ThreadState& state = GetThreadState();
    MSG oldMsg = state.lastSentMsg;
    std::memset(&state.lastSentMsg, 0, sizeof(state.lastSentMsg));
    state.lastSentMsg.hwnd = hWnd;
    state.lastSentMsg.message = nMsg;
    state.lastSentMsg.wParam = wParam;
    state.lastSentMsg.lParam = lParam;
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    // pWnd may be gone; the thread state is not.
    state.lastSentMsg = oldMsg;
    return lResult;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    // Time and position are those of the last queued message, as in MFC.
    MSG& msg = GetThreadState().lastSentMsg;
    msg.time = (DWORD)::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    msg.pt.x = GET_X_LPARAM(dwPos);
    msg.pt.y = GET_Y_LPARAM(dwPos);
    return &msg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == NULL)
        return 0;  // detached, e.g. destroyed inside the handler
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != NULL)
        return ::CallWindowProc(pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = GetThreadState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

namespace {

const AFX_MSGMAP_ENTRY* SearchWindowMessageEntry(const AFX_MSGMAP* pMap, UINT nLookup)
{
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p != NULL && p->nSig != AfxSig_end; ++p) {
            p = AfxFindMessageEntry(p, nLookup, 0, 0);
            if (p == NULL)
                break;
            if (p->nSig == AfxSig_msg || p->nSig == AfxSig_regmsg)
                return p;
        }
    }
    return NULL;
}

// The handler of a plain window message, looked up through the map chain
// once and then remembered: the maps are constant data. Registered message
// numbers (0xC000 and up) may be registered later and are always searched.
struct MsgCacheSlot {
    const AFX_MSGMAP* pMap;
    UINT nMsg;
    const AFX_MSGMAP_ENTRY* lpEntry;
};
MsgCacheSlot g_msgCache[1024];

const AFX_MSGMAP_ENTRY* FindWindowMessageEntry(const AFX_MSGMAP* pMap, UINT nLookup)
{
    if (nLookup >= 0xC000 || pMap == NULL)
        return SearchWindowMessageEntry(pMap, nLookup);
    size_t h = ((reinterpret_cast<uintptr_t>(pMap) >> 4) ^ (nLookup * 2654435761u)) & 1023;
    MsgCacheSlot& slot = g_msgCache[h];
    if (slot.pMap == pMap && slot.nMsg == nLookup)
        return slot.lpEntry;
    const AFX_MSGMAP_ENTRY* lpEntry = SearchWindowMessageEntry(pMap, nLookup);
    slot.pMap = pMap;
    slot.nMsg = nLookup;
    slot.lpEntry = lpEntry;
    return lpEntry;
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        // The WM_CTLCOLORxxx family is one WM_CTLCOLOR entry in the maps.
        AFX_CTLCOLOR ctl;
        UINT nLookup = message;
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            ctl.hWnd = (HWND)lParam;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            nLookup = WM_CTLCOLOR;
            lParam = (LPARAM)&ctl;
        }
        const AFX_MSGMAP_ENTRY* lpEntry = FindWindowMessageEntry(GetMessageMap(), nLookup);
        if (lpEntry == NULL)
            return FALSE;
        AFX_MSGCALL call = {};
        call.nMsg = nLookup;
        call.wParam = wParam;
        call.lParam = lParam;
        lpEntry->pfn(this, call);  // may destroy this object
        lResult = call.lResult;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Commands, notifications and reflection

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL) {
        nCode = CN_COMMAND;  // a menu item or an accelerator
    } else {
        // The control gets its own notification first.
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild != NULL && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
        if (nID == 0)
            return FALSE;  // controls without an id are not routed
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR == NULL)
        return FALSE;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    // The id of the sending control (a reflected handler may destroy it).
    UINT nID = (UINT)pNMHDR->idFrom;
    if (hWndCtrl != NULL && ::IsWindow(hWndCtrl))
        nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;
    CWnd* pChild = FromHandlePermanent(hWndCtrl);
    if (pChild != NULL && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, (int)MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, (int)MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL)) {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }

    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL)
            return FALSE;
        LRESULT lDummy = 0;
        AFX_NOTIFY notify;
        notify.pResult = pResult != NULL ? pResult : &lDummy;
        notify.pNMHDR = pNMHDR;
        return CCmdTarget::OnCmdMsg(0, (int)MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl;
            ctl.hWnd = (HWND)lParam;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            LRESULT lResult = 0;
            // A NULL brush means "not handled": the parent colours it.
            if (!CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult) || lResult == 0)
                return FALSE;
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = GetThreadState().lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

// ---------------------------------------------------------------------------
// Pre-translation

BOOL CWnd::PreTranslateMessage(MSG* pMsg) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Default handlers

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy()
{
    // The main window is gone: the application's message loop ends.
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL) {
        if (pThread->m_pMainWnd == this) {
            pThread->m_pMainWnd = NULL;
            AfxPostQuitMessage(0);
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }
    // Give the window back its own procedure unless someone else subclassed
    // it since, then let go of it.
    HWND hWnd = m_hWnd;
    LONG_PTR pfnWndProc = ::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
    Default();
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != NULL && ::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == pfnWndProc)
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    *GetSuperWndProcAddr() = NULL;
    m_hWndOwner = NULL;
    Detach();
    PostNcDestroy();  // may delete this
}

void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    // A scroll bar control's own handlers come first; lParam is its window.
    if (ReflectLastMsg((HWND)GetThreadState().lastSentMsg.lParam))
        return;
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    if (ReflectLastMsg((HWND)GetThreadState().lastSentMsg.lParam))
        return;
    Default();
}

void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg((HWND)GetThreadState().lastSentMsg.lParam, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct != NULL && lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    // The record names the control only by id: the first owned descendant
    // with that id gets it.
    if (lpMeasureItemStruct != NULL && lpMeasureItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = GetDescendantWindow((int)lpMeasureItemStruct->CtlID, TRUE);
        if (pChild != NULL && pChild->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (lpCompareItemStruct != NULL && ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (lpDeleteItemStruct != NULL && ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

void CWnd::OnSysColorChange()
{
    // Only top-level windows hear of colour changes; the framework passes
    // the news on to every object-owned window below them.
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

UINT CWnd::OnNcHitTest(CPoint) { return (UINT)Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }

// ---------------------------------------------------------------------------
// Relatives

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return FindDescendant(m_hWnd, nID, bOnlyPerm); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner != NULL ? FromHandle(m_hWndOwner) : GetParent(); }

void CWnd::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = SafeHwnd(pOwnerWnd); }

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, InsertAfterHandle(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    // A handler may destroy the child: take the next one first.
    HWND hChild = ::GetTopWindow(hWnd);
    while (hChild != NULL) {
        HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
        if (bOnlyPerm) {
            CWnd* pWnd = FromHandlePermanent(hChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else {
            ::SendMessage(hChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hChild))
            SendMessageToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
        hChild = hNext;
    }
}
