// Window classes, creation and destruction sequences, the window tree,
// window longs and text, and refusal of stale handles.
#include "UserTest.h"

using Seq = std::vector<std::string>;

class WindowTest : public UserTest {};

TEST_F(WindowTest, VisibleChildCreationSequence)
{
    HWND parent = Make("parent", WS_POPUP, 0, 0, 300, 200);
    ASSERT_TRUE(parent);
    Clear();
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 10, 20, 100, 50, parent, 0, "Rec", 7);
    ASSERT_TRUE(child);
    EXPECT_SEQUENCE((Seq{"child WM_NCCREATE", "child WM_NCCALCSIZE 0", "child WM_CREATE", "child WM_SIZE 100,50",
                         "child WM_MOVE 10,20", "parent WM_PARENTNOTIFY WM_CREATE", "child WM_SHOWWINDOW 1",
                         "child WM_WINDOWPOSCHANGING", "child WM_WINDOWPOSCHANGED"}),
                    Lines());
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_EQ(GetDlgItem(parent, 7), child);
}

TEST_F(WindowTest, VisibleTopLevelIsActivatedAndFocused)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100);
    ASSERT_TRUE(top);
    EXPECT_SEQUENCE((Seq{"top WM_GETMINMAXINFO", "top WM_NCCREATE", "top WM_NCCALCSIZE 0", "top WM_CREATE",
                         "top WM_SIZE 200,100", "top WM_MOVE 10,10", "top WM_SHOWWINDOW 1",
                         "top WM_WINDOWPOSCHANGING", "top WM_WINDOWPOSCHANGED", "top WM_ACTIVATEAPP",
                         "top WM_NCACTIVATE 1", "top WM_ACTIVATE 1", "top WM_SETFOCUS 0"}),
                    Lines());
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowTest, CreationFailsWhenNcCreateRefuses)
{
    m_handler = [](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_NCCREATE) {
            *r = FALSE;
            return true;
        }
        return false;
    };
    HWND h = Make("w", WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(h, nullptr);
    EXPECT_SEQUENCE((Seq{"w WM_GETMINMAXINFO", "w WM_NCCREATE", "w WM_NCDESTROY"}), Lines());
}

TEST_F(WindowTest, CreationFailsWhenCreateAnswersMinusOne)
{
    HWND parent = Make("parent", WS_POPUP, 0, 0, 100, 100);
    Clear();
    m_handler = [](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_CREATE) {
            *r = -1;
            return true;
        }
        return false;
    };
    HWND h = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
    EXPECT_EQ(h, nullptr);
    EXPECT_SEQUENCE((Seq{"child WM_NCCREATE", "child WM_NCCALCSIZE 0", "child WM_CREATE",
                         "parent WM_PARENTNOTIFY WM_DESTROY", "child WM_DESTROY", "child WM_NCDESTROY"}),
                    Lines());
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
}

static LRESULT CALLBACK RefuseCreate(int code, WPARAM, LPARAM)
{
    return code == HCBT_CREATEWND ? 1 : 0;
}

