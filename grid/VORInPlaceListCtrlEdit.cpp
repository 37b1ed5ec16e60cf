// CVORInPlaceListCtrl: the current cell, its editor, and the input that
// moves them (mouse presses, Left / Right, the list view's own selection
// changes, scrolling).
#include "VORInPlaceListCtrl.h"

void CVORInPlaceListCtrl::DestroyEditors()
{
    if (m_wndEdit.IsWindow())
        m_wndEdit.DestroyWindow();
    if (m_wndButton.IsWindow())
        m_wndButton.DestroyWindow();
    if (m_wndCombo.IsWindow())
        m_wndCombo.DestroyWindow();
}

BOOL CVORInPlaceListCtrl::IsEditorWindow(HWND hWnd)
{
    if (hWnd == NULL)
        return FALSE;
    const HWND editors[] = {m_wndEdit.GetSafeHwnd(), m_wndCombo.GetSafeHwnd(), m_wndButton.GetSafeHwnd()};
    for (HWND hEditor : editors) {
        // The combo box's edit field is a child of the combo box.
        if (hEditor != NULL && (hWnd == hEditor || ::IsChild(hEditor, hWnd)))
            return TRUE;
    }
    return FALSE;
}

void CVORInPlaceListCtrl::CloseEditors()
{
    const BOOL bHadFocus = IsEditorWindow(::GetFocus());
    DestroyEditors();
    // The keyboard stays with the grid rather than with no window at all.
    if (bHadFocus && ::IsWindow(m_hWnd))
        SetFocus();
}

void CVORInPlaceListCtrl::FocusOpenEditor()
{
    if (m_wndEdit.IsWindow())
        m_wndEdit.SetFocus();
    else if (m_wndButton.IsWindow())
        m_wndButton.SetFocus();
    else if (m_wndCombo.IsWindow())
        m_wndCombo.SetFocus();
    else if (::IsWindow(m_hWnd))
        SetFocus();
}

BOOL CVORInPlaceListCtrl::IsRowInView(const CRect& rcRow)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int nRowsTop = rcClient.top;
    CHeaderCtrl* pHeader = CListCtrl::GetHeaderCtrl();
    if (pHeader != NULL && ::IsWindow(pHeader->GetSafeHwnd()) && pHeader->IsWindowVisible()) {
        CRect rcHeader;
        pHeader->GetWindowRect(&rcHeader);
        ScreenToClient(&rcHeader);
        if (rcHeader.bottom > nRowsTop)
            nRowsTop = rcHeader.bottom;
    }
    // A row cut by the lower edge is still in view (the client area clips
    // its editor); one reaching under the header is not.
    return rcRow.top >= nRowsTop && rcRow.top < rcClient.bottom;
}

BOOL CVORInPlaceListCtrl::GetOpenEditorCell(CRect& rcCell)
{
    return IsSelectCell() && GetCellRect(m_nCurRow, LCtoRC(m_nCurCol), rcCell);
}

void CVORInPlaceListCtrl::FollowCurrentCell()
{
    CRect rcCell;
    if (!GetOpenEditorCell(rcCell))
        return;
    if (!IsRowInView(rcCell)) {
        // An editor left over another row, or under the header, would take
        // keystrokes for a cell the user cannot see.
        CloseEditors();
        return;
    }
    PlaceEditorOnCurrentCell();
}

void CVORInPlaceListCtrl::PlaceEditorOnCurrentCell()
{
    CRect rcCell;
    if (!GetOpenEditorCell(rcCell))
        return;
    // Each editor adjusts the rectangle it is given; at most one is open.
    m_wndEdit.MoveInPlaceWnd(rcCell);
    m_wndCombo.MoveInPlaceWnd(rcCell);
    m_wndButton.MoveInPlaceWnd(rcCell);
}

