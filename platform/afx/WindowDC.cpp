// CWindowDC: the device context of a whole window, non-client area included.
#include "afx_handlemap.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(vor::afx::HwndOf(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC()
{
    HDC hDC = Detach();
    if (hDC != NULL)
        ::ReleaseDC(m_hWnd, hDC);
}
