// CVORInPlaceListCtrl: cells and points. In report view the rows are laid
// out from what the list view answers once (the top row, its bounds, the row
// height, the column widths), asked again after any message that is not a
// pure query has reached the list view.
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

const CVORInPlaceListCtrl::CGeometry* CVORInPlaceListCtrl::CurrentGeometry(DWORD dwStyle)
{
    if (m_bGeometryKnown && m_hGeometryWnd == m_hWnd && m_geometry.dwStyle == dwStyle)
        return &m_geometry;
    m_bGeometryKnown = FALSE;
    if ((dwStyle & LVS_TYPEMASK) != LVS_REPORT)
        return NULL;
    // Only pure queries below: none of them makes the list view change, so
    // what they answer holds together until the next other message.
    const UINT nMessages = m_nItemMessages;
    CGeometry& g = m_geometry;
    g.dwStyle = dwStyle;
    g.nItems = CListCtrl::GetItemCount();
    g.nTop = CListCtrl::GetTopIndex();
    g.nLast = g.nTop + CListCtrl::GetCountPerPage();
    if (g.nLast > g.nItems - 1)
        g.nLast = g.nItems - 1;
    if (g.nItems <= 0 || g.nTop < 0 || g.nTop >= g.nItems ||
        !CListCtrl::GetItemRect(g.nTop, &g.rcTopRow, LVIR_BOUNDS))
        return NULL;
    g.nRowHeight = g.rcTopRow.Height();
    const int nColumns = GetHeaderCount();
    g.widths.resize((size_t)nColumns);
    for (int c = 0; c < nColumns; ++c)
        g.widths[(size_t)c] = CListCtrl::GetColumnWidth(c);
    g.hNormalImages = (HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
    g.bNormalImages = g.hNormalImages != NULL;
    if (m_nItemMessages != nMessages)
        return NULL;  // something answered with a change after all: ask again next time
    m_hGeometryWnd = m_hWnd;
    m_bGeometryKnown = TRUE;
    return &g;
}

CRect CVORInPlaceListCtrl::RowBounds(const CGeometry& geometry, int nRow)
{
    // Report rows are stacked at one height from the top row.
    CRect rc = geometry.rcTopRow;
    rc.top += (nRow - geometry.nTop) * geometry.nRowHeight;
    rc.bottom = rc.top + geometry.nRowHeight;
    return rc;
}

int CVORInPlaceListCtrl::HitTestEx(CPoint& point, int& nCol)
{
    nCol = -1;
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & LVS_TYPEMASK) != LVS_REPORT) {
        ShowReportStyleMessage();
        return -1;
    }
    if (CListCtrl::HitTest(point, NULL) < 0)
        return -1;
    const CGeometry* pGeometry = CurrentGeometry(dwStyle);
    if (pGeometry == NULL || pGeometry->nRowHeight <= 0)
        return -1;  // no visible row, or rows that hold no point
    const CGeometry& g = *pGeometry;

    // The one visible row (from the top row to the partly visible one) whose
    // bounds can hold the point.
    if (point.y < g.rcTopRow.top)
        return -1;
    const long long nRowLong = g.nTop + ((long long)point.y - g.rcTopRow.top) / g.nRowHeight;
    if (nRowLong > g.nLast)
        return -1;
    const int nRow = (int)nRowLong;
    const CRect rcRow = RowBounds(g, nRow);
    if (!rcRow.PtInRect(point))
        return -1;
    int nRight = rcRow.left;
    const int nColumns = (int)g.widths.size();
    for (int c = 0; c < nColumns; ++c) {
        const int nWidth = g.widths[(size_t)c];
        nRight += nWidth;
        // The right edge belongs to the column, so the first column reaching
        // the point wins; one of no width never does.
        if (nWidth > 0 && point.x <= nRight) {
            nCol = c;
            return nRow;
        }
    }
    return -1;
}

BOOL CVORInPlaceListCtrl::GetCellRect(int nRow, int nCol, CRect& rect)
{
    // Outside report view (or without a row) the list view answers each part.
    const CGeometry* g = CurrentGeometry(GetStyle());
    const int nItems = g != NULL ? g->nItems : CListCtrl::GetItemCount();
    const int nColumns = g != NULL ? (int)g->widths.size() : GetHeaderCount();
    if (nRow < 0 || nRow >= nItems || nCol < 0 || nCol >= nColumns)
        return FALSE;
    CRect rcRow;
    if (g != NULL)
        rcRow = RowBounds(*g, nRow);
    else if (!CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS))
        return FALSE;
    auto width = [&](int c) { return g != NULL ? g->widths[(size_t)c] : CListCtrl::GetColumnWidth(c); };
    int nOffset = 0;
    for (int c = 0; c < nCol; ++c)
        nOffset += width(c);
    rect.top = rcRow.top;
    rect.bottom = rcRow.bottom;
    rect.left = rcRow.left + nOffset;
    rect.right = rect.left + width(nCol);
    const BOOL bNormalImages =
        g != NULL ? g->bNormalImages : ::SendMessage(m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0) != 0;
    if (nCol == 0 && bNormalImages)
        rect.left += kImageIndent;
    return TRUE;
}
