// CVORInPlaceComboBox: the grid's combo box, with the rich edit's text
// rules, the keys of a drop-down list and its own hover rule.
#include "VORInPlaceComboBox.h"

#include "VORFunction.h"
#include "VORInPlaceTypes.h"

namespace {
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPeriodMs = 10;
constexpr int kFieldHeight = 13;  // the selection field
constexpr int kItemHeight = 15;   // the list's items
}  // namespace

BEGIN_MESSAGE_MAP(CVORInPlaceComboBox, CVORFlatComboBox)
    ON_WM_ERASEBKGND()
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
    ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

// The data format starts as plain text and the saved selection as 0..0, so
// that nothing undefined is read before the grid writes them.
CVORInPlaceComboBox::CVORInPlaceComboBox()
    : m_rcCell(0, 0, 0, 0), m_bSetText(FALSE), m_nDataFormat(INPLACE_DATA_CHAR), m_nStartChar(0), m_nEndChar(0)
{
}

CVORInPlaceComboBox::~CVORInPlaceComboBox() {}

BOOL CVORInPlaceComboBox::IsWindow() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != NULL && ::IsWindow(hWnd);
}

BOOL CVORInPlaceComboBox::CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle)
{
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()) || IsWindow())
        return FALSE;
    m_rcCell = rect;
    rect.bottom = rect.top + DROPPED_HEIGHT;
    return Create(dwStyle | WS_CHILD | WS_VISIBLE | CBS_AUTOHSCROLL | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL,
                  rect, pParent, 0);
}

void CVORInPlaceComboBox::MoveInPlaceWnd(CRect& rect)
{
    if (!IsWindow() || rect == m_rcCell)
        return;
    m_rcCell = rect;
    rect.left += 1;
    rect.bottom = rect.top + DROPPED_HEIGHT;
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOCOPYBITS);
}

void CVORInPlaceComboBox::SetBackText(const CString& strText)
{
    if (!IsWindow())
        return;
    CStringArray arrItems;
    CVORFunction::StringToStringArray(strText, arrItems);
    for (int i = 0; i < (int)arrItems.GetSize(); ++i) {
        CString strTrimmed = arrItems[i];
        strTrimmed.TrimLeft();
        strTrimmed.TrimRight();
        if (strTrimmed.IsEmpty())
            continue;
        AddString(arrItems[i]);
    }
}

void CVORInPlaceComboBox::SetText(const CString& strText, BOOL bSelect)
{
    const CString strNew(strText);  // the caller may pass one of our members
    m_bSetText = TRUE;
    m_strLastText = strNew;
    m_strOrgText = strNew;
    if (IsWindow()) {
        // Every item begins with the empty text: an empty cell selects no
        // item rather than showing the first choice as its value.
        if (strNew.IsEmpty())
            SetCurSel(-1);
        else
            SelectString(-1, strNew);
        m_bSetText = TRUE;
        if (IsWindow())
            SetWindowText(strNew);
        if (bSelect && IsWindow())
            SetEditSel(0, strNew.GetLength());
        PushLastText();
    }
    m_bSetText = FALSE;
}

void CVORInPlaceComboBox::SaveSel()
{
    if (!IsWindow())
        return;
    const DWORD dwSel = GetEditSel();
    m_nStartChar = (int)LOWORD(dwSel);
    m_nEndChar = (int)HIWORD(dwSel);
}

void CVORInPlaceComboBox::PushLastText()
{
    if (!IsWindow())
        return;
    GetWindowText(m_strLastText);
    SaveSel();
}

void CVORInPlaceComboBox::PopLastText()
{
    if (!IsWindow())
        return;
    if ((GetStyle() & 3) == CBS_DROPDOWNLIST) {
        // Without an edit field the text is the selected item's: putting
        // the last text back means selecting its item again (none when it
        // is not in the list).
        SetCurSel(FindStringExact(-1, m_strLastText));
        return;
    }
    SetWindowText(m_strLastText);
    if (IsWindow())
        SetEditSel(m_nStartChar, m_nEndChar);
}

LRESULT CVORInPlaceComboBox::SendNotify(int nCode, const char* pszText)
{
    return VorSendInPlaceNotify(this, INPLACE_SOURCE_COMBO, nCode, pszText);
}

int CVORInPlaceComboBox::SendMessageTextChange(const char* pszText) { return VorOfferInPlaceText(*this, pszText); }

void CVORInPlaceComboBox::SendMessageClick() { SendNotify(INPLACE_CODE_CLICK, NULL); }

void CVORInPlaceComboBox::SendMessageRClick() { SendNotify(INPLACE_CODE_RCLICK, NULL); }

void CVORInPlaceComboBox::SendMessageDClick() { SendNotify(INPLACE_CODE_DCLICK, NULL); }

