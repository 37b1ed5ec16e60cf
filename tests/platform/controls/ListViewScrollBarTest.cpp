// The list view's own scroll bars: what GetScrollInfo answers after each
// change of items, columns and scrolling, the messages the list view gets
// when a bar comes, and the bars as drawn.
#include <gtest/gtest.h>

#include <numeric>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

SCROLLINFO Bar(HWND lv, int bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(lv, bar, &si));
    return si;
}

std::string Describe(const SCROLLINFO& si, bool shown) {
    return std::to_string(si.nMin) + ".." + std::to_string(si.nMax) + " page " + std::to_string(si.nPage) + " pos " +
           std::to_string(si.nPos) + (shown ? " shown" : " hidden");
}

// The bars as the list's own answers say they should be: a row a step
// vertically, a pixel a step horizontally, a bar shown when the page holds
// less than the whole.
struct Expected {
    std::string v, h;
};
Expected FromTheList(HWND lv) {
    int count = int(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0));
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    int top = int(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0));
    HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
    int columns = int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int total = 0;
    for (int c = 0; c < columns; ++c) total += int(SendMessageA(lv, LVM_GETCOLUMNWIDTH, WPARAM(c), 0));
    POINT origin{};
    SendMessageA(lv, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&origin));
    RECT client;
    GetClientRect(lv, &client);
    SCROLLINFO v{}, h{};
    v.nMax = std::max(0, count - 1);
    v.nPage = UINT(count > cpp ? cpp : v.nMax + 1);
    v.nPos = top;
    h.nMax = std::max(0, total - 1);
    h.nPage = UINT(std::min(int(client.right), h.nMax + 1));
    h.nPos = origin.x;
    return Expected{Describe(v, count > cpp), Describe(h, total > client.right)};
}

// The bars as the window has them; read before anything else reaches the
// list view.
Expected FromTheBars(HWND lv) {
    SCROLLINFO v = Bar(lv, SB_VERT), h = Bar(lv, SB_HORZ);
    LONG style = GetWindowLongA(lv, GWL_STYLE);
    return Expected{Describe(v, (style & WS_VSCROLL) != 0), Describe(h, (style & WS_HSCROLL) != 0)};
}

void InsertRow(HWND lv, int at) {
    LVITEMA it{};
    it.mask = LVIF_TEXT;
    it.iItem = at;
    it.pszText = const_cast<char*>("row");
    SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
}

// Records the size and frame messages a window gets, then lets its own
// procedure have them.
WNDPROC g_listProc = nullptr;
std::vector<std::string> g_frameMessages;
LRESULT CALLBACK RecordFrame(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_WINDOWPOSCHANGING: g_frameMessages.push_back("WM_WINDOWPOSCHANGING"); break;
        case WM_WINDOWPOSCHANGED: g_frameMessages.push_back("WM_WINDOWPOSCHANGED"); break;
        case WM_NCCALCSIZE: g_frameMessages.push_back("WM_NCCALCSIZE"); break;
        case WM_SIZE:
            g_frameMessages.push_back("WM_SIZE " + std::to_string(LOWORD(lp)) + "x" + std::to_string(HIWORD(lp)));
            break;
        case WM_MOVE: g_frameMessages.push_back("WM_MOVE"); break;
        case WM_STYLECHANGED: g_frameMessages.push_back("WM_STYLECHANGED"); break;
        default: break;
    }
    return CallWindowProcA(g_listProc, hwnd, msg, wp, lp);
}

}  // namespace

