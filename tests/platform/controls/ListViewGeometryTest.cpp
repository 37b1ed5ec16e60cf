// The list view's geometry: item rectangles, hit testing, scrolling,
// owner-drawn rows and refused indices.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

int FontRowHeight() {
    HDC hdc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(nullptr, hdc);
    return tm.tmHeight + 4;
}

int HitTest(HWND lv, int x, int y, UINT* flags = nullptr, bool sub = false, int* subItem = nullptr) {
    LVHITTESTINFO ht{};
    ht.pt = POINT{x, y};
    int r = int(SendMessageA(lv, sub ? LVM_SUBITEMHITTEST : LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&ht)));
    if (flags) *flags = ht.flags;
    if (subItem) *subItem = ht.iSubItem;
    EXPECT_EQ(r, ht.iItem);
    return r;
}

}  // namespace

TEST(ListViewGeometry, RowsLieBelowTheHeaderAndSpanTheColumns) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 0, 120});
    AddItems(lv, 4);
    HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(IsWindow(header));
    EXPECT_EQ(GetDlgItem(lv, 0), header);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    RECT hr;
    GetWindowRect(header, &hr);
    int headerHeight = hr.bottom - hr.top;
    EXPECT_GT(headerHeight, 0);

    int h = FontRowHeight();
    for (int i = 0; i < 4; ++i) {
        RECT rc = ItemRect(lv, i);
        EXPECT_EQ(rc.left, 0);
        EXPECT_EQ(rc.right, 200);
        EXPECT_EQ(rc.top, headerHeight + i * h);
        EXPECT_EQ(rc.bottom, headerHeight + (i + 1) * h);
    }
    RECT label = ItemRect(lv, 0, LVIR_LABEL);
    EXPECT_EQ(label.right, 80);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 2, 0), 120);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);
    RECT client;
    GetClientRect(lv, &client);
    EXPECT_EQ(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0), (client.bottom - headerHeight) / h);
}

TEST(ListViewGeometry, HitTestWithAndWithoutOwnerDraw) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        int x;  // offset into the row
        int expectRow;
        UINT expectFlags;
    } cases[] = {
        {LVS_OWNERDRAWFIXED, 0, 10, 1, LVHT_ONITEM},
        {LVS_OWNERDRAWFIXED, 0, 150, 1, LVHT_ONITEM},  // in a sub-item column
        {LVS_OWNERDRAWFIXED, 0, 250, -1, LVHT_NOWHERE},  // right of every column
        {0, 0, 10, 1, LVHT_ONITEMLABEL},
        {0, 0, 150, -1, LVHT_NOWHERE},
        {0, LVS_EX_FULLROWSELECT, 150, 1, LVHT_ONITEMLABEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " ex " << c.exStyle << " x " << c.x);
        HWND parent = MakeParent();
        HWND lv = MakeList(parent, LVS_REPORT | c.style);
        SendMessageA(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, c.exStyle);
        AddColumns(lv, {80, 120});
        AddItems(lv, 3);
        RECT rc = ItemRect(lv, 1);
        UINT flags = 0;
        EXPECT_EQ(HitTest(lv, rc.left + c.x, rc.top + 2, &flags), c.expectRow);
        EXPECT_EQ(flags, c.expectFlags);
    }
}

TEST(ListViewGeometry, HitTestOutsideRowsAndSubItems) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 120});
    AddItems(lv, 3);
    RECT last = ItemRect(lv, 2);
    UINT flags = 0;
    EXPECT_EQ(HitTest(lv, 10, last.bottom + 2, &flags), -1);  // below the last item
    EXPECT_EQ(flags, UINT(LVHT_NOWHERE));
    EXPECT_EQ(HitTest(lv, 10, 2, &flags), -1);  // in the header's band
    EXPECT_EQ(HitTest(lv, -5, last.top, &flags), -1);
    EXPECT_EQ(flags, UINT(LVHT_TOLEFT));
    int sub = -1;
    EXPECT_EQ(HitTest(lv, 150, last.top + 1, &flags, true, &sub), 2);
    EXPECT_EQ(sub, 1);
    EXPECT_EQ(HitTest(lv, 80, last.top + 1, &flags, true, &sub), 2);  // right edge belongs to the next column
    EXPECT_EQ(sub, 1);
}

