// Sending and posting, the queue's order and filters, GetMessage without a
// display, timers on the virtual clock, focus and capture notifications.
#include <algorithm>

#include "UserTest.h"

using Seq = std::vector<std::string>;

class MessageTest : public UserTest {};

TEST_F(MessageTest, SendIsSynchronousAndPostWaitsForThePump)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    m_handler = [](HWND, UINT m, WPARAM wp, LPARAM, LRESULT* r) {
        if (m >= WM_USER) {
            *r = (LRESULT)wp * 2;
            return true;
        }
        return false;
    };
    Clear();
    EXPECT_EQ(SendMessageA(w, WM_USER, 21, 0), 42);
    EXPECT_SEQUENCE((Seq{"w WM_USER+0"}), Lines());
    Clear();
    EXPECT_TRUE(PostMessageA(w, WM_USER + 1, 1, 0));
    EXPECT_TRUE(PostMessageA(w, WM_USER + 2, 2, 0));
    SendMessageA(w, WM_USER + 3, 3, 0);
    EXPECT_SEQUENCE((Seq{"w WM_USER+3"}), Lines());
    EXPECT_EQ(Pump(), 2);
    EXPECT_SEQUENCE((Seq{"w WM_USER+3", "w WM_USER+1", "w WM_USER+2"}), Lines());
}

TEST_F(MessageTest, PeekMessageFiltersAndNoRemove)
{
    HWND a = Make("a", WS_POPUP, 0, 0, 10, 10);
    HWND b = Make("b", WS_POPUP, 0, 0, 10, 10);
    PostMessageA(a, WM_USER + 1, 0, 0);
    PostMessageA(b, WM_USER + 2, 0, 0);
    PostMessageA(a, WM_USER + 3, 0, 0);
    PostMessageA(nullptr, WM_USER + 4, 0, 0);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 2);
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_USER + 3, WM_USER + 4, PM_REMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 3);
    EXPECT_TRUE(PeekMessageA(&m, (HWND)-1, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 4);
    EXPECT_EQ(m.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageA(&m, a, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 1);
    EXPECT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, (UINT)WM_USER + 2);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageTest, QueueOrderIsPostedInputPaintTimer)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    SetTimer(w, 5, 10, nullptr);
    VorAdvanceClock(10);
    InvalidateRect(w, nullptr, FALSE);
    keybd_event('Q', 0, 0, 0);
    PostMessageA(w, WM_USER, 0, 0);
    Clear();
    Pump();
    EXPECT_SEQUENCE((Seq{"w WM_USER+0", "w WM_KEYDOWN vk=0x51", "w WM_CHAR 'q'", "w WM_PAINT", "w WM_TIMER id=5"}),
                    Only({WM_USER, WM_KEYDOWN, WM_CHAR, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageTest, GetMessageNeverBlocksWithoutADisplay)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    MSG m;
    PostMessageA(w, WM_USER, 7, 0);
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE);
    EXPECT_EQ(m.wParam, 7u);
    // Nothing queued and no timer due: the loop ends.
    SetTimer(w, 1, 1000, nullptr);
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.message, (UINT)WM_QUIT);
    EXPECT_EQ(GetTickCount(), 0u) << "the clock did not move";
    PostQuitMessage(3);
    PostMessageA(w, WM_USER, 0, 0);
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE) << "posted messages come before WM_QUIT";
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.message, (UINT)WM_QUIT);
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(MessageTest, TimersRunOnTheVirtualClock)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(SetTimer(w, 1, 100, nullptr), 1u);
    Clear();
    Advance(99);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 0) << "not due";
    Advance(1);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 1) << "due";
    Advance(350);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 2) << "one pending WM_TIMER however late";
    EXPECT_EQ(GetTickCount(), 450u);
    // Replacing the timer restarts its period.
    Advance(60);
    SetTimer(w, 1, 100, nullptr);
    Advance(60);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 2);
    Advance(40);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 3);
    EXPECT_TRUE(KillTimer(w, 1));
    Advance(1000);
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 3) << "killed";
    EXPECT_FALSE(KillTimer(w, 1));
    Sleep(5000);
    EXPECT_EQ(GetTickCount(), 1610u) << "Sleep does not move the clock";
}

TEST_F(MessageTest, TimersOfOneWindowFireInDueOrder)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    SetTimer(w, 2, 30, nullptr);
    SetTimer(w, 1, 20, nullptr);
    SetTimer(w, 3, 30, nullptr);
    Clear();
    Advance(30);
    EXPECT_SEQUENCE((Seq{"w WM_TIMER id=1", "w WM_TIMER id=2", "w WM_TIMER id=3"}), Lines());
    DestroyWindow(w);
    Clear();
    Advance(100);
    EXPECT_TRUE(Lines().empty()) << "a destroyed window's timers are gone";
}

