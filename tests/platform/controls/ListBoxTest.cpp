// The list box as its parent sees it: return values of the string messages,
// sorting, tab stops, the horizontal extent, owner drawing with its actions
// and states, and selection by mouse and keys.
#include <cstdio>
#include <string>
#include <vector>

#include "VorTestHost.h"

namespace {

constexpr UINT kId = 11;

struct DrawRecord {
    int item;
    UINT action;
    UINT state;
    RECT rc;
};

class ListBoxTest : public vor::test::VorHostTest {
protected:
    HWND Make(DWORD style, RECT rc = RECT{10, 10, 210, 110}) {
        HWND h = CreateChild("ListBox", WS_VISIBLE | WS_BORDER | style, rc, kId);
        EXPECT_NE(h, nullptr);
        return h;
    }
    static LRESULT Add(HWND h, const char* s) { return ::SendMessageA(h, LB_ADDSTRING, 0, (LPARAM)s); }
    static std::string TextOf(HWND h, int i) {
        char buf[256] = {0};
        ::SendMessageA(h, LB_GETTEXT, (WPARAM)i, (LPARAM)buf);
        return buf;
    }
};

TEST_F(ListBoxTest, StringMessagesAnswerAsDocumented) {
    HWND h = Make(LBS_NOTIFY);
    EXPECT_EQ(Add(h, "b"), 0);
    EXPECT_EQ(Add(h, "a"), 1);  // unsorted: appended
    EXPECT_EQ(::SendMessageA(h, LB_INSERTSTRING, 5, (LPARAM)"x"), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_INSERTSTRING, (WPARAM)-1, (LPARAM)"z"), 2);
    EXPECT_EQ(::SendMessageA(h, LB_INSERTSTRING, 0, (LPARAM)"first"), 0);
    EXPECT_EQ(::SendMessageA(h, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(TextOf(h, 0), "first");
    EXPECT_EQ(::SendMessageA(h, LB_GETTEXTLEN, 0, 0), 5);
    EXPECT_EQ(::SendMessageA(h, LB_DELETESTRING, 9, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(::SendMessageA(h, LB_GETTEXTLEN, 7, 0), LB_ERR);
    char buf[8];
    EXPECT_EQ(::SendMessageA(h, LB_GETTEXT, 7, (LPARAM)buf), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_SETITEMDATA, 1, 0x1234), 0);
    EXPECT_EQ(::SendMessageA(h, LB_GETITEMDATA, 1, 0), 0x1234);
    EXPECT_EQ(::SendMessageA(h, LB_GETITEMDATA, 9, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_FINDSTRING, (WPARAM)-1, (LPARAM)"A"), 1);  // case-insensitive prefix
    EXPECT_EQ(::SendMessageA(h, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)"Z"), 2);
    EXPECT_EQ(::SendMessageA(h, LB_FINDSTRING, (WPARAM)-1, (LPARAM)"q"), LB_ERR);
    EXPECT_EQ(Add(h, nullptr), LB_ERR);  // a string list box refuses a null string
    EXPECT_EQ(::SendMessageA(h, LB_GETCOUNT, 0, 0), 3);
}

TEST_F(ListBoxTest, SortedAddAnswersTheSortedPosition) {
    HWND h = Make(LBS_SORT);
    EXPECT_EQ(Add(h, "pear"), 0);
    EXPECT_EQ(Add(h, "Apple"), 0);
    EXPECT_EQ(Add(h, "fig"), 1);
    EXPECT_EQ(Add(h, "zucchini"), 3);
    // LB_INSERTSTRING never sorts.
    EXPECT_EQ(::SendMessageA(h, LB_INSERTSTRING, 0, (LPARAM)"zzz"), 0);
    EXPECT_EQ(TextOf(h, 0), "zzz");
    EXPECT_EQ(TextOf(h, 1), "Apple");
}

TEST_F(ListBoxTest, TabStopsNeedTheStyle) {
    HWND plain = Make(0);
    int stops[] = {32};
    EXPECT_EQ(::SendMessageA(plain, LB_SETTABSTOPS, 1, (LPARAM)stops), FALSE);
    HWND tabbed = Make(LBS_USETABSTOPS, RECT{10, 120, 210, 220});
    EXPECT_EQ(::SendMessageA(tabbed, LB_SETTABSTOPS, 1, (LPARAM)stops), TRUE);
    EXPECT_EQ(::SendMessageA(tabbed, LB_SETTABSTOPS, 0, 0), TRUE);
    EXPECT_EQ(::SendMessageA(tabbed, LB_SETTABSTOPS, 2, 0), FALSE);  // a count without an array
}

TEST_F(ListBoxTest, HorizontalExtentShowsTheScrollBarWhenWiderThanTheClient) {
    HWND h = Make(WS_HSCROLL);
    RECT before;
    ::GetClientRect(h, &before);
    Add(h, "item");
    ::SendMessageA(h, LB_SETHORIZONTALEXTENT, 600, 0);
    EXPECT_EQ(::SendMessageA(h, LB_GETHORIZONTALEXTENT, 0, 0), 600);
    RECT after;
    ::GetClientRect(h, &after);
    EXPECT_LT(after.bottom, before.bottom);  // the scroll bar took client space
    SCROLLINFO si{sizeof si, SIF_ALL};
    ASSERT_TRUE(::GetScrollInfo(h, SB_HORZ, &si));
    EXPECT_EQ(si.nMax, 599);
    EXPECT_EQ((LONG)si.nPage, after.right - after.left);
    ::SendMessageA(h, LB_SETHORIZONTALEXTENT, 50, 0);
    ::GetClientRect(h, &after);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(ListBoxTest, ClickSelectsAndNotifiesAfterTheRelease) {
    HWND h = Make(LBS_NOTIFY);
    for (const char* s : {"zero", "one", "two"}) Add(h, s);
    int itemH = (int)::SendMessageA(h, LB_GETITEMHEIGHT, 0, 0);
    POINT pt{20, itemH + itemH / 2};
    ::ClientToScreen(h, &pt);
    Host().ClearRecords();
    MoveMouse(pt.x, pt.y);
    Press();
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Host().MessageLines(WM_COMMAND).size(), 1u);  // LBN_SETFOCUS only
    Release();
    EXPECT_SEQUENCE((std::vector<std::string>{vor::test::CommandLine(h, LBN_SETFOCUS, kId),
                                              vor::test::CommandLine(h, LBN_SELCHANGE, kId)}),
                    Host().MessageLines(WM_COMMAND));
    EXPECT_EQ(::GetFocus(), h);
    Host().ClearRecords();
    KeyPress(VK_DOWN);
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), 2);
    KeyPress(VK_DOWN);  // the last item: nothing changes, nothing is said
    KeyPress(VK_HOME);
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), 0);
    EXPECT_SEQUENCE((std::vector<std::string>{vor::test::CommandLine(h, LBN_SELCHANGE, kId),
                                              vor::test::CommandLine(h, LBN_SELCHANGE, kId)}),
                    Host().MessageLines(WM_COMMAND));
}

