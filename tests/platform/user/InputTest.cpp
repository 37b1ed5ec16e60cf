// Mouse and keyboard routing: hit testing, WM_SETCURSOR, mouse activation,
// capture, double clicks, non-client messages, keys to the focus window and
// their translation into characters.
#include "UserTest.h"

using Seq = std::vector<std::string>;

class InputTest : public UserTest {
protected:
    HWND m_top = nullptr;
    HWND m_child = nullptr;
    void MakeTopAndChild(const char* childClass = "Rec")
    {
        m_top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
        m_child = Make("child", WS_CHILD | WS_VISIBLE, 50, 50, 100, 50, m_top, 0, childClass);
        Pump();
        Clear();
    }
    std::string Chars() const
    {
        std::string s;
        for (const auto& m : m_recorder.Messages())
            if (m.message == WM_CHAR)
                s += (char)m.wParam;
        return s;
    }
};

TEST_F(InputTest, ClickOnAChildOfTheActiveWindow)
{
    MakeTopAndChild();
    Click(60, 60);
    EXPECT_SEQUENCE((Seq{"child WM_NCHITTEST", "child WM_SETCURSOR child ht=1 WM_MOUSEMOVE",
                         "top WM_SETCURSOR child ht=1 WM_MOUSEMOVE", "child WM_MOUSEMOVE 10,10",
                         "child WM_NCHITTEST", "child WM_SETCURSOR child ht=1 WM_LBUTTONDOWN",
                         "top WM_SETCURSOR child ht=1 WM_LBUTTONDOWN", "child WM_LBUTTONDOWN 10,10",
                         "child WM_NCHITTEST", "child WM_SETCURSOR child ht=1 WM_LBUTTONUP",
                         "top WM_SETCURSOR child ht=1 WM_LBUTTONUP", "child WM_LBUTTONUP 10,10"}),
                    Lines());
    // DefWindowProc set the class cursor.
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 60);
    EXPECT_EQ(p.y, 60);
}

TEST_F(InputTest, ParentAnsweringSetCursorStopsTheChild)
{
    MakeTopAndChild();
    HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_SETCURSOR && h == m_top) {
            SetCursor(cross);
            *r = TRUE;
            return true;
        }
        return false;
    };
    MoveMouse(70, 70);
    EXPECT_EQ(GetCursor(), cross);
}

TEST_F(InputTest, ClickOnAnInactiveWindowActivatesItFirst)
{
    HWND a = Make("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), b);
    Pump();
    Clear();
    SetCursorPos(10, 10);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Pump();
    EXPECT_SEQUENCE((Seq{"a WM_MOUSEACTIVATE ht=1 WM_LBUTTONDOWN", "b WM_NCACTIVATE 0", "b WM_ACTIVATE 0",
                         "a WM_NCACTIVATE 1", "a WM_ACTIVATE 2", "b WM_KILLFOCUS a", "a WM_SETFOCUS b",
                         "a WM_LBUTTONDOWN 10,10"}),
                    Only({WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN}));
    EXPECT_EQ(GetActiveWindow(), a);
    Release();
}

TEST_F(InputTest, MouseActivateCanEatTheClick)
{
    HWND a = Make("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
    m_handler = [](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_MOUSEACTIVATE) {
            *r = MA_NOACTIVATEANDEAT;
            return true;
        }
        return false;
    };
    Pump();
    Clear();
    SetCursorPos(10, 10);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Pump();
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(m_recorder.Count(WM_MOUSEACTIVATE, a), 1);
    Release();
}

TEST_F(InputTest, CaptureTakesTheMouseWherever)
{
    MakeTopAndChild();
    EXPECT_EQ(SetCapture(m_child), nullptr);
    Click(250, 150);
    MoveMouse(900, 700);  // outside every window
    EXPECT_SEQUENCE((Seq{"child WM_MOUSEMOVE 200,100", "child WM_LBUTTONDOWN 200,100", "child WM_LBUTTONUP 200,100",
                         "child WM_MOUSEMOVE 850,650"}),
                    Lines());
    ReleaseCapture();
    Clear();
    MoveMouse(250, 150);
    EXPECT_EQ(m_recorder.Count(WM_MOUSEMOVE, m_top), 1);
}

TEST_F(InputTest, DisabledChildPassesTheMouseToItsParent)
{
    MakeTopAndChild();
    EnableWindow(m_child, FALSE);
    Clear();
    Click(60, 60);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN, m_child), 0);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN, m_top), 1);
    EXPECT_EQ(m_recorder.LinesFor({WM_LBUTTONDOWN}), (Seq{"top WM_LBUTTONDOWN 60,60"}));
}

