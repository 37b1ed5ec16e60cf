// Update regions, WM_PAINT order, BeginPaint, clipping of window pixels and
// device contexts.
#include "UserTest.h"

using Seq = std::vector<std::string>;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);

void Fill(HDC hdc, int l, int t, int r, int b, COLORREF c)
{
    HBRUSH br = CreateSolidBrush(c);
    RECT rc = {l, t, r, b};
    FillRect(hdc, &rc, br);
    DeleteObject(br);
}

}  // namespace

class PaintTest : public UserTest {
protected:
    // Each window paints its whole client area in its colour.
    std::map<HWND, COLORREF> m_colour;
    void PaintInColours()
    {
        m_handler = [this](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
            if (m != WM_PAINT || !m_colour.count(h))
                return false;
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(h, &ps);
            RECT rc;
            GetClientRect(h, &rc);
            Fill(hdc, 0, 0, rc.right, rc.bottom, m_colour[h]);
            EndPaint(h, &ps);
            *r = 0;
            return true;
        };
    }
};

TEST_F(PaintTest, ParentPaintsBeforeChildAndInvalidatesTheChildrenItCovers)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 50, 50, 50, 50, parent);
    Pump();
    Clear();
    InvalidateRect(parent, nullptr, TRUE);
    Pump();
    EXPECT_SEQUENCE((Seq{"parent WM_PAINT", "parent WM_ERASEBKGND", "child WM_PAINT", "child WM_ERASEBKGND"}), Lines());
    // With WS_CLIPCHILDREN the child is left alone.
    SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    Clear();
    InvalidateRect(parent, nullptr, TRUE);
    Pump();
    EXPECT_SEQUENCE((Seq{"parent WM_PAINT", "parent WM_ERASEBKGND"}), Lines());
    (void)child;
}

TEST_F(PaintTest, FramedWindowGetsNcPaintFromBeginPaint)
{
    HWND w = Make("w", WS_POPUP | WS_BORDER, 10, 10, 100, 100);
    Clear();
    ShowWindow(w, SW_SHOWNA);
    Clear();
    Pump();
    EXPECT_SEQUENCE((Seq{"w WM_PAINT", "w WM_NCPAINT", "w WM_ERASEBKGND"}), Only({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}));
    // The border in the frame colour, the client in the class brush.
    EXPECT_EQ(ScreenPixel(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(109, 60), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(50, 50), kWhite);
    // The desktop around it.
    EXPECT_EQ(ScreenPixel(300, 300), GetSysColor(COLOR_DESKTOP));
}

TEST_F(PaintTest, ClipChildrenKeepsTheParentsPaintOffTheChild)
{
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip ? "WS_CLIPCHILDREN" : "no WS_CLIPCHILDREN");
        VorPlatformReset();
        UserTest::SetUp();
        PaintInColours();
        HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | (clip ? WS_CLIPCHILDREN : 0), 0, 0, 200, 200);
        HWND child = Make("child", WS_CHILD | WS_VISIBLE, 50, 50, 50, 50, parent);
        m_colour[parent] = kRed;
        m_colour[child] = kBlue;
        Pump();
        EXPECT_EQ(ScreenPixel(10, 10), kRed);
        EXPECT_EQ(ScreenPixel(60, 60), kBlue);
        // The parent alone paints (the child is not repainted): only with
        // WS_CLIPCHILDREN does the child keep its pixels.
        RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
        EXPECT_EQ(ScreenPixel(60, 60), clip ? kBlue : kRed);
        UserTest::TearDown();
    }
}

TEST_F(PaintTest, ClipSiblingsKeepsALowerSiblingOffTheUpperOne)
{
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip ? "WS_CLIPSIBLINGS" : "no WS_CLIPSIBLINGS");
        VorPlatformReset();
        UserTest::SetUp();
        PaintInColours();
        HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 200);
        HWND low = Make("low", WS_CHILD | WS_VISIBLE | (clip ? WS_CLIPSIBLINGS : 0), 10, 10, 100, 100, parent);
        HWND high = Make("high", WS_CHILD | WS_VISIBLE, 60, 60, 100, 100, parent);
        m_colour[parent] = kWhite;
        m_colour[low] = kGreen;
        m_colour[high] = kBlue;
        Pump();
        EXPECT_EQ(ScreenPixel(80, 80), clip ? kBlue : kGreen) << "the overlap after the first paint";
        HDC hdc = GetDC(low);
        Fill(hdc, 0, 0, 100, 100, kRed);
        ReleaseDC(low, hdc);
        EXPECT_EQ(ScreenPixel(20, 20), kRed);
        EXPECT_EQ(ScreenPixel(80, 80), clip ? kBlue : kRed);
        UserTest::TearDown();
    }
}