static std::vector<std::pair<HWND, UINT_PTR>> g_fired;
static void CALLBACK TimerProc(HWND h, UINT, UINT_PTR id, DWORD)
{
    g_fired.push_back({h, id});
}

TEST_F(MessageTest, TimerProcsAndThreadTimers)
{
    g_fired.clear();
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    SetTimer(w, 9, 50, TimerProc);
    UINT_PTR t = SetTimer(nullptr, 0, 50, TimerProc);
    EXPECT_NE(t, 0u);
    Clear();
    Advance(50);
    ASSERT_EQ(g_fired.size(), 2u);
    EXPECT_EQ(g_fired[0], std::make_pair(w, (UINT_PTR)9));
    EXPECT_EQ(g_fired[1], std::make_pair((HWND) nullptr, t));
    EXPECT_EQ(m_recorder.Count(WM_TIMER), 0) << "a TIMERPROC takes the place of the window procedure";
    EXPECT_TRUE(KillTimer(nullptr, t));
    // A forged WM_TIMER does not call an arbitrary procedure.
    MSG forged = {w, WM_TIMER, 12, (LPARAM)TimerProc, 0, {0, 0}};
    DispatchMessageA(&forged);
    EXPECT_EQ(g_fired.size(), 2u);
}

TEST_F(MessageTest, FocusChangesComeInKillSetPairs)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND a = Make("a", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    HWND b = Make("b", WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, top);
    EXPECT_EQ(SetFocus(a), top);
    Clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(SetFocus(b), b);  // no change, no messages
    EXPECT_EQ(SetFocus(nullptr), b);
    EXPECT_SEQUENCE((Seq{"a WM_KILLFOCUS b", "b WM_SETFOCUS a", "b WM_KILLFOCUS 0"}), Lines());
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessageTest, FocusMovedDuringKillFocusWins)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND a = Make("a", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    HWND b = Make("b", WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, top);
    HWND c = Make("c", WS_CHILD | WS_VISIBLE, 40, 0, 10, 10, top);
    SetFocus(a);
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == WM_KILLFOCUS && h == a)
            SetFocus(c);
        return false;
    };
    Clear();
    SetFocus(b);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(m_recorder.Count(WM_SETFOCUS, b), 0);
}

TEST_F(MessageTest, CaptureChangesAreNotified)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND a = Make("a", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    HWND b = Make("b", WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, top);
    Clear();
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(SetCapture(a), a);
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(a);
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_SEQUENCE((Seq{"a WM_CAPTURECHANGED b", "b WM_CAPTURECHANGED 0", "a WM_CAPTURECHANGED 0"}),
                    Only({WM_CAPTURECHANGED}));
    // The loss comes before WM_DESTROY.
    auto lines = Lines();
    auto lost = std::find(lines.begin(), lines.end(), "a WM_CAPTURECHANGED 0");
    auto destroyed = std::find(lines.begin(), lines.end(), "a WM_DESTROY");
    EXPECT_LT(lost, destroyed);
}

TEST_F(MessageTest, ActivationMessages)
{
    HWND a = Make("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make("b", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Clear();
    EXPECT_EQ(SetActiveWindow(a), b);
    EXPECT_SEQUENCE((Seq{"b WM_NCACTIVATE 0", "b WM_ACTIVATE 0", "a WM_NCACTIVATE 1", "a WM_ACTIVATE 1",
                         "b WM_KILLFOCUS a", "a WM_SETFOCUS b"}),
                    Lines());
    EXPECT_EQ(GetForegroundWindow(), a);
    // Focusing a child of the inactive window activates it first.
    HWND bc = Make("bc", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, b);
    SetFocus(bc);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), bc);
}

TEST_F(MessageTest, HidingTheFocusWindowMovesTheFocusToItsParent)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND c = Make("c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    SetFocus(c);
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);
    EXPECT_FALSE(IsWindowVisible(c));
    ShowWindow(c, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(c));
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(c)) << "visible only with every parent";
}

TEST_F(MessageTest, RegisteredMessagesAndBroadcast)
{
    UINT a = RegisterWindowMessageA("VorTestMessage");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA("vortestmessage"), a);
    EXPECT_NE(RegisterWindowMessageA("Other"), a);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
    HWND x = Make("x", WS_POPUP, 0, 0, 10, 10);
    HWND y = Make("y", WS_POPUP, 0, 0, 10, 10);
    HWND yc = Make("yc", WS_CHILD, 0, 0, 10, 10, y);
    Clear();
    SendMessageA(HWND_BROADCAST, a, 0, 0);
    EXPECT_EQ(m_recorder.Count(a, x), 1);
    EXPECT_EQ(m_recorder.Count(a, y), 1);
    EXPECT_EQ(m_recorder.Count(a, yc), 0) << "top-level windows only";
}
