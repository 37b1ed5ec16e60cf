// The combo box as its parent and a user see it: the two kinds' answers to
// text and edit-selection messages, typing into the edit field, the
// drop-down list opened and closed by keys and by the mouse.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "VorTestHost.h"

using vor::test::CommandLine;

namespace {

constexpr UINT kId = 21;

class ComboBoxTest : public vor::test::VorHostTest {
protected:
    HWND Make(DWORD kind) {
        HWND h = CreateChild("ComboBox", WS_VISIBLE | WS_VSCROLL | kind, RECT{20, 20, 220, 220}, kId);
        EXPECT_NE(h, nullptr);
        for (const char* s : {"Apple", "Apricot", "Banana", "Cherry"})
            ::SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)s);
        Host().ClearRecords();
        return h;
    }
    static std::string Text(HWND h) {
        char buf[128] = {0};
        ::GetWindowTextA(h, buf, sizeof buf);
        return buf;
    }
    std::vector<std::string> Commands() { return Host().MessageLines(WM_COMMAND); }
    std::string Line(HWND h, UINT code) { return CommandLine(h, code, kId); }
    // The open list: the visible drop-down popup (its owner is the
    // combo box's top-level window, as for every popup of a child).
    // The drop-down list of a combo box, shown or not.
    static HWND ListOf(HWND combo) {
        for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            char cls[32] = {0};
            ::GetClassNameA(w, cls, sizeof cls);
            if (std::string(cls) == "ComboLBox" && ::GetWindow(w, GW_OWNER) == ::GetParent(combo)) return w;
        }
        return nullptr;
    }
    static HWND OpenList(HWND combo) {
        for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            char cls[32] = {0};
            ::GetClassNameA(w, cls, sizeof cls);
            if (std::string(cls) == "ComboLBox" && ::IsWindowVisible(w) &&
                ::GetWindow(w, GW_OWNER) == ::GetParent(combo))
                return w;
        }
        return nullptr;
    }
};

TEST_F(ComboBoxTest, DropDownListHasNoEditFieldAndIgnoresSetText) {
    HWND h = Make(CBS_DROPDOWNLIST);
    EXPECT_EQ(::SendMessageA(h, CB_GETEDITSEL, 0, 0), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, 1)), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(::SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"other"), CB_ERR);
    EXPECT_EQ(Text(h), "Banana");
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(::SendMessageA(h, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), 2);
}

TEST_F(ComboBoxTest, DropDownFocusesItsEditAndSelectStringFillsIt) {
    HWND h = Make(CBS_DROPDOWN);
    ::SetFocus(h);
    HWND edit = ::GetFocus();
    ASSERT_NE(edit, h);
    EXPECT_EQ(::GetParent(edit), h);
    EXPECT_EQ(::SendMessageA(h, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)"apr"), 1);
    EXPECT_EQ(Text(h), "Apricot");
    EXPECT_EQ(::SendMessageA(h, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)"zz"), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), 1);
    Host().ClearRecords();
    ::SetWindowTextA(h, "free text");
    EXPECT_EQ(Text(h), "free text");
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), 1);  // the list is left alone
    EXPECT_TRUE(Commands().empty());                       // no CBN_EDITUPDATE/CBN_EDITCHANGE
    ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(2, 5));
    DWORD a = 0, b = 0;
    LRESULT packed = ::SendMessageA(h, CB_GETEDITSEL, (WPARAM)&a, (LPARAM)&b);
    EXPECT_EQ(LOWORD(packed), 2);
    EXPECT_EQ(HIWORD(packed), 5);
    EXPECT_EQ(a, 2u);
    EXPECT_EQ(b, 5u);
    ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(4, -1));  // to the end
    packed = ::SendMessageA(h, CB_GETEDITSEL, 0, 0);
    EXPECT_EQ(LOWORD(packed), 4);
    EXPECT_EQ(HIWORD(packed), 9);
}