TEST_F(WindowTest, CbtHookCanCancelCreation)
{
    HHOOK h = SetWindowsHookExA(WH_CBT, RefuseCreate, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(h);
    EXPECT_EQ(Make("w", WS_POPUP, 0, 0, 10, 10), nullptr);
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(UnhookWindowsHookEx(h));
    EXPECT_FALSE(UnhookWindowsHookEx(h));
    EXPECT_NE(Make("w", WS_POPUP, 0, 0, 10, 10), nullptr);
}

// The framework subclasses a window from its CBT hook, before WM_NCCREATE.
static WNDPROC g_cbtOldProc = nullptr;
static std::vector<UINT> g_cbtSeen;
static LRESULT CALLBACK CbtSubclassProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    g_cbtSeen.push_back(m);
    return CallWindowProcA(g_cbtOldProc, h, m, w, l);
}
static LRESULT CALLBACK SubclassOnCreate(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND)
        g_cbtOldProc = (WNDPROC)SetWindowLongPtrA((HWND)wp, GWLP_WNDPROC, (LONG_PTR)CbtSubclassProc);
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(WindowTest, CbtHookSubclassesBeforeNcCreate)
{
    g_cbtSeen.clear();
    HHOOK h = SetWindowsHookExA(WH_CBT, SubclassOnCreate, nullptr, 0);
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    UnhookWindowsHookEx(h);
    ASSERT_TRUE(w);
    ASSERT_GE(g_cbtSeen.size(), 3u);
    EXPECT_EQ(g_cbtSeen[0], (UINT)WM_GETMINMAXINFO);
    EXPECT_EQ(g_cbtSeen[1], (UINT)WM_NCCREATE);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(w, GWLP_WNDPROC), CbtSubclassProc);
    // The original procedure still sees everything through the chain.
    EXPECT_SEQUENCE((Seq{"w WM_GETMINMAXINFO", "w WM_NCCREATE", "w WM_NCCALCSIZE 0", "w WM_CREATE", "w WM_SIZE 10,10",
                         "w WM_MOVE 0,0"}),
                    Lines());
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst)
{
    HWND parent = Make("parent", WS_POPUP, 0, 0, 300, 200);
    HWND c1 = Make("c1", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent, WS_EX_NOPARENTNOTIFY);
    HWND g = Make("g", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, c1, WS_EX_NOPARENTNOTIFY);
    HWND c2 = Make("c2", WS_CHILD | WS_VISIBLE, 60, 0, 50, 50, parent, WS_EX_NOPARENTNOTIFY);
    Clear();
    EXPECT_TRUE(DestroyWindow(parent));
    EXPECT_SEQUENCE((Seq{"parent WM_DESTROY", "c2 WM_DESTROY", "c1 WM_DESTROY", "g WM_DESTROY", "c2 WM_NCDESTROY",
                         "g WM_NCDESTROY", "c1 WM_NCDESTROY", "parent WM_NCDESTROY"}),
                    Lines());
    for (HWND h : {parent, c1, g, c2})
        EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTest, DestroyingFocusedChildNotifiesParentAndMovesFocus)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
    SetFocus(child);
    Clear();
    EXPECT_TRUE(DestroyWindow(child));
    EXPECT_SEQUENCE((Seq{"parent WM_PARENTNOTIFY WM_DESTROY", "child WM_WINDOWPOSCHANGING",
                         "child WM_WINDOWPOSCHANGED", "child WM_KILLFOCUS parent", "parent WM_SETFOCUS child",
                         "child WM_DESTROY", "child WM_NCDESTROY"}),
                    Lines());
    EXPECT_EQ(GetFocus(), parent);
}

