// CPaintDC: the device context of a WM_PAINT.
#include "afxwin.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != NULL ? pWnd->GetSafeHwnd() : NULL)
{
    std::memset(&m_ps, 0, sizeof(m_ps));
    // BeginPaint of a destroyed or NULL window answers NULL: the object then
    // holds no DC and every drawing call on it fails harmlessly.
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    HDC hDC = Detach();
    if (hDC != NULL)
        ::EndPaint(m_hWnd, &m_ps);
}