TEST(ListViewGeometry, ScrollMovesTheBoundsAndTheHeader) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT, 10, 10, 200, 150);
    AddColumns(lv, {150, 150, 150});
    AddItems(lv, 40);
    EXPECT_TRUE(SendMessageA(lv, LVM_SCROLL, 30, 0));
    RECT rc = ItemRect(lv, 0);
    EXPECT_EQ(rc.left, -30);
    EXPECT_EQ(rc.right, 450 - 30);
    HWND header = GetDlgItem(lv, 0);
    RECT hr;
    GetWindowRect(header, &hr);
    POINT origin{hr.left, hr.top};
    ScreenToClient(lv, &origin);
    EXPECT_EQ(origin.x, -30);

    int h = rc.bottom - rc.top;
    int top0 = rc.top;
    EXPECT_TRUE(SendMessageA(lv, LVM_SCROLL, 0, 3 * h));
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 3);
    EXPECT_EQ(ItemRect(lv, 3).top, top0);
    EXPECT_EQ(ItemRect(lv, 0).top, top0 - 3 * h);

    // Scrolling stops at the ends.
    SendMessageA(lv, LVM_SCROLL, 100000, -100000);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);
    RECT client;
    GetClientRect(lv, &client);
    EXPECT_EQ(ItemRect(lv, 0).left, -(450 - client.right));

    // The window's own scroll bars follow.
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(lv, SB_HORZ, &si));
    EXPECT_EQ(si.nPos, 450 - client.right);
    EXPECT_EQ(si.nMax, 449);
}

TEST(ListViewGeometry, ScrollBarMessagesScrollByRowsAndPixels) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT, 10, 10, 200, 150);
    AddColumns(lv, {300});
    AddItems(lv, 50);
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    SendMessageA(lv, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 1);
    SendMessageA(lv, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 1 + cpp);
    SendMessageA(lv, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 50 - cpp);
    SendMessageA(lv, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 50 - cpp - 3);
    SendMessageA(lv, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(ItemRect(lv, 0).left, -10);
    SendMessageA(lv, WM_HSCROLL, SB_LEFT, 0);
    EXPECT_EQ(ItemRect(lv, 0).left, 0);
}

// The sideways wheel, from a real tilt over the rows: three scroll-bar lines
// a notch to the right or left, notches of a smooth wheel added up, never
// past either end; in a view without columns it scrolls nothing.
TEST(ListViewGeometry, TheSidewaysWheelScrollsTheColumns) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT, 10, 10, 200, 150);
    AddColumns(lv, {300});
    AddItems(lv, 5);
    RECT rc;
    GetWindowRect(lv, &rc);
    auto tilt = [&](int delta) {
        SetCursorPos(rc.left + 50, rc.top + 60);
        mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)delta, 0);
        VorPumpMessages();
        return ItemRect(lv, 0).left;
    };
    EXPECT_EQ(tilt(WHEEL_DELTA), -30);
    EXPECT_EQ(GetScrollPos(lv, SB_HORZ), 30);
    EXPECT_EQ(tilt(WHEEL_DELTA / 2), -30);
    EXPECT_EQ(tilt(WHEEL_DELTA / 2), -60);
    EXPECT_EQ(tilt(-WHEEL_DELTA), -30);
    EXPECT_EQ(tilt(-3 * WHEEL_DELTA), 0);  // not past the left end
    for (int i = 0; i < 10; ++i) tilt(WHEEL_DELTA);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(lv, SB_HORZ, &si));
    EXPECT_EQ(GetScrollPos(lv, SB_HORZ), si.nMax - (int)si.nPage + 1);  // not past the right end
    EXPECT_EQ(ItemRect(lv, 0).left, -GetScrollPos(lv, SB_HORZ));

    HWND icons = MakeList(parent, LVS_LIST, 10, 200, 200, 150);
    AddItems(icons, 5);
    const RECT before = ItemRect(icons, 0);
    GetWindowRect(icons, &rc);
    SetCursorPos(rc.left + 50, rc.top + 30);
    mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)WHEEL_DELTA, 0);
    VorPumpMessages();
    EXPECT_EQ(ItemRect(icons, 0).left, before.left);
}