TEST_F(ComboBoxTest, TypingIntoTheEditNotifiesUpdateThenChange) {
    HWND h = Make(CBS_DROPDOWN);
    ::SetFocus(h);
    Pump();
    Host().ClearRecords();
    TypeText("x");
    EXPECT_SEQUENCE((std::vector<std::string>{Line(h, CBN_EDITUPDATE), Line(h, CBN_EDITCHANGE)}), Commands());
    EXPECT_EQ(Text(h), "x");
}

TEST_F(ComboBoxTest, KeysOpenMoveChooseAndCancelInTheList) {
    HWND h = Make(CBS_DROPDOWN);
    ::SetFocus(h);
    ::SendMessageA(h, CB_SETCURSEL, 0, 0);
    Pump();
    Host().ClearRecords();
    KeyPress(VK_F4);
    EXPECT_TRUE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    KeyPress(VK_DOWN);
    EXPECT_EQ(Text(h), "Apricot");
    KeyPress(VK_RETURN);
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_SEQUENCE((std::vector<std::string>{Line(h, CBN_DROPDOWN), Line(h, CBN_SELCHANGE), Line(h, CBN_SELENDOK),
                                              Line(h, CBN_CLOSEUP)}),
                    Commands());
    Host().ClearRecords();
    ::SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
    KeyPress(VK_ESCAPE);
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_SEQUENCE((std::vector<std::string>{Line(h, CBN_DROPDOWN), Line(h, CBN_SELENDCANCEL), Line(h, CBN_CLOSEUP)}),
                    Commands());
}

