// Cells and points: HitTestEx over the visible rows, GetCellRect with the
// image indent and the horizontal scroll, and the report-view check.
#include <cstring>

#include "GridTestFixture.h"

using namespace gridtest;

namespace {

const char kMessage[] =
    "\xC1\xD0\xB1\xED\xBF\xF2\xB5\xC4\xB7\xE7\xB8\xF1\xB1\xD8\xD0\xEB\xC9\xE8\xCE\xAA\xB1\xA8\xB8\xE6\xD0\xCD\xA3\xA1";

CRect RowBounds(CVORInPlaceListCtrl& g, int nRow)
{
    CRect rc;
    g.CListCtrl::GetItemRect(nRow, &rc, LVIR_BOUNDS);
    return rc;
}

}  // namespace

TEST_F(GridTest, CellRectanglesAndHitsFollowTheScrolledRow)
{
    // Widths 80, 0, 120 scrolled left by 30 pixels.
    CVORInPlaceListCtrl& g = MakeGrid({80, 0, 120}, 3, kGridStyle, 150, 120);
    g.Scroll(CSize(30, 0));
    const CRect row = RowBounds(g, 1);
    ASSERT_EQ(row.left, -30);

    CRect rc;
    ASSERT_TRUE(g.GetCellRect(1, 2, rc));
    EXPECT_EQ(rc, CRect(50, row.top, 170, row.bottom));
    ASSERT_TRUE(g.GetCellRect(1, 1, rc));  // a column of no width
    EXPECT_EQ(rc, CRect(50, row.top, 50, row.bottom));
    ASSERT_TRUE(g.GetCellRect(1, 0, rc));  // scrolled partly out, still a rectangle
    EXPECT_EQ(rc, CRect(-30, row.top, 50, row.bottom));

    const int y = (row.top + row.bottom) / 2;
    const struct {
        int x, nRow, nCol;
    } hits[] = {{0, 1, 0}, {50, 1, 0}, {51, 1, 2}, {140, 1, 2}};
    for (const auto& h : hits) {
        CPoint pt(h.x, y);
        int nCol = 99;
        EXPECT_EQ(g.HitTestEx(pt, nCol), h.nRow) << "x " << h.x;
        EXPECT_EQ(nCol, h.nCol) << "x " << h.x;
        EXPECT_EQ(pt, CPoint(h.x, y));  // the point is not changed
    }
    EXPECT_EQ(VorMessageBoxCount(), 0);
}

TEST_F(GridTest, APointOnTheRowsRightEdgeOrBelowTheRowsHitsNothing)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 2);
    const CRect row = RowBounds(g, 0);
    const struct {
        int x, y;
    } misses[] = {{row.right, (row.top + row.bottom) / 2}, {row.right + 20, row.top}, {10, RowBounds(g, 1).bottom + 5}};
    for (const auto& m : misses) {
        CPoint pt(m.x, m.y);
        int nCol = 99;
        EXPECT_EQ(g.HitTestEx(pt, nCol), -1) << m.x << ", " << m.y;
        EXPECT_EQ(nCol, -1);
    }
    CPoint inside(row.right - 1, row.top);
    int nCol = -5;
    EXPECT_EQ(g.HitTestEx(inside, nCol), 0);
    EXPECT_EQ(nCol, 1);
}

TEST_F(GridTest, AnEmptyListHitsNothingWithoutAMessage)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 0);
    CPoint pt(20, 30);
    int nCol = 7;
    EXPECT_EQ(g.HitTestEx(pt, nCol), -1);
    EXPECT_EQ(nCol, -1);
    EXPECT_EQ(VorMessageBoxCount(), 0);
}

TEST_F(GridTest, ColumnZeroGivesFifteenPixelsToANormalImageList)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 2);
    CRect before;
    ASSERT_TRUE(g.GetCellRect(0, 0, before));
    EXPECT_EQ(before.left, RowBounds(g, 0).left);
    HIMAGELIST himl = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    ::SendMessage(g.GetSafeHwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, (LPARAM)himl);
    CRect rc;
    ASSERT_TRUE(g.GetCellRect(0, 0, rc));
    EXPECT_EQ(rc.left, before.left + 15);
    EXPECT_EQ(rc.right, before.right);
    ASSERT_TRUE(g.GetCellRect(0, 1, rc));  // only column 0
    EXPECT_EQ(rc.left, before.right);
    // Hit testing still starts at the row's left edge.
    CPoint pt(before.left + 2, (before.top + before.bottom) / 2);
    int nCol = -1;
    EXPECT_EQ(g.HitTestEx(pt, nCol), 0);
    EXPECT_EQ(nCol, 0);
}