TEST_F(InputTest, DisabledTopLevelWindowGetsNoMouse)
{
    MakeTopAndChild();
    EnableWindow(m_top, FALSE);
    Clear();
    Click(10, 10);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONUP), 0);
}

struct DoubleClickCase {
    const char* cls;
    DWORD delay;
    int dx, dy;
    bool doubleClick;
};

TEST_F(InputTest, DoubleClickNeedsTheClassStyleTimeAndDistance)
{
    const DoubleClickCase cases[] = {
        {"RecDbl", 0, 0, 0, true},    {"RecDbl", 500, 0, 0, true},  {"RecDbl", 501, 0, 0, false},
        {"RecDbl", 100, 2, 2, true},  {"RecDbl", 100, 3, 0, false}, {"RecDbl", 100, 0, -3, false},
        {"RecDbl", 100, -2, 0, true}, {"Rec", 0, 0, 0, false},
    };
    for (const DoubleClickCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cls << " delay " << c.delay << " dx " << c.dx << " dy " << c.dy);
        UserTest::SetUp();
        MakeTopAndChild(c.cls);
        Click(100, 70);
        VorAdvanceClock(c.delay);
        Click(100 + c.dx, 70 + c.dy);
        Seq expected = {"child WM_LBUTTONDOWN 50,20", "child WM_LBUTTONUP 50,20",
                        std::string("child ") + (c.doubleClick ? "WM_LBUTTONDBLCLK " : "WM_LBUTTONDOWN ") +
                            std::to_string(50 + c.dx) + "," + std::to_string(20 + c.dy),
                        "child WM_LBUTTONUP " + std::to_string(50 + c.dx) + "," + std::to_string(20 + c.dy)};
        EXPECT_SEQUENCE(expected, Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}));
        UserTest::TearDown();
    }
}

TEST_F(InputTest, ThirdClickIsAPressAgain)
{
    MakeTopAndChild("RecDbl");
    DoubleClick(100, 70);
    Click(100, 70);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN), 2);
}

TEST_F(InputTest, NonClientAreaGetsNcMessages)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100, 100, 200, 150);
    Pump();
    Clear();
    Click(150, 110);  // on the caption
    Click(100, 200);  // on the left frame
    EXPECT_SEQUENCE((Seq{"w WM_NCLBUTTONDOWN ht=2", "w WM_NCLBUTTONUP ht=2", "w WM_NCLBUTTONDOWN ht=18",
                         "w WM_NCLBUTTONUP ht=18"}),
                    Only({WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_LBUTTONDOWN}));
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCLIENT);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(50, 50)), HTNOWHERE);
    HWND s = Make("s", WS_POPUP | WS_VISIBLE | WS_THICKFRAME, 400, 100, 100, 100);
    EXPECT_EQ(SendMessageA(s, WM_NCHITTEST, 0, MAKELPARAM(401, 150)), HTLEFT);
    EXPECT_EQ(SendMessageA(s, WM_NCHITTEST, 0, MAKELPARAM(498, 198)), HTBOTTOMRIGHT);
}