TEST_F(ListBoxTest, SelectionMessagesAnswerAsDocumented) {
    HWND h = Make(0);
    for (const char* s : {"a", "b"}) Add(h, s);
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_SETCURSEL, 1, 0), 1);
    EXPECT_GT(::SendMessageA(h, LB_GETSEL, 1, 0), 0);
    EXPECT_EQ(::SendMessageA(h, LB_SETCURSEL, 5, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), 1);  // unchanged by the bad index
    EXPECT_EQ(::SendMessageA(h, LB_SETCURSEL, (WPARAM)-1, 0), LB_ERR);  // deselects, answers LB_ERR
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(h, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)"B"), 1);
    EXPECT_EQ(::SendMessageA(h, LB_SETSEL, TRUE, 0), LB_ERR);  // single selection
    ::SendMessageA(h, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(::SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);  // the selected item went
}

// The parent of an owner-drawn list box: one WM_MEASUREITEM at creation,
// WM_DRAWITEM with the action and state of each change.
class OwnerDrawParent : public vor::test::VorHostTest {
protected:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_MEASUREITEM) {
            auto* mis = (MEASUREITEMSTRUCT*)l;
            s_self->m_measured.push_back(*mis);
            mis->itemHeight = 18;
            return TRUE;
        }
        if (m == WM_DRAWITEM) {
            auto* dis = (DRAWITEMSTRUCT*)l;
            s_self->m_draws.push_back({(int)dis->itemID, dis->itemAction, dis->itemState, dis->rcItem});
            s_self->m_lines.push_back(DrawLine((int)dis->itemID, dis->itemAction, dis->itemState));
            return TRUE;
        }
        if (m == WM_COMMAND && LOWORD(w) == kId)
            s_self->m_lines.push_back("WM_COMMAND code=" + std::to_string(HIWORD(w)));
        return ::CallWindowProcA(s_self->m_old, h, m, w, l);
    }
    void SetUp() override {
        VorHostTest::SetUp();
        s_self = this;
        m_old = (WNDPROC)::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)Proc);
        m_list = CreateChild("ListBox", WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                             RECT{10, 10, 210, 110}, kId);
        ASSERT_NE(m_list, nullptr);
    }
    void TearDown() override {
        ::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)m_old);
        VorHostTest::TearDown();
    }
    static inline OwnerDrawParent* s_self = nullptr;
    WNDPROC m_old = nullptr;
    HWND m_list = nullptr;
    std::vector<MEASUREITEMSTRUCT> m_measured;
    std::vector<DrawRecord> m_draws;
    std::vector<std::string> m_lines;  // WM_DRAWITEM and WM_COMMAND as they came
    static std::string DrawLine(int item, UINT action, UINT state) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "WM_DRAWITEM item=%d action=0x%X state=0x%X", item, action, state);
        return buf;
    }
};