TEST(ListViewScrollBars, AnswerForEveryStepOfItemsColumnsAndScrolling) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT, 10, 10, 300, 200);
    AddColumns(lv, {100, 100});
    auto check = [&](const std::string& step) {
        Expected bars = FromTheBars(lv);
        Expected list = FromTheList(lv);
        EXPECT_EQ(bars.v, list.v) << step;
        EXPECT_EQ(bars.h, list.h) << step;
    };
    check("empty");
    // Inserts one by one, through the row that brings the vertical bar.
    for (int i = 0; i < 30; ++i) {
        InsertRow(lv, i);
        check("insert " + std::to_string(i));
    }
    EXPECT_TRUE(GetWindowLongA(lv, GWL_STYLE) & WS_VSCROLL);
    SendMessageA(lv, LVM_SCROLL, 0, 1000);
    check("scrolled to the end");
    InsertRow(lv, 0);
    check("insert in front");
    // Wider columns bring the horizontal bar; scrolling moves both.
    SendMessageA(lv, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(400, 0));
    check("wide column");
    SendMessageA(lv, LVM_SCROLL, 50, -5 * 16);
    check("scrolled both ways");
    ASSERT_TRUE(SendMessageA(lv, LVM_DELETECOLUMN, 1, 0));
    check("wide column deleted");
    // Deletes until the vertical bar goes again.
    for (int i = int(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0)) - 1; i >= 3; --i) {
        ASSERT_TRUE(SendMessageA(lv, LVM_DELETEITEM, WPARAM(i), 0));
        check("delete " + std::to_string(i));
    }
    EXPECT_FALSE(GetWindowLongA(lv, GWL_STYLE) & WS_VSCROLL);
    // The position alone.
    for (int i = 3; i < 20; ++i) InsertRow(lv, i);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), 0);
    SendMessageA(lv, LVM_ENSUREVISIBLE, 19, FALSE);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), SendMessageA(lv, LVM_GETTOPINDEX, 0, 0));
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(lv, SB_VERT, &lo, &hi));
    EXPECT_EQ(hi, 19);
    SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0);
    check("all deleted");
}

TEST(ListViewScrollBars, TheInsertThatBringsTheBarResizesTheClientAreaThenAndOnlyThen) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT, 10, 10, 300, 200);
    AddColumns(lv, {100});
    g_listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(lv, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordFrame)));
    int cpp = int(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(cpp, 2);
    RECT before;
    GetClientRect(lv, &before);
    int cx = GetSystemMetrics(SM_CXVSCROLL);
    for (int i = 0; i < cpp + 5; ++i) {
        g_frameMessages.clear();
        InsertRow(lv, i);
        std::vector<std::string> expected;
        if (i == cpp) {
            // The bar takes its strip of the client area during the insert.
            std::string size = "WM_SIZE " + std::to_string(before.right - cx) + "x" + std::to_string(before.bottom);
            expected = {"WM_WINDOWPOSCHANGING", "WM_NCCALCSIZE", "WM_WINDOWPOSCHANGED", size};
        }
        EXPECT_EQ(g_frameMessages, expected) << "insert " << i;
    }
    // ... and the one that takes it away again.
    for (int i = cpp + 4; i >= cpp; --i) {
        g_frameMessages.clear();
        SendMessageA(lv, LVM_DELETEITEM, WPARAM(i), 0);
        std::vector<std::string> expected;
        if (i == cpp) {
            std::string size = "WM_SIZE " + std::to_string(before.right) + "x" + std::to_string(before.bottom);
            expected = {"WM_WINDOWPOSCHANGING", "WM_NCCALCSIZE", "WM_WINDOWPOSCHANGED", size};
        }
        EXPECT_EQ(g_frameMessages, expected) << "delete " << i;
    }
    SetWindowLongPtrA(lv, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProc));
}

