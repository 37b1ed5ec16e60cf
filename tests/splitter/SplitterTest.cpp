// The two splitter windows, run through the same cases: geometry and
// clamping, real drags with the mouse, the tracking rectangle on the
// screen, the cursor, the bar's lines, and what differs between them
// (clipping styles and the pane-move flags).
#include <string>
#include <vector>

#include "VORSplitterWnd.h"
#include "VorTestHost.h"
#include "ZeSplitterWnd.h"

namespace {

// A pane that remembers the flags of the moves it receives.
class Pane : public CWnd {
public:
    std::vector<UINT> moveFlags;
    BOOL CreatePane(CWnd* parent, BOOL visible = TRUE) {
        return CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)), "",
                        WS_CHILD | (visible ? WS_VISIBLE : 0), CRect(0, 0, 10, 10), parent, 0);
    }
    CRect Placement() const {
        CRect r;
        GetWindowRect(&r);
        GetParent()->ScreenToClient(&r);
        return r;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_WINDOWPOSCHANGING) moveFlags.push_back(((WINDOWPOS*)lParam)->flags);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

template <class S>
class SplitterTest : public vor::test::VorHostTest {
protected:
    // A splitter whose client area is `cx` x `cy`, with two panes.
    void Make(int bVertical, int nBarPos, int cx = 200, int cy = 100, BOOL panesVisible = TRUE) {
        CWnd* host = CWnd::FromHandle(HostHwnd());
        ASSERT_TRUE(m_split.Create(bVertical, nBarPos, CRect(20, 20, 20 + cx, 20 + cy), host, NULL));
        ASSERT_TRUE(m_first.CreatePane(&m_split, panesVisible));
        ASSERT_TRUE(m_second.CreatePane(&m_split, panesVisible));
        ASSERT_EQ(m_split.SetWnd(&m_first, &m_second), 1);
    }
    void TearDown() override {
        m_first.DestroyWindow();
        m_second.DestroyWindow();
        m_split.DestroyWindow();
        VorHostTest::TearDown();
    }
    CPoint ToScreen(int x, int y) {
        CPoint pt(x, y);
        m_split.ClientToScreen(&pt);
        return pt;
    }
    static bool Has(DWORD style, DWORD bits) { return (style & bits) == bits; }

    S m_split;
    Pane m_first, m_second;
};

using SplitterTypes = ::testing::Types<CVORSplitterWnd, CZeSplitterWnd>;
TYPED_TEST_SUITE(SplitterTest, SplitterTypes);

struct GeometryCase {
    const char* name;
    int vertical, barPos, cx, cy, minFirst, minSecond;
    int wantPos;
    CRect first, second;  // left, top, right, bottom in the splitter's client area
    double ratio;
};

const GeometryCase kGeometry[] = {
    {"horizontal 40", 0, 40, 200, 100, -1, -1, 40, CRect(0, -1, 200, 40), CRect(0, 44, 200, 100), 0.4},
    {"vertical 60", 1, 60, 200, 100, -1, -1, 60, CRect(-1, 0, 60, 100), CRect(64, 0, 200, 100), 0.3},
    {"second minimum", 0, 90, 200, 100, -1, 30, 70, CRect(0, -1, 200, 70), CRect(0, 74, 200, 100), 0.7},
    {"first limit wins", 0, 10, 200, 100, 80, 30, 80, CRect(0, -1, 200, 80), CRect(0, 84, 200, 100), 0.8},
    {"second skipped", 0, 90, 200, 100, -1, 120, 90, CRect(0, -1, 200, 90), CRect(0, 94, 200, 100), 0.9},
    {"first minimum", 1, 5, 200, 100, 50, -1, 50, CRect(-1, 0, 50, 100), CRect(54, 0, 200, 100), 0.25},
};

TYPED_TEST(SplitterTest, RelayoutPlacesThePanesByTheTable) {
    for (const GeometryCase& g : kGeometry) {
        SCOPED_TRACE(g.name);
        this->Make(g.vertical, g.barPos, g.cx, g.cy);
        this->m_split.m_nMinFirst = g.minFirst;
        this->m_split.m_nMinSecond = g.minSecond;
        this->m_split.Relayout();
        EXPECT_EQ(this->m_split.m_nBarPos, g.wantPos);
        EXPECT_EQ(this->m_first.Placement(), g.first);
        EXPECT_EQ(this->m_second.Placement(), g.second);
        EXPECT_DOUBLE_EQ(this->m_split.m_dRatio, g.ratio);
        this->TearDown();
        this->SetUp();
    }
}

