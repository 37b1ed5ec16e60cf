// The grid lays its report rows out from the top row's bounds and the column
// widths it read once. Compared here with the answers of the row-by-row walk
// that asks the list view for every visible row's bounds and every width:
// over a dense set of points, scrolled both ways, with hidden and zero-width
// columns, a partly visible bottom row, and after each kind of change that
// reaches the list view between two rounds of hit tests.
#include <string>
#include <vector>

#include "GridTestFixture.h"

using namespace gridtest;

namespace {

// The walk: every visible row's bounds asked of the list view, every width
// asked afresh, the first column whose right edge reaches the point.
int WalkedHitTest(CVORInPlaceListCtrl& g, CPoint pt, int& nCol)
{
    nCol = -1;
    if (g.CListCtrl::HitTest(pt, NULL) < 0)
        return -1;
    const int nTop = g.CListCtrl::GetTopIndex();
    int nLast = nTop + g.CListCtrl::GetCountPerPage();
    if (nLast > g.CListCtrl::GetItemCount() - 1)
        nLast = g.CListCtrl::GetItemCount() - 1;
    const int nColumns = g.GetHeaderCount();
    for (int nRow = nTop; nRow <= nLast; ++nRow) {
        CRect rc;
        if (!g.CListCtrl::GetItemRect(nRow, &rc, LVIR_BOUNDS) || !rc.PtInRect(pt))
            continue;
        int nRight = rc.left;
        for (int c = 0; c < nColumns; ++c) {
            const int nWidth = g.CListCtrl::GetColumnWidth(c);
            nRight += nWidth;
            if (nWidth > 0 && pt.x >= rc.left && pt.x <= nRight) {
                nCol = c;
                return nRow;
            }
        }
        return -1;
    }
    return -1;
}

// The cell rectangle from the list view's own row bounds and widths.
BOOL AskedCellRect(CVORInPlaceListCtrl& g, int nRow, int nCol, CRect& rect)
{
    if (nRow < 0 || nRow >= g.CListCtrl::GetItemCount() || nCol < 0 || nCol >= g.GetHeaderCount())
        return FALSE;
    CRect rc;
    if (!g.CListCtrl::GetItemRect(nRow, &rc, LVIR_BOUNDS))
        return FALSE;
    int nOffset = 0;
    for (int c = 0; c < nCol; ++c)
        nOffset += g.CListCtrl::GetColumnWidth(c);
    rect.SetRect(rc.left + nOffset, rc.top, rc.left + nOffset + g.CListCtrl::GetColumnWidth(nCol), rc.bottom);
    if (nCol == 0 && ::SendMessage(g.GetSafeHwnd(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0) != 0)
        rect.left += 15;
    return TRUE;
}

}  // namespace

class GridHitTestEquivalence : public GridTest {
protected:
    // Hit tests of the grid first, all in a row (nothing reaches the list
    // view between them), then the walk's answers for the same points.
    void ExpectSameAnswers(const char* what)
    {
        CVORInPlaceListCtrl& g = Grid();
        CRect client;
        g.GetClientRect(&client);
        std::vector<CPoint> points;
        std::vector<int> columnEdges;
        int x = -g.GetScrollPos(SB_HORZ);
        for (int c = 0; c < g.GetHeaderCount(); ++c) {
            x += g.CListCtrl::GetColumnWidth(c);
            columnEdges.push_back(x);
        }
        for (int y = client.top - 2; y <= client.bottom + 2; y += 2) {
            for (int px = client.left - 2; px <= client.right + 2; px += 7)
                points.emplace_back(px, y);
            for (int edge : columnEdges)
                for (int d = -1; d <= 1; ++d)
                    points.emplace_back(edge + d, y);
        }
        std::vector<int> rows(points.size()), cols(points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            CPoint pt = points[i];
            rows[i] = g.HitTestEx(pt, cols[i]);
        }
        int nHits = 0, nMismatches = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            int nCol = -2;
            const int nRow = WalkedHitTest(g, points[i], nCol);
            if (nRow >= 0)
                ++nHits;
            if ((nRow != rows[i] || nCol != cols[i]) && ++nMismatches <= 5)
                ADD_FAILURE() << what << ": at (" << points[i].x << ", " << points[i].y << ") the walk gives row "
                              << nRow << " column " << nCol << ", the grid row " << rows[i] << " column "
                              << cols[i];
        }
        EXPECT_EQ(nMismatches, 0) << what;
        EXPECT_GT(nHits, 100) << what << ": the points hit hardly any cell";

        std::vector<CRect> rects;
        std::vector<BOOL> results;
        const int nItems = g.CListCtrl::GetItemCount();
        const int nColumns = g.GetHeaderCount();
        for (int r = -1; r <= nItems; r += (r < 3 || r > nItems - 3) ? 1 : 37)
            for (int c = -1; c <= nColumns; ++c) {
                CRect rc(-7, -7, -7, -7);
                results.push_back(g.GetCellRect(r, c, rc));
                rects.push_back(rc);
            }
        size_t k = 0;
        for (int r = -1; r <= nItems; r += (r < 3 || r > nItems - 3) ? 1 : 37)
            for (int c = -1; c <= nColumns; ++c, ++k) {
                CRect rc(-7, -7, -7, -7);
                EXPECT_EQ(AskedCellRect(g, r, c, rc), results[k]) << what << ": row " << r << " column " << c;
                EXPECT_EQ(rc, rects[k]) << what << ": row " << r << " column " << c;
            }
    }
};

TEST_F(GridHitTestEquivalence, RowsLaidOutFromTheTopRowAnswerAsTheWalkDoes)
{
    // 310 pixels high: the bottom row is only partly visible.
    CVORInPlaceListCtrl& g = MakeGrid({60, 0, 45, 30, 70, 25, 90, 50}, 300, kGridStyle, 330, 310);
    ExpectSameAnswers("at the top");

    g.HideColumn(2);
    g.HideColumn(5);
    ExpectSameAnswers("two columns hidden");

    g.EnsureVisible(150, FALSE);
    ExpectSameAnswers("scrolled down");

    g.Scroll(CSize(47, 0));
    ExpectSameAnswers("scrolled right");

    g.ShowColumn(2, 0);
    ExpectSameAnswers("a column shown again first");

    // The header told directly: the list view hears of it from its header.
    HDITEMA hi{};
    hi.mask = HDI_WIDTH;
    hi.cxy = 13;
    ::SendMessage(g.GetHeaderCtrl()->GetSafeHwnd(), HDM_SETITEMA, 1, (LPARAM)&hi);
    ExpectSameAnswers("a width set through the header");

    g.SetColumnWidth(0, 0);
    ExpectSameAnswers("column 0 of no width");

    g.SetWindowPos(NULL, 0, 0, 300, 173, SWP_NOMOVE | SWP_NOZORDER);
    ExpectSameAnswers("resized");

    g.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    ExpectSameAnswers("scrolled to the bottom");

    for (int r = 0; r < 40; ++r)
        g.DeleteItem(g.CListCtrl::GetItemCount() - 1);
    ExpectSameAnswers("rows deleted at the bottom");

    HIMAGELIST himl = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    ::SendMessage(g.GetSafeHwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, (LPARAM)himl);
    ExpectSameAnswers("a normal image list");
    ::SendMessage(g.GetSafeHwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    ImageList_Destroy(himl);

    g.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    ExpectSameAnswers("home key");
}