void CVORInPlaceListCtrl::EditItem(int nRow, int nCol, BOOL bScroll)
{
    if (!IsRowInRange(nRow))
        return;
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem == NULL)
        return;
    if (nCol < 0 || nCol >= pItem->m_arrCells.GetSize())
        return;
    const int nPos = LCtoRC(nCol);
    if (nPos < 0 || nPos >= GetHeaderCount())
        return;

    // May run OnItemchanged, and so an inner EditItem, right here.
    CListCtrl::SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!(CListCtrl::GetItemState(nRow, LVIS_FOCUSED) & LVIS_FOCUSED))
        return;

    DestroyEditors();
    m_nCurRow = nRow;
    m_nCurCol = nCol;

    // The row may have lost its record or the cell while the list view
    // reported the selection; read afresh.
    CString strText = GetItemText(nRow, nCol);
    pItem = GetListItem(nRow);
    if (pItem == NULL)
        return;
    CVORInPlaceListCell* pCell = pItem->GetListCell(nCol);
    if (pCell == NULL)
        return;
    const INPLACE_CELL_TYPE nType = pCell->m_nCellType;
    const DWORD dwStyle = pCell->m_dwStyle;
    const int nLimit = pCell->m_nTextLimit;
    const INPLACE_DATA_FORAMAT nFormat = pCell->m_nDataFormat;
    CString strChoices = pCell->m_strComboboxString;

    CRect rcCell;
    if (!GetCellRect(nRow, LCtoRC(nCol), rcCell))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (bScroll && (rcCell.left < rcClient.left || rcCell.right > rcClient.right))
        CListCtrl::Scroll(CSize(rcCell.left - rcClient.left, 0));

    CRect rc = rcCell;  // the editors adjust the rectangle they are given
    if (!m_bEditable || nType == INPLACE_CELL_READONLY || nType == INPLACE_CELL_EDIT) {
        const BOOL bReadOnly = !m_bEditable || nType == INPLACE_CELL_READONLY;
        const COLORREF crBk = m_bEditable ? m_crEditBk : m_crSelBk;
        const COLORREF crText = m_bEditable ? m_crEditText : m_crSelText;
        if (!m_wndEdit.CreateInPlaceWnd(this, rc, dwStyle))
            return;
        m_wndEdit.SendMessage(EM_SETBKGNDCOLOR, 0, (LPARAM)crBk);
        m_wndEdit.SetTextStyle(crText, 0);
        m_wndEdit.SetText(strText, TRUE);
        m_wndEdit.SendMessage(EM_EXLIMITTEXT, 0, (LPARAM)nLimit);
        m_wndEdit.SetFocus();
        m_wndEdit.SetSel(0, (long)strText.GetLength());
        if (bReadOnly)
            m_wndEdit.SendMessage(EM_EXLIMITTEXT, 0, (LPARAM)nLimit);
        m_wndEdit.SendMessage(EM_SETREADONLY, bReadOnly ? TRUE : FALSE, 0);
        m_wndEdit.m_nDataFormat = nFormat;
    } else if (nType == INPLACE_CELL_COMBOBOX) {
        if (!m_wndCombo.CreateInPlaceWnd(this, rc, dwStyle))
            return;
        m_wndCombo.SetBackText(strChoices);
        m_wndCombo.SetText(strText, TRUE);
        m_wndCombo.SendMessage(CB_LIMITTEXT, (WPARAM)nLimit, 0);
        m_wndCombo.SetFocus();
        m_wndCombo.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, strText.GetLength()));
        m_wndCombo.m_nDataFormat = nFormat;
    } else if (nType == INPLACE_CELL_BUTTON) {
        m_wndButton.CreateInPlaceWnd(this, rc, dwStyle);
    }
}

// ---------------------------------------------------------------------------
// Mouse

void CVORInPlaceListCtrl::OnLButtonDown(UINT nFlags, CPoint point) { PressCell(point); }

void CVORInPlaceListCtrl::OnRButtonDown(UINT nFlags, CPoint point) { PressCell(point); }

// Either button: the pressed cell becomes the current cell and opens its
// editor; a press outside every cell goes to the list view.
void CVORInPlaceListCtrl::PressCell(CPoint point)
{
    int nCol = -1;
    const int nRow = HitTestEx(point, nCol);
    if (!IsRowInRange(nRow) || nCol < 0 || nCol >= GetHeaderCount()) {
        Default();
        return;
    }
    const int nLogical = RCtoLC(nCol);
    if (nLogical < 0 || nLogical >= GetColumnCount())
        return;
    if (nRow == m_nCurRow) {
        m_nCurRow = nRow;
        m_nCurCol = nLogical;
        EditItem(nRow, nLogical, TRUE);
        return;
    }
    m_nCurRow = nRow;
    m_nCurCol = nLogical;
    // The list view selects and focuses the row; OnItemchanged opens the
    // editor, and the list view takes the focus after it.
    Default();
    FocusOpenEditor();
}

// ---------------------------------------------------------------------------
// Keys

void CVORInPlaceListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB) {
        MoveByTab(::GetKeyState(VK_SHIFT) < 0);
        return;
    }
    if (nChar != VK_LEFT && nChar != VK_RIGHT) {
        Default();
        return;
    }
    // Left and Right move between shown columns and never reach the list
    // view (which would scroll sideways).
    if (!IsRowInRange(m_nCurRow))
        return;
    const int nPos = LCtoRC(m_nCurCol);
    const int nHeader = GetHeaderCount();
    int nTarget = -1;
    if (nChar == VK_LEFT && nPos > 0 && nPos < nHeader)
        nTarget = nPos - 1;
    else if (nChar == VK_RIGHT && nPos >= 0 && nPos < nHeader - 1)
        nTarget = nPos + 1;
    if (nTarget < 0)
        return;
    const int nLogical = RCtoLC(nTarget);
    if (nLogical < 0 || nLogical >= GetColumnCount())
        return;
    m_nCurCol = nLogical;
    EditItem(m_nCurRow, nLogical, TRUE);
}

