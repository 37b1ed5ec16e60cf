// The grid's drawing on the screen: row, selection and current-cell
// colours, the text indents and the ellipsis against a reference drawing,
// images, and no GDI object left behind by painting.
#include <string>
#include <vector>

#include "GridTestFixture.h"

using namespace gridtest;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kEditBk = 0x000000C4;
const COLORREF kSelBk = 0x00600000;

class GridDrawTest : public GridTest {
protected:
    // A cell kind without an editor: the current cell is set, nothing
    // covers it.
    void NoEditorsInRow(int nRow)
    {
        for (int c = 0; c < Grid().GetColumnCount(); ++c)
            Grid().GetListItem(nRow)->GetListCell(c)->m_nCellType = (INPLACE_CELL_TYPE)7;
    }
    // A background pixel of a list-view cell: near its right edge, away
    // from the text.
    COLORREF CellBk(int nRow, int nRealCol)
    {
        CRect rc;
        EXPECT_TRUE(Grid().GetCellRect(nRow, nRealCol, rc));
        return GridPixel(rc.right - 3, (rc.top + rc.bottom) / 2);
    }
    // The cell's leftmost pixel column, which an editor leaves uncovered.
    COLORREF CellLeftEdge(int nRow, int nRealCol)
    {
        CRect rc;
        EXPECT_TRUE(Grid().GetCellRect(nRow, nRealCol, rc));
        return GridPixel(rc.left, (rc.top + rc.bottom) / 2);
    }
    bool HasPixelNear(const CRect& rc, COLORREF c, int tol = 40)
    {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) {
                COLORREF p = GridPixel(x, y);
                if (abs(GetRValue(p) - GetRValue(c)) < tol && abs(GetGValue(p) - GetGValue(c)) < tol &&
                    abs(GetBValue(p) - GetBValue(c)) < tol)
                    return true;
            }
        return false;
    }
    // The text drawn by the platform as the grid should: black on white in
    // rcText (grid coordinates) with the grid's font, compared pixel for
    // pixel with the screen over rcArea.
    int DiffersFromReference(const char* pszText, const CRect& rcText, const CRect& rcArea, UINT nFormat)
    {
        HDC hScreen = ::GetDC(NULL);
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, rcArea.Width(), rcArea.Height());
        HGDIOBJ hOldBmp = ::SelectObject(hMem, hBmp);
        RECT all{0, 0, rcArea.Width(), rcArea.Height()};
        HBRUSH hWhite = ::CreateSolidBrush(kWhite);
        ::FillRect(hMem, &all, hWhite);
        ::DeleteObject(hWhite);
        HGDIOBJ hOldFont = ::SelectObject(hMem, (HFONT)Grid().SendMessage(WM_GETFONT));
        ::SetBkMode(hMem, TRANSPARENT);
        ::SetTextColor(hMem, RGB(0, 0, 0));
        RECT rc = rcText;
        ::OffsetRect(&rc, -rcArea.left, -rcArea.top);
        ::DrawTextA(hMem, pszText, -1, &rc, nFormat);
        int nDiff = 0;
        for (int y = rcArea.top; y < rcArea.bottom; ++y)
            for (int x = rcArea.left; x < rcArea.right; ++x)
                if (::GetPixel(hMem, x - rcArea.left, y - rcArea.top) != GridPixel(x, y))
                    ++nDiff;
        ::SelectObject(hMem, hOldFont);
        ::SelectObject(hMem, hOldBmp);
        ::DeleteObject(hBmp);
        ::DeleteDC(hMem);
        ::ReleaseDC(NULL, hScreen);
        return nDiff;
    }
    // The text rectangle of a list-view cell, as the grid lays it out.
    CRect TextRect(int nRow, int nRealCol, int nIndent)
    {
        CRect rcCell;
        EXPECT_TRUE(Grid().GetCellRect(nRow, nRealCol, rcCell));
        CRect rcRow;
        Grid().CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS);
        int left = rcRow.left;
        for (int c = 0; c < nRealCol; ++c)
            left += Grid().GetColumnWidth(c);
        return CRect(left + nIndent, rcRow.top - 1, left + Grid().GetColumnWidth(nRealCol) + 1, rcRow.bottom);
    }
    CRect CellArea(int nRow, int nRealCol)
    {
        CRect rc;
        EXPECT_TRUE(Grid().GetCellRect(nRow, nRealCol, rc));
        return rc;
    }
};

