// The header control on its own and as the list view's column header:
// items, layout, divider dragging and clicks.
#include <gtest/gtest.h>

#include <algorithm>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

const std::set<UINT> kHeaderCodes{HDN_BEGINTRACKA, HDN_TRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA};

void MoveTo(HWND hwnd, int x, int y) {
    POINT pt{x, y};
    ClientToScreen(hwnd, &pt);
    SetCursorPos(pt.x, pt.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    VorPumpMessages();
}

void Drag(HWND hwnd, int x0, int y, int x1) {
    MoveTo(hwnd, x0, y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    VorPumpMessages();
    MoveTo(hwnd, x1, y);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    VorPumpMessages();
}

int HeaderHeight(HWND header) {
    RECT rc;
    GetClientRect(header, &rc);
    return rc.bottom;
}

}  // namespace

TEST(Header, ItemsLayoutAndRectangles) {
    HWND parent = MakeParent();
    HWND hd = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 300, 20, parent,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
    ASSERT_NE(hd, nullptr);
    HDITEMA hi{};
    hi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
    hi.pszText = const_cast<char*>("Name");
    hi.cxy = 100;
    hi.fmt = HDF_LEFT | HDF_STRING;
    hi.lParam = 42;
    EXPECT_EQ(SendMessageA(hd, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&hi)), 0);
    hi.pszText = const_cast<char*>("Size");
    hi.cxy = 60;
    EXPECT_EQ(SendMessageA(hd, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&hi)), 1);  // beyond the end: appended
    EXPECT_EQ(SendMessageA(hd, HDM_INSERTITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&hi)), -1);
    EXPECT_EQ(SendMessageA(hd, HDM_GETITEMCOUNT, 0, 0), 2);

    char buf[16];
    HDITEMA get{};
    get.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
    get.pszText = buf;
    get.cchTextMax = sizeof(buf);
    EXPECT_TRUE(SendMessageA(hd, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&get)));
    EXPECT_STREQ(buf, "Size");
    EXPECT_EQ(get.cxy, 60);
    EXPECT_EQ(get.lParam, 42);
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMA, 2, reinterpret_cast<LPARAM>(&get)));

    RECT rc{};
    EXPECT_TRUE(SendMessageA(hd, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.right, 160);
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&rc)));

    RECT area{10, 20, 210, 220};
    WINDOWPOS wp{};
    HDLAYOUT hl{&area, &wp};
    EXPECT_TRUE(SendMessageA(hd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&hl)));
    EXPECT_EQ(wp.x, 10);
    EXPECT_EQ(wp.y, 20);
    EXPECT_EQ(wp.cx, 200);
    EXPECT_GT(wp.cy, 0);
    EXPECT_EQ(area.top, 20 + wp.cy);

    // HDM_SETITEM tells the parent before and after.
    Rec().Clear();
    HDITEMA set{};
    set.mask = HDI_WIDTH;
    set.cxy = 75;
    EXPECT_TRUE(SendMessageA(hd, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&set)));
    EXPECT_SEQUENCE((std::vector<std::string>{"HDN_ITEMCHANGING(0, cxy 75)", "HDN_ITEMCHANGED(0, cxy 75)"}),
                    Rec().lines);
    EXPECT_TRUE(SendMessageA(hd, HDM_DELETEITEM, 0, 0));
    EXPECT_FALSE(SendMessageA(hd, HDM_DELETEITEM, 1, 0));
    EXPECT_EQ(SendMessageA(hd, HDM_GETITEMCOUNT, 0, 0), 1);
}

TEST(Header, DraggingADividerResizesTheColumn) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 100});
    AddItems(lv, 3);
    HWND hd = GetDlgItem(lv, 0);
    int y = HeaderHeight(hd) / 2;
    Rec().Clear();
    Drag(hd, 80, y, 120);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0), 120);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), 100);
    auto seq = Rec().Only(kHeaderCodes);
    ASSERT_GE(seq.size(), 4u);
    EXPECT_EQ(seq.front(), "HDN_BEGINTRACK(0, cxy 80)");
    EXPECT_EQ(seq.back(), "HDN_ENDTRACK(0, cxy 120)");
    EXPECT_NE(std::find(seq.begin(), seq.end(), "HDN_ITEMCHANGED(0, cxy 120)"), seq.end());
    // The rows follow the new width.
    RECT rc = ItemRect(lv, 0);
    EXPECT_EQ(rc.right - rc.left, 220);
    EXPECT_EQ(ItemRect(lv, 0, LVIR_LABEL).right, 120);
}

