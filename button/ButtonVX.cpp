// CButtonVX: settings, icons, cursor and tooltip; the owner drawing; the
// hover tracking of the flat look.
#include "ButtonVX.h"

namespace {
const char kVersionText[] = "2.6";
constexpr short kVersionNumber = 26;

constexpr COLORREF kBlack = RGB(0, 0, 0);

// Whether a window handle still names a live window.
bool HasWindow(HWND hWnd) { return hWnd != NULL && ::IsWindow(hWnd); }
}  // namespace

BEGIN_MESSAGE_MAP(CButtonVX, CButton)
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Life

CButtonVX::CButtonVX()
{
    m_bHover = 0;
    m_hIconHot = NULL;
    m_hIconNormal = NULL;
    m_nIconWidth = 0;
    m_nIconHeight = 0;
    m_hBtnCursor = NULL;
    m_bFlat = 1;
    m_bBorder = 1;
    m_nIconAlign = ALIGN_ICON_LEFT;
    m_bTextVisible = 1;
    m_bFlatFocus = 0;
    m_bDefaultBtn = 0;
    m_clrInactiveBg = m_clrInactiveFg = m_clrActiveBg = m_clrActiveFg = 0;
    SetDefaultInactiveBgColor(0);
    SetDefaultInactiveFgColor(0);
    SetDefaultActiveBgColor(0);
    SetDefaultActiveFgColor(0);
    m_tip.m_hWnd = NULL;
    m_bTransparent = 0;
    m_hOldBackBmp = NULL;
}

CButtonVX::~CButtonVX()
{
    // The copy's bitmap must leave its context before either is deleted by
    // the members' own teardown.
    if (m_dcBack.GetSafeHdc() && m_hOldBackBmp) ::SelectObject(m_dcBack.GetSafeHdc(), m_hOldBackBmp);
    m_hOldBackBmp = NULL;
    DestroyIcons(NULL, NULL);
    if (m_hBtnCursor) ::DestroyCursor(m_hBtnCursor);
    m_hBtnCursor = NULL;
}

const char* CButtonVX::GetVersionC() { return kVersionText; }

short CButtonVX::GetVersionI() { return kVersionNumber; }

void CButtonVX::Repaint()
{
    if (HasWindow(m_hWnd)) Invalidate(TRUE);
}

// ---------------------------------------------------------------------------
// Icons and cursor

void CButtonVX::DestroyIcons(HICON hKeep1, HICON hKeep2)
{
    // A handle held in both members goes once; one that the caller is
    // handing back in stays alive.
    if (m_hIconHot && m_hIconHot != hKeep1 && m_hIconHot != hKeep2) ::DestroyIcon(m_hIconHot);
    if (m_hIconNormal && m_hIconNormal != m_hIconHot && m_hIconNormal != hKeep1 && m_hIconNormal != hKeep2)
        ::DestroyIcon(m_hIconNormal);
    m_hIconHot = NULL;
    m_hIconNormal = NULL;
}

void CButtonVX::SetIcon(int nIconHot, int nIconNormal)
{
    // The module that holds the hot icon serves both ids.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIconHot), RT_GROUP_ICON);
    HICON hHot = (HICON)::LoadImage(hInst, MAKEINTRESOURCE(nIconHot), IMAGE_ICON, 0, 0, 0);
    HICON hNormal = NULL;
    if (nIconNormal != 0) hNormal = (HICON)::LoadImage(hInst, MAKEINTRESOURCE(nIconNormal), IMAGE_ICON, 0, 0, 0);
    SetIcon(hHot, hNormal);
}

void CButtonVX::SetIcon(HICON hIconHot, HICON hIconNormal)
{
    DestroyIcons(hIconHot, hIconNormal);
    m_hIconHot = hIconHot;
    m_hIconNormal = hIconNormal ? hIconNormal : hIconHot;

    // An icon's hot spot is its centre, so twice it is the icon's size; the
    // normal icon is taken to be as large as the hot one.
    ICONINFO ii;
    memset(&ii, 0, sizeof ii);
    ::GetIconInfo(m_hIconHot, &ii);
    m_nIconWidth = (BYTE)(2 * ii.xHotspot);
    m_nIconHeight = (BYTE)(2 * ii.yHotspot);
    if (ii.hbmMask) ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor) ::DeleteObject(ii.hbmColor);

    if (HasWindow(m_hWnd)) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CButtonVX::SetBtnCursor(int nCursorRes)
{
    if (m_hBtnCursor) {
        ::DestroyCursor(m_hBtnCursor);
        m_hBtnCursor = NULL;
    }
    if (nCursorRes == -1) return 1;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nCursorRes), RT_GROUP_CURSOR);
    m_hBtnCursor = (HCURSOR)::LoadImage(hInst, MAKEINTRESOURCE(nCursorRes), IMAGE_CURSOR, 0, 0, 0);
    return m_hBtnCursor ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Looks

