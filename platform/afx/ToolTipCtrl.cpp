// CToolTipCtrl: the framework's face of the tooltip control.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    // A popup owned by the parent; it places and sizes itself when it shows.
    return CWnd::CreateEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->GetSafeHwnd() : NULL, NULL);
}

// A tool id of 0 names the window itself as the tool (in its parent); any
// other id names a rectangle of the window.
void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT nIDTool) const
{
    memset(&ti, 0, sizeof ti);
    ti.cbSize = sizeof ti;
    HWND hwnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    if (nIDTool == 0) {
        ti.hwnd = hwnd ? ::GetParent(hwnd) : NULL;
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hwnd;
    } else {
        ti.hwnd = hwnd;
        ti.uId = nIDTool;
    }
}

void CToolTipCtrl::Activate(BOOL bActivate) { ::SendMessageA(m_hWnd, TTM_ACTIVATE, (WPARAM)bActivate, 0); }

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT nIDTool)
{
    if (!pWnd || nIDText == 0) return FALSE;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool) ti.rect = *lpRectTool;
    ti.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    ti.lpszText = (LPSTR)MAKEINTRESOURCE(nIDText);
    return (BOOL)::SendMessageA(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT nIDTool)
{
    if (!pWnd) return FALSE;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool) ti.rect = *lpRectTool;
    ti.lpszText = (LPSTR)lpszText;
    return (BOOL)::SendMessageA(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::SendMessageA(m_hWnd, TTM_DELTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::GetToolInfo(LPTOOLINFO lpToolInfo, CWnd* pWnd, UINT nIDTool) const
{
    if (!lpToolInfo) return FALSE;
    LPSTR buffer = lpToolInfo->lpszText;
    FillInToolInfo(*lpToolInfo, pWnd, nIDTool);
    lpToolInfo->lpszText = buffer;
    return (BOOL)::SendMessageA(m_hWnd, TTM_GETTOOLINFO, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) { ::SendMessageA(m_hWnd, TTM_SETTOOLINFO, 0, (LPARAM)lpToolInfo); }

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT nIDTool, LPCRECT lpRect)
{
    if (!lpRect) return;
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    ::SendMessageA(m_hWnd, TTM_NEWTOOLRECT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT nIDTool) const
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    char buffer[80] = {0};
    ti.lpszText = buffer;
    ::SendMessageA(m_hWnd, TTM_GETTEXT, 0, (LPARAM)&ti);
    str = buffer;
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPSTR)lpszText;
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    ti.lpszText = (LPSTR)MAKEINTRESOURCE(nIDText);
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXT, 0, (LPARAM)&ti);
}

int CToolTipCtrl::GetToolCount() const { return (int)::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay); }

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return (int)::SendMessageA(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0);
}

void CToolTipCtrl::SetTipBkColor(COLORREF clr) { ::SendMessageA(m_hWnd, TTM_SETTIPBKCOLOR, (WPARAM)clr, 0); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { ::SendMessageA(m_hWnd, TTM_SETTIPTEXTCOLOR, (WPARAM)clr, 0); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return (int)::SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth); }
void CToolTipCtrl::Pop() { ::SendMessageA(m_hWnd, TTM_POP, 0, 0); }
void CToolTipCtrl::Update() { ::SendMessageA(m_hWnd, TTM_UPDATE, 0, 0); }
