// CClientDC: the client-area device context of a window.
#include "afx_handlemap.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(vor::afx::HwndOf(pWnd)) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC()
{
    HDC hDC = Detach();
    if (hDC != NULL)
        ::ReleaseDC(m_hWnd, hDC);
}