void CButtonVX::SetFlat(int bFlat)
{
    m_bFlat = bFlat;
    Repaint();
}

void CButtonVX::SetAlign(int nAlignment)
{
    if (nAlignment == ALIGN_ICON_LEFT || nAlignment == ALIGN_ICON_TOP || nAlignment == ALIGN_ICON_RIGHT)
        m_nIconAlign = nAlignment;
    Repaint();
}

void CButtonVX::DrawBorder(int bOn) { m_bBorder = bOn; }

void CButtonVX::SetShowText(int bVisible)
{
    m_bTextVisible = bVisible;
    Repaint();
}

void CButtonVX::SetFlatFocus(int bFocusRect, int bRedraw)
{
    m_bFlatFocus = bFocusRect;
    if (bRedraw == 1) Repaint();
}

void CButtonVX::ReleaseBackground()
{
    if (m_dcBack.GetSafeHdc() && m_hOldBackBmp) ::SelectObject(m_dcBack.GetSafeHdc(), m_hOldBackBmp);
    m_hOldBackBmp = NULL;
    m_bmpBack.DeleteObject();
    m_dcBack.DeleteDC();
}

void CButtonVX::DrawTransparent(int bRedraw)
{
    m_bTransparent = 1;
    // The next paint captures the parent's background anew.
    ReleaseBackground();
    if (bRedraw == 1) Repaint();
}

// ---------------------------------------------------------------------------
// Colours