TEST_F(PaintTest, ChildNeverDrawsOutsideItsParentsClientArea)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 100, 100);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 50, 50, 200, 200, parent);
    Pump();
    HDC hdc = GetDC(child);
    Fill(hdc, -50, -50, 300, 300, kRed);
    ReleaseDC(child, hdc);
    EXPECT_EQ(ScreenPixel(198, 198), kRed);  // inside the parent's client area
    EXPECT_EQ(ScreenPixel(199, 199), RGB(0, 0, 0)) << "the parent's border";
    EXPECT_EQ(ScreenPixel(250, 250), GetSysColor(COLOR_DESKTOP));
    EXPECT_EQ(ScreenPixel(120, 120), kWhite);
    // A hidden window draws nothing.
    ShowWindow(child, SW_HIDE);
    Pump();
    hdc = GetDC(child);
    Fill(hdc, 0, 0, 100, 100, kGreen);
    ReleaseDC(child, hdc);
    EXPECT_EQ(ScreenPixel(160, 160), kWhite);
}

TEST_F(PaintTest, BeginPaintReportsTheUpdateRectangleAndErasing)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    Pump();
    PAINTSTRUCT seen = {};
    bool eraseAnswer = true;
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_ERASEBKGND) {
            *r = eraseAnswer;
            return true;
        }
        if (m == WM_PAINT) {
            BeginPaint(h, &seen);
            EndPaint(h, &seen);
            *r = 0;
            return true;
        }
        return false;
    };
    RECT a = {10, 10, 20, 20}, b = {50, 60, 70, 80};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    RECT upd;
    EXPECT_TRUE(GetUpdateRect(w, &upd, FALSE));
    EXPECT_EQ(upd.left, 10);
    EXPECT_EQ(upd.bottom, 80);
    Clear();
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_ERASEBKGND), 0);
    EXPECT_FALSE(seen.fErase);
    EXPECT_EQ(seen.rcPaint.left, 10);
    EXPECT_EQ(seen.rcPaint.top, 10);
    EXPECT_EQ(seen.rcPaint.right, 70);
    EXPECT_EQ(seen.rcPaint.bottom, 80);
    EXPECT_FALSE(GetUpdateRect(w, &upd, FALSE));

    // Erasing asked and refused by WM_ERASEBKGND: fErase tells the painter.
    eraseAnswer = false;
    InvalidateRect(w, &a, TRUE);
    Pump();
    EXPECT_TRUE(seen.fErase);
    eraseAnswer = true;
    InvalidateRect(w, &a, TRUE);
    Pump();
    EXPECT_FALSE(seen.fErase);

    // Validating takes the area off again.
    InvalidateRect(w, &a, TRUE);
    ValidateRect(w, nullptr);
    Clear();
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_PAINT), 0);
}

TEST_F(PaintTest, PaintClipIsTheUpdateRegion)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    Pump();
    m_handler = [](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m != WM_PAINT)
            return false;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h, &ps);
        Fill(hdc, 0, 0, 200, 200, kRed);
        EndPaint(h, &ps);
        *r = 0;
        return true;
    };
    RECT a = {10, 10, 20, 20};
    InvalidateRect(w, &a, FALSE);
    Pump();
    EXPECT_EQ(ScreenPixel(15, 15), kRed);
    EXPECT_EQ(ScreenPixel(25, 25), kWhite);
    HRGN rgn = CreateRectRgn(100, 100, 110, 110);
    InvalidateRgn(w, rgn, FALSE);
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(w, got, FALSE), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(rgn, got));
    Pump();
    EXPECT_EQ(ScreenPixel(105, 105), kRed);
    EXPECT_EQ(ScreenPixel(115, 105), kWhite);
    DeleteObject(rgn);
    DeleteObject(got);
}

TEST_F(PaintTest, UpdateWindowAndRedrawWindowPaintAtOnce)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND c = Make("c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, w);
    Pump();
    InvalidateRect(w, nullptr, TRUE);
    Clear();
    UpdateWindow(w);
    EXPECT_SEQUENCE((Seq{"w WM_PAINT", "w WM_ERASEBKGND", "c WM_PAINT", "c WM_ERASEBKGND"}), Lines());
    EXPECT_TRUE(IsWindow(c));
    Clear();
    EXPECT_EQ(Pump(), 0);
    // RDW_ERASENOW erases without painting; the paint follows in the pump.
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_NOCHILDREN);
    EXPECT_SEQUENCE((Seq{"w WM_ERASEBKGND"}), Lines());
    Clear();
    Pump();
    EXPECT_SEQUENCE((Seq{"w WM_PAINT"}), Lines());
    // RDW_ALLCHILDREN reaches the children through WS_CLIPCHILDREN.
    SetWindowLongA(w, GWL_STYLE, GetWindowLongA(w, GWL_STYLE) | WS_CLIPCHILDREN);
    Clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_SEQUENCE((Seq{"w WM_PAINT", "c WM_PAINT"}), Lines());
    // RDW_INTERNALPAINT asks for WM_PAINT with nothing invalid.
    Clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INTERNALPAINT);
    Pump();
    EXPECT_SEQUENCE((Seq{"w WM_PAINT"}), Lines());
}

