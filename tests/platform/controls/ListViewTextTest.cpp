// Item and sub-item texts of every length the item record treats apart
// (empty, held in the record, just too long for it, long), callbacks, and
// the calls that move records around: sorted inserts, sorting, finding,
// deleting, inserting in front of a reserved list.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

// Lengths around the record's room for a text: none, one, up to the edge,
// just beyond it, and far beyond it.
const size_t kLengths[] = {0, 1, 7, 8, 14, 15, 16, 17, 31, 300, 5000};

std::string TextOfLength(size_t n, char first = 'a') {
    std::string s(n, 'x');
    for (size_t k = 0; k < n; ++k) s[k] = char(first + k % 26);
    return s;
}

BOOL SetText(HWND lv, int i, int sub, const char* text) {
    LVITEMA it{};
    it.iSubItem = sub;
    it.pszText = const_cast<char*>(text);
    return BOOL(SendMessageA(lv, LVM_SETITEMTEXTA, WPARAM(i), reinterpret_cast<LPARAM>(&it)));
}

int Find(HWND lv, UINT flags, const char* s) {
    LVFINDINFOA fi{};
    fi.flags = flags;
    fi.psz = s;
    return int(SendMessageA(lv, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&fi)));
}

}  // namespace

TEST(ListViewText, EveryLengthReadsBackWholeAndTruncated) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100, 100});
    int row = 0;
    for (size_t n : kLengths) {
        SCOPED_TRACE(n);
        std::string text = TextOfLength(n), sub = TextOfLength(n, 'A');
        ASSERT_EQ(InsertText(lv, row, text.c_str()), row);
        ASSERT_TRUE(SetText(lv, row, 1, sub.c_str()));
        EXPECT_EQ(ReadItemText(lv, row), text);
        EXPECT_EQ(ReadItemText(lv, row, 1), sub);
        // A buffer one short of the terminator keeps all but the last character.
        if (n > 0) {
            EXPECT_EQ(ReadItemText(lv, row, 0, int(n)), text.substr(0, n - 1));
        }
        EXPECT_EQ(ReadItemText(lv, row, 0, 1), "");
        // LVM_GETITEM reads the same text.
        char buf[8192];
        LVITEMA it{};
        it.mask = LVIF_TEXT;
        it.iItem = row;
        it.pszText = buf;
        it.cchTextMax = sizeof(buf);
        ASSERT_TRUE(SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
        EXPECT_EQ(std::string(buf), text);
        ++row;
    }
    // Every text is still itself after all the others were added.
    row = 0;
    for (size_t n : kLengths) {
        EXPECT_EQ(ReadItemText(lv, row), TextOfLength(n)) << n;
        EXPECT_EQ(ReadItemText(lv, row, 1), TextOfLength(n, 'A')) << n;
        ++row;
    }
}

TEST(ListViewText, ReplacingTextsAcrossLengthsAndCallbacksNotifiesOnlyChanges) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100});
    InsertText(lv, 0, "short", 7);
    Rec().onNotify = [](NMHDR* nm) {
        if (nm->code == LVN_GETDISPINFOA) {
            auto* di = reinterpret_cast<NMLVDISPINFOA*>(nm);
            lstrcpynA(di->item.pszText, "from the parent", di->item.cchTextMax);
        }
    };
    const std::string longer = TextOfLength(40), edge = TextOfLength(15), over = TextOfLength(16);
    struct Step {
        const char* text;  // LPSTR_TEXTCALLBACKA for a callback
        bool changes;
        std::string reads;
    } steps[] = {
        {longer.c_str(), true, longer},   // record to heap
        {longer.c_str(), false, longer},  // the same long text
        {edge.c_str(), true, edge},       // heap to record, 15 characters
        {edge.c_str(), false, edge},
        {over.c_str(), true, over},  // 16: one too many for the record
        {LPSTR_TEXTCALLBACKA, true, "from the parent"},
        {LPSTR_TEXTCALLBACKA, false, "from the parent"},
        {"", true, ""},  // an empty text is not a callback
        {"", false, ""},
        {nullptr, false, ""},  // no text reads as empty
        {"x", true, "x"},
        {"a longer one", true, "a longer one"},  // within the record, longer and shorter
        {"abc", true, "abc"},
        {"abd", true, "abd"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.reads + (s.text == LPSTR_TEXTCALLBACKA ? " (callback)" : ""));
        Rec().Clear();
        EXPECT_TRUE(SetText(lv, 0, 0, s.text));
        std::vector<std::string> expected{"CHANGING(0, 0x0->0x0, changed 0x1)"};
        if (s.changes) expected.push_back("CHANGED(0, 0x0->0x0, changed 0x1)");
        EXPECT_EQ(Rec().Only(kStateCodes), expected);
        EXPECT_EQ(ReadItemText(lv, 0), s.reads);
    }
    // The data value went along untouched.
    LVITEMA it{};
    it.mask = LVIF_PARAM;
    SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    EXPECT_EQ(it.lParam, 7);
}

TEST(ListViewText, SortedInsertsCompareWholeLongTexts) {
    // Texts that agree in more characters than a record holds.
    const std::string stem = TextOfLength(20);
    HWND lv = MakeList(MakeParent(), LVS_REPORT | LVS_SORTASCENDING);
    AddColumns(lv, {100});
    const std::vector<std::string> texts{stem + "c", stem + "A", "b", stem + "B", stem, "", "A" + stem};
    for (const std::string& t : texts) InsertText(lv, 0, t.c_str());
    const std::vector<std::string> expected{"", "A" + stem, stem, stem + "A", stem + "B", stem + "c", "b"};
    std::vector<std::string> got;
    for (int i = 0; i < int(texts.size()); ++i) got.push_back(ReadItemText(lv, i));
    EXPECT_EQ(got, expected);

    EXPECT_EQ(Find(lv, LVFI_STRING, (stem + "b").c_str()), 4);  // case-insensitive, whole text
    EXPECT_EQ(Find(lv, LVFI_STRING, stem.substr(0, 19).c_str()), -1);
    EXPECT_EQ(Find(lv, LVFI_PARTIAL, (stem + "C").c_str()), 5);
    EXPECT_EQ(Find(lv, LVFI_PARTIAL, stem.substr(0, 17).c_str()), 2);  // first with the prefix
    EXPECT_EQ(Find(lv, LVFI_STRING, ""), 0);
}