void CButtonVX::SetDefaultInactiveBgColor(int bRedraw)
{
    m_clrInactiveBg = ::GetSysColor(COLOR_BTNFACE);
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetInactiveBgColor(COLORREF clr, int bRedraw)
{
    m_clrInactiveBg = clr;
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetDefaultInactiveFgColor(int bRedraw)
{
    m_clrInactiveFg = ::GetSysColor(COLOR_BTNTEXT);
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetInactiveFgColor(COLORREF clr, int bRedraw)
{
    m_clrInactiveFg = clr;
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetDefaultActiveBgColor(int bRedraw)
{
    m_clrActiveBg = ::GetSysColor(COLOR_BTNFACE);
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetActiveBgColor(COLORREF clr, int bRedraw)
{
    m_clrActiveBg = clr;
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetDefaultActiveFgColor(int bRedraw)
{
    m_clrActiveFg = ::GetSysColor(COLOR_BTNTEXT);
    if (bRedraw == 1) Repaint();
}

void CButtonVX::SetActiveFgColor(COLORREF clr, int bRedraw)
{
    m_clrActiveFg = clr;
    if (bRedraw == 1) Repaint();
}

// ---------------------------------------------------------------------------
// Tooltip

void CButtonVX::InitToolTip()
{
    // The tooltip belongs to the button's window: without one there is
    // nothing to own it or to be its tool.
    if (m_tip.GetSafeHwnd() != NULL || !HasWindow(m_hWnd)) return;
    if (m_tip.Create(this, 0)) m_tip.Activate(FALSE);
}

void CButtonVX::SetTooltipText(CString* pText, int bActivate)
{
    if (pText == NULL) return;
    InitToolTip();
    if (m_tip.GetSafeHwnd() == NULL) return;
    if (m_tip.GetToolCount() == 0) {
        CRect rc;
        GetClientRect(&rc);
        m_tip.AddTool(this, (LPCTSTR)*pText, &rc, 1);
    }
    m_tip.UpdateTipText((LPCTSTR)*pText, this, 1);
    m_tip.Activate(bActivate);
}

void CButtonVX::SetTooltipText(int nTextId, int bActivate)
{
    CString strText;
    // The library carries no strings: the id names one of the host's.
    strText.LoadString((UINT)nTextId);
    if (!strText.IsEmpty()) SetTooltipText(&strText, bActivate);
}

void CButtonVX::ActivateTooltip(int bActivate)
{
    if (m_tip.GetSafeHwnd() == NULL || m_tip.GetToolCount() == 0) return;
    m_tip.Activate(bActivate);
}

BOOL CButtonVX::PreTranslateMessage(MSG* pMsg)
{
    InitToolTip();
    if (m_tip.GetSafeHwnd() != NULL) m_tip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// The window

void CButtonVX::PreSubclassWindow()
{
    UINT nStyle = (UINT)::GetWindowLong(m_hWnd, GWL_STYLE) & 0xFF;
    // From now on the control is owner-drawn, so the default-button look is
    // ours to draw: remember it.
    if (nStyle & BS_DEFPUSHBUTTON) m_bDefaultBtn = 1;
    SendMessage(BM_SETSTYLE, (WPARAM)(nStyle | BS_OWNERDRAW), (LPARAM)1);
    CButton::PreSubclassWindow();
}

LRESULT CButtonVX::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The stock owner-drawn button would report BN_DOUBLECLICKED; this one
    // takes the second click as a second press.
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CButtonVX::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bHover == 1) {
        // Give up what is left of the hover capture, but never a capture
        // another window has just taken.
        HWND hCapture = ::GetCapture();
        if (hCapture == NULL || hCapture == m_hWnd) ::ReleaseCapture();
        Invalidate(TRUE);
    }
    CButton::OnCaptureChanged(pWnd);
}

BOOL CButtonVX::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hBtnCursor) {
        ::SetCursor(m_hBtnCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CButtonVX::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    if (m_bFlat != 0 && m_bHover == 1) {
        m_bHover = 0;
        Invalidate(TRUE);
    }
}

void CButtonVX::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    const BOOL bLeftDown = (nFlags & MK_LBUTTON) != 0;
    if (bLeftDown && m_bHover == 0) return;
    if (m_bFlat == 0) return;  // the classic look does not track

    if (::GetCapture() != m_hWnd && ::GetActiveWindow() != NULL && GetOwner() != NULL) {
        // The pointer came in: light up and hold the capture to see it leave.
        m_bHover = 1;
        SetCapture();
        Invalidate(TRUE);
        return;
    }

    POINT pt = point;
    ClientToScreen(&pt);
    HWND hUnder = ::WindowFromPoint(pt);
    if (hUnder != NULL && hUnder != m_hWnd) {
        if (m_bHover == 1) {
            m_bHover = 0;
            Invalidate(TRUE);
        }
        // A press that started here keeps the capture, so its release still
        // comes to the button.
        if (!bLeftDown) ::ReleaseCapture();
    }
}

HBRUSH CButtonVX::CtlColor(CDC* pDC, UINT nCtlColor) { return (HBRUSH)::GetStockObject(NULL_BRUSH); }

void CButtonVX::OnSysColorChange()
{
    CButton::OnSysColorChange();
    // The copy was taken in the old colours; the next paint takes a new one.
    ReleaseBackground();
}

// ---------------------------------------------------------------------------
// Drawing

void CButtonVX::PaintBk(CDC* pDC)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL) return;
    CClientDC clDC(pParent);
    if (clDC.GetSafeHdc() == NULL) return;

    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    pParent->ScreenToClient(&rcWindow);

    if (m_dcBack.GetSafeHdc() == NULL) {
        // Taken once, then reused by every paint until it is released.
        if (!m_dcBack.CreateCompatibleDC(&clDC)) return;
        m_bmpBack.CreateCompatibleBitmap(&clDC, rcClient.Width(), rcClient.Height());
        if (m_bmpBack.GetSafeHandle() != NULL) {
            CBitmap* pOld = m_dcBack.SelectObject(&m_bmpBack);
            m_hOldBackBmp = pOld ? (HBITMAP)pOld->GetSafeHandle() : NULL;
        }
        m_dcBack.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &clDC, rcWindow.left, rcWindow.top, SRCCOPY);
    }
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &m_dcBack, 0, 0, SRCCOPY);
}