TEST_F(InputTest, KeysGoToTheFocusWindowAndTranslateIntoCharacters)
{
    MakeTopAndChild();
    SetFocus(m_child);
    Clear();
    KeyPress('A');
    EXPECT_SEQUENCE((Seq{"child WM_KEYDOWN vk=0x41", "child WM_CHAR 'a'", "child WM_KEYUP vk=0x41"}), Lines());
    const auto& msgs = m_recorder.Messages();
    ASSERT_EQ(msgs.size(), 3u);
    DWORD down = (DWORD)msgs[0].lParam, up = (DWORD)msgs[2].lParam;
    EXPECT_EQ(down & 0xFFFF, 1u);           // repeat count
    EXPECT_EQ((down >> 16) & 0xFF, 0x1Eu);  // scan code of A
    EXPECT_EQ(down >> 30, 0u);              // was up, is going down
    EXPECT_EQ(up >> 30, 3u);                // was down, is going up
    EXPECT_EQ((DWORD)msgs[1].lParam, down);

    Clear();
    keybd_event('B', 0, 0, 0);
    keybd_event('B', 0, 0, 0);  // auto-repeat
    keybd_event('B', 0, KEYEVENTF_KEYUP, 0);
    Pump();
    ASSERT_EQ(m_recorder.Count(WM_KEYDOWN), 2);
    EXPECT_EQ(((DWORD)m_recorder.Messages()[2].lParam >> 30) & 1, 1u) << "the repeat says the key was down";
}

TEST_F(InputTest, TypedTextArrivesAsCharacters)
{
    MakeTopAndChild();
    SetFocus(m_child);
    Clear();
    TypeText("Hello, World! 1+2=3 (a_b) \"q\"");
    EXPECT_EQ(Chars(), "Hello, World! 1+2=3 (a_b) \"q\"");
}

TEST_F(InputTest, ShiftCapsLockAndControl)
{
    MakeTopAndChild();
    SetFocus(m_child);
    KeyPress(VK_CAPITAL);
    Clear();
    KeyPress('Q');
    KeyDown(VK_SHIFT);
    KeyPress('Q');
    KeyPress('1');
    KeyUp(VK_SHIFT);
    KeyPress(VK_CAPITAL);
    KeyPress('Q');
    KeyDown(VK_CONTROL);
    KeyPress('C');
    KeyUp(VK_CONTROL);
    KeyPress(VK_RETURN);
    KeyPress(VK_BACK);
    EXPECT_EQ(Chars(), std::string("Qq!q\x03\r\b"));
}

TEST_F(InputTest, KeyStateFollowsTheMessages)
{
    MakeTopAndChild();
    SetFocus(m_child);
    SHORT shiftDuringKey = 0, asyncBeforePump = 0;
    m_handler = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT*) {
        if (m == WM_KEYDOWN && wp == 'X')
            shiftDuringKey = GetKeyState(VK_SHIFT);
        return false;
    };
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event('X', 0, 0, 0);
    asyncBeforePump = GetAsyncKeyState(VK_SHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "not yet retrieved";
    Pump();
    EXPECT_LT(shiftDuringKey, 0);
    EXPECT_LT(asyncBeforePump, 0);
    keybd_event('X', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    Pump();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    // The toggle bit of Caps Lock.
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
    KeyPress(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
}

TEST_F(InputTest, AltMakesSystemKeys)
{
    MakeTopAndChild();
    SetFocus(m_child);
    Clear();
    KeyDown(VK_MENU);
    KeyPress('F');
    KeyUp(VK_MENU);
    EXPECT_SEQUENCE((Seq{"child WM_SYSKEYDOWN vk=0x12", "child WM_SYSKEYDOWN vk=0x46", "child WM_SYSCHAR 'f'",
                         "child WM_SYSKEYUP vk=0x46", "child WM_SYSKEYUP vk=0x12"}),
                    Lines());
    EXPECT_EQ(((DWORD)m_recorder.Messages()[1].lParam >> 29) & 1, 1u) << "the context code says Alt is down";
}

TEST_F(InputTest, WithoutFocusKeysGoToTheActiveWindowAsSystemKeys)
{
    MakeTopAndChild();
    SetFocus(nullptr);
    Clear();
    KeyPress('K');
    EXPECT_SEQUENCE((Seq{"top WM_SYSKEYDOWN vk=0x4B", "top WM_SYSCHAR 'k'", "top WM_SYSKEYUP vk=0x4B"}), Lines());
}

TEST_F(InputTest, WheelGoesToTheWindowUnderThePointer)
{
    MakeTopAndChild();
    HWND other = Make("other", WS_POPUP | WS_VISIBLE, 400, 0, 100, 100);
    SetFocus(m_top);
    auto wheelAt = [&](int x, int y) {
        Clear();
        SetCursorPos(x, y);
        mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)-WHEEL_DELTA, 0);
        Pump();
        return Only({WM_MOUSEWHEEL});
    };
    // Over the child while its parent has the focus: the child, then up to
    // its parent through DefWindowProc.
    EXPECT_SEQUENCE((Seq{"child WM_MOUSEWHEEL", "top WM_MOUSEWHEEL"}), wheelAt(60, 60));
    for (const auto& m : m_recorder.Messages())
        if (m.message == WM_MOUSEWHEEL && m.hwnd == m_child) {
            EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(m.wParam), -WHEEL_DELTA);
            EXPECT_EQ(GET_X_LPARAM(m.lParam), 60);  // screen coordinates
        }
    // Over the parent only.
    EXPECT_SEQUENCE((Seq{"top WM_MOUSEWHEEL"}), wheelAt(10, 10));
    // Over another top-level window: that one, the focus stays.
    EXPECT_SEQUENCE((Seq{"other WM_MOUSEWHEEL"}), wheelAt(410, 10));
    EXPECT_EQ(GetFocus(), m_top);
    // Off every window: the focus window.
    SetFocus(m_child);
    EXPECT_SEQUENCE((Seq{"child WM_MOUSEWHEEL", "top WM_MOUSEWHEEL"}), wheelAt(700, 700));
    // The capture window keeps the wheel wherever the pointer is.
    SetCapture(other);
    EXPECT_SEQUENCE((Seq{"other WM_MOUSEWHEEL"}), wheelAt(60, 60));
    ReleaseCapture();
    // A disabled window under the pointer takes nothing.
    EnableWindow(m_top, FALSE);
    EXPECT_SEQUENCE((Seq{}), wheelAt(10, 10));
}

