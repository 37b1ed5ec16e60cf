// The list view's own drawing, read back as screen pixels.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

// What the screen shows at a client point (a window DC reads the screen).
COLORREF PixelAt(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

struct PaintFixture : ::testing::Test {
    HWND parent = nullptr;
    HWND lv = nullptr;
    void Make(DWORD style, DWORD ex = 0) {
        parent = MakeParent();
        lv = MakeList(parent, LVS_REPORT | style);
        SendMessageA(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ex);
        AddColumns(lv, {150, 100});
        AddItems(lv, 4);
        SetFocus(lv);
        SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        VorPumpMessages();
    }
    int MidY(int row) {
        RECT rc = ItemRect(lv, row);
        return (rc.top + rc.bottom) / 2;
    }
};

}  // namespace

TEST_F(PaintFixture, SelectedRowIsHighlightedInTheFirstColumn) {
    Make(0);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(PixelAt(lv, 140, MidY(1)), highlight);  // label, right of its text
    EXPECT_EQ(PixelAt(lv, 140, MidY(0)), window);
    EXPECT_EQ(PixelAt(lv, 200, MidY(1)), window);  // a sub-item without full-row selection
    EXPECT_EQ(PixelAt(lv, 300, MidY(1)), window);  // right of every column

    // The text is drawn in the highlight text colour somewhere in the label.
    COLORREF text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    RECT label = ItemRect(lv, 1, LVIR_LABEL);
    bool found = false;
    for (int x = label.left + 2; x < label.left + 40 && !found; ++x)
        for (int y = label.top + 1; y < label.bottom - 1 && !found; ++y) found = PixelAt(lv, x, y) == text;
    EXPECT_TRUE(found);
}