BOOL CVORInPlaceComboBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

int CVORInPlaceComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVORFlatComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = GetParent();
    if (pParent != NULL) {
        HFONT hFont = (HFONT)pParent->SendMessage(WM_GETFONT, 0, 0);
        SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    }
    SetItemHeight(-1, kFieldHeight);
    SetItemHeight(0, kItemHeight);
    return 0;
}

void CVORInPlaceComboBox::CheckAndOffer(const CString& strText)
{
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

void CVORInPlaceComboBox::OnEditchange()
{
    if (m_bSetText) {
        m_bSetText = FALSE;
        return;
    }
    CString strText;
    GetWindowText(strText);
    CheckAndOffer(strText);
}

void CVORInPlaceComboBox::OnSelendok()
{
    if (m_bSetText) {
        m_bSetText = FALSE;
        return;
    }
    const int nIndex = GetCurSel();
    if (nIndex == CB_ERR)
        return;
    CString strText;
    GetLBText(nIndex, strText);
    SetWindowText(strText);
    // As the stock combo box leaves a choice: all of the text selected, so
    // that typing replaces it. Saved with the text when it is accepted.
    if ((GetStyle() & 3) != CBS_DROPDOWNLIST && IsWindow())
        SetEditSel(0, strText.GetLength());
    CheckAndOffer(strText);
}

BOOL CVORInPlaceComboBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (GetDroppedState())
        return (BOOL)Default();
    CWnd* pOwner = GetOwner();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
    if (hOwner != NULL && ::IsWindow(hOwner))
        ::SendMessage(hOwner, WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM((WORD)pt.x, (WORD)pt.y));
    return TRUE;
}

void CVORInPlaceComboBox::OnMouseMove(UINT nFlags, CPoint point)
{
    SetTimer(kHoverTimer, kHoverPeriodMs, NULL);
    OnTimer(kHoverTimer);
    if (IsWindow())
        CVORFlatComboBox::OnMouseMove(nFlags, point);
}

// As the flat combo box's hover step, except that the focus does not keep
// the raised look once the cursor has left the window.
void CVORInPlaceComboBox::OnTimer(UINT nIDEvent)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (m_bLBtnDown) {
        KillTimer(kHoverTimer);
        if (m_bPainted) {
            DrawCombo(PRESSED);
            m_bPainted = FALSE;
        }
        return;
    }
    if (!rcWindow.PtInRect(ptCursor)) {
        KillTimer(kHoverTimer);
        if (m_bPainted) {
            DrawCombo(NORMAL);
            m_bPainted = FALSE;
        }
        return;
    }
    if (m_bPainted)
        return;
    m_bPainted = TRUE;
    DrawCombo(RAISED);
    CVORFlatComboBox::OnTimer(nIDEvent);
}

BOOL CVORInPlaceComboBox::PassKeyToOwner(MSG* pMsg)
{
    CWnd* pOwner = GetOwner();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
    if (hOwner != NULL && ::IsWindow(hOwner))
        ::SendMessage(hOwner, pMsg->message, pMsg->wParam, pMsg->lParam);
    // The owner may have destroyed this window: nothing more is done here.
    return TRUE;
}

BOOL CVORInPlaceComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && IsWindow()) {
        const BOOL bOpen = GetDroppedState();
        switch (pMsg->wParam) {
        case VK_TAB:
        case VK_UP:
        case VK_DOWN:
            if (!bOpen)
                return PassKeyToOwner(pMsg);
            break;
        case VK_RETURN:
            if (!bOpen) {
                ShowDropDown(TRUE);
                return TRUE;
            }
            break;  // the list closes with its choice (OnSelendok)
        case VK_ESCAPE: {
            if (bOpen)
                ShowDropDown(FALSE);
            const CString strOrg(m_strOrgText);
            if (IsWindow() && SendMessageTextChange(strOrg) == 0 && IsWindow())
                SetText(strOrg, TRUE);
            return TRUE;
        }
        case VK_LEFT:
        case VK_RIGHT: {
            if (bOpen)
                break;
            CString strText;
            GetWindowText(strText);
            SaveSel();
            const int nLength = strText.GetLength();
            const BOOL bAtEnd = m_nStartChar >= nLength && m_nEndChar >= nLength;
            if (pMsg->wParam == VK_LEFT) {
                if ((m_nStartChar == 0 && m_nEndChar == 0) || (m_nStartChar > nLength && m_nEndChar > nLength))
                    return PassKeyToOwner(pMsg);
            } else if (bAtEnd) {
                return PassKeyToOwner(pMsg);
            }
            break;
        }
        default:
            break;
        }
    }
    // Straight to the framework: system characters are not swallowed here.
    return CWnd::PreTranslateMessage(pMsg);
}