TEST_F(ComboBoxTest, TheWindowKeepsItsFieldHeightAndDropsToItsCreationHeight) {
    HWND h = Make(CBS_DROPDOWNLIST);
    RECT wr;
    ::GetWindowRect(h, &wr);
    EXPECT_LT(wr.bottom - wr.top, 40);
    RECT dropped;
    ASSERT_TRUE(::SendMessageA(h, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    EXPECT_EQ(::SendMessageA(h, CB_SETITEMHEIGHT, (WPARAM)-1, 13), 0);
    EXPECT_EQ(::SendMessageA(h, CB_GETITEMHEIGHT, (WPARAM)-1, 0), 13);
    ::GetWindowRect(h, &wr);
    EXPECT_EQ(wr.bottom - wr.top, 13 + 6);
    EXPECT_EQ(::SendMessageA(h, CB_SETITEMHEIGHT, 0, 15), 0);
    EXPECT_EQ(::SendMessageA(h, CB_GETITEMHEIGHT, 0, 0), 15);
    // A move to a taller rectangle keeps the field height and takes the new dropped height.
    ::SetWindowPos(h, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    ::GetWindowRect(h, &wr);
    EXPECT_EQ(wr.bottom - wr.top, 19);
    ::SendMessageA(h, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
}

// The list stays on the screen: below the box when it fits, else on the
// side with more room, cut to whole items that fit there.
TEST_F(ComboBoxTest, AListWithoutRoomBelowOpensAboveOrShrinksToTheRoomThereIs) {
    HWND h = Make(CBS_DROPDOWNLIST);
    for (const char* s : {"Damson", "Elder", "Fig", "Grape", "Guava", "Kiwi", "Lemon", "Lime", "Mango", "Melon"})
        ::SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)s);
    RECT work;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const int itemH = (int)::SendMessageA(h, CB_GETITEMHEIGHT, 0, 0);
    auto openAt = [&](int boxTop) {
        RECT host;
        ::GetWindowRect(HostHwnd(), &host);
        RECT box;
        ::GetWindowRect(h, &box);
        // Moves the host so that the box's top is at boxTop on the screen.
        ::SetWindowPos(HostHwnd(), nullptr, host.left, host.top + boxTop - box.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
        RECT list{};
        HWND l = OpenList(h);
        EXPECT_NE(l, nullptr);
        if (l) ::GetWindowRect(l, &list);
        ::SendMessageA(h, CB_SHOWDROPDOWN, FALSE, 0);
        ::GetWindowRect(h, &box);
        return std::make_pair(box, list);
    };
    // Room below: the list hangs from the box, at its dropped height.
    auto [box, list] = openAt(work.top + 10);
    EXPECT_EQ(list.top, box.bottom);
    EXPECT_EQ(list.bottom - list.top, 200 - (box.bottom - box.top) - (200 - (box.bottom - box.top) - 2) % itemH);
    const int full = list.bottom - list.top;
    // Near the bottom edge: the list opens above the box, as tall as before.
    std::tie(box, list) = openAt(work.bottom - 40);
    EXPECT_EQ(list.bottom, box.top);
    EXPECT_EQ(list.bottom - list.top, full);
    EXPECT_GE(list.top, work.top);
    // A work area too short for the list on either side: the list takes
    // the larger side's room, in whole items, and stays inside.
    for (int i = 0; i < 100; ++i)
        ::SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)("Zucchini " + std::to_string(i)).c_str());
    const int mid = work.top + (work.bottom - work.top) / 2;
    ::SetWindowPos(h, nullptr, 0, 0, 200, (work.bottom - work.top) * 2, SWP_NOMOVE | SWP_NOZORDER);
    std::tie(box, list) = openAt(mid + 30);
    EXPECT_EQ(list.bottom, box.top);
    EXPECT_GE(list.top, work.top);
    EXPECT_LT(list.top - work.top, itemH);
    EXPECT_EQ((list.bottom - list.top - 2) % itemH, 0);
}

TEST_F(ComboBoxTest, TheMouseOpensTheListAndAClickOnAnItemChoosesIt) {
    HWND h = Make(CBS_DROPDOWNLIST);
    RECT wr;
    ::GetWindowRect(h, &wr);
    Click(wr.right - 8, (wr.top + wr.bottom) / 2);
    ASSERT_TRUE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    HWND list = OpenList(h);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(::IsWindowVisible(list));
    RECT lr;
    ::GetWindowRect(list, &lr);
    EXPECT_EQ(lr.top, wr.bottom);
    int itemH = (int)::SendMessageA(h, CB_GETITEMHEIGHT, 0, 0);
    Host().ClearRecords();
    Click(lr.left + 10, lr.top + 1 + 2 * itemH + itemH / 2);  // "Banana"
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(::IsWindowVisible(list));
    EXPECT_EQ(Text(h), "Banana");
    std::vector<std::string> lines = Commands();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], Line(h, CBN_SELENDOK));
    EXPECT_EQ(lines.back(), Line(h, CBN_CLOSEUP));

    // A press outside the open list cancels it.
    ::SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
    Host().ClearRecords();
    Click(600, 400);
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_SEQUENCE((std::vector<std::string>{Line(h, CBN_SELENDCANCEL), Line(h, CBN_CLOSEUP)}), Commands());
    EXPECT_EQ(Text(h), "Banana");
}