TEST_F(PaintTest, HiddenWindowsAreNotPaintedAndAHandlerThatSkipsBeginPaintDoesNotLoop)
{
    HWND hidden = Make("hidden", WS_POPUP, 0, 0, 100, 100);
    InvalidateRect(hidden, nullptr, TRUE);
    HWND lazy = Make("lazy", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_PAINT && h == lazy) {
            *r = 0;
            return true;  // paints nothing, validates nothing
        }
        return false;
    };
    Clear();
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_PAINT, hidden), 0);
    EXPECT_EQ(m_recorder.Count(WM_PAINT, lazy), 1);
    Clear();
    EXPECT_EQ(Pump(), 0);
}

TEST_F(PaintTest, MovingAChildRepaintsWhatItUncovered)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 300);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, parent);
    Pump();
    m_colour[parent] = kWhite;
    m_colour[child] = kBlue;
    PaintInColours();
    InvalidateRect(child, nullptr, TRUE);
    Pump();
    EXPECT_EQ(ScreenPixel(20, 20), kBlue);
    RECT seen = {};
    auto paint = m_handler;
    m_handler = [&, paint](HWND h, UINT m, WPARAM wp, LPARAM lp, LRESULT* r) {
        if (m == WM_PAINT && h == parent)
            GetUpdateRect(h, &seen, FALSE);
        return paint(h, m, wp, lp, r);
    };
    MoveWindow(child, 100, 100, 50, 50, TRUE);
    Pump();
    EXPECT_EQ(seen.left, 10);
    EXPECT_EQ(seen.top, 10);
    EXPECT_EQ(seen.right, 60);
    EXPECT_EQ(seen.bottom, 60);
    EXPECT_EQ(ScreenPixel(20, 20), kWhite);
    EXPECT_EQ(ScreenPixel(110, 110), kBlue);
    // SWP_NOREDRAW leaves the old pixels where they were.
    SetWindowPos(child, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    Pump();
    EXPECT_EQ(ScreenPixel(110, 110), kBlue);
}

TEST_F(PaintTest, DeviceContextsAreReleasedAndReportTheirWindow)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 100, 100);
    Pump();
    int before = VorGdiObjectCount(VOR_GDI_DC);
    HDC a = GetDC(w);
    HDC b = GetWindowDC(w);
    EXPECT_EQ(WindowFromDC(a), w);
    EXPECT_EQ(WindowFromDC(b), w);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), before + 2);
    // A window DC reaches the frame, a client DC starts inside it.
    Fill(b, 0, 0, 3, 3, kGreen);
    Fill(a, 0, 0, 3, 3, kRed);
    EXPECT_EQ(ScreenPixel(1, 1), kGreen);
    EXPECT_EQ(ScreenPixel(4, 23), kRed);
    EXPECT_EQ(ReleaseDC(w, a), 1);
    EXPECT_EQ(ReleaseDC(w, b), 1);
    EXPECT_EQ(ReleaseDC(w, b), 0);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), before);
    // Painting leaks no device contexts either; DCs of a window that dies
    // go with it.
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), before);
    HDC c = GetDC(w);
    ASSERT_TRUE(c);
    DestroyWindow(w);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), before);
    EXPECT_EQ(ReleaseDC(w, c), 0);
}

TEST_F(PaintTest, ScrollWindowMovesPixelsAndInvalidatesTheRest)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    HDC hdc = GetDC(w);
    Fill(hdc, 0, 0, 10, 10, kRed);
    ReleaseDC(w, hdc);
    Clear();
    ScrollWindowEx(w, 0, 20, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    EXPECT_EQ(ScreenPixel(5, 25), kRed);
    RECT upd;
    ASSERT_TRUE(GetUpdateRect(w, &upd, FALSE));
    EXPECT_EQ(upd.top, 0);
    EXPECT_EQ(upd.bottom, 20);
    EXPECT_EQ(upd.right, 100);
}