TEST_F(PaintFixture, FullRowSelectHighlightsEveryColumn) {
    Make(0, LVS_EX_FULLROWSELECT);
    EXPECT_EQ(PixelAt(lv, 200, MidY(1)), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(PixelAt(lv, 200, MidY(2)), GetSysColor(COLOR_WINDOW));
}

TEST_F(PaintFixture, SelectionHiddenWithoutFocusUnlessShownAlways) {
    struct Case {
        DWORD style;
        COLORREF expected;
    } cases[] = {
        {0, GetSysColor(COLOR_WINDOW)},
        {LVS_SHOWSELALWAYS, GetSysColor(COLOR_BTNFACE)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Make(c.style);
        SetFocus(parent);
        VorPumpMessages();
        EXPECT_EQ(PixelAt(lv, 140, MidY(1)), c.expected);
    }
}

TEST_F(PaintFixture, MovingTheSelectionRepaintsBothRows) {
    Make(0);
    SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetState(lv, 1, 0, LVIS_SELECTED);
    VorPumpMessages();
    EXPECT_EQ(PixelAt(lv, 140, MidY(1)), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(lv, 140, MidY(2)), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(PaintFixture, BackgroundAndTextColoursAreHonoured) {
    Make(0);
    SendMessageA(lv, LVM_SETBKCOLOR, 0, RGB(10, 20, 30));
    SendMessageA(lv, LVM_SETTEXTBKCOLOR, 0, RGB(200, 100, 50));
    VorPumpMessages();
    EXPECT_EQ(PixelAt(lv, 300, MidY(0)), RGB(10, 20, 30));   // right of the columns
    EXPECT_EQ(PixelAt(lv, 140, MidY(0)), RGB(200, 100, 50));  // inside a cell
    RECT last = ItemRect(lv, 3);
    EXPECT_EQ(PixelAt(lv, 50, last.bottom + 5), RGB(10, 20, 30));  // below the items
    EXPECT_EQ(SendMessageA(lv, LVM_GETBKCOLOR, 0, 0), LRESULT(RGB(10, 20, 30)));
}

TEST_F(PaintFixture, GridLinesAreDrawnAtCellEdges) {
    Make(0, LVS_EX_GRIDLINES);
    RECT rc = ItemRect(lv, 2);
    EXPECT_EQ(PixelAt(lv, 149, MidY(2)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(lv, 60, rc.bottom - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(lv, 200, MidY(2)), GetSysColor(COLOR_WINDOW));
}

TEST_F(PaintFixture, PaintingLeaksNoGdiObjects) {
    Make(0);
    int before = VorGdiObjectCount(VOR_GDI_ALL);
    for (int k = 0; k < 3; ++k) {
        InvalidateRect(lv, nullptr, TRUE);
        UpdateWindow(lv);
    }
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ALL), before);
}

namespace {

// A report list of `rows` rows whose column titled k shows "r<row>c<k>".
HWND ListWithColumns(HWND parent, int x, const std::vector<int>& titles, int rows) {
    HWND lv = MakeList(parent, LVS_REPORT, x, 10, 300, 200);
    for (size_t k = 0; k < titles.size(); ++k) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        std::string name = "Title " + std::to_string(titles[k]);
        col.pszText = &name[0];
        col.cx = 100 + 10 * titles[k];
        SendMessageA(lv, LVM_INSERTCOLUMNA, WPARAM(k), reinterpret_cast<LPARAM>(&col));
    }
    for (int r = 0; r < rows; ++r) {
        LVITEMA it{};
        it.mask = LVIF_TEXT;
        it.iItem = r;
        std::string text = "r" + std::to_string(r) + "c" + std::to_string(titles[0]);
        it.pszText = &text[0];
        SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
        for (size_t k = 1; k < titles.size(); ++k) {
            std::string sub = "r" + std::to_string(r) + "c" + std::to_string(titles[k]);
            it.iSubItem = int(k);
            it.pszText = &sub[0];
            SendMessageA(lv, LVM_SETITEMTEXTA, WPARAM(r), reinterpret_cast<LPARAM>(&it));
        }
    }
    return lv;
}

}  // namespace

// Deleting a column and inserting it again (what hiding and showing a
// column does) leaves the same picture as a list made with those columns,
// header included, scrolled or not (the columns stay wider than the list).
TEST(ListViewPaint, DeletedAndReinsertedColumnsRepaintAsAFreshList) {
    for (int scroll : {0, 40}) {
        SCOPED_TRACE(scroll);
        HWND parent = MakeParent(700, 400);
        HWND lv = ListWithColumns(parent, 10, {0, 1, 2, 3}, 12);
        SendMessageA(lv, LVM_SCROLL, scroll, 0);
        VorPumpMessages();
        ASSERT_TRUE(SendMessageA(lv, LVM_DELETECOLUMN, 2, 0));
        VorPumpMessages();
        HWND without = ListWithColumns(parent, 350, {0, 1, 3}, 12);
        SendMessageA(without, LVM_SCROLL, scroll, 0);
        VorPumpMessages();
        EXPECT_EQ(PixelsThatDiffer(lv, without), 0) << "deleted";
        DestroyWindow(without);

        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<char*>("Title 2");
        col.cx = 120;
        ASSERT_EQ(SendMessageA(lv, LVM_INSERTCOLUMNA, 2, reinterpret_cast<LPARAM>(&col)), 2);
        for (int r = 0; r < 12; ++r) {
            LVITEMA it{};
            std::string sub = "r" + std::to_string(r) + "c2";
            it.iSubItem = 2;
            it.pszText = &sub[0];
            SendMessageA(lv, LVM_SETITEMTEXTA, WPARAM(r), reinterpret_cast<LPARAM>(&it));
        }
        VorPumpMessages();
        HWND with = ListWithColumns(parent, 350, {0, 1, 2, 3}, 12);
        SendMessageA(with, LVM_SCROLL, scroll, 0);
        VorPumpMessages();
        EXPECT_EQ(PixelsThatDiffer(lv, with), 0) << "inserted again";
    }
}

// Sized without redrawing (as a splitter moves its panes), a list view that
// grows still paints what it gained, in its background colour over whatever
// the parent had there.
TEST_F(PaintFixture, AListViewSizedWithoutRedrawingPaintsWhatItGains) {
    Make(0);
    SendMessageA(lv, LVM_SETBKCOLOR, 0, RGB(10, 20, 30));
    VorPumpMessages();
    RECT rc;
    GetClientRect(lv, &rc);
    // The parent paints its own colour where the list view is about to grow.
    HDC dc = GetDC(parent);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all;
    GetClientRect(parent, &all);
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(parent, dc);
    RedrawWindow(lv, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);

    const UINT flags = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOMOVE;
    SetWindowPos(lv, nullptr, 0, 0, 400, 300, flags);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(lv, &update, FALSE));
    VorPumpMessages();
    RECT now;
    GetClientRect(lv, &now);
    ASSERT_GT(now.right, rc.right);
    ASSERT_GT(now.bottom, rc.bottom);
    EXPECT_EQ(PixelAt(lv, now.right - 30, 5 + rc.bottom / 2), RGB(10, 20, 30));  // gained on the right
    EXPECT_EQ(PixelAt(lv, 40, now.bottom - 30), RGB(10, 20, 30));                 // gained below
}