TEST(ListViewGeometry, KeyboardPagingScrollsTheFocusIntoView) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT, 10, 10, 200, 150);
    AddColumns(lv, {150});
    AddItems(lv, 100);
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(cpp, 1);
    SetFocus(lv);
    SetState(lv, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    PressKey(VK_NEXT);  // to the bottom of the page first
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), cpp - 1);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);
    PressKey(VK_NEXT);  // then a page further, scrolled into view
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 2 * cpp - 1);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), cpp);
    PressKey(VK_END);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 99);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 99);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 100 - cpp);
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    PressKey(VK_PRIOR);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 100 - cpp);
    PressKey(VK_HOME);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);

    EXPECT_TRUE(SendMessageA(lv, LVM_ENSUREVISIBLE, 50, FALSE));
    EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 50 - cpp + 1);
}

TEST(ListViewGeometry, OwnerDrawMeasuresOnceAndDrawsVisibleRows) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS, 10, 10, 300, 150);
    EXPECT_EQ(Rec().measures, 1);
    EXPECT_EQ(Rec().lastMeasure.CtlType, UINT(ODT_LISTVIEW));
    EXPECT_EQ(Rec().lastMeasure.CtlID, UINT(kListId));
    EXPECT_EQ(int(Rec().lastMeasure.itemHeight), FontRowHeight());
    AddColumns(lv, {100, 100});
    AddItems(lv, 1000);
    SetFocus(lv);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetState(lv, 2, LVIS_SELECTED, LVIS_SELECTED);
    VorPumpMessages();
    Rec().draws.clear();
    InvalidateRect(lv, nullptr, TRUE);
    UpdateWindow(lv);
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    RECT client;
    GetClientRect(lv, &client);
    int visible = cpp + ((ItemRect(lv, cpp).top < client.bottom) ? 1 : 0);
    ASSERT_EQ(int(Rec().draws.size()), visible);
    for (int i = 0; i < visible; ++i) {
        const DRAWITEMSTRUCT& d = Rec().draws[size_t(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(d.CtlType, UINT(ODT_LISTVIEW));
        EXPECT_EQ(d.CtlID, UINT(kListId));
        EXPECT_EQ(d.itemID, UINT(i));
        EXPECT_EQ(d.itemAction, UINT(ODA_DRAWENTIRE));
        EXPECT_EQ(d.hwndItem, lv);
        EXPECT_EQ(d.itemData, ULONG_PTR(1000 + i));
        RECT expect = ItemRect(lv, i);
        EXPECT_TRUE(EqualRect(&d.rcItem, &expect));
        UINT state = i == 1 ? (ODS_SELECTED | ODS_FOCUS) : i == 2 ? ODS_SELECTED : 0;
        EXPECT_EQ(d.itemState, state);
    }

    // Painting into a given device context draws the same rows into it.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(mem, bmp);
    Rec().draws.clear();
    SendMessageA(lv, WM_PAINT, reinterpret_cast<WPARAM>(mem), 0);
    ASSERT_EQ(int(Rec().draws.size()), visible);
    EXPECT_EQ(Rec().draws[0].hDC, mem);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    // A changed item repaints only its own row.
    VorPumpMessages();
    Rec().draws.clear();
    SendMessageA(lv, LVM_REDRAWITEMS, 3, 3);
    UpdateWindow(lv);
    ASSERT_EQ(Rec().draws.size(), 1u);
    EXPECT_EQ(Rec().draws[0].itemID, 3u);
    EXPECT_EQ(Rec().measures, 1);
}

TEST(ListViewGeometry, OwnerDrawRowHeightIsTheParentsAnswer) {
    VorPlatformReset();
    HWND parent = MakeParent();
    Rec().measureAnswer = 30;
    HWND lv = MakeList(parent, LVS_REPORT | LVS_OWNERDRAWFIXED);
    AddColumns(lv, {100});
    AddItems(lv, 3);
    RECT a = ItemRect(lv, 0), b = ItemRect(lv, 1);
    EXPECT_EQ(a.bottom - a.top, 30);
    EXPECT_EQ(b.top, a.bottom);
}

TEST(ListViewGeometry, PaintingAHugeListDrawsOnlyTheVisibleRows) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT | LVS_OWNERDRAWFIXED, 10, 10, 300, 150);
    AddColumns(lv, {100});
    SendMessageA(lv, LVM_SETITEMCOUNT, 200000, 0);
    LVITEMA it{};
    it.mask = LVIF_PARAM;
    for (int i = 0; i < 200000; ++i) {
        it.iItem = i;
        it.lParam = i;
        SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
    }
    ASSERT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 200000);
    SendMessageA(lv, WM_VSCROLL, SB_BOTTOM, 0);
    VorPumpMessages();
    Rec().draws.clear();
    InvalidateRect(lv, nullptr, TRUE);
    UpdateWindow(lv);
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(int(Rec().draws.size()), cpp + 1);
    ASSERT_FALSE(Rec().draws.empty());
    EXPECT_EQ(Rec().draws.back().itemID, 199999u);
    UINT flags = 0;
    RECT rc = ItemRect(lv, 199999);
    EXPECT_EQ(HitTest(lv, 5, rc.top + 1, &flags), 199999);
}

