// CWindowDC: the device context of a whole window, non-client area included.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != NULL ? pWnd->GetSafeHwnd() : NULL) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC()
{
    HDC hDC = Detach();
    if (hDC != NULL)
        ::ReleaseDC(m_hWnd, hDC);
}