TEST_F(WindowTest, DestroyingActiveWindowActivatesTheNextOne)
{
    HWND a = Make("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = Make("b", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100);
    ASSERT_EQ(GetActiveWindow(), b);
    Clear();
    DestroyWindow(b);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_SEQUENCE((Seq{"b WM_NCACTIVATE 0", "b WM_ACTIVATE 0", "a WM_NCACTIVATE 1", "a WM_ACTIVATE 1",
                         "b WM_KILLFOCUS a", "a WM_SETFOCUS b"}),
                    Only({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}));
}

TEST_F(WindowTest, StaleAndInvalidHandlesAreRefused)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    DestroyWindow(w);
    RECT rc;
    POINT pt = {0, 0};
    for (HWND h : {w, (HWND)(uintptr_t)0x123456, (HWND)(uintptr_t)0x10014}) {
        SCOPED_TRACE(::testing::Message() << "handle " << (void*)h);
        SetLastError(0);
        EXPECT_FALSE(IsWindow(h));
        EXPECT_FALSE(GetWindowRect(h, &rc));
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_WINDOW_HANDLE);
        EXPECT_FALSE(GetClientRect(h, &rc));
        EXPECT_FALSE(SetWindowPos(h, nullptr, 0, 0, 1, 1, 0));
        EXPECT_FALSE(MoveWindow(h, 0, 0, 1, 1, TRUE));
        EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessageA(h, WM_USER, 0, 0));
        EXPECT_FALSE(ShowWindow(h, SW_SHOW));
        EXPECT_FALSE(DestroyWindow(h));
        EXPECT_EQ(SetFocus(h), nullptr);
        EXPECT_EQ(SetCapture(h), nullptr);
        EXPECT_EQ(GetParent(h), nullptr);
        EXPECT_FALSE(SetWindowTextA(h, "x"));
        EXPECT_EQ(GetWindowLongPtrA(h, GWL_STYLE), 0);
        EXPECT_FALSE(InvalidateRect(h, nullptr, TRUE));
        EXPECT_FALSE(UpdateWindow(h));
        EXPECT_EQ(GetDC(h), nullptr);
        EXPECT_FALSE(ClientToScreen(h, &pt));
        EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u);
        EXPECT_FALSE(EnableWindow(h, FALSE));
        EXPECT_EQ(GetWindow(h, GW_CHILD), nullptr);
        EXPECT_EQ(DefWindowProcA(h, WM_GETTEXTLENGTH, 0, 0), 0);
    }
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    // A new window never gets the old handle back.
    HWND again = Make("again", WS_POPUP, 0, 0, 10, 10);
    EXPECT_NE(again, w);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(WindowTest, WindowDestroyingItselfInsideItsHandlerStaysSafe)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
    std::string textAfter = "unset";
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_USER && h == child) {
            DestroyWindow(h);
            // Everything after the destruction answers "no such window".
            char buf[16] = "junk";
            GetWindowTextA(h, buf, sizeof(buf));
            textAfter = buf;
            DefWindowProcA(h, WM_PAINT, 0, 0);
            SendMessageA(h, WM_USER + 1, 0, 0);
            *r = 42;
            return true;
        }
        if (m == WM_LBUTTONDOWN && h == parent) {
            DestroyWindow(parent);
            *r = 0;
            return true;
        }
        return false;
    };
    EXPECT_EQ(SendMessageA(child, WM_USER, 0, 0), 42);
    EXPECT_EQ(textAfter, "");
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(m_recorder.Count(WM_USER + 1), 0);
    // A window destroyed by its own mouse handler while input is queued.
    Click(100, 100);
    Click(100, 100);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_EQ(m_recorder.Count(WM_LBUTTONDOWN, parent), 1);
}

// A parent's handler sends to its child, whose handler destroys them both:
// each handler goes on with its own window gone, and what it calls answers
// "no such window" (with the error code) instead of reaching a freed one.
TEST_F(WindowTest, WindowsDestroyedUnderNestedHandlersStaySafe)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
    LRESULT childAfter = -1, parentAfter = -1;
    DWORD childError = 0, parentError = 0;
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_USER && h == parent) {
            *r = SendMessageA(child, WM_USER + 1, 0, 0);
            SetLastError(0);
            parentAfter = SendMessageA(parent, WM_USER + 2, 0, 0) + DefWindowProcA(parent, WM_GETTEXTLENGTH, 0, 0);
            parentError = GetLastError();
            return true;
        }
        if (m == WM_USER + 1 && h == child) {
            DestroyWindow(parent);
            SetLastError(0);
            childAfter = SendMessageA(child, WM_USER + 2, 0, 0) +
                         CallWindowProcA(DefWindowProcA, child, WM_GETTEXTLENGTH, 0, 0);
            childError = GetLastError();
            *r = 7;
            return true;
        }
        return false;
    };
    EXPECT_EQ(SendMessageA(parent, WM_USER, 0, 0), 7);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(childAfter, 0);
    EXPECT_EQ(parentAfter, 0);
    EXPECT_EQ(childError, (DWORD)ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(parentError, (DWORD)ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(m_recorder.Count(WM_USER + 2), 0);
    EXPECT_EQ(m_recorder.Count(WM_NCDESTROY, child), 1);
    EXPECT_EQ(m_recorder.Count(WM_NCDESTROY, parent), 1);
    // A window made afterwards works as any other.
    HWND next = Make("next", WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(SendMessageA(next, WM_GETTEXTLENGTH, 0, 0), 4);
}

// A reset of the platform from inside a window procedure: the procedures
// still running return into windows of the old platform, which must live
// until they have returned.
TEST_F(WindowTest, ResetInsideAWindowProcedureLetsTheRunningProceduresReturn)
{
    HWND parent = Make("parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_USER && h == parent) {
            *r = SendMessageA(child, WM_USER + 1, 0, 0) + 1;
            return true;
        }
        if (m == WM_USER + 1 && h == child) {
            m_handler = nullptr;
            VorPlatformReset();
            *r = 5;
            return true;
        }
        return false;
    };
    EXPECT_EQ(SendMessageA(parent, WM_USER, 0, 0), 6);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), nullptr);
}