int CALLBACK ByParam(LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : a > b ? 1 : 0; }

TEST(ListViewText, RecordsMovedByInsertsDeletesAndSortingKeepTheirTexts) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100, 100});
    SendMessageA(lv, LVM_SETITEMCOUNT, 4, 0);  // room for fewer than will come
    // Each insert at the front moves every record; long and short alternate.
    const int n = 12;
    auto textFor = [](int k) { return k % 2 ? TextOfLength(size_t(20 + k), char('a' + k)) : std::to_string(k); };
    for (int k = 0; k < n; ++k) {
        InsertText(lv, 0, textFor(k).c_str(), k);
        SetText(lv, 0, 1, ("sub " + textFor(k)).c_str());
    }
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(ReadItemText(lv, i), textFor(n - 1 - i)) << i;
        EXPECT_EQ(ReadItemText(lv, i, 1), "sub " + textFor(n - 1 - i)) << i;
    }
    ASSERT_TRUE(SendMessageA(lv, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&ByParam)));
    for (int i = 0; i < n; ++i) EXPECT_EQ(ReadItemText(lv, i, 1), "sub " + textFor(i)) << i;
    // Deleting from the middle and the ends.
    Rec().Clear();
    ASSERT_TRUE(SendMessageA(lv, LVM_DELETEITEM, 5, 0));
    ASSERT_TRUE(SendMessageA(lv, LVM_DELETEITEM, 0, 0));
    ASSERT_TRUE(SendMessageA(lv, LVM_DELETEITEM, WPARAM(n - 3), 0));
    EXPECT_EQ(Rec().Only({LVN_DELETEITEM}),
              (std::vector<std::string>{"DELETEITEM(5, lParam 5)", "DELETEITEM(0, lParam 0)", "DELETEITEM(9, lParam 11)"}));
    const std::vector<int> left{1, 2, 3, 4, 6, 7, 8, 9, 10};
    ASSERT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), LRESULT(left.size()));
    for (size_t i = 0; i < left.size(); ++i) {
        EXPECT_EQ(ReadItemText(lv, int(i)), textFor(left[i])) << i;
        EXPECT_EQ(ReadItemText(lv, int(i), 1), "sub " + textFor(left[i])) << i;
    }
    EXPECT_TRUE(SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST(ListViewText, IndentImageAndSubItemsLiveSideBySide) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100, 100, 100});
    AddItems(lv, 3);
    auto get = [&](int i) {
        LVITEMA it{};
        it.mask = LVIF_INDENT | LVIF_IMAGE | LVIF_PARAM;
        it.iItem = i;
        SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
        return std::vector<int>{it.iIndent, it.iImage, int(it.lParam)};
    };
    auto set = [&](int i, UINT mask, int indent, int image) {
        LVITEMA it{};
        it.mask = mask;
        it.iItem = i;
        it.iIndent = indent;
        it.iImage = image;
        return SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    };
    EXPECT_EQ(get(0), (std::vector<int>{0, 0, 1000}));
    // An indent alone, then sub-items beside it, then the indent back to 0.
    Rec().Clear();
    EXPECT_TRUE(set(1, LVIF_INDENT, 3, 0));
    EXPECT_TRUE(set(1, LVIF_INDENT, 3, 0));  // unchanged: asked, not told
    EXPECT_EQ(Rec().Only(kStateCodes),
              (std::vector<std::string>{"CHANGING(1, 0x0->0x0, changed 0x10)", "CHANGED(1, 0x0->0x0, changed 0x10)",
                                        "CHANGING(1, 0x0->0x0, changed 0x10)"}));
    SetText(lv, 1, 2, "two");
    SetText(lv, 1, 1, TextOfLength(30).c_str());
    EXPECT_EQ(get(1), (std::vector<int>{3, 0, 1001}));
    EXPECT_TRUE(set(1, LVIF_INDENT | LVIF_IMAGE, 0, 4));
    EXPECT_EQ(get(1), (std::vector<int>{0, 4, 1001}));
    EXPECT_EQ(ReadItemText(lv, 1, 1), TextOfLength(30));
    EXPECT_EQ(ReadItemText(lv, 1, 2), "two");
    // An indent of 0 on an item that never had one, and a negative indent.
    EXPECT_TRUE(set(2, LVIF_INDENT, 0, 0));
    EXPECT_EQ(get(2), (std::vector<int>{0, 0, 1002}));
    EXPECT_TRUE(set(2, LVIF_INDENT, -2, 0));
    EXPECT_EQ(get(2), (std::vector<int>{-2, 0, 1002}));
    // A deleted column's sub-item goes; the indent stays.
    SetText(lv, 2, 1, "gone with its column");
    SetText(lv, 2, 2, "stays");
    ASSERT_TRUE(SendMessageA(lv, LVM_DELETECOLUMN, 1, 0));
    EXPECT_EQ(ReadItemText(lv, 2, 1), "stays");
    EXPECT_EQ(get(2), (std::vector<int>{-2, 0, 1002}));
}