const UINT kFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

}  // namespace

TEST_F(GridDrawTest, RowColoursAndTheSelectionWithoutEditMode)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80, 80}, 4);
    g.SetItemColor(0, RGB(0, 0, 255), RGB(200, 255, 200), TRUE);
    g.EditItem(2, 1, FALSE);  // a read-only rich edit over the cell
    Paint();
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(CellBk(0, c), RGB(200, 255, 200)) << c;
        EXPECT_EQ(CellBk(1, c), kWhite) << c;
        EXPECT_EQ(CellLeftEdge(2, c), kSelBk) << c;  // the whole selected row, beside the editor too
    }
    EXPECT_EQ(CellBk(2, 0), kSelBk);
    EXPECT_TRUE(HasPixelNear(CellArea(0, 1), RGB(0, 0, 255)));
    EXPECT_TRUE(HasPixelNear(CellArea(2, 2), kWhite));  // selected text
    // No grid lines: a cell's fill runs into its neighbour.
    CRect rc = CellArea(1, 1);
    EXPECT_EQ(GridPixel(rc.left, rc.bottom - 1), kWhite);
    EXPECT_EQ(GridPixel(rc.right - 1, rc.top), kWhite);
}

TEST_F(GridDrawTest, InEditModeTheCurrentCellOfTheFocusedRowTakesTheEditColours)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80, 80}, 4);
    g.m_bEditable = TRUE;
    NoEditorsInRow(2);
    g.EditItem(2, 1, FALSE);
    Paint();
    EXPECT_EQ(CellBk(2, 0), kSelBk);
    EXPECT_EQ(CellBk(2, 1), kEditBk);
    EXPECT_EQ(CellBk(2, 2), kSelBk);
    EXPECT_TRUE(HasPixelNear(CellArea(2, 1), kWhite));
    EXPECT_EQ(CellBk(1, 1), kWhite);

    // Other colours set by the host.
    g.m_crEditBk = RGB(0, 128, 0);
    g.m_crSelBk = RGB(128, 128, 0);
    Paint();
    EXPECT_EQ(CellBk(2, 1), RGB(0, 128, 0));
    EXPECT_EQ(CellBk(2, 0), RGB(128, 128, 0));
}

TEST_F(GridDrawTest, WithAHiddenColumnTheHighlightIsOnTheCurrentCellsOwnPosition)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80, 80, 80}, 4);
    g.m_bEditable = TRUE;
    NoEditorsInRow(1);
    g.HideColumn(1);
    g.EditItem(1, 2, FALSE);  // logical 2 stands at list-view 1
    Paint();
    EXPECT_EQ(g.m_nCurCol, 2);
    EXPECT_EQ(CellBk(1, 0), kSelBk);
    EXPECT_EQ(CellBk(1, 1), kEditBk);
    EXPECT_EQ(CellBk(1, 2), kSelBk);
}

TEST_F(GridDrawTest, ASelectedRowWithoutTheFocusIsDrawnInTheSelectionColours)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80}, 4, LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS);
    g.m_bEditable = TRUE;
    NoEditorsInRow(1);
    NoEditorsInRow(2);
    g.EditItem(2, 1, FALSE);
    g.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    Paint();
    EXPECT_EQ(CellBk(1, 0), kSelBk);
    EXPECT_EQ(CellBk(1, 1), kSelBk);  // the current column, but not the focused row
    EXPECT_EQ(CellBk(2, 1), kEditBk);
}

