// The grid's columns, rows and cell settings: the two column spaces, hiding
// and showing, records created on first touch and owned by the grid, and
// what bad indices leave alone.
#include <climits>
#include <functional>

#include "GridTestFixture.h"

using namespace gridtest;

namespace {

// The logical columns' list-view positions, in logical order.
std::vector<int> Positions(CVORInPlaceListCtrl& g)
{
    std::vector<int> v;
    for (int c = 0; c < g.GetColumnCount(); ++c)
        v.push_back(g.LCtoRC(c));
    return v;
}

std::vector<std::string> Headings(CVORInPlaceListCtrl& g)
{
    std::vector<std::string> v;
    for (int i = 0; i < g.GetHeaderCount(); ++i) {
        char sz[64] = "";
        LVCOLUMN col{};
        col.mask = LVCF_TEXT;
        col.pszText = sz;
        col.cchTextMax = sizeof sz;
        g.GetColumn(i, &col);
        v.push_back(sz);
    }
    return v;
}

std::vector<std::string> RowTexts(CVORInPlaceListCtrl& g, int nRow, int nCols)
{
    std::vector<std::string> v;
    for (int c = 0; c < nCols; ++c)
        v.push_back((LPCTSTR)g.GetItemText(nRow, c));
    return v;
}

}  // namespace

TEST_F(GridTest, FirstColumnIsShownAtPositionZero)
{
    CVORInPlaceListCtrl& g = MakeGrid({}, 0);
    EXPECT_EQ(g.AddColumn("A", LVCFMT_LEFT, 60, -1), 0);
    EXPECT_EQ(g.GetColumnCount(), 1);
    EXPECT_EQ(g.GetHeaderCount(), 1);
    EXPECT_EQ(g.LCtoRC(0), 0);
    EXPECT_EQ(g.RCtoLC(0), 0);
    EXPECT_EQ(g.GetColumnWidth(0), 60);
}

TEST_F(GridTest, HidingRemembersTheWidthAndShowingPutsTheColumnBack)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60, 70}, 2);
    g.SetColumnWidth(1, 77);  // the user's width, not the one given at creation
    g.HideColumn(1);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, -1, 1}));
    EXPECT_EQ(g.GetListColumn(1)->m_nWidth, 77);
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C0", "C2"}));
    g.HideColumn(1);  // twice is once
    EXPECT_EQ(Positions(g), (std::vector<int>{0, -1, 1}));
    EXPECT_EQ(g.GetHeaderCount(), 2);

    g.ShowColumn(1, 1);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(g.GetColumnWidth(1), 77);
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C0", "C1", "C2"}));
    g.ShowColumn(1, 0);  // already shown: nothing
    EXPECT_EQ(Positions(g), (std::vector<int>{0, 1, 2}));
    // Texts never moved: they are addressed by logical column.
    EXPECT_EQ(RowTexts(g, 1, 3), (std::vector<std::string>{"r1c0", "r1c1", "r1c2"}));
}

TEST_F(GridTest, ShownColumnsMayStandInAnotherOrderThanTheirLogicalOne)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60, 70}, 1);
    g.HideColumn(0);
    g.ShowColumn(0, 2);
    EXPECT_EQ(Positions(g), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C1", "C2", "C0"}));
    EXPECT_EQ(g.RCtoLC(2), 0);
    EXPECT_EQ(g.RCtoLC(3), -1);
    EXPECT_EQ(g.RCtoLC(-1), -1);  // nothing hidden
    g.HideColumn(1);
    EXPECT_EQ(g.RCtoLC(-1), 1);  // the first hidden column
}