TEST_F(GridTest, CellRectangleOutOfRangeLeavesTheRectangleAlone)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 2);
    const struct {
        int nRow, nCol;
    } bad[] = {{-1, 0}, {2, 0}, {0, -1}, {0, 2}, {0, g.GetHeaderCount()}};
    for (const auto& b : bad) {
        CRect rc(1, 2, 3, 4);
        EXPECT_FALSE(g.GetCellRect(b.nRow, b.nCol, rc)) << b.nRow << ", " << b.nCol;
        EXPECT_EQ(rc, CRect(1, 2, 3, 4));
    }
}

TEST_F(GridTest, HitTestingAsksForOneRowsBoundsAndKeepsTheAnswersUntilTheListViewChanges)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 0);
    for (int r = 0; r < 2000; ++r)
        g.InsertItem(r, "row");
    g.EnsureVisible(1500, FALSE);
    Pump();
    const int nTop = g.GetTopIndex();
    ASSERT_GT(nTop, 1000);
    const CRect row = RowBounds(g, nTop + 5);
    m_recorder.Attach(g.GetSafeHwnd(), "grid");
    CPoint pt(100, (row.top + row.bottom) / 2);
    int nCol = -1;
    EXPECT_EQ(g.HitTestEx(pt, nCol), nTop + 5);
    EXPECT_EQ(nCol, 1);
    // The top row's bounds give every row's: one rectangle, not one a row.
    EXPECT_EQ(m_recorder.Count(LVM_GETITEMRECT), 1);
    EXPECT_EQ(m_recorder.Count(LVM_GETCOLUMNWIDTH), 2);

    // Nothing changed since: the same answers without asking again.
    m_recorder.Clear();
    CPoint pt2(10, row.top - 1);
    EXPECT_EQ(g.HitTestEx(pt2, nCol), nTop + 4);
    EXPECT_EQ(nCol, 0);
    EXPECT_EQ(m_recorder.Count(LVM_GETITEMRECT), 0);
    EXPECT_EQ(m_recorder.Count(LVM_GETCOLUMNWIDTH), 0);

    // A scroll reaches the list view: asked afresh, answered for the new rows.
    g.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    m_recorder.Clear();
    EXPECT_EQ(g.HitTestEx(pt2, nCol), nTop + 5);
    EXPECT_EQ(m_recorder.Count(LVM_GETITEMRECT), 1);
    m_recorder.Detach(g.GetSafeHwnd());
}

TEST_F(GridTest, OutsideReportViewEveryPressShowsTheMessageAndYieldsNoCell)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 60}, 3);
    CPoint pt(20, RowBounds(g, 1).top + 2);
    g.ModifyStyle(LVS_TYPEMASK, LVS_ICON);
    Pump();
    int nCol = 5;
    EXPECT_EQ(g.HitTestEx(pt, nCol), -1);
    EXPECT_EQ(nCol, -1);
    ASSERT_EQ(VorMessageBoxCount(), 1);
    EXPECT_STREQ(VorMessageBoxText(0), kMessage);
    EXPECT_EQ(VorMessageBoxType(0) & 0xF, (UINT)MB_OK);

    // Real presses: each one shows it; no cell becomes current.
    POINT screen{pt.x, pt.y};
    g.ClientToScreen(&screen);
    Click(screen.x, screen.y);
    RightClick(screen.x, screen.y);
    EXPECT_EQ(VorMessageBoxCount(), 3);
    // The list view's own selection may make a row current; no column is.
    EXPECT_EQ(g.m_nCurCol, -1);
    EXPECT_FALSE(g.IsSelectCell());

    g.ModifyStyle(LVS_TYPEMASK, LVS_LIST);
    EXPECT_EQ(g.HitTestEx(pt, nCol), -1);
    g.ModifyStyle(LVS_TYPEMASK, LVS_SMALLICON);
    EXPECT_EQ(g.HitTestEx(pt, nCol), -1);
    EXPECT_EQ(VorMessageBoxCount(), 5);
}