TEST_F(GridDrawTest, LongTextEndsInAnEllipsisInsideItsCellAndShowsItsAmpersand)
{
    CVORInPlaceListCtrl& g = MakeGrid({60, 80}, 2);
    const char* pszLong = "A&B and a great deal more text";
    g.SetItemText(1, 0, pszLong);
    g.SetItemText(0, 0, "");
    Paint();
    const CRect rcText = TextRect(1, 0, 5);
    EXPECT_EQ(DiffersFromReference(pszLong, rcText, CellArea(1, 0), kFormat), 0);
    // Not the same as cut without the ellipsis, nor with the prefix.
    EXPECT_GT(DiffersFromReference(pszLong, rcText, CellArea(1, 0), kFormat & ~DT_END_ELLIPSIS), 0);
    EXPECT_GT(DiffersFromReference(pszLong, rcText, CellArea(1, 0), kFormat & ~DT_NOPREFIX), 0);
    // An empty cell has its background only.
    EXPECT_EQ(DiffersFromReference("", TextRect(0, 0, 5), CellArea(0, 0), kFormat), 0);
}

TEST_F(GridDrawTest, RightAlignedColumnsAreDrawnLeftAligned)
{
    CVORInPlaceListCtrl& g = MakeGrid({60}, 1);
    g.AddColumn("R", LVCFMT_RIGHT, 120, -1);
    g.SetItemText(0, 1, "right");
    Paint();
    EXPECT_EQ(DiffersFromReference("right", TextRect(0, 1, 5), CellArea(0, 1), kFormat), 0);
}

TEST_F(GridDrawTest, ANormalImageListMovesColumnZerosTextAndShowsTheRowsImage)
{
    CVORInPlaceListCtrl& g = MakeGrid({100, 80}, 3);
    EXPECT_EQ(DiffersFromReference("r1c0", TextRect(1, 0, 5), CellArea(1, 0), kFormat), 0);

    // One green 8 x 8 image.
    HIMAGELIST himl = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, 8, 8);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    RECT rc8{0, 0, 8, 8};
    HBRUSH hGreen = ::CreateSolidBrush(RGB(0, 255, 0));
    ::FillRect(hMem, &rc8, hGreen);
    ::DeleteObject(hGreen);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    ImageList_Add(himl, hBmp, NULL);
    ::DeleteObject(hBmp);
    ::SendMessage(g.GetSafeHwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, (LPARAM)himl);
    g.SetItemImage(0, 0, TRUE);
    Paint();

    CRect rcRow0, rcRow1;
    g.CListCtrl::GetItemRect(0, &rcRow0, LVIR_BOUNDS);
    g.CListCtrl::GetItemRect(1, &rcRow1, LVIR_BOUNDS);
    EXPECT_EQ(GridPixel(rcRow0.left + 1, rcRow0.top + 1), RGB(0, 255, 0));
    EXPECT_EQ(GridPixel(rcRow0.left + 7, rcRow0.top + 7), RGB(0, 255, 0));
    EXPECT_NE(GridPixel(rcRow1.left + 1, rcRow1.top + 1), RGB(0, 255, 0));  // image -1
    // Text 20 pixels in, with or without an image of its own.
    CRect rcArea(rcRow1.left, rcRow1.top, rcRow1.left + 100, rcRow1.bottom);
    EXPECT_EQ(DiffersFromReference("r1c0", TextRect(1, 0, 20), rcArea, kFormat), 0);
    EXPECT_GT(DiffersFromReference("r1c0", TextRect(1, 0, 5), rcArea, kFormat), 0);
    // Other columns keep the 5-pixel indent.
    EXPECT_EQ(DiffersFromReference("r1c1", TextRect(1, 1, 5), CellArea(1, 1), kFormat), 0);
}

