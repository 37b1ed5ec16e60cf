// List view items beyond the basics: sorting, finding, text callbacks,
// views other than report, fonts and images.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

int CALLBACK ByParamDescending(LPARAM a, LPARAM b, LPARAM) { return a > b ? -1 : a < b ? 1 : 0; }

}  // namespace

TEST(ListViewItems, SortedStylesInsertInOrder) {
    struct Case {
        DWORD style;
        std::vector<std::string> expected;
    } cases[] = {
        {LVS_SORTASCENDING, {"apple", "Banana", "cherry"}},
        {LVS_SORTDESCENDING, {"cherry", "Banana", "apple"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        HWND lv = MakeList(MakeParent(), LVS_REPORT | c.style);
        AddColumns(lv, {100});
        InsertText(lv, 0, "cherry");
        InsertText(lv, 0, "apple");
        int at = InsertText(lv, 0, "Banana");
        EXPECT_EQ(at, 1);  // the sorted position, not the one asked for
        std::vector<std::string> got{ReadItemText(lv, 0), ReadItemText(lv, 1), ReadItemText(lv, 2)};
        EXPECT_EQ(got, c.expected);
    }
}

TEST(ListViewItems, SortItemsKeepsStatesWithTheirItems) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100});
    InsertText(lv, 0, "one", 1);
    InsertText(lv, 1, "two", 2);
    InsertText(lv, 2, "three", 3);
    SetState(lv, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(SendMessageA(lv, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&ByParamDescending)));
    EXPECT_EQ(ReadItemText(lv, 0), "three");
    EXPECT_EQ(ReadItemText(lv, 2), "one");
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 2);
}

TEST(ListViewItems, FindItemByTextPrefixAndParam) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100});
    InsertText(lv, 0, "Alpha", 10);
    InsertText(lv, 1, "beta", 20);
    InsertText(lv, 2, "Alphabet", 30);
    LVFINDINFOA fi{};
    fi.flags = LVFI_STRING;
    fi.psz = "alphabet";
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&fi)), 2);
    fi.flags = LVFI_PARTIAL;
    fi.psz = "alp";
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&fi)), 0);
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, 0, reinterpret_cast<LPARAM>(&fi)), 2);
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, 2, reinterpret_cast<LPARAM>(&fi)), -1);
    fi.flags = LVFI_PARTIAL | LVFI_WRAP;
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, 2, reinterpret_cast<LPARAM>(&fi)), 0);
    fi.flags = LVFI_PARAM;
    fi.lParam = 20;
    EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&fi)), 1);
}

TEST(ListViewItems, TextCallbackAsksTheParent) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {100});
    Rec().onNotify = [](NMHDR* nm) {
        if (nm->code != LVN_GETDISPINFOA) return;
        auto* di = reinterpret_cast<NMLVDISPINFOA*>(nm);
        std::snprintf(di->item.pszText, size_t(di->item.cchTextMax), "row %d", di->item.iItem);
    };
    LVITEMA it{};
    it.mask = LVIF_TEXT;
    it.iItem = 0;
    it.pszText = LPSTR_TEXTCALLBACKA;
    ASSERT_EQ(SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)), 0);
    EXPECT_EQ(ReadItemText(lv, 0), "row 0");
    EXPECT_FALSE(Rec().Only({LVN_GETDISPINFOA}).empty());
}

TEST(ListViewItems, RightClickSelectsAndSendsRClick) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {100});
    AddItems(lv, 3);
    Rec().Clear();
    RECT rc = ItemRect(lv, 1, LVIR_LABEL);
    ClickAt(lv, rc.left + 4, rc.top + 3, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(GetState(lv, 1), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Rec().Only({NM_RCLICK, NM_CLICK}), (std::vector<std::string>{"NM_RCLICK(1)"}));
    // A click on empty space drops the selection but keeps the focus.
    RECT last = ItemRect(lv, 2);
    ClickAt(lv, 10, last.bottom + 10);
    EXPECT_EQ(GetState(lv, 1), UINT(LVIS_FOCUSED));
    EXPECT_EQ(Rec().Only({NM_CLICK}).back(), "NM_CLICK(-1)");
    // Losing the focus is told too.
    SetFocus(parent);
    EXPECT_EQ(Rec().Only({NM_KILLFOCUS}).size(), 1u);
}

