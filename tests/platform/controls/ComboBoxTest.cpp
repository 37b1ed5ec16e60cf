// The combo box as its parent and a user see it: the two kinds' answers to
// text and edit-selection messages, typing into the edit field, the
// drop-down list opened and closed by keys and by the mouse.
#include <string>
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