TEST_F(GridDrawTest, PaintingLeavesNoGdiObjectBehind)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80, 80}, 12);
    g.m_bEditable = TRUE;
    ClickCell(2, 1);
    Paint();
    const int nBefore = VorGdiObjectCount(0);
    for (int i = 0; i < 5; ++i) {
        Paint();
        g.Scroll(CSize(0, 17));
        Pump();
        g.SetItemColor(i, RGB(i, 0, 0), RGB(0, i, 0), TRUE);
        Pump();
    }
    g.Scroll(CSize(0, -200));
    Paint();
    EXPECT_EQ(VorGdiObjectCount(0), nBefore);
}

TEST_F(GridDrawTest, APaintAsksForTheColumnWidthsOnceForAllItsRows)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 0, 80}, 12);
    g.SetItemColor(3, RGB(0, 0, 255), RGB(255, 255, 0), FALSE);
    m_recorder.Attach(g.GetSafeHwnd(), "grid");
    Paint();
    EXPECT_EQ(m_recorder.Count(LVM_GETCOLUMNWIDTH), 3);
    EXPECT_EQ(m_recorder.Count(LVM_GETIMAGELIST), 1);
    // A width changed between two paints is drawn with the next one.
    g.SetColumnWidth(1, 40);
    m_recorder.Clear();
    Paint();
    EXPECT_EQ(m_recorder.Count(LVM_GETCOLUMNWIDTH), 3);
    m_recorder.Detach(g.GetSafeHwnd());
    EXPECT_EQ(CellBk(3, 1), RGB(255, 255, 0));
    EXPECT_EQ(CellBk(3, 2), RGB(255, 255, 0));
    EXPECT_EQ(CellBk(4, 1), kWhite);
    EXPECT_EQ(DiffersFromReference("r4c1", TextRect(4, 1, 5), CellArea(4, 1), kFormat), 0);
    EXPECT_EQ(DiffersFromReference("r4c2", TextRect(4, 2, 5), CellArea(4, 2), kFormat), 0);
}

TEST_F(GridDrawTest, EachPaintedRowIsDrawnOnceAndRowsOutOfViewAreNot)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 80}, 200, kGridStyle, 300, 150);
    Host().ClearRecords();
    Paint();
    const int nDrawn = (int)Host().MessageLines(WM_DRAWITEM).size();
    EXPECT_GT(nDrawn, 0);
    EXPECT_LE(nDrawn, g.GetCountPerPage() + 1);
}

TEST_F(GridDrawTest, WithoutOwnerDrawingTheListViewDrawsItsOwnRows)
{
    MakeGrid({80, 80}, 3, LVS_REPORT | LVS_SINGLESEL);
    Host().ClearRecords();
    Paint();
    EXPECT_TRUE(Host().MessageLines(WM_DRAWITEM).empty());
    // The list view's own first-column text, on the window colour.
    EXPECT_TRUE(HasPixelNear(CellArea(1, 0), RGB(0, 0, 0), 80));
}

TEST_F(GridDrawTest, TheRichEditTakesTheEditOrTheSelectionColours)
{
    CVORInPlaceListCtrl& g = MakeGrid({80, 160}, 4);
    const struct {
        BOOL bEditable;
        int nRow;
        COLORREF crBk;
    } cases[] = {{TRUE, 1, kEditBk}, {FALSE, 2, kSelBk}};
    for (const auto& c : cases) {
        g.m_bEditable = c.bEditable;
        ClickCell(c.nRow, 1);  // a read-only cell either way
        ASSERT_TRUE(g.m_wndEdit.IsWindow());
        EXPECT_TRUE(g.m_wndEdit.GetStyle() & ES_READONLY);
        Paint();
        CRect rc = ChildRect(g.m_wndEdit);
        EXPECT_EQ(GridPixel(rc.right - 4, (rc.top + rc.bottom) / 2), c.crBk) << c.bEditable;
        EXPECT_TRUE(HasPixelNear(rc, kWhite)) << c.bEditable;  // its text
    }
}