TEST_F(GridTest, InsertedColumnFollowsTheShownColumnsBeforeIt)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60, 70}, 3);
    g.HideColumn(1);  // A at 0, B hidden, C at 1
    EXPECT_EQ(g.InsertColumn(2, "N", LVCFMT_LEFT, 40, 7), 2);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, -1, 1, 2}));
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C0", "N", "C2"}));
    EXPECT_EQ(g.GetColumnWidth(1), 40);
    for (int r = 0; r < 3; ++r) {
        std::string s0 = "r" + std::to_string(r) + "c0", s1 = "r" + std::to_string(r) + "c1",
                    s2 = "r" + std::to_string(r) + "c2";
        EXPECT_EQ(RowTexts(g, r, 4), (std::vector<std::string>{s0, s1, "", s2})) << "row " << r;
    }
}

TEST_F(GridTest, InsertingBeyondTheEndFillsTheGapWithHiddenDefaultColumns)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    EXPECT_EQ(g.InsertColumn(5, "F", LVCFMT_LEFT, 30, -1), 5);
    EXPECT_EQ(g.GetColumnCount(), 6);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, 1, -1, -1, -1, 2}));
    for (int c = 2; c < 5; ++c) {
        EXPECT_EQ(g.GetListColumn(c)->m_nWidth, 100);
        EXPECT_TRUE(g.GetListColumn(c)->m_strHeading.IsEmpty());
    }
    // Every row got its cell at 5 (and the cells before it).
    EXPECT_EQ(g.GetListItem(1)->m_arrCells.GetSize(), 6);
    EXPECT_EQ(g.GetItemText(1, 1), CString("r1c1"));
}

TEST_F(GridTest, GettingAColumnBeyondTheEndAppendsAHiddenOne)
{
    CVORInPlaceListCtrl& g = MakeGrid({50}, 0);
    CVORInPlaceListColumn* p = g.GetListColumn(g.GetColumnCount());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->m_nRealColumn, -1);
    EXPECT_EQ(p->m_nWidth, 100);
    EXPECT_EQ(g.GetColumnCount(), 2);
    EXPECT_EQ(g.GetHeaderCount(), 1);
    EXPECT_EQ(g.GetListColumn(-1), nullptr);
}

TEST_F(GridTest, DeletingAColumnRemovesItsCellsAndMovesLaterColumnsDown)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60, 70}, 2);
    EXPECT_EQ(g.DeleteColumn(1), 1);
    EXPECT_EQ(g.GetColumnCount(), 2);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, 1}));
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C0", "C2"}));
    EXPECT_EQ(RowTexts(g, 0, 2), (std::vector<std::string>{"r0c0", "r0c2"}));
    EXPECT_EQ(RowTexts(g, 1, 2), (std::vector<std::string>{"r1c0", "r1c2"}));
}

TEST_F(GridTest, RowsAreTheirRecordsAndTheListViewKeepsOnlyTheFirstText)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 0);
    EXPECT_EQ(g.InsertItem(0, "x"), 0);
    EXPECT_EQ(g.GetItemText(0, 0), CString("x"));
    CListCtrl& list = g;
    EXPECT_EQ(list.GetItemText(0, 0), CString("x"));
    EXPECT_EQ((CVORInPlaceListItem*)list.GetItemData(0), g.GetListItem(0));
    g.SetItemText(0, 1, "y");
    EXPECT_EQ(g.GetItemText(0, 1), CString("y"));
    EXPECT_TRUE(list.GetItemText(0, 1).IsEmpty());  // the list view's own sub-item text is not touched

    // The caller's row value lives in the record.
    EXPECT_EQ(g.SetItemData(0, 0xABCD1234u), 1);
    EXPECT_EQ(g.GetItemData(0), 0xABCD1234u);
    EXPECT_EQ((CVORInPlaceListItem*)list.GetItemData(0), g.GetListItem(0));
    EXPECT_EQ(g.SetItemData(1, 5), 0);
    EXPECT_EQ(g.GetItemData(-1), 0u);
    EXPECT_EQ(g.GetListItem(1), nullptr);
    EXPECT_EQ(g.GetListItem(-1), nullptr);
    EXPECT_EQ(g.SetItemText(7, 0, "z"), 1);  // no row: 1, nothing changes
    EXPECT_TRUE(g.GetItemText(7, 0).IsEmpty());
    EXPECT_TRUE(g.GetItemText(0, -1).IsEmpty());
}