TEST_F(InputTest, TheSidewaysWheelTravelsAsTheWheelDoes)
{
    MakeTopAndChild();
    HWND other = Make("other", WS_POPUP | WS_VISIBLE, 400, 0, 100, 100);
    SetFocus(m_top);
    auto tiltAt = [&](int x, int y, int delta) {
        Clear();
        SetCursorPos(x, y);
        mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)delta, 0);
        Pump();
        return Only({WM_MOUSEHWHEEL, WM_MOUSEWHEEL});
    };
    EXPECT_SEQUENCE((Seq{"child WM_MOUSEHWHEEL", "top WM_MOUSEHWHEEL"}), tiltAt(60, 60, WHEEL_DELTA));
    int seen = 0;
    for (const auto& m : m_recorder.Messages())
        if (m.message == WM_MOUSEHWHEEL && m.hwnd == m_child) {
            ++seen;
            EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(m.wParam), WHEEL_DELTA);  // to the right
            EXPECT_EQ(GET_X_LPARAM(m.lParam), 60);
        }
    EXPECT_EQ(seen, 1);
    EXPECT_SEQUENCE((Seq{"other WM_MOUSEHWHEEL"}), tiltAt(410, 10, -WHEEL_DELTA));
    SetCapture(other);
    EXPECT_SEQUENCE((Seq{"other WM_MOUSEHWHEEL"}), tiltAt(60, 60, WHEEL_DELTA));
    ReleaseCapture();
    // It is not one of the mouse messages a WM_MOUSEFIRST..WM_MOUSELAST
    // filter takes (it came after that range was fixed).
    SetCursorPos(10, 10);
    mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)WHEEL_DELTA, 0);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE | PM_NOYIELD) &&
                 msg.message == WM_MOUSEHWHEEL);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEHWHEEL, WM_MOUSEHWHEEL, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, m_top);
}

TEST_F(InputTest, AltF4InAChildClosesItsTopLevelWindow)
{
    MakeTopAndChild();
    HWND inner = Make("inner", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, m_child);
    SetFocus(inner);
    Pump();
    Clear();
    KeyDown(VK_MENU);
    KeyPress(VK_F4);
    KeyUp(VK_MENU);
    EXPECT_SEQUENCE((Seq{"inner WM_SYSKEYDOWN vk=0x12", "inner WM_SYSKEYDOWN vk=0x73", "top WM_SYSCOMMAND sc=0xF060",
                         "top WM_CLOSE"}),
                    Only({WM_SYSKEYDOWN, WM_SYSCOMMAND, WM_CLOSE}));
    EXPECT_FALSE(IsWindow(m_top));
    EXPECT_FALSE(IsWindow(inner));
}

