// The row record of the grid: cells that grow on access.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "CellFixtures.h"
#include "VORInPlaceListItem.h"

namespace {

TEST(InPlaceListItem, StartsWithoutCellsOnWhiteWithBlackText) {
    CVORInPlaceListItem item;
    EXPECT_EQ(0, (int)item.m_arrCells.GetSize());
    EXPECT_EQ(0u, item.m_dwData);
    EXPECT_EQ(-1, item.m_nImage);
    EXPECT_EQ(0x00FFFFFFu, item.m_crBk);
    EXPECT_EQ(0x00000000u, item.m_crText);
}

TEST(InPlaceListItem, ReadingBeyondTheCellsGrowsTheRowWithDefaultCells) {
    CVORInPlaceListItem item;
    item.SetCellText(0, "zero");
    item.SetCellText(1, "one");
    ASSERT_EQ(2, (int)item.m_arrCells.GetSize());

    EXPECT_TRUE(item.GetCellText(4).IsEmpty());
    ASSERT_EQ(5, (int)item.m_arrCells.GetSize());
    EXPECT_STREQ("zero", (const char*)item.m_arrCells[0].m_strText);
    EXPECT_STREQ("one", (const char*)item.m_arrCells[1].m_strText);
    for (int i = 2; i < 5; i++)
        ExpectDefaultCell(item.m_arrCells[i]);
}

// Each reading operation creates the cell it reads and all before it.
struct ReadCase {
    const char* name;
    std::function<void(CVORInPlaceListItem& item, int nIndex)> read;
};

class ItemRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ItemRead, CreatesTheCellAndAllBeforeIt) {
    CVORInPlaceListItem item;
    GetParam().read(item, 3);
    EXPECT_EQ(4, (int)item.m_arrCells.GetSize());
    GetParam().read(item, 1);
    EXPECT_EQ(4, (int)item.m_arrCells.GetSize());
}

