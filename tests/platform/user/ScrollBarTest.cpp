// The standard scroll bars of a window: their state, showing and hiding
// with the range, and the mouse on arrows, shaft and thumb.
#include "UserTest.h"

using Seq = std::vector<std::string>;

class ScrollBarTest : public UserTest {
protected:
    HWND m_w = nullptr;
    // A 200 x 200 window at (0, 0): the vertical bar is x 184..199, its
    // arrows y 0..15 and 184..199 (no horizontal bar).
    void MakeScrolled(DWORD style = WS_VSCROLL)
    {
        m_w = Make("w", WS_POPUP | WS_VISIBLE | style, 0, 0, 200, 200);
        Pump();
        Clear();
    }
};

TEST_F(ScrollBarTest, InfoIsClampedToRangeAndPage)
{
    MakeScrolled();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 95, 0};
    EXPECT_EQ(SetScrollInfo(m_w, SB_VERT, &si, TRUE), 90);  // the last page starts at 90
    SCROLLINFO got = {sizeof(got), SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(m_w, SB_VERT, &got));
    EXPECT_EQ(got.nMin, 0);
    EXPECT_EQ(got.nMax, 99);
    EXPECT_EQ(got.nPage, 10u);
    EXPECT_EQ(got.nPos, 90);
    EXPECT_EQ(got.nTrackPos, 90);
    EXPECT_EQ(SetScrollPos(m_w, SB_VERT, -5, TRUE), 90);
    EXPECT_EQ(GetScrollPos(m_w, SB_VERT), 0);
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(m_w, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 99);
    si.fMask = SIF_PAGE;
    si.nPage = 500;  // more than the range: becomes the range
    SetScrollInfo(m_w, SB_VERT, &si, FALSE);
    GetScrollInfo(m_w, SB_VERT, &got);
    EXPECT_EQ(got.nPage, 100u);
    // Everything fits now: the bar went, and a window without one reports
    // an empty range.
    EXPECT_TRUE(GetScrollRange(m_w, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
    SCROLLINFO bad = {3, SIF_ALL};
    EXPECT_EQ(SetScrollInfo(m_w, SB_VERT, &bad, FALSE), 0);
    EXPECT_FALSE(GetScrollInfo(m_w, SB_VERT, nullptr));
}

TEST_F(ScrollBarTest, BarsShowAndHideWithTheRange)
{
    m_w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    Pump();
    Clear();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE, 0, 99, 50, 0, 0};
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLongA(m_w, GWL_STYLE) & WS_VSCROLL);
    RECT rc;
    GetClientRect(m_w, &rc);
    EXPECT_EQ(rc.right, 184);
    EXPECT_EQ(m_recorder.LinesFor({WM_SIZE}), (Seq{"w WM_SIZE 184,200"}));
    si.nPage = 100;  // everything fits: the bar goes
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    EXPECT_FALSE(GetWindowLongA(m_w, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(m_w, &rc);
    EXPECT_EQ(rc.right, 200);
    si.fMask |= SIF_DISABLENOSCROLL;  // unless it is to stay, disabled
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLongA(m_w, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(ShowScrollBar(m_w, SB_BOTH, FALSE));
    EXPECT_FALSE(GetWindowLongA(m_w, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(ScrollBarTest, ArrowsAndShaftSendScrollCodes)
{
    MakeScrolled();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    Clear();
    Click(190, 190);  // down arrow
    Click(190, 5);    // up arrow
    Click(190, 150);  // shaft below the thumb
    SetScrollPos(m_w, SB_VERT, 90, TRUE);
    Click(190, 30);  // shaft above the thumb
    EXPECT_SEQUENCE((Seq{"w WM_VSCROLL code=1 pos=0", "w WM_VSCROLL code=8 pos=0", "w WM_VSCROLL code=0 pos=0",
                         "w WM_VSCROLL code=8 pos=0", "w WM_VSCROLL code=3 pos=0", "w WM_VSCROLL code=8 pos=0",
                         "w WM_VSCROLL code=2 pos=0", "w WM_VSCROLL code=8 pos=0"}),
                    Only({WM_VSCROLL, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    // The bar is the window's non-client area.
    EXPECT_EQ(SendMessageA(m_w, WM_NCHITTEST, 0, MAKELPARAM(190, 100)), HTVSCROLL);
    EXPECT_EQ(GetCapture(), nullptr) << "the bar gives the capture back";
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndDropsThePosition)
{
    MakeScrolled();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    int trackDuring = -1;
    m_handler = [&](HWND h, UINT m, WPARAM wp, LPARAM, LRESULT*) {
        if (m == WM_VSCROLL && LOWORD(wp) == SB_THUMBTRACK) {
            SCROLLINFO t = {sizeof(t), SIF_TRACKPOS};
            GetScrollInfo(h, SB_VERT, &t);
            trackDuring = t.nTrackPos;
        }
        return false;
    };
    Clear();
    // Track 16..183 (168 px), thumb 16 px: 152 px for positions 0..90.
    SetCursorPos(190, 20);
    Press();
    MoveMouse(190, 20 + 76);
    MoveMouse(190, 20 + 152);
    MoveMouse(190, 500);  // past the end stays at the end
    Release();
    EXPECT_SEQUENCE((Seq{"w WM_VSCROLL code=5 pos=45", "w WM_VSCROLL code=5 pos=90", "w WM_VSCROLL code=4 pos=90",
                         "w WM_VSCROLL code=8 pos=0"}),
                    Only({WM_VSCROLL}));
    EXPECT_EQ(trackDuring, 90);
    EXPECT_EQ(GetScrollPos(m_w, SB_VERT), 0) << "the window sets the position itself";
}

TEST_F(ScrollBarTest, DisabledBarIgnoresTheMouse)
{
    MakeScrolled();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    EXPECT_TRUE(EnableScrollBar(m_w, SB_VERT, ESB_DISABLE_BOTH));
    Clear();
    Click(190, 190);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 0);
    EnableScrollBar(m_w, SB_VERT, ESB_DISABLE_DOWN);
    Click(190, 190);
    Click(190, 5);
    EXPECT_SEQUENCE((Seq{"w WM_VSCROLL code=0 pos=0", "w WM_VSCROLL code=8 pos=0"}), Only({WM_VSCROLL}));
}

TEST_F(ScrollBarTest, BarIsPaintedInTheFrame)
{
    MakeScrolled(WS_VSCROLL | WS_HSCROLL);
    Pump();
    // The arrow buttons are raised button-face boxes; the corner is face.
    EXPECT_EQ(ScreenPixel(184, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(ScreenPixel(185, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ScreenPixel(192, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ScreenPixel(199, 15), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(ScreenPixel(190, 190), GetSysColor(COLOR_BTNFACE));
    // The client area stays white.
    EXPECT_EQ(ScreenPixel(100, 100), RGB(255, 255, 255));
}

TEST_F(ScrollBarTest, HeldArrowRepeatsOnTheClock)
{
    MakeScrolled();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(m_w, SB_VERT, &si, TRUE);
    Clear();
    SetCursorPos(190, 190);
    Press();
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 1);
    Advance(399);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 1) << "the first repeat waits 400 ms";
    Advance(1);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 2);
    Advance(50);
    Advance(50);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 4);
    MoveMouse(190, 100);  // off the arrow: no repeats while away
    Advance(100);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 4);
    Release();
    EXPECT_SEQUENCE((Seq{"w WM_VSCROLL code=1 pos=0", "w WM_VSCROLL code=1 pos=0", "w WM_VSCROLL code=1 pos=0",
                         "w WM_VSCROLL code=1 pos=0", "w WM_VSCROLL code=8 pos=0"}),
                    Only({WM_VSCROLL}));
    Advance(1000);
    EXPECT_EQ(m_recorder.Count(WM_VSCROLL), 5);
}
