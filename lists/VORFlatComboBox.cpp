// CVORFlatComboBox: the flat look, its hover timer and autocomplete.
#include "VORFlatComboBox.h"

namespace {
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPeriodMs = 10;
constexpr DWORD kEdgeStyles = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
constexpr COLORREF kWhite = 0x00FFFFFF;
}  // namespace

BEGIN_MESSAGE_MAP(CVORFlatComboBox, CComboBox)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_CONTROL_REFLECT(CBN_SETFOCUS, OnSetFocus)
    ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillFocus)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, OnEditUpdate)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CVORFlatComboBox::CVORFlatComboBox()
    : m_cxButton(::GetSystemMetrics(SM_CXHTHUMB)),
      m_bLBtnDown(FALSE),
      m_bPainted(FALSE),
      m_bHasFocus(FALSE),
      m_bAutoComplete(FALSE)
{
    ReadColours();
}

CVORFlatComboBox::~CVORFlatComboBox() {}

void CVORFlatComboBox::ReadColours()
{
    m_crBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crBtnFace = ::GetSysColor(COLOR_BTNFACE);
}

BOOL CVORFlatComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSCHAR) return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CVORFlatComboBox::CursorInside() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rc;
    GetWindowRect(&rc);
    return rc.PtInRect(pt);
}

void CVORFlatComboBox::DrawCombo(STATE eState)
{
    CDC* pDC = GetDC();
    if (!pDC) return;
    CRect rc;
    GetClientRect(&rc);
    int w = rc.Width(), h = rc.Height(), cx = m_cxButton;
    pDC->Draw3dRect(CRect(0, 0, w, h), m_crBtnFace, m_crBtnFace);
    pDC->Draw3dRect(CRect(1, 1, w - 1, h - 1), kWhite, kWhite);
    pDC->Draw3dRect(CRect(w - 2 - cx, 2, w - 2, h - 2), m_crBtnFace, m_crBtnFace);
    pDC->Draw3dRect(CRect(w - 1 - cx, 3, w - 3, h - 3), m_crBtnFace, m_crBtnFace);
    CRect button(w - 1 - cx, 2, w - 3, h - 2);
    switch (eState) {
        case NORMAL:
            pDC->Draw3dRect(button, m_crBtnHilite, m_crBtnHilite);
            pDC->Draw3dRect(CRect(w - 2 - cx, 2, w - 3, h - 2), m_crBtnHilite, m_crBtnHilite);
            break;
        case RAISED:
            pDC->Draw3dRect(button, m_crBtnHilite, m_crBtnShadow);
            break;
        case PRESSED:
            pDC->Draw3dRect(CRect(w - cx, 3, w - 2, h - 1), m_crBtnShadow, m_crBtnHilite);
            break;
        default:
            break;
    }
    ReleaseDC(pDC);
}

void CVORFlatComboBox::OnMouseMove(UINT nFlags, CPoint point)
{
    SetTimer(kHoverTimer, kHoverPeriodMs, NULL);
    OnTimer(kHoverTimer);
    Default();
}

void CVORFlatComboBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bLBtnDown = TRUE;
    Default();
}

void CVORFlatComboBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bLBtnDown = FALSE;
    Invalidate(TRUE);
    Default();
}

void CVORFlatComboBox::OnTimer(UINT nIDEvent)
{
    if (m_bLBtnDown) {
        KillTimer(kHoverTimer);
        if (m_bPainted) {
            DrawCombo(PRESSED);
            m_bPainted = FALSE;
        }
        return;
    }
    if (!CursorInside() && !m_bHasFocus) {
        KillTimer(kHoverTimer);
        if (m_bPainted) {
            DrawCombo(NORMAL);
            m_bPainted = FALSE;
        }
        return;
    }
    if (m_bPainted) return;
    m_bPainted = TRUE;
    DrawCombo(RAISED);
    Default();
}

void CVORFlatComboBox::OnPaint()
{
    ModifyStyleEx(kEdgeStyles, 0, SWP_FRAMECHANGED);
    Default();
    DrawCombo((CursorInside() || m_bHasFocus) ? RAISED : NORMAL);
}

void CVORFlatComboBox::OnSetFocus()
{
    m_bHasFocus = TRUE;
    DrawCombo(RAISED);
}

void CVORFlatComboBox::OnKillFocus()
{
    m_bHasFocus = FALSE;
    DrawCombo(NORMAL);
}

void CVORFlatComboBox::OnEditUpdate()
{
    if (!m_bAutoComplete) return;
    CString strText;
    GetWindowText(strText);
    int n = strText.GetLength();
    DWORD dwSel = GetEditSel();
    BOOL bFailed = dwSel == (DWORD)CB_ERR;
    int s = LOWORD(dwSel), e = HIWORD(dwSel);
    if (SelectString(-1, strText) == CB_ERR) {
        SetWindowText(strText);
        if (!bFailed) SetEditSel(s, e);
    }
    if (e < n && !bFailed)
        SetEditSel(s, e);
    else
        SetEditSel(n, -1);
}

void CVORFlatComboBox::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    ReadColours();
}