TEST_F(GridTest, RowsInsertedThroughTheListViewGetARecordOnFirstTouch)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 1);
    CListCtrl& list = g;
    list.InsertItem(1, "raw");
    EXPECT_EQ(list.GetItemData(1), 0u);
    const int nBefore = g.m_mapItems.GetCount();
    EXPECT_TRUE(g.GetItemText(1, 1).IsEmpty());  // reading creates the record
    EXPECT_EQ(g.m_mapItems.GetCount(), nBefore + 1);
    EXPECT_NE(list.GetItemData(1), 0u);
    EXPECT_EQ(g.GetListItem(1)->m_arrCells.GetSize(), 2);
}

TEST_F(GridTest, MovingARowExchangesTheRecordsOfTwoRows)
{
    struct Case {
        int nRow, nOffset, nResult, nOther;  // nOther: the row exchanged with nRow (-1 none)
    } cases[] = {{2, -5, 0, 0}, {2, 0, 2, -1}, {7, 1, 7, -1}, {-1, 1, -1, -1}, {1, 2, 3, 3}, {3, 99, 4, 4}};
    for (const Case& c : cases) {
        CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 5);
        CListCtrl& list = g;
        EXPECT_EQ(g.MoveItem(c.nRow, c.nOffset), c.nResult) << c.nRow << " by " << c.nOffset;
        for (int r = 0; r < 5; ++r) {
            int from = r;
            if (c.nOther >= 0 && r == c.nRow)
                from = c.nOther;
            else if (c.nOther >= 0 && r == c.nOther)
                from = c.nRow;
            EXPECT_EQ(g.GetItemText(r, 1), CString(("r" + std::to_string(from) + "c1").c_str()))
                << "moving " << c.nRow << " by " << c.nOffset << ", row " << r;
            // The list view's own text stays where it was.
            EXPECT_EQ(list.GetItemText(r, 0), CString(("r" + std::to_string(r) + "c0").c_str()));
        }
        m_pGrid->DestroyWindow();
        delete m_pGrid;
        m_pGrid = nullptr;
    }
}

TEST_F(GridTest, DeletingRowsFreesTheirRecordsAndRefusesRowsOutOfRange)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 3);
    EXPECT_EQ(g.m_mapItems.GetCount(), 3);
    EXPECT_EQ(g.DeleteItem(-1), 0);
    EXPECT_EQ(g.DeleteItem(3), 0);
    EXPECT_EQ(g.GetItemCount(), 3);
    EXPECT_EQ(g.DeleteItem(1), 1);
    EXPECT_EQ(g.GetItemCount(), 2);
    EXPECT_EQ(g.m_mapItems.GetCount(), 2);
    EXPECT_EQ(g.GetItemText(1, 1), CString("r2c1"));
}

TEST_F(GridTest, DeleteAllItemsFreesRecordsOfRowsDeletedBehindTheGrid)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 5);
    CListCtrl& list = g;
    list.DeleteItem(1);                                // the list view's own deletion
    ::SendMessage(g.GetSafeHwnd(), LVM_DELETEITEM, 0, 0);  // and the raw message
    EXPECT_EQ(g.GetItemCount(), 3);
    EXPECT_EQ(g.m_mapItems.GetCount(), 5);  // still the grid's
    EXPECT_EQ(g.DeleteAllItems(), 1);
    EXPECT_EQ(g.GetItemCount(), 0);
    EXPECT_EQ(g.m_mapItems.GetCount(), 0);
    // The grid goes on working.
    EXPECT_EQ(g.InsertItem(0, "again"), 0);
    EXPECT_EQ(g.GetItemText(0, 0), CString("again"));
}