TYPED_TEST(SplitterTest, TheClampedPositionIsStored) {
    this->Make(0, 90);
    this->m_split.m_nMinSecond = 30;
    this->m_split.Relayout();
    EXPECT_EQ(this->m_split.m_nBarPos, 70);
    this->m_split.SetWindowPos(NULL, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);  // WM_SIZE relayouts
    EXPECT_EQ(this->m_split.m_nBarPos, 70);
    EXPECT_EQ(this->m_second.Placement().bottom, 300);
}

TYPED_TEST(SplitterTest, AnEmptyClientAreaKeepsTheRatioZeroAndThePanesWellFormed) {
    this->Make(0, 40, 200, 100);
    this->m_split.m_nMinFirst = 500;  // larger than the window
    this->m_split.SetWindowPos(NULL, 0, 0, 200, 0, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(this->m_split.m_dRatio, 0.0);
    for (Pane* p : {&this->m_first, &this->m_second}) {
        CRect r = p->Placement();
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }
}

TYPED_TEST(SplitterTest, SetWndRefusesMissingAndDestroyedPanes) {
    this->Make(0, 40);
    Pane other;
    EXPECT_EQ(this->m_split.SetWnd(NULL, &this->m_second), 0);
    EXPECT_EQ(this->m_split.SetWnd(&this->m_first, &other), 0);  // no window
    EXPECT_EQ(this->m_split.m_pWndSecond, &this->m_second);
    // A pane destroyed after SetWnd: Relayout does nothing, and nothing breaks.
    this->m_second.DestroyWindow();
    int pos = this->m_split.m_nBarPos;
    this->m_split.m_nMinFirst = 60;
    this->m_split.Relayout();
    EXPECT_EQ(this->m_split.m_nBarPos, pos);
    this->m_split.SetWindowPos(NULL, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
}

TYPED_TEST(SplitterTest, ADragWithTheMouseMovesTheBarWithinTheLimits) {
    this->Make(0, 40);
    this->m_split.Relayout();
    this->m_split.m_nMinFirst = 20;
    this->m_split.m_nMinSecond = 30;
    CPoint press = this->ToScreen(100, 42);
    this->MoveMouse(press.x, press.y);
    this->Press();
    EXPECT_TRUE(this->m_split.m_bDragging);
    EXPECT_EQ(::GetCapture(), this->m_split.m_hWnd);
    CPoint beyond = this->ToScreen(100, 95);  // beyond the second pane's minimum
    this->MoveMouse(beyond.x, beyond.y);
    EXPECT_EQ(this->m_split.m_ptDragCur.y, 70);  // 100 - 30
    EXPECT_EQ(this->m_split.m_ptDragRaw.y, 95);
    CPoint up = this->ToScreen(100, 80);
    this->MoveMouse(up.x, up.y);
    this->MoveMouse(beyond.x, beyond.y);
    this->Release();
    EXPECT_FALSE(this->m_split.m_bDragging);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(this->m_split.m_nBarPos, 40 + (70 - 42));
    EXPECT_EQ(this->m_first.Placement().bottom, 68);
    EXPECT_EQ(this->m_second.Placement().top, 68 + 4);
}

TYPED_TEST(SplitterTest, ACaptureTakenElsewhereAbandonsTheDrag) {
    this->Make(1, 60);
    this->m_split.Relayout();
    CPoint press = this->ToScreen(62, 50);
    this->MoveMouse(press.x, press.y);
    this->Press();
    CPoint moved = this->ToScreen(120, 50);
    this->MoveMouse(moved.x, moved.y);
    ASSERT_TRUE(this->m_split.m_bDragging);
    ::SetCapture(this->HostHwnd());
    EXPECT_FALSE(this->m_split.m_bDragging);
    this->Release();
    EXPECT_EQ(this->m_split.m_nBarPos, 60);
    EXPECT_EQ(this->m_first.Placement().right, 60);
}

TYPED_TEST(SplitterTest, PressAndReleaseWithoutAMoveChangeNothing) {
    this->Make(0, 40);
    this->m_split.Relayout();
    this->m_first.MoveWindow(5, 5, 20, 20);  // a relayout would put it back
    this->Pump();
    this->m_first.moveFlags.clear();
    CPoint press = this->ToScreen(100, 41);
    this->Click(press.x, press.y);
    EXPECT_TRUE(this->m_first.moveFlags.empty());
    EXPECT_EQ(this->m_first.Placement(), CRect(5, 5, 25, 25));
    EXPECT_FALSE(::GetUpdateRect(this->m_split.m_hWnd, NULL, FALSE));
    EXPECT_EQ(this->m_split.m_nBarPos, 40);
}

TYPED_TEST(SplitterTest, TheTrackingRectangleInvertsTheScreenAndErasingRestoresIt) {
    this->Make(0, 40, 200, 100, FALSE);
    this->Pump();
    CPoint barPixel = this->ToScreen(50, 41);
    COLORREF before = this->ScreenPixel(barPixel.x, barPixel.y);
    CPoint press = this->ToScreen(100, 42);
    this->MoveMouse(press.x, press.y);
    this->Press();
    EXPECT_EQ(this->ScreenPixel(barPixel.x, barPixel.y), (~before) & 0x00FFFFFF);
    CPoint moved = this->ToScreen(100, 62);
    this->MoveMouse(moved.x, moved.y);
    EXPECT_EQ(this->ScreenPixel(barPixel.x, barPixel.y), before);  // the old rectangle erased
    CPoint newPixel = this->ToScreen(50, 61);
    EXPECT_NE(this->ScreenPixel(newPixel.x, newPixel.y), ::GetSysColor(COLOR_BTNFACE));
    ::SetCapture(this->HostHwnd());  // abandon: the last rectangle stays until a repaint
    this->Release();
}

TYPED_TEST(SplitterTest, TheCursorOverTheBarIsTheSplitCursor) {
    for (int vertical = 0; vertical <= 1; ++vertical) {
        SCOPED_TRACE(vertical);
        this->Make(vertical, 40);
        this->m_split.Relayout();
        HCURSOR split = ::LoadCursorA(AfxFindResourceHandle(MAKEINTRESOURCE(vertical ? 120 : 118), RT_GROUP_CURSOR),
                                      MAKEINTRESOURCE(vertical ? 120 : 118));
        ASSERT_NE(split, (HCURSOR)NULL);
        // The bar's last pixel is covered by the second pane; aim at its middle.
        CPoint onBar = vertical ? this->ToScreen(42, 50) : this->ToScreen(100, 42);
        this->MoveMouse(onBar.x, onBar.y);
        EXPECT_EQ(::GetCursor(), split);
        CPoint offBar = this->ToScreen(150, 90);
        this->MoveMouse(offBar.x, offBar.y);
        EXPECT_NE(::GetCursor(), split);
        this->TearDown();
        this->SetUp();
    }
}

TYPED_TEST(SplitterTest, TheBarsLinesAreDrawnInTheShadowColours) {
    this->Make(0, 40, 200, 100, FALSE);
    this->m_split.Invalidate();
    this->m_split.UpdateWindow();
    CPoint line = this->ToScreen(10, 44);  // bar bottom - 1
    EXPECT_EQ(this->ScreenPixel(line.x, line.y), ::GetSysColor(COLOR_BTNSHADOW));
    CPoint face = this->ToScreen(10, 42);
    EXPECT_EQ(this->ScreenPixel(face.x, face.y), ::GetSysColor(COLOR_BTNFACE));
    CPoint end = this->ToScreen(199, 44);
    EXPECT_EQ(this->ScreenPixel(end.x, end.y), ::GetSysColor(COLOR_BTNSHADOW));

    this->m_split.m_bDoubleEdge = 1;
    this->m_split.Invalidate();
    this->m_split.UpdateWindow();
    CPoint upper = this->ToScreen(10, 42), lower = this->ToScreen(10, 43);
    EXPECT_EQ(this->ScreenPixel(upper.x, upper.y), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(this->ScreenPixel(lower.x, lower.y), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(this->ScreenPixel(line.x, line.y), ::GetSysColor(COLOR_BTNFACE));
}

TYPED_TEST(SplitterTest, AVerticalBarHasOneLineAtItsRightEdge) {
    this->Make(1, 60, 200, 100, FALSE);
    this->m_split.m_bDoubleEdge = 1;  // not consulted for a vertical bar
    this->m_split.Invalidate();
    this->m_split.UpdateWindow();
    CPoint line = this->ToScreen(64, 10);
    EXPECT_EQ(this->ScreenPixel(line.x, line.y), ::GetSysColor(COLOR_BTNSHADOW));
    CPoint last = this->ToScreen(64, 99);  // the line ends one short of the bottom
    EXPECT_EQ(this->ScreenPixel(last.x, last.y), ::GetSysColor(COLOR_BTNFACE));
    CPoint inside = this->ToScreen(62, 10);
    EXPECT_EQ(this->ScreenPixel(inside.x, inside.y), ::GetSysColor(COLOR_BTNFACE));
}

// What differs between the two classes.

TEST(SplitterDifferences, StylesAndPaneMoveFlags) {
    VorPlatformReset();
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300),
                              NULL, 0));
    CVORSplitterWnd vor;
    CZeSplitterWnd ze;
    ASSERT_TRUE(vor.Create(0, 40, CRect(0, 0, 200, 100), &host, NULL));
    ASSERT_TRUE(ze.Create(0, 40, CRect(0, 120, 200, 220), &host, NULL));
    EXPECT_EQ(vor.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), 0u);
    EXPECT_EQ(ze.GetStyle() & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), (DWORD)(WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    Pane a, b, c, d;
    ASSERT_TRUE(a.CreatePane(&vor));
    ASSERT_TRUE(b.CreatePane(&vor));
    ASSERT_TRUE(c.CreatePane(&ze));
    ASSERT_TRUE(d.CreatePane(&ze));
    vor.SetWnd(&a, &b);
    ze.SetWnd(&c, &d);
    vor.Relayout();
    ze.Relayout();
    for (Pane* p : {&a, &b}) {
        ASSERT_FALSE(p->moveFlags.empty());
        EXPECT_EQ(p->moveFlags.back() & 0x1C, 0x1Cu);
    }
    for (Pane* p : {&c, &d}) {
        ASSERT_FALSE(p->moveFlags.empty());
        EXPECT_EQ(p->moveFlags.back() & (SWP_NOZORDER | SWP_NOACTIVATE), 0x14u);
        EXPECT_EQ(p->moveFlags.back() & SWP_NOREDRAW, 0u);
    }
    a.DestroyWindow();
    b.DestroyWindow();
    c.DestroyWindow();
    d.DestroyWindow();
    vor.DestroyWindow();
    ze.DestroyWindow();
    host.DestroyWindow();
}

// The splitter's own paint reaches the panes' area only without
// WS_CLIPCHILDREN.
TEST(SplitterDifferences, ClippingKeepsThePaintOffThePanes) {
    VorPlatformReset();
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), NULL,
                              0));
    CVORSplitterWnd vor;
    CZeSplitterWnd ze;
    ASSERT_TRUE(vor.Create(0, 40, CRect(0, 0, 200, 100), &host, NULL));
    ASSERT_TRUE(ze.Create(0, 40, CRect(0, 120, 200, 220), &host, NULL));
    Pane a, b, c, d;
    for (auto [p, s] : {std::pair<Pane*, CWnd*>{&a, &vor}, {&b, &vor}, {&c, &ze}, {&d, &ze}})
        ASSERT_TRUE(p->CreatePane(s));
    vor.SetWnd(&a, &b);
    ze.SetWnd(&c, &d);
    vor.Relayout();
    ze.Relayout();
    // Panes moved without redrawing paint at their new place once asked to.
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    VorPumpMessages();
    auto pixelOf = [](CWnd& w, int x, int y) {
        CPoint pt(x, y);
        w.ClientToScreen(&pt);
        HDC dc = ::GetDC(NULL);
        COLORREF c = ::GetPixel(dc, pt.x, pt.y);
        ::ReleaseDC(NULL, dc);
        return c;
    };
    ASSERT_EQ(pixelOf(vor, 100, 20), RGB(255, 255, 255));  // the white pane
    ASSERT_EQ(pixelOf(ze, 100, 20), RGB(255, 255, 255));
    for (CWnd* s : {(CWnd*)&vor, (CWnd*)&ze})
        s->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_EQ(pixelOf(vor, 100, 20), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixelOf(ze, 100, 20), RGB(255, 255, 255));
    for (Pane* p : {&a, &b, &c, &d}) p->DestroyWindow();
    vor.DestroyWindow();
    ze.DestroyWindow();
    host.DestroyWindow();
}

}  // namespace
