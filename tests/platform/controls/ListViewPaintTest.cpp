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