void CVORInPlaceListCtrl::MoveByTab(BOOL bBackward)
{
    if (!IsRowInRange(m_nCurRow))
        return;
    const int nHeader = GetHeaderCount();
    if (nHeader <= 0)
        return;
    const int nPos = LCtoRC(m_nCurCol);
    int nRow = m_nCurRow;
    int nTarget;
    if (!bBackward) {
        nTarget = nPos + 1;  // a hidden current column (-1) starts the row
        if (nTarget >= nHeader) {
            if (!IsRowInRange(nRow + 1))
                return;
            ++nRow;
            nTarget = 0;
        }
    } else {
        nTarget = nPos < 0 ? nHeader - 1 : nPos - 1;
        if (nTarget < 0) {
            if (nRow == 0)
                return;
            --nRow;
            nTarget = nHeader - 1;
        }
    }
    MoveToCell(nRow, RCtoLC(nTarget));
}

BOOL CVORInPlaceListCtrl::PreTranslateMessage(MSG* pMsg)
{
    // Enter in an editable text or number cell goes on to the same column
    // of the next row; the editor itself has no use for it.
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_wndEdit.IsWindow() &&
        pMsg->hwnd == m_wndEdit.GetSafeHwnd() && !(m_wndEdit.GetStyle() & ES_READONLY) &&
        ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
        if (IsRowInRange(m_nCurRow + 1))
            MoveToCell(m_nCurRow + 1, m_nCurCol);
        return TRUE;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}

void CVORInPlaceListCtrl::MoveToCell(int nRow, int nCol)
{
    if (!IsRowInRange(nRow) || nCol < 0 || nCol >= GetColumnCount())
        return;
    if (nRow != m_nCurRow) {
        // As a press on another row: only the new row stays selected, and
        // the row is brought into view (and drawn, which gives it its
        // cells) before its editor opens.
        if (!(GetStyle() & LVS_SINGLESEL))
            CListCtrl::SetItemState(-1, 0, LVIS_SELECTED);
        CListCtrl::EnsureVisible(nRow, FALSE);
        UpdateWindow();
    }
    m_nCurRow = nRow;
    m_nCurCol = nCol;
    EditItem(nRow, nCol, TRUE);
    FocusOpenEditor();
}

// ---------------------------------------------------------------------------
// Selection and scrolling

void CVORInPlaceListCtrl::OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pNMListView = (NMLISTVIEW*)pNMHDR;
    if (pResult != NULL)
        *pResult = 0;
    // The grid's own write of a fresh record changes no selection.
    if (m_bAttachingRecord || pNMListView == NULL)
        return;
    if ((pNMListView->uOldState & LVIS_SELECTED) && !(pNMListView->uNewState & LVIS_SELECTED) &&
        CListCtrl::GetNextItem(-1, LVNI_SELECTED) < 0)
        DestroyEditors();

    const int nItem = pNMListView->iItem;
    if (!IsRowInRange(nItem))
        return;
    const UINT nBoth = LVIS_SELECTED | LVIS_FOCUSED;
    if ((CListCtrl::GetItemState(nItem, nBoth) & nBoth) == nBoth) {
        // An editor left open for another row (one deleted under it, say)
        // must not stay when that row cannot take it: a new current row
        // closes it, and EditItem opens the one of the new cell.
        if (m_nCurRow != nItem)
            DestroyEditors();
        m_nCurRow = nItem;
        if (m_nCurCol >= 0 && m_nCurCol < GetColumnCount())
            EditItem(nItem, m_nCurCol, TRUE);
    }
}

void CVORInPlaceListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    Default();
    FollowCurrentCell();
}

BOOL CVORInPlaceListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    // The list view scrolls its rows; the editor goes with its cell as it
    // does for the scroll bar.
    Default();
    FollowCurrentCell();
    return TRUE;
}

void CVORInPlaceListCtrl::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    if (!IsSelectCell())
        return;
    // Whoever moved or sized the grid may have painted over the editor
    // without telling it (a parent moving its panes without redrawing, say):
    // the editor goes onto its cell and paints itself again.
    PlaceEditorOnCurrentCell();
    CWnd* const editors[] = {&m_wndEdit, &m_wndCombo, &m_wndButton};
    for (CWnd* pEditor : editors) {
        if (::IsWindow(pEditor->GetSafeHwnd()))
            pEditor->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void CVORInPlaceListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    Default();
    PlaceEditorOnCurrentCell();
}

// ---------------------------------------------------------------------------
// Reflected messages

BOOL CVORInPlaceListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        DrawItem((LPDRAWITEMSTRUCT)lParam);
        if (pResult != NULL)
            *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_NOTIFY && lParam != 0) {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR->hwndFrom == m_hWnd) {
            switch (pNMHDR->code) {
            case LVN_ITEMCHANGED:
                // Handled here, and the parent hears of it as well.
                CWnd::OnChildNotify(message, wParam, lParam, pResult);
                return FALSE;
            case LVN_INSERTITEM:
                OnListItemInserted(((NMLISTVIEW*)lParam)->iItem);
                break;
            case LVN_DELETEITEM:
                OnListItemDeleted(((NMLISTVIEW*)lParam)->iItem);
                break;
            case LVN_DELETEALLITEMS:
                m_nCurRow = -1;
                CloseEditors();
                break;
            default:
                break;
            }
        }
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
