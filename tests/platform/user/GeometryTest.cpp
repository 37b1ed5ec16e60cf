// Frames and client areas, SetWindowPos and its messages, z-order,
// coordinate mapping and the window under a point.
#include "UserTest.h"

using Seq = std::vector<std::string>;

class GeometryTest : public UserTest {};

struct FrameCase {
    DWORD style;
    DWORD exStyle;
    int clientWidth, clientHeight;
    POINT clientOrigin;  // in window coordinates
};

TEST_F(GeometryTest, ClientAreaIsReducedByFramesEdgesAndScrollBars)
{
    const FrameCase cases[] = {
        {0, 0, 200, 100, {0, 0}},
        {WS_BORDER, 0, 198, 98, {1, 1}},
        {WS_DLGFRAME, 0, 194, 94, {3, 3}},
        {WS_THICKFRAME, 0, 192, 92, {4, 4}},
        {WS_CAPTION, 0, 194, 75, {3, 22}},
        {WS_CAPTION | WS_THICKFRAME, 0, 192, 73, {4, 23}},
        {0, WS_EX_CLIENTEDGE, 196, 96, {2, 2}},
        {0, WS_EX_STATICEDGE, 198, 98, {1, 1}},
        {WS_BORDER, WS_EX_CLIENTEDGE, 194, 94, {3, 3}},
        {WS_VSCROLL, 0, 184, 100, {0, 0}},
        {WS_HSCROLL, 0, 200, 84, {0, 0}},
        {WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 182, 82, {1, 1}},
        {0, WS_EX_DLGMODALFRAME, 194, 94, {3, 3}},
    };
    HWND parent = Make("parent", WS_POPUP, 0, 0, 600, 400);
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << std::hex << c.style << " ex " << c.exStyle);
        HWND w = Make("w", WS_CHILD | c.style, 30, 40, 200, 100, parent, c.exStyle);
        ASSERT_TRUE(w);
        RECT rc;
        GetClientRect(w, &rc);
        EXPECT_EQ(rc.right, c.clientWidth);
        EXPECT_EQ(rc.bottom, c.clientHeight);
        POINT p = {0, 0};
        ClientToScreen(w, &p);
        EXPECT_EQ(p.x, 30 + c.clientOrigin.x);
        EXPECT_EQ(p.y, 40 + c.clientOrigin.y);
        // AdjustWindowRectEx gives back the window size (scroll bars aside).
        RECT adj = {0, 0, c.clientWidth, c.clientHeight};
        AdjustWindowRectEx(&adj, c.style, FALSE, c.exStyle);
        int sbw = (c.style & WS_VSCROLL) ? 16 : 0, sbh = (c.style & WS_HSCROLL) ? 16 : 0;
        EXPECT_EQ(adj.right - adj.left + sbw, 200);
        EXPECT_EQ(adj.bottom - adj.top + sbh, 100);
        DestroyWindow(w);
    }
}

TEST_F(GeometryTest, TinyWindowHasEmptyClientArea)
{
    HWND w = Make("w", WS_POPUP | WS_CAPTION, 0, 0, 10, 10);
    RECT rc;
    GetClientRect(w, &rc);
    EXPECT_EQ(rc.right, 4);
    EXPECT_EQ(rc.bottom, 0);
    HWND n = Make("n", WS_POPUP, 0, 0, -5, -7);
    GetWindowRect(n, &rc);
    EXPECT_EQ(rc.right - rc.left, 0);
    EXPECT_EQ(rc.bottom - rc.top, 0);
}