TEST_F(WindowTest, DestroyInsideCreateFailsTheCreation)
{
    m_handler = [](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_CREATE) {
            DestroyWindow(h);
            *r = 0;
            return true;
        }
        return false;
    };
    EXPECT_EQ(Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10), nullptr);
}

TEST_F(WindowTest, ClassRegistration)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "Rec";
    SetLastError(0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_ALREADY_EXISTS);
    wc.lpszClassName = "Other";
    wc.style = CS_HREDRAW;
    ATOM atom = RegisterClassA(&wc);
    EXPECT_NE(atom, 0);
    WNDCLASSA info = {};
    EXPECT_TRUE(GetClassInfoA(nullptr, "other", &info));
    EXPECT_EQ(info.lpfnWndProc, DefWindowProcA);
    EXPECT_EQ(info.style, (UINT)CS_HREDRAW);
    HWND w = CreateWindowExA(0, "Other", "o", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(w);
    char name[32];
    EXPECT_EQ(GetClassNameA(w, name, sizeof(name)), 5);
    EXPECT_STREQ(name, "Other");
    EXPECT_FALSE(UnregisterClassA("Other", nullptr));  // a window of it exists
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("Other", nullptr));
    EXPECT_FALSE(GetClassInfoA(nullptr, "Other", &info));
    SetLastError(0);
    EXPECT_EQ(CreateWindowExA(0, "Other", "o", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
    // Child without a parent is refused.
    EXPECT_EQ(Make("orphan", WS_CHILD, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(RegisterClassA(nullptr), 0);
}

TEST_F(WindowTest, TreeQueries)
{
    HWND top = Make("top", WS_POPUP, 0, 0, 300, 200);
    HWND a = Make("a", WS_CHILD, 0, 0, 10, 10, top, 0, "Rec", 1);
    HWND b = Make("b", WS_CHILD, 0, 0, 10, 10, top, 0, "Rec", 2);
    HWND ba = Make("ba", WS_CHILD, 0, 0, 10, 10, b, 0, "Rec", 3);
    HWND owned = Make("owned", WS_POPUP, 0, 0, 10, 10, top);
    // New windows go on top of their siblings.
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDFIRST), b);
    EXPECT_EQ(GetTopWindow(top), b);
    EXPECT_EQ(GetParent(ba), b);
    EXPECT_EQ(GetParent(owned), top);  // the owner of a popup
    EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
    EXPECT_EQ(GetAncestor(ba, GA_ROOT), top);
    EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(IsChild(top, ba));
    EXPECT_FALSE(IsChild(top, owned));
    EXPECT_FALSE(IsChild(a, b));
    EXPECT_EQ(GetDlgItem(top, 3), nullptr);  // only direct children
    EXPECT_EQ(GetDlgItem(b, 3), ba);

    std::vector<HWND> seen;
    EnumChildWindows(
        top,
        [](HWND h, LPARAM lp) -> BOOL {
            ((std::vector<HWND>*)lp)->push_back(h);
            return TRUE;
        },
        (LPARAM)&seen);
    EXPECT_EQ(seen, (std::vector<HWND>{b, ba, a}));

    // Moving a child under another parent.
    EXPECT_EQ(SetParent(ba, a), b);
    EXPECT_EQ(GetParent(ba), a);
    EXPECT_EQ(GetWindow(b, GW_CHILD), nullptr);
    EXPECT_EQ(SetParent(a, ba), nullptr);  // a window cannot go under its own child
    // Destroying the owner destroys what it owns.
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowTest, WindowLongsAndSubclassing)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    Clear();
    LONG old = SetWindowLongA(w, GWL_STYLE, WS_POPUP | WS_BORDER);
    EXPECT_EQ((DWORD)old, (DWORD)(WS_POPUP | WS_CLIPSIBLINGS));
    EXPECT_SEQUENCE((Seq{"w WM_STYLECHANGING", "w WM_STYLECHANGED"}), Lines());
    EXPECT_EQ((DWORD)GetWindowLongA(w, GWL_STYLE), (DWORD)(WS_POPUP | WS_BORDER));
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 1234);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_ID, 77), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_ID), 77);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(w, 400), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);

    // Subclassing: the new procedure sees the message first and passes it on.
    static WNDPROC s_old;
    static int s_calls;
    s_calls = 0;
    s_old = (WNDPROC)SetWindowLongPtrA(w, GWLP_WNDPROC,
                                       (LONG_PTR)(WNDPROC)[](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                                           if (m == WM_USER)
                                               ++s_calls;
                                           return CallWindowProcA(s_old, h, m, wp, lp) + 1;
                                       });
    ASSERT_TRUE(s_old);
    m_handler = [](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_USER) {
            *r = 10;
            return true;
        }
        return false;
    };
    Clear();
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 11);
    EXPECT_EQ(s_calls, 1);
    EXPECT_EQ(m_recorder.Count(WM_USER), 1);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_WNDPROC, (LONG_PTR)s_old), (LONG_PTR)GetWindowLongPtrA(w, GWLP_WNDPROC));
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 10);

    // Extra window bytes.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 16;
    wc.lpszClassName = "Extra";
    RegisterClassA(&wc);
    HWND e = CreateWindowExA(0, "Extra", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongPtrA(e, 8, 0x55), 0);
    EXPECT_EQ(GetWindowLongPtrA(e, 8), 0x55);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongPtrA(e, 14, 1), 0);  // would run past the end
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);
}

