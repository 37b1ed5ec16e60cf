// CVORInPlaceButton: the cell button, its placement and its keys.
#include "VORInPlaceButton.h"

BEGIN_MESSAGE_MAP(CVORInPlaceButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CVORInPlaceButton::CVORInPlaceButton() : m_rcCell(0, 0, 0, 0) {}

CVORInPlaceButton::~CVORInPlaceButton() {}

BOOL CVORInPlaceButton::IsWindow() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != NULL && ::IsWindow(hWnd);
}

void CVORInPlaceButton::PlaceInCell(CRect& rect)
{
    rect.bottom -= 1;
    if (rect.right - BUTTON_WIDTH > rect.left)
        rect.left = rect.right - BUTTON_WIDTH;
}

BOOL CVORInPlaceButton::CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle)
{
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()) || IsWindow())
        return FALSE;
    m_rcCell = rect;
    PlaceInCell(rect);
    return Create("...", dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, pParent, 0);
}

void CVORInPlaceButton::MoveInPlaceWnd(CRect& rect)
{
    if (!IsWindow() || rect == m_rcCell)
        return;
    m_rcCell = rect;
    PlaceInCell(rect);
    SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOCOPYBITS);
}

void CVORInPlaceButton::SendNotify(int nCode)
{
    VorSendInPlaceNotify(this, INPLACE_SOURCE_BUTTON, nCode, NULL);
}

void CVORInPlaceButton::SendMessageClick() { SendNotify(INPLACE_CODE_CLICK); }

void CVORInPlaceButton::SendMessageRClick() { SendNotify(INPLACE_CODE_RCLICK); }

void CVORInPlaceButton::SendMessageDClick() { SendNotify(INPLACE_CODE_DCLICK); }

void CVORInPlaceButton::OnClicked() { SendMessageClick(); }

void CVORInPlaceButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CVORInPlaceButton::OnGetDlgCode()
{
    return CButton::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

BOOL CVORInPlaceButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && IsWindow()) {
        switch (pMsg->wParam) {
        case VK_TAB:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            CWnd* pOwner = GetOwner();
            HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : NULL;
            if (hOwner != NULL && ::IsWindow(hOwner))
                ::SendMessage(hOwner, pMsg->message, pMsg->wParam, pMsg->lParam);
            return TRUE;  // the owner may have destroyed this window
        }
        case VK_RETURN:
            SendMessageClick();
            // Enter goes on to the windows around the grid, as a push
            // button leaves it to the dialog manager; the click may have
            // destroyed this window, which the walk above it tolerates.
            if (!IsWindow())
                return FALSE;
            break;
        default:
            break;
        }
    }
    return CButton::PreTranslateMessage(pMsg);
}