TEST(Header, RefusedBeginTrackLeavesTheWidth) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 100});
    HWND hd = GetDlgItem(lv, 0);
    Rec().refuseBeginTrack = true;
    Rec().Clear();
    Drag(hd, 81, HeaderHeight(hd) / 2, 150);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0), 80);
    EXPECT_EQ(Rec().Only(kHeaderCodes), (std::vector<std::string>{"HDN_BEGINTRACK(0, cxy 80)"}));
}

TEST(Header, DividerShowsTheSizingCursor) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 100});
    HWND hd = GetDlgItem(lv, 0);
    MoveTo(hd, 79, HeaderHeight(hd) / 2);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
    MoveTo(hd, 40, HeaderHeight(hd) / 2);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
}

TEST(Header, ClickingAHeadingIsAColumnClick) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 100});
    HWND hd = GetDlgItem(lv, 0);
    Rec().Clear();
    ClickAt(hd, 130, HeaderHeight(hd) / 2);
    EXPECT_EQ(Rec().Only({LVN_COLUMNCLICK, HDN_ITEMCLICKA}),
              (std::vector<std::string>{"HDN_ITEMCLICK(1)", "COLUMNCLICK(1)"}));
}

TEST(Header, SetColumnWidthGoesThroughTheHeader) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 100});
    AddItems(lv, 2);
    Rec().Clear();
    EXPECT_TRUE(SendMessageA(lv, LVM_SETCOLUMNWIDTH, 1, 33));
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), 33);
    EXPECT_SEQUENCE((std::vector<std::string>{"HDN_ITEMCHANGING(1, cxy 33)", "HDN_ITEMCHANGED(1, cxy 33)"}),
                    Rec().Only(kHeaderCodes));
    // Autosizing fits the widest text.
    LVITEMA it{};
    it.iSubItem = 1;
    it.pszText = const_cast<char*>("a rather long piece of text");
    SendMessageA(lv, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&it));
    EXPECT_TRUE(SendMessageA(lv, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE, 0)));
    int textWidth = int(SendMessageA(lv, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(it.pszText)));
    EXPECT_GT(textWidth, 50);
    EXPECT_GE(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), textWidth);
}

TEST(Header, DividerDoubleClickAutosizesAndRefusalsHold) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {30, 100});
    AddItems(lv, 3);
    LVITEMA it{};
    it.pszText = const_cast<char*>("a much longer first column text");
    SendMessageA(lv, LVM_SETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&it));
    int want = int(SendMessageA(lv, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(it.pszText)));
    HWND hd = GetDlgItem(lv, 0);
    POINT pt{30, HeaderHeight(hd) / 2};
    ClientToScreen(hd, &pt);
    SetCursorPos(pt.x, pt.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    VorPumpMessages();
    EXPECT_EQ(Rec().Only({HDN_DIVIDERDBLCLICKA}), (std::vector<std::string>{"HDN_DIVIDERDBLCLICK(0)"}));
    EXPECT_GE(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0), want);

    // A parent that refuses HDN_ITEMCHANGING keeps the width as it is.
    int before = int(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0));
    struct Refuser {
        static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == HDN_ITEMCHANGINGA) return TRUE;
            return ParentProc(h, m, w, l);
        }
    };
    SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Refuser::Proc));
    EXPECT_FALSE(SendMessageA(lv, LVM_SETCOLUMNWIDTH, 1, 10));
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), before);
    Drag(hd, int(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0)) + before, HeaderHeight(hd) / 2, 400);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), before);
}

TEST(Header, HeadingsLookLikeButtonsAndPressIn) {
    HWND parent = MakeParent();
    HWND hd = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 300, 20, parent,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
    HDITEMA hi{};
    hi.mask = HDI_TEXT | HDI_WIDTH;
    hi.pszText = const_cast<char*>("");
    hi.cxy = 100;
    SendMessageA(hd, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&hi));
    VorPumpMessages();
    HDC dc = GetDC(hd);
    EXPECT_EQ(GetPixel(dc, 50, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(dc, 50, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised: light top edge
    EXPECT_EQ(GetPixel(dc, 99, 10), GetSysColor(COLOR_3DDKSHADOW));   // and dark right edge
    EXPECT_EQ(GetPixel(dc, 250, 10), GetSysColor(COLOR_BTNFACE));     // the empty rest
    ReleaseDC(hd, dc);

    POINT pt{50, 10};
    ClientToScreen(hd, &pt);
    SetCursorPos(pt.x, pt.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    VorPumpMessages();
    dc = GetDC(hd);
    EXPECT_EQ(GetPixel(dc, 50, 0), GetSysColor(COLOR_BTNSHADOW));  // pressed: a flat shadow frame
    ReleaseDC(hd, dc);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    VorPumpMessages();
    EXPECT_EQ(Rec().Only({HDN_ITEMCLICKA}), (std::vector<std::string>{"HDN_ITEMCLICK(0)"}));
}