TEST_F(GeometryTest, SetWindowPosMessages)
{
    HWND parent = Make("parent", WS_POPUP, 0, 0, 600, 400);
    HWND w = Make("w", WS_CHILD, 10, 10, 100, 50, parent);
    Clear();
    SetWindowPos(w, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_SEQUENCE((Seq{"w WM_WINDOWPOSCHANGING", "w WM_WINDOWPOSCHANGED", "w WM_MOVE 20,30"}), Lines());
    Clear();
    SetWindowPos(w, nullptr, 0, 0, 120, 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_SEQUENCE((Seq{"w WM_WINDOWPOSCHANGING", "w WM_NCCALCSIZE 1", "w WM_WINDOWPOSCHANGED", "w WM_SIZE 120,60"}),
                    Lines());
    Clear();
    MoveWindow(w, 5, 6, 70, 80, TRUE);
    EXPECT_SEQUENCE((Seq{"w WM_WINDOWPOSCHANGING", "w WM_NCCALCSIZE 1", "w WM_WINDOWPOSCHANGED", "w WM_MOVE 5,6",
                         "w WM_SIZE 70,80"}),
                    Lines());
    RECT rc;
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.left, 5);
    EXPECT_EQ(rc.top, 6);
    EXPECT_EQ(rc.right, 75);
    EXPECT_EQ(rc.bottom, 86);
    // The same place again changes nothing that WM_MOVE / WM_SIZE report.
    Clear();
    MoveWindow(w, 5, 6, 70, 80, TRUE);
    EXPECT_SEQUENCE((Seq{"w WM_WINDOWPOSCHANGING", "w WM_WINDOWPOSCHANGED"}), Lines());
    // A frame change recomputes the client area.
    SetWindowLongA(w, GWL_STYLE, WS_CHILD | WS_BORDER);
    Clear();
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_SEQUENCE((Seq{"w WM_WINDOWPOSCHANGING", "w WM_NCCALCSIZE 1", "w WM_WINDOWPOSCHANGED", "w WM_MOVE 6,7",
                         "w WM_SIZE 68,78"}),
                    Lines());
}

TEST_F(GeometryTest, WindowPosChangingCanAlterTheRequest)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 100, 100);
    m_handler = [](HWND, UINT m, WPARAM, LPARAM lp, LRESULT*) {
        if (m == WM_WINDOWPOSCHANGING) {
            WINDOWPOS* p = (WINDOWPOS*)lp;
            if (p->cx > 150)
                p->cx = 150;
        }
        return false;
    };
    SetWindowPos(w, nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER);
    RECT rc;
    GetWindowRect(w, &rc);
    EXPECT_EQ(rc.right - rc.left, 150);
    EXPECT_EQ(rc.bottom - rc.top, 40);
}

TEST_F(GeometryTest, ZOrder)
{
    HWND parent = Make("parent", WS_POPUP, 0, 0, 600, 400);
    HWND a = Make("a", WS_CHILD, 0, 0, 10, 10, parent);
    HWND b = Make("b", WS_CHILD, 0, 0, 10, 10, parent);
    HWND c = Make("c", WS_CHILD, 0, 0, 10, 10, parent);
    auto order = [&] {
        std::vector<HWND> v;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            v.push_back(h);
        return v;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{c, b, a}));
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
    BringWindowToTop(a);
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    SetWindowPos(a, c, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // just below c
    EXPECT_EQ(order(), (std::vector<HWND>{b, c, a}));
    SetWindowPos(b, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(order(), (std::vector<HWND>{b, c, a}));
}

TEST_F(GeometryTest, CoordinateMapping)
{
    HWND top = Make("top", WS_POPUP | WS_BORDER, 100, 50, 400, 300);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 10, 20, 100, 100, top, WS_EX_CLIENTEDGE);
    POINT p = {5, 6};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 100 + 1 + 10 + 2 + 5);
    EXPECT_EQ(p.y, 50 + 1 + 20 + 2 + 6);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10 + 2 + 5);
    EXPECT_EQ(p.y, 20 + 2 + 6);
    POINT pts[2] = {{0, 0}, {1, 1}};
    MapWindowPoints(child, top, pts, 2);
    EXPECT_EQ(pts[0].x, 12);
    EXPECT_EQ(pts[1].y, 23);
    MapWindowPoints(top, nullptr, pts, 1);
    EXPECT_EQ(pts[0].x, 113);
    EXPECT_EQ(pts[0].y, 73);
    RECT rc;
    GetWindowRect(child, &rc);
    EXPECT_EQ(rc.left, 111);
    EXPECT_EQ(rc.top, 71);
}

TEST_F(GeometryTest, WindowFromPoint)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    HWND low = Make("low", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top);
    HWND high = Make("high", WS_CHILD | WS_VISIBLE, 50, 50, 100, 100, top);
    HWND hidden = Make("hidden", WS_CHILD, 200, 10, 50, 50, top);
    HWND disabled = Make("disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, 200, 100, 50, 50, top);
    HWND inner = Make("inner", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, high);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), low);
    EXPECT_EQ(WindowFromPoint(POINT{60, 60}), inner);
    EXPECT_EQ(WindowFromPoint(POINT{90, 90}), high);  // high is above low
    EXPECT_EQ(WindowFromPoint(POINT{210, 20}), top);  // hidden windows are passed over
    EXPECT_EQ(WindowFromPoint(POINT{210, 110}), top);  // so are disabled children
    EXPECT_EQ(WindowFromPoint(POINT{500, 500}), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{210, 20}), hidden);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{210, 20}, CWP_SKIPINVISIBLE), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{210, 110}, CWP_SKIPDISABLED), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{60, 60}, CWP_ALL), high);  // direct children only
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{-1, 0}), nullptr);
    (void)disabled;
}
