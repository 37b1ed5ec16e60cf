// CVORInPlaceListCtrl: cells and points. Only the visible rows are looked
// at, and every width is asked of the list view afresh.
#include "VORInPlaceListCtrl.h"

namespace {

// 15 pixels that column 0 gives up to a normal image list, used or not.
const int kImageIndent = 15;

// "列表框的风格必须设为报告型！" in code page 936.
const char kReportStyleMessage[] =
    "\xC1\xD0\xB1\xED\xBF\xF2\xB5\xC4\xB7\xE7\xB8\xF1\xB1\xD8\xD0\xEB\xC9\xE8\xCE\xAA\xB1\xA8\xB8\xE6\xD0\xCD\xA3\xA1";

}  // namespace

int CVORInPlaceListCtrl::GetHeaderCount()
{
    HWND hHeader = (HWND)::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0);
    if (hHeader == NULL || !::IsWindow(hHeader))
        return 0;
    const int nCount = (int)::SendMessage(hHeader, HDM_GETITEMCOUNT, 0, 0);
    return nCount > 0 ? nCount : 0;
}

BOOL CVORInPlaceListCtrl::IsSelectCell()
{
    if (::IsWindow(m_wndEdit.GetSafeHwnd()))
        return TRUE;
    if (::IsWindow(m_wndCombo.GetSafeHwnd()))
        return TRUE;
    if (::IsWindow(m_wndButton.GetSafeHwnd()))
        return TRUE;
    return FALSE;
}

void CVORInPlaceListCtrl::ShowReportStyleMessage() { AfxMessageBox(kReportStyleMessage, MB_OK); }

int CVORInPlaceListCtrl::HitTestEx(CPoint& point, int& nCol)
{
    nCol = -1;
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) {
        ShowReportStyleMessage();
        return -1;
    }
    if (CListCtrl::HitTest(point, NULL) < 0)
        return -1;

    const int nTop = CListCtrl::GetTopIndex();
    int nLast = nTop + CListCtrl::GetCountPerPage();
    const int nItems = CListCtrl::GetItemCount();
    if (nLast > nItems - 1)
        nLast = nItems - 1;
    const int nColumns = GetHeaderCount();

    for (int nRow = nTop; nRow <= nLast; ++nRow) {
        CRect rcRow;
        if (!CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS) || !rcRow.PtInRect(point))
            continue;
        int nRight = rcRow.left;
        for (int c = 0; c < nColumns; ++c) {
            const int nWidth = CListCtrl::GetColumnWidth(c);
            nRight += nWidth;
            // The right edge belongs to the column, so the first column
            // reaching the point wins; one of no width never does.
            if (nWidth > 0 && point.x >= rcRow.left && point.x <= nRight) {
                nCol = c;
                return nRow;
            }
        }
        return -1;
    }
    return -1;
}

BOOL CVORInPlaceListCtrl::GetCellRect(int nRow, int nCol, CRect& rect)
{
    if (nRow < 0 || nRow >= CListCtrl::GetItemCount() || nCol < 0 || nCol >= GetHeaderCount())
        return FALSE;
    CRect rcRow;
    if (!CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS))
        return FALSE;
    int nOffset = 0;
    for (int c = 0; c < nCol; ++c)
        nOffset += CListCtrl::GetColumnWidth(c);
    rect.top = rcRow.top;
    rect.bottom = rcRow.bottom;
    rect.left = rcRow.left + nOffset;
    rect.right = rect.left + CListCtrl::GetColumnWidth(nCol);
    if (nCol == 0 && ::SendMessage(m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0) != 0)
        rect.left += kImageIndent;
    return TRUE;
}