void CButtonVX::DrawTheIcon(CDC* pDC, CString* pTitle, RECT* pItemRect, CRect* pCaptionRect, int bPressed,
                            int bDisabled)
{
    CRect rcImage(*pItemRect);
    const int nWidth = rcImage.Width();
    const int nHeight = rcImage.Height();
    const int w = m_nIconWidth;
    const int h = m_nIconHeight;
    const bool bNoTitle = pTitle->IsEmpty() != FALSE;

    switch (m_nIconAlign) {
    case ALIGN_ICON_LEFT:
        if (bNoTitle) {
            rcImage.left += (nWidth - w) / 2;
        } else {
            rcImage.left += 3;
            pCaptionRect->left += w + 3;
        }
        rcImage.top += (nHeight - h) / 2;
        break;
    case ALIGN_ICON_TOP:
        rcImage.left += (nWidth - w) / 2;
        if (bNoTitle)
            rcImage.top += (nHeight - h) / 2;
        else
            pCaptionRect->top += h;
        break;
    case ALIGN_ICON_RIGHT:
        if (bNoTitle) {
            rcImage.left += (nWidth - w) / 2;
        } else {
            CRect rcClient;
            GetClientRect(&rcClient);
            pCaptionRect->right = pCaptionRect->Width() - w - 3;
            pCaptionRect->left = 3;
            rcImage.left = rcClient.right - w - 3;
            rcImage.top += (nHeight - h) / 2;
        }
        break;
    }
    if (bPressed) rcImage.OffsetRect(1, 1);

    HICON hIcon = IsLit(bPressed) ? m_hIconHot : m_hIconNormal;
    // DrawState draws the icon at its own size from the corner; the
    // rectangle's size only bounds it.
    ::DrawState(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)hIcon, 0, rcImage.left, rcImage.top, rcImage.Width(),
                rcImage.Height(), DST_ICON | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonVX::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == NULL) return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (pDC == NULL) return;

    const BOOL bPressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const BOOL bFocused = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
    const BOOL bDisabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    const BOOL bLit = IsLit(bPressed);
    CRect rcItem(lpDrawItemStruct->rcItem);

    pDC->SetBkMode(TRANSPARENT);

    if (m_bFlat == 0 && (bFocused || GetDefault() == 1)) {
        CBrush brFrame(kBlack);
        pDC->FrameRect(&rcItem, &brFrame);
        rcItem.DeflateRect(1, 1);
    }

    const COLORREF clrBg = bLit ? m_clrActiveBg : m_clrInactiveBg;
    if (m_bTransparent == 1) {
        PaintBk(pDC);
    } else {
        CBrush brBg(clrBg);
        pDC->FillRect(&rcItem, &brBg);
    }

    if (bPressed) {
        if (m_bFlat == 1) {
            if (m_bBorder == 1) pDC->Draw3dRect(&rcItem, kBlack, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        } else {
            CBrush brShadow(::GetSysColor(COLOR_BTNSHADOW));
            pDC->FrameRect(&rcItem, &brShadow);
        }
    } else if (m_bFlat == 1) {
        if (m_bHover == 1 && m_bBorder == 1) pDC->Draw3dRect(&rcItem, ::GetSysColor(COLOR_BTNHIGHLIGHT), kBlack);
    } else {
        const int L = rcItem.left, T = rcItem.top, R = rcItem.right, B = rcItem.bottom;
        CPen penHighlight(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CPen penLight(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT));
        CPen penDarkShadow(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));
        CPen penShadow(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&penHighlight);
        pDC->MoveTo(L, B - 1);
        pDC->LineTo(L, T);
        pDC->LineTo(R, T);
        pDC->SelectObject(&penLight);
        pDC->MoveTo(L + 1, B - 1);
        pDC->LineTo(L + 1, T + 1);
        pDC->LineTo(R, T + 1);
        pDC->SelectObject(&penDarkShadow);
        pDC->MoveTo(L, B - 1);
        pDC->LineTo(R - 1, B - 1);
        pDC->LineTo(R - 1, T - 1);
        pDC->SelectObject(&penShadow);
        pDC->MoveTo(L + 1, B - 2);
        pDC->LineTo(R - 2, B - 2);
        pDC->LineTo(R - 2, T);
        if (pOldPen) pDC->SelectObject(pOldPen);
    }

    CString strTitle;
    GetWindowText(strTitle);
    if (m_bTextVisible == 0) strTitle.Empty();

    CRect rcCaption(lpDrawItemStruct->rcItem);
    if (m_hIconHot) DrawTheIcon(pDC, &strTitle, &lpDrawItemStruct->rcItem, &rcCaption, bPressed, bDisabled);

    if (!strTitle.IsEmpty()) {
        if (bPressed) rcCaption.OffsetRect(1, 1);
        pDC->SetTextColor(bLit ? m_clrActiveFg : m_clrInactiveFg);
        pDC->SetBkColor(bLit ? m_clrActiveBg : m_clrInactiveBg);
        CRect rcCentre(rcCaption);
        pDC->DrawText((LPCTSTR)strTitle, -1, &rcCaption, DT_SINGLELINE | DT_CALCRECT);
        rcCaption.OffsetRect((rcCentre.Width() - rcCaption.Width()) / 2,
                             (rcCentre.Height() - rcCaption.Height()) / 2);
        pDC->SetBkMode(TRANSPARENT);
        ::DrawState(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)(LPCTSTR)strTitle, 0, rcCaption.left, rcCaption.top,
                    rcCaption.Width(), rcCaption.Height(), DST_PREFIXTEXT | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
    }

    if (bFocused && (m_bFlat == 0 || (m_bFlat == 1 && m_bFlatFocus == 1))) {
        CRect rcFocus(rcItem);
        rcFocus.DeflateRect(3, 3);
        pDC->DrawFocusRect(&rcFocus);
    }
}
