// The cell and column records of the grid.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CellFixtures.h"
#include "VORFunction.h"
#include "VORInPlaceListCell.h"
#include "VORInPlaceListColumn.h"

namespace {

TEST(InPlaceListCell, StartsAsReadOnlyCharacterCellWithLimit10000) {
    CVORInPlaceListCell cell;
    ExpectDefaultCell(cell);
}

// A grid keeps one of these per cell; the record itself must stay small.
TEST(InPlaceListCell, RecordStaysWithin64Bytes) {
    EXPECT_LE(sizeof(CVORInPlaceListCell), 64u);
}

// The three ways of copying a cell must all carry the text and the caller's
// value along with the settings.
struct CopyWay {
    const char* name;
    std::function<void(CVORInPlaceListCell& target, CVORInPlaceListCell& source)> copy;
};

class CellCopy : public ::testing::TestWithParam<CopyWay> {};

TEST_P(CellCopy, CarriesAllSevenFields) {
    CVORInPlaceListCell source = MakeFilledCell();
    CVORInPlaceListCell target;
    target.m_strText = "old";
    GetParam().copy(target, source);
    ExpectFilledCell(target);
    ExpectFilledCell(source);
}

TEST_P(CellCopy, OntoItselfKeepsTheFields) {
    CVORInPlaceListCell cell = MakeFilledCell();
    GetParam().copy(cell, cell);
    ExpectFilledCell(cell);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CellCopy,
    ::testing::Values(
        CopyWay{"Copy", [](CVORInPlaceListCell& t, CVORInPlaceListCell& s) { t.Copy(s); }},
        CopyWay{"Assignment", [](CVORInPlaceListCell& t, CVORInPlaceListCell& s) { t = s; }},
        CopyWay{"Constructor",
                [](CVORInPlaceListCell& t, CVORInPlaceListCell& s) {
                    CVORInPlaceListCell made(s);
                    t.Copy(made);
                }}),
    [](const ::testing::TestParamInfo<CopyWay>& info) { return std::string(info.param.name); });

TEST(InPlaceListCell, SetCellKeepsTextAndCallersValue) {
    CVORInPlaceListCell cell;
    cell.m_strText = "kept";
    cell.m_dwData = 77;
    cell.SetCell(INPLACE_CELL_COMBOBOX, 40, INPLACE_DATA_INT, "x\r\ny", 3);
    EXPECT_EQ(INPLACE_CELL_COMBOBOX, cell.m_nCellType);
    EXPECT_EQ(40, cell.m_nTextLimit);
    EXPECT_EQ(INPLACE_DATA_INT, cell.m_nDataFormat);
    EXPECT_STREQ("x\r\ny", (const char*)cell.m_strComboboxString);
    EXPECT_EQ(3u, cell.m_dwStyle);
    EXPECT_STREQ("kept", (const char*)cell.m_strText);
    EXPECT_EQ(77u, cell.m_dwData);
}

TEST(InPlaceListCell, SetCellWithNullChoicesClearsThem) {
    CVORInPlaceListCell cell = MakeFilledCell();
    cell.SetCell(INPLACE_CELL_EDIT, 5, INPLACE_DATA_CHAR, NULL, 0);
    EXPECT_TRUE(cell.m_strComboboxString.IsEmpty());
    EXPECT_EQ(INPLACE_CELL_EDIT, cell.m_nCellType);
    EXPECT_STREQ("text", (const char*)cell.m_strText);
    EXPECT_EQ(0xDEADBEEFu, cell.m_dwData);
}

struct JoinCase {
    std::vector<const char*> items;
    const char* joined;
};

class ComboboxStringJoin : public ::testing::TestWithParam<JoinCase> {};

TEST_P(ComboboxStringJoin, PutsSeparatorsBetweenItemsOnly) {
    CStringArray items;
    for (const char* item : GetParam().items)
        items.Add(CString(item));
    CVORInPlaceListCell cell;
    cell.m_strComboboxString = "previous";
    cell.SetComboboxString(items);
    EXPECT_STREQ(GetParam().joined, (const char*)cell.m_strComboboxString);
}

INSTANTIATE_TEST_SUITE_P(Items, ComboboxStringJoin,
                         ::testing::Values(JoinCase{{}, ""}, JoinCase{{"a"}, "a"},
                                           JoinCase{{"a", "b"}, "a\r\nb"},
                                           JoinCase{{"", "b"}, "\r\nb"},
                                           JoinCase{{"one", "two", "three"}, "one\r\ntwo\r\nthree"}));

// The joined form and the form with a separator after every item (as the
// grid builds it from an array) split into the same non-blank choices.
TEST(InPlaceListCell, BothChoiceStringFormsSplitIntoTheSameChoices) {
    CStringArray items;
    items.Add(CString("a"));
    items.Add(CString("b"));
    CVORInPlaceListCell cell;
    cell.SetComboboxString(items);

    CString trailing;
    for (int i = 0; i < (int)items.GetSize(); i++)
        trailing += items[i] + "\r\n";

    CStringArray fromJoined, fromTrailing;
    CVORFunction::StringToStringArray(cell.m_strComboboxString, fromJoined);
    CVORFunction::StringToStringArray(trailing, fromTrailing);
    ASSERT_EQ(2, (int)fromJoined.GetSize());
    ASSERT_EQ(2, (int)fromTrailing.GetSize());
    for (int i = 0; i < 2; i++) {
        EXPECT_STREQ((const char*)items[i], (const char*)fromJoined[i]);
        EXPECT_STREQ((const char*)items[i], (const char*)fromTrailing[i]);
    }
}

TEST(InPlaceListColumn, StartsHiddenWithWidth100) {
    CVORInPlaceListColumn column;
    EXPECT_TRUE(column.m_strHeading.IsEmpty());
    EXPECT_EQ(0, column.m_nFormat);
    EXPECT_EQ(100, column.m_nWidth);
    EXPECT_EQ(-1, column.m_nRealColumn);
}

TEST(InPlaceListColumn, CopiesCarryEveryField) {
    CVORInPlaceListColumn column;
    column.m_strHeading = "Name";
    column.m_nFormat = 2;
    column.m_nWidth = 37;
    column.m_nRealColumn = 4;

    CVORInPlaceListColumn constructed(column);
    CVORInPlaceListColumn assigned;
    EXPECT_EQ(&assigned, &(assigned = column));
    column.m_strHeading = "changed";
    for (const CVORInPlaceListColumn* c : {&constructed, &assigned}) {
        EXPECT_STREQ("Name", (const char*)c->m_strHeading);
        EXPECT_EQ(2, c->m_nFormat);
        EXPECT_EQ(37, c->m_nWidth);
        EXPECT_EQ(4, c->m_nRealColumn);
    }
}

}  // namespace