TEST_F(GridTest, AValueWrittenIntoTheListViewIsNeverTakenForARecord)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    CListCtrl& list = g;
    CVORInPlaceListItem* pOld = g.GetListItem(1);
    list.SetItemData(1, 0x1234);  // someone else's value over the record
    CVORInPlaceListItem* pNew = g.GetListItem(1);
    ASSERT_NE(pNew, nullptr);
    EXPECT_NE((DWORD_PTR)pNew, (DWORD_PTR)0x1234);
    EXPECT_NE(pNew, pOld);
    EXPECT_TRUE(g.GetItemText(1, 1).IsEmpty());
    list.SetItemData(0, 0x5678);
    EXPECT_EQ(g.DeleteItem(0), 1);  // frees nothing for the foreign value
    EXPECT_EQ(g.GetItemCount(), 1);
    // The record that was overwritten is still the grid's, freed with the rest.
    EXPECT_EQ(g.DeleteAllItems(), 1);
    EXPECT_EQ(g.m_mapItems.GetCount(), 0);
}

TEST_F(GridTest, AddressesThatAreNotLiveRecordsOfThisGridAreNeverTakenForOne)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 4);
    CListCtrl& list = g;
    // A second grid on the same host, with a record of its own.
    CVORInPlaceListCtrl other;
    ASSERT_TRUE(CreateOnHost(other, kGridStyle, CRect(10, 220, 200, 300), kGridId + 1));
    other.InsertColumn(0, "x", LVCFMT_LEFT, 40);
    other.InsertItem(0, "theirs");
    CVORInPlaceListItem* pTheirs = other.GetListItem(0);
    // A record of this grid freed by DeleteItem (its address is stale).
    CVORInPlaceListItem* pFreed = g.GetListItem(3);
    ASSERT_EQ(g.DeleteItem(3), 1);
    CVORInPlaceListItem* pRow0 = g.GetListItem(0);
    ASSERT_EQ(g.m_mapItems.GetCount(), 3);

    // The stale address first: a new record may take its place later.
    struct Case {
        const char* name;
        DWORD_PTR value;
    } cases[] = {
        {"a stale record", (DWORD_PTR)pFreed},
        {"another grid's record", (DWORD_PTR)pTheirs},
        {"inside a live record", (DWORD_PTR)pRow0 + 8},
    };
    for (const Case& c : cases) {
        list.SetItemData(2, c.value);
        const int nRecords = g.m_mapItems.GetCount();
        EXPECT_EQ(g.DeleteItem(2), 1) << c.name;
        EXPECT_EQ(g.m_mapItems.GetCount(), nRecords) << c.name << ": nothing freed";
        list.SetItemData(1, c.value);
        CVORInPlaceListItem* pNew = g.GetListItem(1);
        // A fresh record (which may reuse the stale one's place).
        EXPECT_TRUE(g.m_mapItems.Lookup(pNew)) << c.name;
        EXPECT_TRUE(c.value == (DWORD_PTR)pFreed || (DWORD_PTR)pNew != c.value) << c.name;
        EXPECT_TRUE(g.GetItemText(1, 1).IsEmpty()) << c.name;
        g.InsertItem(2, "again");
    }
    // The records stayed intact and are each freed once.
    EXPECT_EQ(other.GetItemText(0, 0), CString("theirs"));
    EXPECT_EQ(g.GetItemText(0, 1), CString("r0c1"));
    EXPECT_EQ(g.DeleteAllItems(), 1);
    EXPECT_EQ(g.m_mapItems.GetCount(), 0);
    EXPECT_EQ(other.m_mapItems.GetCount(), 1);
    EXPECT_EQ(other.GetListItem(0), pTheirs);
    other.DestroyWindow();
}

