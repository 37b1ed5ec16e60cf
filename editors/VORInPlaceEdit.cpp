// CVORInPlaceEdit: the grid's rich edit, with its text checks, its owner's
// verdict on every change and the keys it hands to the grid.
#include "VORInPlaceEdit.h"

#include "VORFunction.h"
#include "VORInPlaceTypes.h"

BEGIN_MESSAGE_MAP(CVORInPlaceEdit, CRichEditCtrl)
    ON_WM_CREATE()
    ON_WM_GETDLGCODE()
    ON_WM_ERASEBKGND()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY_REFLECT(EN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

// The data format starts as plain text, so that an editor whose format was
// never written checks nothing instead of reading an undefined value.
CVORInPlaceEdit::CVORInPlaceEdit()
    : m_rcCell(0, 0, 0, 0),
      m_nStartChar(0),
      m_nEndChar(0),
      m_bSetText(FALSE),
      m_nDataFormat(INPLACE_DATA_CHAR)
{
}

CVORInPlaceEdit::~CVORInPlaceEdit() {}

BOOL CVORInPlaceEdit::IsWindow() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != NULL && ::IsWindow(hWnd);
}

BOOL CVORInPlaceEdit::CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle)
{
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()) || IsWindow())
        return FALSE;
    m_rcCell = rect;
    rect.left += 1;
    rect.bottom -= 1;
    BOOL bCreated = Create(dwStyle | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           rect, pParent, 0);
    if (!bCreated || !IsWindow())
        return FALSE;
    SetEventMask(GetEventMask() | ENM_CHANGE | ENM_SELCHANGE);
    // The text stands vertically centred for a 12-pixel line, 4 pixels in
    // from either side.
    const int nWidth = rect.Width(), nHeight = rect.Height();
    CRect rcFormat(4, (nHeight - 12) / 2, nWidth - 4, nHeight);
    SetRect(&rcFormat);
    return bCreated;
}

void CVORInPlaceEdit::MoveInPlaceWnd(CRect& rect)
{
    if (!IsWindow() || rect == m_rcCell)
        return;
    m_rcCell = rect;
    rect.left += 1;
    rect.bottom -= 1;
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOCOPYBITS);
}

void CVORInPlaceEdit::SetText(const CString& strText, BOOL bSelect)
{
    // The caller may pass one of our own members; work on a copy.
    const CString strNew(strText);
    m_bSetText = TRUE;
    m_strOrgText = strNew;
    if (IsWindow()) {
        SetWindowText(strNew);
        if (bSelect && IsWindow())
            SetSel(0, strNew.GetLength());
        PushLastText();
    } else {
        m_strLastText = strNew;
    }
    m_bSetText = FALSE;
}

void CVORInPlaceEdit::SetTextStyle(COLORREF crText, int)
{
    if (!IsWindow())
        return;
    CHARFORMAT cf;
    memset(&cf, 0, sizeof(cf));
    cf.cbSize = sizeof(CHARFORMAT);
    cf.dwMask = CFM_COLOR | CFM_BOLD;
    GetDefaultCharFormat(cf);
    cf.dwEffects &= ~CFE_AUTOCOLOR;
    cf.crTextColor = crText;
    SetDefaultCharFormat(cf);
}

void CVORInPlaceEdit::SaveSel()
{
    if (!IsWindow())
        return;
    long nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    m_nStartChar = (int)nStart;
    m_nEndChar = (int)nEnd;
}

void CVORInPlaceEdit::PushLastText()
{
    if (!IsWindow())
        return;
    GetWindowText(m_strLastText);
    SaveSel();
}

void CVORInPlaceEdit::PopLastText()
{
    if (!IsWindow())
        return;
    // Setting the text may report a selection change of its own, which
    // would overwrite the saved selection before it is put back.
    const int nStart = m_nStartChar, nEnd = m_nEndChar;
    SetWindowText(m_strLastText);
    if (IsWindow())
        SetSel(nStart, nEnd);
}

LRESULT CVORInPlaceEdit::SendNotify(int nCode, const char* pszText)
{
    return VorSendInPlaceNotify(this, INPLACE_SOURCE_EDIT, nCode, pszText);
}

int CVORInPlaceEdit::SendMessageTextChange(const char* pszText) { return VorOfferInPlaceText(*this, pszText); }