TEST_F(InputTest, AltF4LeavesADisabledTopLevelWindowOpen)
{
    MakeTopAndChild();
    SetFocus(m_child);
    // A modal loop has disabled its owner: the owner is not closed under it.
    EnableWindow(m_top, FALSE);
    Clear();
    KeyDown(VK_MENU);
    KeyPress(VK_F4);
    KeyUp(VK_MENU);
    EXPECT_EQ(m_recorder.Count(WM_SYSCOMMAND), 0);
    EXPECT_TRUE(IsWindow(m_top));
}

TEST_F(InputTest, UnicodePacketsBecomeCharactersOfTheAnsiCodePage)
{
    MakeTopAndChild();
    SetFocus(m_child);
    auto send = [](std::u16string text) {
        for (char16_t u : text) {
            INPUT in[2] = {};
            for (int i = 0; i < 2; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wScan = (WORD)u;
                in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            ASSERT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
        }
    };
    Clear();
    send(u"/");
    Pump();
    EXPECT_SEQUENCE((Seq{"child WM_KEYDOWN vk=0xE7", "child WM_CHAR '/'", "child WM_KEYUP vk=0xE7"}), Lines());
    EXPECT_EQ((DWORD)m_recorder.Messages()[1].lParam, (DWORD)m_recorder.Messages()[0].lParam);

    // Code page 936: a double-byte character arrives as its lead and trail
    // bytes; one the code page lacks (Thai, and a character outside the
    // basic plane, sent as two surrogates) is dropped and nothing else.
    Clear();
    send(u";:'\"[]{}\\|`~?\u00E9\u4E2D\u0E01\U0001F600a");
    Pump();
    EXPECT_EQ(Chars(), ";:'\"[]{}\\|`~?\xA8\xA6\xD6\xD0" "a");

    // A single-byte code page: one byte.
    ASSERT_TRUE(VorSetCodePage(1252));
    Clear();
    send(u"\u00E9\u4E2D");
    Pump();
    EXPECT_EQ(Chars(), "\xE9");
    VorSetCodePage(936);
}

TEST_F(InputTest, AKeyWhoseTextComesApartMakesNoCharacter)
{
    MakeTopAndChild();
    SetFocus(m_child);
    Clear();
    keybd_event('A', 0, 0, VOR_INPUT_TEXT_APART);
    INPUT packet[2] = {};
    for (int i = 0; i < 2; ++i) {
        packet[i].type = INPUT_KEYBOARD;
        packet[i].ki.wScan = 'a';
        packet[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, packet, sizeof(INPUT));
    keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
    LPARAM extraAtKey = 0;
    m_handler = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT*) {
        if (m == WM_KEYDOWN && wp == 'A') extraAtKey = GetMessageExtraInfo();
        return false;
    };
    Pump();
    // Once, from the packet, as the desktop's text arrives after its key.
    EXPECT_SEQUENCE((Seq{"child WM_KEYDOWN vk=0x41", "child WM_KEYDOWN vk=0xE7", "child WM_CHAR 'a'",
                         "child WM_KEYUP vk=0xE7", "child WM_KEYUP vk=0x41"}),
                    Lines());
    EXPECT_EQ(extraAtKey, (LPARAM)VOR_INPUT_TEXT_APART);
    // Any other key still translates.
    Clear();
    KeyPress('B');
    EXPECT_EQ(Chars(), "b");
    EXPECT_EQ(GetMessageExtraInfo(), 0);
}

TEST_F(InputTest, MouseFlagsAndAbsoluteMoves)
{
    MakeTopAndChild();
    WPARAM flags = 0;
    m_handler = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT*) {
        if (m == WM_MOUSEMOVE)
            flags = wp;
        return false;
    };
    KeyDown(VK_CONTROL);
    SetCursorPos(60, 60);
    Press();
    MoveMouse(61, 61);
    EXPECT_EQ(flags, (WPARAM)(MK_LBUTTON | MK_CONTROL));
    Release();
    KeyUp(VK_CONTROL);
    MoveMouse(62, 62);
    EXPECT_EQ(flags, 0u);
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 65535, 0, 0, 0);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, GetSystemMetrics(SM_CXSCREEN) - 1);
    EXPECT_EQ(p.y, 0);
    mouse_event(MOUSEEVENTF_MOVE, (DWORD)-10, 5, 0, 0);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, GetSystemMetrics(SM_CXSCREEN) - 11);
    EXPECT_EQ(p.y, 5);
    SetCursorPos(-50, 100000);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, GetSystemMetrics(SM_CYSCREEN) - 1);
    // SendInput goes the same way.
    INPUT in[2] = {};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[0].mi.dx = 0;
    in[0].mi.dy = 0;
    in[1].type = INPUT_KEYBOARD;
    in[1].ki.wVk = 'Z';
    EXPECT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
    EXPECT_LT(GetAsyncKeyState('Z'), 0);
    EXPECT_EQ(SendInput(1, in, 3), 0u);
}

