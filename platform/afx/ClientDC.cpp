// CClientDC: the client-area device context of a window.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != NULL ? pWnd->GetSafeHwnd() : NULL) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC()
{
    HDC hDC = Detach();
    if (hDC != NULL)
        ::ReleaseDC(m_hWnd, hDC);
}