TEST(ListViewGeometry, OutOfRangeIndicesAreRefusedAndChangeNothing) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 80});
    AddItems(lv, 3);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    char buf[32] = "unchanged";
    for (int bad : {-1, 3, 1000}) {
        SCOPED_TRACE(bad);
        LVITEMA it{};
        it.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        it.iItem = bad;
        it.pszText = buf;
        it.cchTextMax = sizeof(buf);
        it.state = LVIS_SELECTED;
        it.stateMask = LVIS_SELECTED;
        EXPECT_FALSE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
        EXPECT_FALSE(SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
        EXPECT_FALSE(SendMessageA(lv, LVM_DELETEITEM, WPARAM(bad), 0));
        EXPECT_FALSE(SendMessageA(lv, LVM_SETITEMTEXTA, WPARAM(bad), reinterpret_cast<LPARAM>(&it)));
        EXPECT_EQ(SendMessageA(lv, LVM_GETITEMTEXTA, WPARAM(bad), reinterpret_cast<LPARAM>(&it)), 0);
        EXPECT_EQ(SendMessageA(lv, LVM_GETITEMSTATE, WPARAM(bad), LVIS_SELECTED), 0);
        if (bad != -1) {
            EXPECT_FALSE(SetState(lv, bad, LVIS_SELECTED, LVIS_SELECTED));
        }
        RECT rc{LVIR_BOUNDS, 0, 0, 0};
        EXPECT_FALSE(SendMessageA(lv, LVM_GETITEMRECT, WPARAM(bad), reinterpret_cast<LPARAM>(&rc)));
        EXPECT_FALSE(SendMessageA(lv, LVM_ENSUREVISIBLE, WPARAM(bad), 0));
        EXPECT_FALSE(SendMessageA(lv, LVM_DELETECOLUMN, WPARAM(bad == 3 ? 2 : bad), 0));
        EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, WPARAM(bad == 3 ? 2 : bad), 0), 0);
        EXPECT_FALSE(SendMessageA(lv, LVM_SETCOLUMNWIDTH, WPARAM(bad == 3 ? 2 : bad), 50));
    }
    // A sub-item beyond the columns is refused too.
    LVITEMA sub{};
    sub.mask = LVIF_TEXT;
    sub.iItem = 0;
    sub.iSubItem = 2;
    sub.pszText = buf;
    EXPECT_FALSE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub)));
    LVITEMA neg{};
    neg.mask = LVIF_TEXT;
    neg.iItem = -1;
    EXPECT_EQ(SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&neg)), -1);

    EXPECT_EQ(std::string(buf), "unchanged");
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(GetDlgItem(lv, 0), HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(GetState(lv, 1), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_TRUE(Rec().Only(kStateCodes).empty());
}

TEST(ListViewGeometry, ItemAndSubItemTextRoundTrip) {
    HWND parent = MakeParent();
    HWND lv = MakeList(parent, LVS_REPORT);
    AddColumns(lv, {80, 80, 80});
    AddItems(lv, 2);
    LVITEMA it{};
    it.iSubItem = 2;
    it.pszText = const_cast<char*>("third");
    EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&it)));
    char buf[16];
    LVITEMA get{};
    get.iSubItem = 2;
    get.pszText = buf;
    get.cchTextMax = 4;  // truncated, terminated
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&get)), 3);
    EXPECT_STREQ(buf, "thi");
    get.cchTextMax = sizeof(buf);
    get.iSubItem = 0;
    SendMessageA(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&get));
    EXPECT_STREQ(buf, "Item 1");

    // Inserting a column before it keeps the text with its column.
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    col.cx = 40;
    EXPECT_EQ(SendMessageA(lv, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&col)), 1);
    get.iSubItem = 3;
    SendMessageA(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&get));
    EXPECT_STREQ(buf, "third");
    get.iSubItem = 1;
    SendMessageA(lv, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&get));
    EXPECT_STREQ(buf, "");
}