TEST_F(GridTest, CellSettersSetTheirFieldsOnly)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    CStringArray two;
    two.Add("a");
    two.Add("b");
    CStringArray none;
    struct Case {
        const char* name;
        std::function<int()> set;
        INPLACE_CELL_TYPE nType;
        int nLimit;
        DWORD dwStyle;
        const char* pszChoices;
    } cases[] = {
        {"read-only", [&] { return g.SetCellReadOnly(1, 1, 5); }, INPLACE_CELL_READONLY, 5, 0, ""},
        {"edit", [&] { return g.SetCellEdit(1, 1, 6); }, INPLACE_CELL_EDIT, 6, 0, ""},
        {"combo string", [&] { return g.SetCellCombox(1, 1, "x\r\ny", 7); }, INPLACE_CELL_COMBOBOX, 7, 3,
         "x\r\ny"},
        {"edit combo string", [&] { return g.SetCellEditCombox(1, 1, "p", 8); }, INPLACE_CELL_COMBOBOX, 8, 2, "p"},
        {"combo array", [&] { return g.SetCellCombox(1, 1, two, 9); }, INPLACE_CELL_COMBOBOX, 9, 3, "a\r\nb\r\n"},
        {"edit combo array", [&] { return g.SetCellEditCombox(1, 1, none, 10); }, INPLACE_CELL_COMBOBOX, 10, 2, ""},
        {"button", [&] { return g.SetCellButton(1, 1, 11); }, INPLACE_CELL_BUTTON, 11, 2, ""},
    };
    for (const Case& c : cases) {
        g.GetListItem(1)->GetListCell(1)->m_dwData = 42;
        EXPECT_EQ(c.set(), 1) << c.name;
        CVORInPlaceListCell* p = g.GetListItem(1)->GetListCell(1);
        EXPECT_EQ(p->m_nCellType, c.nType) << c.name;
        EXPECT_EQ(p->m_nTextLimit, c.nLimit) << c.name;
        if (c.nType == INPLACE_CELL_COMBOBOX) {
            EXPECT_EQ(p->m_dwStyle, c.dwStyle) << c.name;
            EXPECT_EQ(p->m_strComboboxString, CString(c.pszChoices)) << c.name;
        }
        EXPECT_EQ(p->m_strText, CString("r1c1")) << c.name;
        EXPECT_EQ(p->m_dwData, 42u) << c.name;
    }
    // The button keeps the style and choices of the combo before it.
    EXPECT_EQ(g.GetListItem(1)->GetListCell(1)->m_dwStyle, 2u);

    EXPECT_EQ(g.SetCellInt(1, 1), 1);
    EXPECT_EQ(g.GetListItem(1)->GetListCell(1)->m_nDataFormat, INPLACE_DATA_INT);
    EXPECT_EQ(g.GetListItem(1)->GetListCell(1)->m_nCellType, INPLACE_CELL_BUTTON);
    EXPECT_EQ(g.SetCellReal(1, 1), 1);
    EXPECT_EQ(g.GetListItem(1)->GetListCell(1)->m_nDataFormat, INPLACE_DATA_REAL);
    EXPECT_EQ(g.SetCellChar(1, 1), 1);
    EXPECT_EQ(g.GetListItem(1)->GetListCell(1)->m_nDataFormat, INPLACE_DATA_CHAR);
    // Another cell of the row is untouched.
    EXPECT_EQ(g.GetListItem(1)->GetListCell(0)->m_nCellType, INPLACE_CELL_READONLY);
    EXPECT_EQ(g.GetListItem(0)->GetListCell(1)->m_nTextLimit, 10000);
}