TEST_F(InputTest, InputIsQueuedUntilThePumpRuns)
{
    MakeTopAndChild();
    SetCursorPos(60, 60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    EXPECT_TRUE(Lines().empty());
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, m_child);
    EXPECT_EQ(msg.pt.x, 60);
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 10);
    // The move before it is still waiting.
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_MOUSEMOVE);
    Release();
}

TEST_F(InputTest, TrackMouseEventLeaveAndHover)
{
    MakeTopAndChild();
    MoveMouse(60, 60);
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | TME_HOVER, m_child, 100};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    TRACKMOUSEEVENT q = {sizeof(q), TME_QUERY};
    ASSERT_TRUE(TrackMouseEvent(&q));
    EXPECT_EQ(q.hwndTrack, m_child);
    EXPECT_EQ(q.dwFlags, (DWORD)(TME_LEAVE | TME_HOVER));
    Clear();
    Advance(99);
    EXPECT_EQ(m_recorder.Count(WM_MOUSEHOVER), 0);
    MoveMouse(70, 60);  // far enough to restart the hover time
    Advance(99);
    EXPECT_EQ(m_recorder.Count(WM_MOUSEHOVER), 0);
    Advance(1);
    EXPECT_SEQUENCE((Seq{"child WM_MOUSEHOVER"}), Only({WM_MOUSEHOVER}));
    Advance(500);
    EXPECT_EQ(m_recorder.Count(WM_MOUSEHOVER), 1) << "once per request";
    MoveMouse(10, 10);  // onto the parent
    EXPECT_SEQUENCE((Seq{"child WM_MOUSELEAVE"}), Only({WM_MOUSELEAVE}));
    MoveMouse(60, 60);
    EXPECT_EQ(m_recorder.Count(WM_MOUSELEAVE), 1) << "tracking ended with the leave";
    // Asked while the cursor is elsewhere: the leave comes at once.
    MoveMouse(10, 10);
    Clear();
    tme.dwFlags = TME_LEAVE;
    TrackMouseEvent(&tme);
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_MOUSELEAVE, m_child), 1);
    // Cancelled, nothing comes.
    MoveMouse(60, 60);
    TrackMouseEvent(&tme);
    tme.dwFlags = TME_LEAVE | TME_CANCEL;
    TrackMouseEvent(&tme);
    Clear();
    MoveMouse(10, 10);
    EXPECT_EQ(m_recorder.Count(WM_MOUSELEAVE), 0);
    TRACKMOUSEEVENT bad = {3, TME_LEAVE, m_child, 0};
    EXPECT_FALSE(TrackMouseEvent(&bad));
}

TEST_F(InputTest, HandlerReadingTheQueueWhileInputIsRoutedTakesNothingTwice)
{
    MakeTopAndChild();
    int peeks = 0;
    m_handler = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == WM_SETCURSOR && peeks < 3) {
            ++peeks;
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
        return false;
    };
    SetCursorPos(60, 60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Pump();
    EXPECT_EQ(m_recorder.Count(WM_MOUSEMOVE, m_child), 1);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN, m_child), 1);
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONUP, m_child), 1);
}