// The host's view of each notification the combo box sends: its code with
// the selection and the text the combo box reports while it is sent.
class ComboStateTest : public ComboBoxTest {
protected:
    void SetUp() override {
        ComboBoxTest::SetUp();
        s_self = this;
        m_old = (WNDPROC)::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)Proc);
    }
    void TearDown() override {
        ::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)m_old);
        ComboBoxTest::TearDown();
    }
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_COMMAND && LOWORD(w) == kId) s_self->m_seen.push_back(State(HIWORD(w), (HWND)l));
        return ::CallWindowProcA(s_self->m_old, h, m, w, l);
    }
    static std::string State(UINT code, HWND combo) {
        static const char* const names[] = {"?",         "SELCHANGE", "DBLCLK",  "SETFOCUS", "KILLFOCUS",   "EDITCHANGE",
                                            "EDITUPDATE", "DROPDOWN", "CLOSEUP", "SELENDOK", "SELENDCANCEL"};
        std::string line = code <= 10 ? names[code] : std::to_string(code);
        return line + " cursel=" + std::to_string((int)::SendMessageA(combo, CB_GETCURSEL, 0, 0)) + " text=" +
               Text(combo);
    }
    // What a user action made the combo box say, from a clean record.
    template <class F>
    std::vector<std::string> During(F action) {
        m_seen.clear();
        action();
        return m_seen;
    }
    HWND MakeFocused(DWORD kind, int sel) {
        HWND h = Make(kind);
        ::SendMessageA(h, CB_SETCURSEL, (WPARAM)sel, 0);
        ::SetFocus(h);
        Pump();
        return h;
    }
    POINT ListItemPoint(HWND combo, int item) {
        HWND list = OpenList(combo);
        EXPECT_NE(list, nullptr);
        RECT lr{};
        ::GetClientRect(list, &lr);
        int itemH = (int)::SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
        POINT pt{10, item * itemH + itemH / 2};
        ::ClientToScreen(list, &pt);
        return pt;
    }
    POINT DropButtonPoint(HWND combo) {
        RECT wr{};
        ::GetWindowRect(combo, &wr);
        return POINT{wr.right - 8, (wr.top + wr.bottom) / 2};
    }

    static inline ComboStateTest* s_self = nullptr;
    WNDPROC m_old = nullptr;
    std::vector<std::string> m_seen;
};

using Seq = std::vector<std::string>;

TEST_F(ComboStateTest, KeysAndTheWheelInAClosedDropDownListChooseAtOnce) {
    HWND h = MakeFocused(CBS_DROPDOWNLIST, 0);
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=3 text=Cherry", "SELENDOK cursel=3 text=Cherry"}),
                    During([] { TypeText("c"); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=2 text=Banana", "SELENDOK cursel=2 text=Banana"}),
                    During([] { KeyPress(VK_UP); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=0 text=Apple", "SELENDOK cursel=0 text=Apple"}),
                    During([] { KeyPress(VK_HOME); }));
    EXPECT_SEQUENCE((Seq{}), During([] { KeyPress(VK_UP); }));  // already the first: no change, no choice
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=3 text=Cherry", "SELENDOK cursel=3 text=Cherry"}),
                    During([] { KeyPress(VK_END); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=2 text=Banana", "SELENDOK cursel=2 text=Banana"}),
                    During([] { KeyPress(VK_PRIOR); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=3 text=Cherry", "SELENDOK cursel=3 text=Cherry"}),
                    During([] { KeyPress(VK_NEXT); }));
    // One notch towards the user is one item down, away from the user one up.
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=2 text=Banana", "SELENDOK cursel=2 text=Banana"}),
                    During([] { mouse_event(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA, 0); Pump(); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=3 text=Cherry", "SELENDOK cursel=3 text=Cherry"}),
                    During([] { mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)-WHEEL_DELTA, 0); Pump(); }));
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboStateTest, UpAndDownInAClosedDropDownChooseAtOnceButAnOpenListWaitsForTheChoice) {
    HWND h = MakeFocused(CBS_DROPDOWN, 1);
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=2 text=Banana", "SELENDOK cursel=2 text=Banana"}),
                    During([] { KeyPress(VK_DOWN); }));
    EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=1 text=Apricot", "SELENDOK cursel=1 text=Apricot"}),
                    During([] { KeyPress(VK_UP); }));
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=1 text=Apricot", "SELCHANGE cursel=2 text=Banana",
                         "SELENDOK cursel=2 text=Banana", "CLOSEUP cursel=2 text=Banana"}),
                    During([] {
                        KeyPress(VK_F4);
                        KeyPress(VK_DOWN);
                        KeyPress(VK_RETURN);
                    }));
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboStateTest, TheListFollowsTheTypedTextAndDownMovesFromThere) {
    HWND h = Make(CBS_DROPDOWN);
    ::SendMessageA(h, CB_RESETCONTENT, 0, 0);
    for (const char* s : {"Apple", "Apricot"}) ::SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)s);
    ::SetFocus(h);
    ASSERT_EQ(::SendMessageA(h, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)"Apricot"), 1);
    ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    Pump();
    // Each typed character moves the selection to the first item the text
    // begins with, or to none, without a selection change.
    EXPECT_SEQUENCE((Seq{"EDITUPDATE cursel=1 text=A", "EDITCHANGE cursel=0 text=A",
                         "EDITUPDATE cursel=0 text=Ap", "EDITCHANGE cursel=0 text=Ap",
                         "EDITUPDATE cursel=0 text=Apr", "EDITCHANGE cursel=1 text=Apr",
                         "EDITUPDATE cursel=1 text=AprA", "EDITCHANGE cursel=-1 text=AprA"}),
                    During([] { TypeText("AprA"); }));
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=-1 text=AprA", "SELCHANGE cursel=0 text=Apple"}), During([] {
                        KeyPress(VK_F4);
                        KeyPress(VK_DOWN);
                    }));
    EXPECT_SEQUENCE((Seq{"SELENDOK cursel=0 text=Apple", "CLOSEUP cursel=0 text=Apple"}),
                    During([] { KeyPress(VK_RETURN); }));
    // Emptied, the field matches no item.
    EXPECT_SEQUENCE((Seq{"EDITUPDATE cursel=0 text=", "EDITCHANGE cursel=-1 text="}), During([] {
                        KeyPress(VK_HOME);
                        keybd_event(VK_SHIFT, 0, 0, 0);
                        KeyPress(VK_END);
                        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
                        KeyPress(VK_DELETE);
                    }));
}