void CVORInPlaceEdit::SendMessageClick() { SendNotify(INPLACE_CODE_CLICK, NULL); }

void CVORInPlaceEdit::SendMessageRClick() { SendNotify(INPLACE_CODE_RCLICK, NULL); }

void CVORInPlaceEdit::SendMessageDClick() { SendNotify(INPLACE_CODE_DCLICK, NULL); }

int CVORInPlaceEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = GetParent();
    if (pParent != NULL) {
        HFONT hFont = (HFONT)pParent->SendMessage(WM_GETFONT, 0, 0);
        SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    }
    return 0;
}

BOOL CVORInPlaceEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;  // the control fills its whole client area when it paints
}

void CVORInPlaceEdit::OnChange()
{
    if (m_bSetText) {
        m_bSetText = FALSE;
        return;
    }
    CString strText;
    GetWindowText(strText);
    switch (m_nDataFormat) {
    case INPLACE_DATA_CHAR:
        if (SendMessageTextChange(strText) != 0)
            PopLastText();
        break;
    case INPLACE_DATA_INT:
        if (!CVORFunction::IsInputNum(strText))
            PopLastText();
        else if (SendMessageTextChange(strText) != 0)
            PopLastText();
        break;
    case INPLACE_DATA_REAL:
        if (!CVORFunction::IsInputReal(strText))
            PopLastText();
        else if (SendMessageTextChange(strText) != 0)
            PopLastText();
        break;
    default:
        break;  // no rule: the text stands and is not reported
    }
}

BOOL CVORInPlaceEdit::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    return CRichEditCtrl::OnSetCursor(pWnd, nHitTest, message);
}

// The reports go out before the control moves the caret; the owner may
// destroy the editor while handling them.
void CVORInPlaceEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    SendMessageRClick();
    if (!IsWindow())
        return;
    CRichEditCtrl::OnRButtonDown(nFlags, point);
    SaveSel();
}

void CVORInPlaceEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SendMessageDClick();
    if (!IsWindow())
        return;
    CRichEditCtrl::OnLButtonDblClk(nFlags, point);
    SaveSel();
}

void CVORInPlaceEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    SendMessageClick();
    if (!IsWindow())
        return;
    CRichEditCtrl::OnLButtonDown(nFlags, point);
    SaveSel();
}

void CVORInPlaceEdit::OnSelChange(NMHDR*, LRESULT* pResult)
{
    if (pResult != NULL)
        *pResult = 0;
    // A caret or selection move over the last accepted text is the user's
    // choice of where the next keystroke goes: it is kept. The selection
    // change that comes with a typed character (the text differs) is not,
    // so a refused character puts the caret back where it stood before it.
    if (!IsWindow())
        return;
    CString strText;
    GetWindowText(strText);
    if (strText == m_strLastText)
        SaveSel();
}

BOOL CVORInPlaceEdit::PassKeyToOwner(MSG* pMsg)
{
    CWnd* pOwner = GetOwner();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
    if (hOwner != NULL && ::IsWindow(hOwner))
        ::SendMessage(hOwner, pMsg->message, pMsg->wParam, pMsg->lParam);
    // The owner may have destroyed this window: nothing more is done here.
    return TRUE;
}

UINT CVORInPlaceEdit::OnGetDlgCode()
{
    return CRichEditCtrl::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

BOOL CVORInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && IsWindow()) {
        switch (pMsg->wParam) {
        case VK_TAB:
        case VK_UP:
        case VK_DOWN:
            return PassKeyToOwner(pMsg);
        case VK_LEFT:
            SaveSel();
            if (m_nStartChar == 0 && m_nEndChar == 0)
                return PassKeyToOwner(pMsg);
            break;
        case VK_RIGHT: {
            CString strText;
            GetWindowText(strText);
            SaveSel();
            const int nLength = strText.GetLength();
            if (m_nStartChar >= nLength && m_nEndChar >= nLength)
                return PassKeyToOwner(pMsg);
            break;
        }
        case VK_ESCAPE: {
            const CString strOrg(m_strOrgText);
            if (SendMessageTextChange(strOrg) == 0 && IsWindow())
                SetText(strOrg, TRUE);
            return TRUE;
        }
        default:
            break;
        }
    }
    return CRichEditCtrl::PreTranslateMessage(pMsg);
}