TEST(ListViewItems, FontSetsTheRowHeightAndOwnerDrawAsksAgain) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {100});
    AddItems(lv, 2);
    HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    ASSERT_NE(big, nullptr);
    SendMessageA(lv, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(lv, WM_GETFONT, 0, 0)), big);
    HDC hdc = GetDC(lv);
    HGDIOBJ old = SelectObject(hdc, big);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(lv, hdc);
    RECT rc = ItemRect(lv, 0);
    EXPECT_EQ(rc.bottom - rc.top, tm.tmHeight + 4);

    HWND od = MakeList(parent, LVS_REPORT | LVS_OWNERDRAWFIXED, 10, 220, 200, 100);
    int measures = Rec().measures;
    SendMessageA(od, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    EXPECT_EQ(Rec().measures, measures + 1);
    EXPECT_EQ(int(Rec().lastMeasure.itemHeight), tm.tmHeight + 4);
    DestroyWindow(lv);
    DestroyWindow(od);
    DeleteObject(big);
}

TEST(ListViewItems, SmallIconsAreDrawnAndWidenTheRows) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {150});
    HIMAGELIST il = ImageList_Create(24, 24, ILC_COLOR32, 1, 1);
    std::vector<uint32_t> px(24 * 24, 0x0000FF00);
    HBITMAP bmp = CreateBitmap(24, 24, 1, 32, px.data());
    ASSERT_EQ(ImageList_Add(il, bmp, nullptr), 0);
    DeleteObject(bmp);
    EXPECT_EQ(SendMessageA(lv, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(il)), 0);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(lv, LVM_GETIMAGELIST, LVSIL_SMALL, 0)), il);
    LVITEMA it{};
    it.mask = LVIF_TEXT | LVIF_IMAGE;
    it.pszText = const_cast<char*>("with icon");
    it.iImage = 0;
    SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
    RECT rc = ItemRect(lv, 0);
    EXPECT_GE(rc.bottom - rc.top, 25);
    RECT icon = ItemRect(lv, 0, LVIR_ICON);
    EXPECT_EQ(icon.right - icon.left, 24);
    EXPECT_EQ(ItemRect(lv, 0, LVIR_LABEL).left, icon.right);
    VorPumpMessages();
    HDC hdc = GetDC(lv);
    EXPECT_EQ(GetPixel(hdc, icon.left + 12, (rc.top + rc.bottom) / 2), RGB(0, 255, 0));
    ReleaseDC(lv, hdc);
    UINT flags = 0;
    LVHITTESTINFO ht{};
    ht.pt = POINT{icon.left + 3, rc.top + 3};
    EXPECT_EQ(SendMessageA(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&ht)), 0);
    flags = ht.flags;
    EXPECT_EQ(flags, UINT(LVHT_ONITEMICON));
}

TEST(ListViewItems, OtherViewsShowAPlainListWithoutHeader) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_LIST);
    AddItems(lv, 5);
    HWND header = GetDlgItem(lv, 0);
    EXPECT_FALSE(IsWindowVisible(header));
    RECT r0 = ItemRect(lv, 0), r1 = ItemRect(lv, 1);
    EXPECT_EQ(r0.top, 0);
    EXPECT_EQ(r1.top, r0.bottom);
    LVHITTESTINFO ht{};
    ht.pt = POINT{5, r1.top + 2};
    EXPECT_EQ(SendMessageA(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&ht)), 1);
    EXPECT_EQ(DWORD(GetWindowLongA(lv, GWL_STYLE)) & LVS_TYPEMASK, DWORD(LVS_LIST));

    // Switching to report view shows the header and moves the rows below it.
    SetWindowLongA(lv, GWL_STYLE, (GetWindowLongA(lv, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT);
    AddColumns(lv, {100});
    EXPECT_TRUE(IsWindowVisible(header));
    EXPECT_GT(ItemRect(lv, 0).top, 0);
}

TEST(ListViewItems, SubItemRectsFollowTheColumns) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {80, 0, 120});
    AddItems(lv, 2);
    RECT rc{};
    rc.top = 2;
    rc.left = LVIR_BOUNDS;
    EXPECT_TRUE(SendMessageA(lv, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(rc.left, 80);
    EXPECT_EQ(rc.right, 200);
    rc.top = 0;
    rc.left = LVIR_BOUNDS;
    EXPECT_TRUE(SendMessageA(lv, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(rc.right, 200);  // sub-item 0 answers for the whole row
    rc.top = 3;
    rc.left = LVIR_BOUNDS;
    EXPECT_FALSE(SendMessageA(lv, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&rc)));
    // A zero-width column is never hit.
    LVHITTESTINFO ht{};
    RECT row = ItemRect(lv, 1);
    ht.pt = POINT{80, row.top + 2};
    EXPECT_EQ(SendMessageA(lv, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&ht)), 1);
    EXPECT_EQ(ht.iSubItem, 2);
}