TEST(ListViewScrollBars, ABarHiddenByTheApplicationStaysHiddenWithTheLatestValues) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT, 10, 10, 300, 200);
    AddColumns(lv, {100});
    for (int i = 0; i < 40; ++i) InsertRow(lv, i);
    InsertRow(lv, 40);  // a value change only
    ShowScrollBar(lv, SB_VERT, FALSE);
    EXPECT_FALSE(GetWindowLongA(lv, GWL_STYLE) & WS_VSCROLL);
    SCROLLINFO si = Bar(lv, SB_VERT);
    EXPECT_EQ(si.nMax, 40);
    EXPECT_FALSE(GetWindowLongA(lv, GWL_STYLE) & WS_VSCROLL) << "reading the bar showed it again";
    // The application's own position stays until the list moves the bar.
    for (int i = 41; i < 45; ++i) InsertRow(lv, i);
    ShowScrollBar(lv, SB_VERT, TRUE);
    SetScrollPos(lv, SB_VERT, 7, FALSE);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), 7);
    EXPECT_EQ(Bar(lv, SB_VERT).nMax, 44);
    SendMessageA(lv, LVM_SCROLL, 0, 16);
    EXPECT_EQ(GetScrollPos(lv, SB_VERT), 1);
}

TEST(ListViewScrollBars, BarsDrawnAfterARunOfInsertsMatchBarsSetAtEachInsert) {
    // Two lists side by side: one filled without a look at its bars, the
    // other with its bars read back after every insert.
    HWND parent = MakeParent(700, 400);
    HWND runs = MakeList(parent, LVS_REPORT, 10, 10, 300, 200);
    HWND steps = MakeList(parent, LVS_REPORT, 350, 10, 300, 200);
    AddColumns(runs, {100, 250});
    AddColumns(steps, {100, 250});
    VorPumpMessages();
    for (int i = 0; i < 60; ++i) {
        InsertRow(runs, i);
        InsertRow(steps, i);
        Bar(steps, SB_VERT);
        Bar(steps, SB_HORZ);
    }
    SendMessageA(runs, LVM_SCROLL, 20, 7 * 16);
    SendMessageA(steps, LVM_SCROLL, 20, 7 * 16);
    Bar(steps, SB_VERT);
    VorPumpMessages();
    ASSERT_TRUE(GetWindowLongA(runs, GWL_STYLE) & WS_VSCROLL);
    ASSERT_TRUE(GetWindowLongA(runs, GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(PixelsThatDiffer(runs, steps), 0);
}

TEST(ListViewScrollBars, DeletingAColumnWhileScrolledBringsViewAndHeaderBack) {
    struct Case {
        std::vector<int> widths;
        int deleted;
        int scrollAfter;  // 300 wide client, scrolled to the end first
    } cases[] = {
        {{100, 500}, 1, 0},         // what is left fits: back to 0
        {{100, 250, 250}, 2, 50},   // 350 wide: the last position is 50
        {{100, 250, 250}, 0, 200},  // 500 wide, still room for where it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        HWND lv = MakeList(MakeParent(), LVS_REPORT, 10, 10, 300, 200);
        AddColumns(lv, {});
        for (size_t k = 0; k < c.widths.size(); ++k) {
            LVCOLUMNA col{};
            col.mask = LVCF_WIDTH;
            col.cx = c.widths[k];
            SendMessageA(lv, LVM_INSERTCOLUMNA, WPARAM(k), reinterpret_cast<LPARAM>(&col));
        }
        InsertRow(lv, 0);
        RECT client;
        GetClientRect(lv, &client);
        ASSERT_EQ(client.right, 300);
        SendMessageA(lv, LVM_SCROLL, 1000, 0);
        ASSERT_EQ(ItemRect(lv, 0).left, -(std::accumulate(c.widths.begin(), c.widths.end(), 0) - 300));
        ASSERT_TRUE(SendMessageA(lv, LVM_DELETECOLUMN, WPARAM(c.deleted), 0));
        EXPECT_EQ(ItemRect(lv, 0).left, -c.scrollAfter);
        POINT origin{};
        SendMessageA(lv, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&origin));
        EXPECT_EQ(origin.x, c.scrollAfter);
        EXPECT_EQ(GetScrollPos(lv, SB_HORZ), c.scrollAfter);
        // The header moves with the rows.
        HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
        RECT hr;
        GetWindowRect(header, &hr);
        POINT at{hr.left, hr.top};
        ScreenToClient(lv, &at);
        EXPECT_EQ(at.x, -c.scrollAfter);
    }
}
