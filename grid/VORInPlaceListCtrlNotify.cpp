// CVORInPlaceListCtrl: the reports of its editors, tied to the current cell
// and passed on to the grid's owner, who decides whether a text stands.
#include "VORInPlaceListCtrl.h"

int CVORInPlaceListCtrl::SendNotify(int nSource, int nCode, const char* pszText, int nRow, int nCol)
{
    INPLACE_NOTIFY notify;
    notify.hWnd = m_hWnd;
    notify.nSource = nSource;
    notify.nCode = nCode;
    notify.pszText = pszText;
    notify.nItem = nRow;
    notify.nSubItem = nCol;
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL || !::IsWindow(pOwner->GetSafeHwnd()))
        return 0;
    return (int)::SendMessage(pOwner->GetSafeHwnd(), WM_VOR_NOTIFY, 0, (LPARAM)&notify);
}

int CVORInPlaceListCtrl::SendMessageTextChange(int nRow, int nCol, const char* pszText)
{
    return SendNotify(0, 1, pszText, nRow, nCol);
}

int CVORInPlaceListCtrl::SendMessageTextChanged(int nRow, int nCol, const char* pszText)
{
    return SendNotify(0, 5, pszText, nRow, nCol);
}

int CVORInPlaceListCtrl::SendMessageClick(int nRow, int nCol) { return SendNotify(3, 4, NULL, nRow, nCol); }

LRESULT CVORInPlaceListCtrl::OnVorNotify(WPARAM wParam, LPARAM lParam)
{
    const INPLACE_NOTIFY* pNotify = (const INPLACE_NOTIFY*)lParam;
    if (pNotify == NULL)
        return 0;
    const BOOL bCurrentValid =
        m_nCurRow >= 0 && m_nCurRow < CListCtrl::GetItemCount() && m_nCurCol >= 0 && m_nCurCol < GetColumnCount();

    if ((pNotify->nSource == 1 && pNotify->nCode == 1 && m_wndEdit.IsWindow() && bCurrentValid) ||
        (pNotify->nSource == 2 && pNotify->nCode == 1 && m_wndCombo.IsWindow() && bCurrentValid)) {
        // The cell is fixed now: the owner's answer may move the current cell.
        const int nRow = m_nCurRow;
        const int nCol = m_nCurCol;
        // A copy: the sender's buffer lives only for this call, and the
        // owner may change the editor's text while it answers.
        CString strText = pNotify->pszText != NULL ? pNotify->pszText : "";
        const int nAnswer = SendMessageTextChange(nRow, nCol, strText);
        if (nAnswer == 0) {
            SetItemText(nRow, nCol, strText);
            SendMessageTextChanged(nRow, nCol, strText);
        }
        return nAnswer;
    }
    if (pNotify->nSource == 3 && pNotify->nCode == 2 && m_wndButton.IsWindow() && bCurrentValid)
        return SendMessageClick(m_nCurRow, m_nCurCol);
    return 0;
}