TEST_F(ComboStateTest, EscapeClosesAListOpenedByMessageAndTheEditKeepsTheFocus) {
    HWND h = MakeFocused(CBS_DROPDOWN, 1);
    HWND edit = ::GetFocus();
    ASSERT_EQ(::GetParent(edit), h);
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=1 text=Apricot", "SELENDCANCEL cursel=1 text=Apricot",
                         "CLOSEUP cursel=1 text=Apricot"}),
                    During([&] {
                        ::SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
                        Pump();
                        KeyPress(VK_ESCAPE);
                    }));
    EXPECT_EQ(::GetFocus(), edit);
    EXPECT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    // Text typed while the list is open is no choice of the list's: a cancel keeps it.
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=1 text=Apricot", "EDITUPDATE cursel=1 text=C", "EDITCHANGE cursel=3 text=C",
                         "SELENDCANCEL cursel=3 text=C", "CLOSEUP cursel=3 text=C"}),
                    During([&] {
                        ::SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
                        ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
                        TypeText("C");
                        KeyPress(VK_ESCAPE);
                    }));
}

TEST_F(ComboStateTest, HoveringMovesOnlyTheHighlightAndACancelPutsEverythingBack) {
    for (DWORD kind : {(DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(kind);
        HWND h = MakeFocused(kind, 1);
        if (kind == CBS_DROPDOWN) ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(2, 4));
        Click(DropButtonPoint(h).x, DropButtonPoint(h).y);
        ASSERT_TRUE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
        // The pointer over "Cherry" highlights it; the field keeps its text.
        EXPECT_SEQUENCE((Seq{}), During([&] {
                            POINT pt = ListItemPoint(h, 3);
                            MoveMouse(pt.x, pt.y);
                        }));
        EXPECT_EQ(Text(h), "Apricot");
        // A key moves from the highlight, and the field follows the key.
        EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=2 text=Banana"}), During([] { KeyPress(VK_UP); }));
        // A press outside the list cancels: the selection and the text go back.
        EXPECT_SEQUENCE((Seq{"SELENDCANCEL cursel=1 text=Apricot", "CLOSEUP cursel=1 text=Apricot"}),
                        During([] { Click(600, 400); }));
        EXPECT_EQ(Text(h), "Apricot");
        if (kind == CBS_DROPDOWN) {
            LRESULT sel = ::SendMessageA(h, CB_GETEDITSEL, 0, 0);
            EXPECT_EQ(LOWORD(sel), 2);
            EXPECT_EQ(HIWORD(sel), 4);
        }
        // Hovering, then a click on the highlighted item chooses it.
        Click(DropButtonPoint(h).x, DropButtonPoint(h).y);
        POINT pt = ListItemPoint(h, 3);
        MoveMouse(pt.x, pt.y);
        EXPECT_SEQUENCE((Seq{"SELCHANGE cursel=3 text=Cherry", "SELENDOK cursel=3 text=Cherry",
                             "CLOSEUP cursel=3 text=Cherry"}),
                        During([&] { Click(pt.x, pt.y); }));
        ::DestroyWindow(h);
    }
}

TEST_F(ComboStateTest, ThePressThatOpensTheListEndsInTheComboBox) {
    HWND h = MakeFocused(CBS_DROPDOWNLIST, 0);
    m_recorder.Attach(h, "combo");
    m_recorder.Name(ListOf(h), "list");
    const std::vector<UINT> mouse{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED};
    RECT rc{};
    ::GetClientRect(h, &rc);
    POINT btn{rc.right - 8, rc.bottom / 2};
    auto at = [](POINT p) { return " " + std::to_string(p.x) + "," + std::to_string(p.y); };
    POINT screenBtn = btn;
    ::ClientToScreen(h, &screenBtn);

    // Pressed and released on the button: the list stays open and takes the capture.
    MoveMouse(screenBtn.x, screenBtn.y);
    m_recorder.Clear();
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=0 text=Apple"}), During([&] { Click(screenBtn.x, screenBtn.y); }));
    ASSERT_TRUE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(::GetCapture(), ListOf(h));
    EXPECT_SEQUENCE((Seq{"combo WM_LBUTTONDOWN" + at(btn), "combo WM_LBUTTONUP" + at(btn),
                         "combo WM_CAPTURECHANGED list"}),
                    m_recorder.LinesFor(mouse));
    Click(600, 400);  // cancelled
    ASSERT_FALSE(::SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));

    // Pressed on the button, dragged over the list, released on an item: chosen.
    m_recorder.Clear();
    POINT over{};
    EXPECT_SEQUENCE((Seq{"DROPDOWN cursel=0 text=Apple", "SELCHANGE cursel=2 text=Banana",
                         "SELENDOK cursel=2 text=Banana", "CLOSEUP cursel=2 text=Banana"}),
                    During([&] {
                        MoveMouse(screenBtn.x, screenBtn.y);
                        Press();
                        over = ListItemPoint(h, 2);
                        MoveMouse(over.x, over.y);
                        Release();
                    }));
    EXPECT_EQ(::GetCapture(), nullptr);
    ::ScreenToClient(h, &over);
    EXPECT_SEQUENCE((Seq{"combo WM_LBUTTONDOWN" + at(btn), "combo WM_LBUTTONUP" + at(over),
                         "combo WM_CAPTURECHANGED " + m_recorder.NameOf(nullptr)}),
                    m_recorder.LinesFor(mouse));
}

TEST_F(ComboBoxTest, BadIndicesAnswerCbErr) {
    HWND h = Make(CBS_DROPDOWN);
    char buf[16];
    EXPECT_EQ(::SendMessageA(h, CB_GETLBTEXT, 9, (LPARAM)buf), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_GETLBTEXTLEN, (WPARAM)-3, 0), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_DELETESTRING, 9, 0), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(::SendMessageA(h, CB_SETITEMHEIGHT, 0, 300), CB_ERR);
    EXPECT_EQ(::SendMessageA(h, CB_GETDROPPEDCONTROLRECT, 0, 0), CB_ERR);
}

}  // namespace