TEST_F(OwnerDrawParent, MeasuresOnceAndDrawsEachChangeWithItsAction) {
    ASSERT_EQ(m_measured.size(), 1u);
    EXPECT_EQ(m_measured[0].CtlType, (UINT)ODT_LISTBOX);
    EXPECT_EQ(m_measured[0].CtlID, kId);
    EXPECT_EQ(::SendMessageA(m_list, LB_GETITEMHEIGHT, 0, 0), 18);
    for (const char* s : {"a", "b", "c"}) ::SendMessageA(m_list, LB_ADDSTRING, 0, (LPARAM)s);
    m_draws.clear();
    ::UpdateWindow(m_list);
    ASSERT_EQ(m_draws.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_draws[(size_t)i].item, i);
        EXPECT_EQ(m_draws[(size_t)i].action, (UINT)ODA_DRAWENTIRE);
        EXPECT_EQ(m_draws[(size_t)i].rc.top, i * 18);
    }
    m_draws.clear();
    ::SendMessageA(m_list, LB_SETCURSEL, 1, 0);
    ASSERT_FALSE(m_draws.empty());
    EXPECT_EQ(m_draws.back().item, 1);
    EXPECT_EQ(m_draws.back().action, (UINT)ODA_SELECT);
    EXPECT_TRUE(m_draws.back().state & ODS_SELECTED);

    m_draws.clear();
    ::SetFocus(m_list);
    ASSERT_EQ(m_draws.size(), 1u);
    EXPECT_EQ(m_draws[0].item, 1);  // the caret item
    EXPECT_EQ(m_draws[0].action, (UINT)ODA_FOCUS);
    EXPECT_TRUE(m_draws[0].state & ODS_FOCUS);

    // A click on another item: the focus moves, the selection leaves the old
    // item and reaches the new one.
    m_draws.clear();
    POINT pt{20, 2 * 18 + 5};
    ::ClientToScreen(m_list, &pt);
    Click(pt.x, pt.y);
    std::vector<std::pair<int, UINT>> seen;
    for (const auto& d : m_draws) seen.push_back({d.item, d.action});
    std::vector<std::pair<int, UINT>> expected{
        {1, ODA_FOCUS}, {1, ODA_SELECT}, {2, ODA_SELECT}, {2, ODA_FOCUS}};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(m_draws[1].state & ODS_SELECTED);
    EXPECT_TRUE(m_draws[2].state & ODS_SELECTED);
}

TEST_F(OwnerDrawParent, AClickTakesTheFocusOffTheOldItemBeforeTheSelectionMoves) {
    for (const char* s : {"a", "b", "c"}) ::SendMessageA(m_list, LB_ADDSTRING, 0, (LPARAM)s);
    ::SendMessageA(m_list, LB_SETCURSEL, 1, 0);
    ::SetFocus(m_list);
    ::UpdateWindow(m_list);
    m_lines.clear();
    POINT pt{20, 5};  // item 0
    ::ClientToScreen(m_list, &pt);
    Click(pt.x, pt.y);
    EXPECT_SEQUENCE((std::vector<std::string>{DrawLine(1, ODA_FOCUS, ODS_SELECTED), DrawLine(1, ODA_SELECT, 0),
                                              DrawLine(0, ODA_SELECT, ODS_SELECTED),
                                              DrawLine(0, ODA_FOCUS, ODS_SELECTED | ODS_FOCUS),
                                              "WM_COMMAND code=" + std::to_string(LBN_SELCHANGE)}),
                    m_lines);
    // Selected by the program while focused, the focus item is drawn with both states.
    m_lines.clear();
    ::SendMessageA(m_list, LB_SETCURSEL, 0, 0);
    ::SendMessageA(m_list, LB_SETCARETINDEX, 2, 0);
    ::SendMessageA(m_list, LB_SETCURSEL, 2, 0);
    EXPECT_SEQUENCE((std::vector<std::string>{DrawLine(0, ODA_FOCUS, ODS_SELECTED), DrawLine(2, ODA_FOCUS, ODS_FOCUS),
                                              DrawLine(0, ODA_SELECT, 0),
                                              DrawLine(2, ODA_SELECT, ODS_SELECTED | ODS_FOCUS)}),
                    m_lines);
}

TEST_F(OwnerDrawParent, EmptyListWithFocusDrawsOnlyItsFocusAndDisabledItemsSayIt) {
    m_draws.clear();
    ::SetFocus(m_list);
    ASSERT_EQ(m_draws.size(), 1u);
    EXPECT_EQ(m_draws[0].item, -1);
    EXPECT_EQ(m_draws[0].action, (UINT)ODA_FOCUS);
    ::SendMessageA(m_list, LB_ADDSTRING, 0, (LPARAM)"x");
    ::EnableWindow(m_list, FALSE);
    m_draws.clear();
    ::UpdateWindow(m_list);
    ASSERT_EQ(m_draws.size(), 1u);
    EXPECT_TRUE(m_draws[0].state & ODS_DISABLED);
}

}  // namespace