TEST_F(GridTest, CellSettersRefuseRowsOutOfRangeAndNegativeColumns)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    CStringArray arr;
    arr.Add("a");
    const struct {
        int nRow, nCol;
    } bad[] = {{-1, 0}, {2, 0}, {0, -1}, {-5, -5}};
    for (const auto& b : bad) {
        EXPECT_EQ(g.SetCellReadOnly(b.nRow, b.nCol, 1), 0);
        EXPECT_EQ(g.SetCellEdit(b.nRow, b.nCol, 1), 0);
        EXPECT_EQ(g.SetCellCombox(b.nRow, b.nCol, "a", 1), 0);
        EXPECT_EQ(g.SetCellEditCombox(b.nRow, b.nCol, "a", 1), 0);
        EXPECT_EQ(g.SetCellCombox(b.nRow, b.nCol, arr, 1), 0);
        EXPECT_EQ(g.SetCellEditCombox(b.nRow, b.nCol, arr, 1), 0);
        EXPECT_EQ(g.SetCellButton(b.nRow, b.nCol, 1), 0);
        EXPECT_EQ(g.SetCellInt(b.nRow, b.nCol), 0);
        EXPECT_EQ(g.SetCellReal(b.nRow, b.nCol), 0);
        EXPECT_EQ(g.SetCellChar(b.nRow, b.nCol), 0);
        g.SetCellColor(b.nRow, b.nCol, 1, 2);
    }
    EXPECT_EQ(g.GetItemCount(), 2);
    EXPECT_EQ(g.m_mapItems.GetCount(), 2);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(g.GetListItem(r)->m_arrCells.GetSize(), 2);
        for (int c = 0; c < 2; ++c) {
            CVORInPlaceListCell* p = g.GetListItem(r)->GetListCell(c);
            EXPECT_EQ(p->m_nCellType, INPLACE_CELL_READONLY);
            EXPECT_EQ(p->m_nTextLimit, 10000);
            EXPECT_EQ(p->m_nDataFormat, INPLACE_DATA_CHAR);
        }
    }
}

TEST_F(GridTest, BadColumnIndicesChangeNothing)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    EXPECT_EQ(g.InsertColumn(-1, "neg", LVCFMT_LEFT, 30, -1), -1);
    EXPECT_EQ(g.InsertColumn(-100, "neg", LVCFMT_LEFT, 30, -1), -1);
    EXPECT_EQ(g.InsertColumn(INT_MAX, "huge", LVCFMT_LEFT, 30, -1), -1);  // cannot be counted
    EXPECT_EQ(g.GetListColumn(INT_MAX), nullptr);
    EXPECT_EQ(g.DeleteColumn(2), 2);
    EXPECT_EQ(g.DeleteColumn(-1), -1);
    g.ShowColumn(-1, 0);
    g.ShowColumn(2, 0);
    g.HideColumn(-1);
    g.HideColumn(2);
    EXPECT_EQ(g.LCtoRC(-1), -1);
    EXPECT_EQ(g.LCtoRC(2), -1);
    EXPECT_EQ(g.GetColumnCount(), 2);
    EXPECT_EQ(Positions(g), (std::vector<int>{0, 1}));
    EXPECT_EQ(Headings(g), (std::vector<std::string>{"C0", "C1"}));
    EXPECT_EQ(RowTexts(g, 1, 2), (std::vector<std::string>{"r1c0", "r1c1"}));
    EXPECT_EQ(g.GetListItem(1)->m_arrCells.GetSize(), 2);
}

TEST_F(GridTest, RowColourAndImageGoIntoTheRecord)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    g.SetItemColor(1, RGB(1, 2, 3), RGB(4, 5, 6), FALSE);
    EXPECT_EQ(g.GetListItem(1)->m_crText, RGB(1, 2, 3));
    EXPECT_EQ(g.GetListItem(1)->m_crBk, RGB(4, 5, 6));
    g.SetItemColor(2, RGB(9, 9, 9), RGB(9, 9, 9), TRUE);  // no such row
    g.SetItemColor(-1, RGB(9, 9, 9), RGB(9, 9, 9), TRUE);
    EXPECT_EQ(g.GetListItem(0)->m_crBk, RGB(255, 255, 255));
    g.SetItemImage(0, 3, FALSE);
    EXPECT_EQ(g.GetListItem(0)->m_nImage, 3);
    LVITEM item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    g.GetItem(&item);
    EXPECT_EQ(item.iImage, 3);
    g.SetItemImage(5, 1, TRUE);  // nothing to set
    EXPECT_EQ(g.GetListItem(1)->m_nImage, -1);
}