TEST_F(PaintTest, CaptionFollowsActivation)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 200, 100);
    Pump();
    EXPECT_EQ(ScreenPixel(120, 10), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(ScreenPixel(120, 21), GetSysColor(COLOR_BTNFACE)) << "the line under the caption";
    EXPECT_EQ(ScreenPixel(100, 60), RGB(255, 255, 255));
    HWND other = Make("other", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100);
    Pump();
    EXPECT_EQ(ScreenPixel(120, 10), GetSysColor(COLOR_INACTIVECAPTION));
    SetActiveWindow(w);
    Pump();
    EXPECT_EQ(ScreenPixel(120, 10), GetSysColor(COLOR_ACTIVECAPTION));
    // The close box closes the window.
    Click(200 - 3 - 8, 3 + 8);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(PaintTest, SetRedrawFalseStopsPaintingUntilTurnedBackOn)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    m_colour[w] = kBlue;
    PaintInColours();
    Pump();
    ASSERT_EQ(ScreenPixel(50, 50), kBlue);
    m_colour[w] = kRed;
    SendMessageA(w, WM_SETREDRAW, FALSE, 0);
    Clear();
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_PAINT), 0);
    EXPECT_EQ(ScreenPixel(50, 50), kBlue) << "the old pixels stay: nothing was hidden";
    SendMessageA(w, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(ScreenPixel(50, 50), kRed);
}

// Rectangles are worked on as rectangles, any other area as a region: the
// two must agree. Two identical window trees get the same invalidations and
// validations, one as rectangles, the other as regions of two rectangles
// (one far outside every window, so the area is the same); after every step
// their update regions, and after every round what they are sent when
// painted, must be the same.
TEST_F(PaintTest, RectanglesAndRegionsInvalidateAlike)
{
    HWND a[3], b[3];
    HWND* trees[2] = {a, b};
    const char* names[2][3] = {{"A0", "A1", "A2"}, {"B0", "B1", "B2"}};
    for (int t = 0; t < 2; ++t) {
        HWND* w = trees[t];
        w[0] = Make(names[t][0], WS_POPUP | WS_VISIBLE | WS_BORDER, t * 300, 0, 250, 220);
        w[1] = Make(names[t][1], WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 30, 40, 150, 120, w[0]);
        w[2] = Make(names[t][2], WS_CHILD | WS_VISIBLE, 10, 10, 60, 50, w[1]);
    }
    auto regionFor = [](const RECT& rc) {
        HRGN r = CreateRectRgnIndirect(&rc);
        HRGN outside = CreateRectRgn(5000, 5000, 5010, 5010);
        CombineRgn(r, r, outside, RGN_OR);
        DeleteObject(outside);
        return r;
    };
    const UINT kFlags[] = {
        RDW_INVALIDATE,
        RDW_INVALIDATE | RDW_ERASE,
        RDW_INVALIDATE | RDW_FRAME,
        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN,
        RDW_INVALIDATE | RDW_NOCHILDREN,
        RDW_VALIDATE,
        RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME,
        RDW_VALIDATE | RDW_ALLCHILDREN,
        RDW_INVALIDATE | RDW_INTERNALPAINT,
    };
    unsigned seed = 12345;
    auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(n));
    };
    auto painted = [&](char tree) {
        std::vector<std::string> out;
        for (const std::string& l : Only({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}))
            if (l[0] == tree) out.push_back(l.substr(1));
        return out;
    };
    Pump();
    for (int round = 0; round < 40; ++round) {
        Clear();
        for (int step = 0; step < 5; ++step) {
            int k = next(3);
            UINT flags = kFlags[next(int(sizeof kFlags / sizeof kFlags[0]))];
            RECT rc{next(200) - 20, next(200) - 20, 0, 0};
            rc.right = rc.left + next(180);
            rc.bottom = rc.top + next(180);
            bool whole = next(6) == 0;
            RedrawWindow(a[k], whole ? nullptr : &rc, nullptr, flags);
            if (whole) {
                RECT client;
                GetClientRect(b[k], &client);
                if (flags & RDW_FRAME) {
                    RECT wr;
                    GetWindowRect(b[k], &wr);
                    POINT o{wr.left, wr.top};
                    ScreenToClient(b[k], &o);
                    client = RECT{o.x, o.y, o.x + wr.right - wr.left, o.y + wr.bottom - wr.top};
                }
                rc = client;
            }
            HRGN r = regionFor(rc);
            RedrawWindow(b[k], nullptr, r, flags);
            DeleteObject(r);
            for (int w = 0; w < 3; ++w) {
                HRGN ua = CreateRectRgn(0, 0, 0, 0), ub = CreateRectRgn(0, 0, 0, 0);
                int ka = GetUpdateRgn(a[w], ua, FALSE), kb = GetUpdateRgn(b[w], ub, FALSE);
                EXPECT_EQ(ka, kb) << "round " << round << " step " << step << " window " << w;
                EXPECT_TRUE(EqualRgn(ua, ub)) << "round " << round << " step " << step << " window " << w;
                DeleteObject(ua);
                DeleteObject(ub);
            }
        }
        Pump();
        EXPECT_EQ(painted('A'), painted('B')) << "round " << round;
    }
}