TEST_P(ItemRead, NegativeIndexLeavesTheRowUnchanged) {
    CVORInPlaceListItem item;
    item.SetCellText(1, "one");
    GetParam().read(item, -1);
    GetParam().read(item, -1000);
    EXPECT_EQ(2, (int)item.m_arrCells.GetSize());
    EXPECT_STREQ("one", (const char*)item.m_arrCells[1].m_strText);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, ItemRead,
    ::testing::Values(
        ReadCase{"GetListCell", [](CVORInPlaceListItem& i, int n) { i.GetListCell(n); }},
        ReadCase{"GetCellText", [](CVORInPlaceListItem& i, int n) { i.GetCellText(n); }},
        ReadCase{"GetCellData", [](CVORInPlaceListItem& i, int n) { i.GetCellData(n); }},
        ReadCase{"GetCell",
                 [](CVORInPlaceListItem& i, int n) {
                     CVORInPlaceListCell c;
                     i.GetCell(n, c);
                 }}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(InPlaceListItem, NegativeIndexAnswersNothingAndChangesNothing) {
    CVORInPlaceListItem item;
    item.SetCellText(0, "zero");
    item.SetCellData(0, 5);

    EXPECT_EQ(nullptr, item.GetListCell(-1));
    EXPECT_TRUE(item.GetCellText(-1).IsEmpty());
    EXPECT_EQ(0u, item.GetCellData(-1));

    CVORInPlaceListCell probe = MakeFilledCell();
    item.GetCell(-1, probe);
    ExpectFilledCell(probe);  // untouched

    item.SetCellText(-1, "x");
    item.SetCellData(-1, 9);
    item.SetCell(-1, probe);
    ASSERT_EQ(1, (int)item.m_arrCells.GetSize());
    EXPECT_STREQ("zero", (const char*)item.m_arrCells[0].m_strText);
    EXPECT_EQ(5u, item.m_arrCells[0].m_dwData);
}

// A row cannot count INT_MAX + 1 cells; asking for cell INT_MAX must not wrap
// the size around and throw the row's cells away.
TEST(InPlaceListItem, LargestIndexIsRefusedAndKeepsTheCells) {
    CVORInPlaceListItem item;
    item.SetCellText(1, "one");
    EXPECT_EQ(nullptr, item.GetListCell(INT_MAX));
    EXPECT_TRUE(item.GetCellText(INT_MAX).IsEmpty());
    EXPECT_EQ(0u, item.GetCellData(INT_MAX));
    item.SetCellText(INT_MAX, "x");
    item.SetCellData(INT_MAX, 1);
    CVORInPlaceListCell probe = MakeFilledCell();
    item.GetCell(INT_MAX, probe);
    ExpectFilledCell(probe);
    item.SetCell(INT_MAX, probe);
    ASSERT_EQ(2, (int)item.m_arrCells.GetSize());
    EXPECT_STREQ("one", (const char*)item.m_arrCells[1].m_strText);
}

TEST(InPlaceListItem, ListCellPointsIntoTheRow) {
    CVORInPlaceListItem item;
    CVORInPlaceListCell* pCell = item.GetListCell(2);
    ASSERT_NE(nullptr, pCell);
    EXPECT_EQ(&item.m_arrCells[2], pCell);
    pCell->m_dwData = 42;
    EXPECT_EQ(42u, item.GetCellData(2));
}

TEST(InPlaceListItem, SetCellTextWithNullEmptiesTheText) {
    CVORInPlaceListItem item;
    item.SetCellText(0, "text");
    item.SetCellText(0, NULL);
    EXPECT_TRUE(item.GetCellText(0).IsEmpty());
    item.SetCellText(3, NULL);
    EXPECT_EQ(4, (int)item.m_arrCells.GetSize());
}

TEST(InPlaceListItem, GetAndSetCellCarryEveryField) {
    CVORInPlaceListItem item;
    CVORInPlaceListCell filled = MakeFilledCell();
    item.SetCell(1, filled);
    ASSERT_EQ(2, (int)item.m_arrCells.GetSize());
    ExpectFilledCell(item.m_arrCells[1]);
    ExpectDefaultCell(item.m_arrCells[0]);

    CVORInPlaceListCell read;
    item.GetCell(1, read);
    ExpectFilledCell(read);

    // A stored cell does not follow later changes of what it was set from.
    filled.m_strText = "changed";
    EXPECT_STREQ("text", (const char*)item.GetCellText(1));
}

// The row's own cells move when the row grows; handing one of them in must
// still copy the right cell.
TEST(InPlaceListItem, SetCellFromOwnCellWhileGrowing) {
    CVORInPlaceListItem item;
    CVORInPlaceListCell filled = MakeFilledCell();
    item.SetCell(0, filled);
    item.SetCell(50, item.m_arrCells[0]);
    ASSERT_EQ(51, (int)item.m_arrCells.GetSize());
    ExpectFilledCell(item.m_arrCells[50]);
    ExpectFilledCell(item.m_arrCells[0]);
}

TEST(InPlaceListItem, GetCellIntoOwnCellWhileGrowing) {
    CVORInPlaceListItem item;
    CVORInPlaceListCell filled = MakeFilledCell();
    item.SetCell(0, filled);
    item.GetCell(50, item.m_arrCells[0]);
    ASSERT_EQ(51, (int)item.m_arrCells.GetSize());
    ExpectDefaultCell(item.m_arrCells[0]);  // now a copy of new cell 50
}

TEST(InPlaceListItem, SetCellTextFromOwnCellWhileGrowing) {
    CVORInPlaceListItem item;
    item.SetCellText(0, "source text");
    item.SetCellText(50, item.m_arrCells[0].m_strText);
    EXPECT_STREQ("source text", (const char*)item.GetCellText(50));
    EXPECT_STREQ("source text", (const char*)item.GetCellText(0));
}

TEST(InPlaceListItem, CopiesOwnTheirCells) {
    CVORInPlaceListItem item;
    item.SetCellText(1, "one");
    item.m_dwData = 3;
    item.m_nImage = 2;
    item.m_crBk = 0x123456;
    item.m_crText = 0x654321;

    CVORInPlaceListItem constructed(item);
    CVORInPlaceListItem assigned;
    assigned.SetCellText(5, "gone");
    EXPECT_EQ(&assigned, &(assigned = item));
    item.SetCellText(1, "changed");
    for (CVORInPlaceListItem* c : {&constructed, &assigned}) {
        EXPECT_EQ(2, (int)c->m_arrCells.GetSize());
        EXPECT_STREQ("one", (const char*)c->GetCellText(1));
        EXPECT_EQ(3u, c->m_dwData);
        EXPECT_EQ(2, c->m_nImage);
        EXPECT_EQ(0x123456u, c->m_crBk);
        EXPECT_EQ(0x654321u, c->m_crText);
    }
}

}  // namespace