TEST_F(WindowTest, WindowText)
{
    HWND w = Make("hello", WS_POPUP, 0, 0, 10, 10);
    char buf[16];
    EXPECT_EQ(GetWindowTextLengthA(w), 5);
    EXPECT_EQ(GetWindowTextA(w, buf, sizeof(buf)), 5);
    EXPECT_STREQ(buf, "hello");
    EXPECT_EQ(GetWindowTextA(w, buf, 3), 2);
    EXPECT_STREQ(buf, "he");
    EXPECT_TRUE(SetWindowTextA(w, "a longer text"));
    EXPECT_EQ(GetWindowTextLengthA(w), 13);
    EXPECT_TRUE(SetWindowTextA(w, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
    EXPECT_EQ(GetWindowTextA(w, nullptr, 5), 0);
}

TEST_F(WindowTest, EnableWindowSendsEnableAndTakesFocus)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND c = Make("c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    SetFocus(c);
    Clear();
    EXPECT_FALSE(EnableWindow(c, FALSE));  // was enabled
    EXPECT_FALSE(IsWindowEnabled(c));
    EXPECT_SEQUENCE((Seq{"c WM_CANCELMODE", "c WM_KILLFOCUS 0", "c WM_ENABLE 0"}), Lines());
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(c), nullptr);  // a disabled window takes no focus
    Clear();
    EXPECT_TRUE(EnableWindow(c, TRUE));  // was disabled
    EXPECT_SEQUENCE((Seq{"c WM_ENABLE 1"}), Lines());
    EXPECT_FALSE(EnableWindow(c, TRUE));
}
