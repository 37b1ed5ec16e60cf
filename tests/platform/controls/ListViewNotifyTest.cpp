// The list view's notification sequences, compared whole.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"
#include "VorTestHost.h"

using namespace lvtest;

namespace {

struct ListFixture : ::testing::Test {
    HWND parent = nullptr;
    HWND lv = nullptr;
    void Make(DWORD style, int items = 5) {
        parent = MakeParent();
        lv = MakeList(parent, LVS_REPORT | style);
        ASSERT_NE(lv, nullptr);
        AddColumns(lv, {80, 80});
        AddItems(lv, items);
        Rec().Clear();
    }
};

}  // namespace

TEST_F(ListFixture, SelectAndFocusThenTheSameCallAgain) {
    Make(0);
    EXPECT_TRUE(SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_SEQUENCE((std::vector<std::string>{"CHANGING(1, 0x0->0x3, changed 0x8)", "CHANGED(1, 0x0->0x3, changed 0x8)"}),
                    Rec().lines);
    EXPECT_EQ(GetState(lv, 1), UINT(LVIS_SELECTED | LVIS_FOCUSED));

    Rec().Clear();
    EXPECT_TRUE(SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_SEQUENCE((std::vector<std::string>{"CHANGING(1, 0x3->0x3, changed 0x8)"}), Rec().lines);
}

TEST_F(ListFixture, SingleSelectionReplacesTheSelectedItem) {
    Make(LVS_SINGLESEL);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "CHANGING(2, 0x0->0x3, changed 0x8)",
                        "CHANGING(1, 0x3->0x1, changed 0x8)",
                        "CHANGED(1, 0x3->0x1, changed 0x8)",
                        "CHANGING(1, 0x1->0x0, changed 0x8)",
                        "CHANGED(1, 0x1->0x0, changed 0x8)",
                        "CHANGED(2, 0x0->0x3, changed 0x8)",
                    }),
                    Rec().lines);
    EXPECT_EQ(GetState(lv, 1), 0u);
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

TEST_F(ListFixture, NewStateIsSetOnlyJustBeforeItsChanged) {
    Make(LVS_SINGLESEL);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    // While item 1 is being cleared, item 2 must not look selected yet.
    std::vector<UINT> seen;
    Rec().onNotify = [&](NMHDR* nm) {
        auto* n = reinterpret_cast<NMLISTVIEW*>(nm);
        if (nm->code == LVN_ITEMCHANGED && n->iItem == 1) seen.push_back(GetState(lv, 2));
    };
    SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(seen, (std::vector<UINT>{0u, 0u}));
}

TEST_F(ListFixture, MultipleSelectionOnlyMovesTheFocus) {
    Make(0);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    SetState(lv, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "CHANGING(3, 0x0->0x3, changed 0x8)",
                        "CHANGING(1, 0x3->0x2, changed 0x8)",
                        "CHANGED(1, 0x3->0x2, changed 0x8)",
                        "CHANGED(3, 0x0->0x3, changed 0x8)",
                    }),
                    Rec().lines);
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 3);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, 1, LVNI_SELECTED), 3);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, 3, LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, 3, LVNI_SELECTED | LVNI_ABOVE), 1);
}

TEST_F(ListFixture, SetItemParamAndTextNotifyWithStatesZero) {
    struct Case {
        UINT mask;
        const char* changedLine;
    } cases[] = {
        {LVIF_PARAM, "CHANGED(2, 0x0->0x0, changed 0x4)"},
        {LVIF_TEXT, "CHANGED(2, 0x0->0x0, changed 0x1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        Make(0);
        SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Rec().Clear();
        LVITEMA it{};
        it.mask = c.mask;
        it.iItem = 2;
        it.lParam = 77;
        it.pszText = const_cast<char*>("changed");
        EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
        std::string changing = std::string("CHANGING(2, 0x0->0x0, changed ") + Hex(c.mask) + ")";
        EXPECT_SEQUENCE((std::vector<std::string>{changing, c.changedLine}), Rec().lines);

        // The same value again: asked, but nothing changes.
        Rec().Clear();
        EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
        EXPECT_SEQUENCE((std::vector<std::string>{changing}), Rec().lines);
        EXPECT_EQ(GetState(lv, 2), UINT(LVIS_SELECTED | LVIS_FOCUSED));
    }
}

TEST_F(ListFixture, ChangingAnsweredTruePreventsTheChange) {
    Make(0);
    Rec().refuseChangingItem = 1;
    EXPECT_FALSE(SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(GetState(lv, 1), 0u);
    EXPECT_SEQUENCE((std::vector<std::string>{"CHANGING(1, 0x0->0x3, changed 0x8)"}), Rec().lines);

    LVITEMA it{};
    it.mask = LVIF_PARAM;
    it.iItem = 1;
    it.lParam = 5;
    EXPECT_FALSE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
    it.lParam = 0;
    SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    EXPECT_EQ(it.lParam, 1001);
}

TEST_F(ListFixture, SetItemStateMinusOneAppliesToEveryItem) {
    Make(0);
    EXPECT_TRUE(SetState(lv, -1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 5);
    Rec().Clear();
    EXPECT_TRUE(SetState(lv, -1, 0, LVIS_SELECTED));
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(Rec().Only({LVN_ITEMCHANGED}).size(), 5u);
}

TEST_F(ListFixture, ClickOnARowSelectsFocusesAndClicks) {
    Make(0);
    SetFocus(parent);
    Rec().Clear();
    RECT rc = ItemRect(lv, 2, LVIR_LABEL);
    ClickAt(lv, rc.left + 5, (rc.top + rc.bottom) / 2);
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "CHANGING(2, 0x0->0x3, changed 0x8)",
                        "CHANGED(2, 0x0->0x3, changed 0x8)",
                        "NM_SETFOCUS",
                        "NM_CLICK(2)",
                    }),
                    Rec().lines);
    EXPECT_EQ(GetFocus(), lv);
}

TEST_F(ListFixture, ClickModifiersToggleAndExtend) {
    Make(0);
    auto clickRow = [&](int row, bool ctrl, bool shift) {
        if (ctrl) keybd_event(VK_CONTROL, 0, 0, 0);
        if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
        VorPumpMessages();
        RECT rc = ItemRect(lv, row, LVIR_LABEL);
        ClickAt(lv, rc.left + 5, (rc.top + rc.bottom) / 2);
        if (ctrl) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        VorPumpMessages();
    };
    clickRow(1, false, false);
    clickRow(3, false, true);  // range 1..3
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 3);
    clickRow(2, true, false);  // toggles 2 off
    EXPECT_EQ(GetState(lv, 2), UINT(LVIS_FOCUSED));
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    clickRow(4, false, false);  // plain click: only 4
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(GetState(lv, 4), UINT(LVIS_SELECTED | LVIS_FOCUSED));
}

TEST_F(ListFixture, UpKeyMovesSelectionAndFocus) {
    Make(0);
    SetFocus(lv);
    SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    PressKey(VK_UP);
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "CHANGING(2, 0x3->0x1, changed 0x8)",
                        "CHANGED(2, 0x3->0x1, changed 0x8)",
                        "CHANGING(1, 0x0->0x3, changed 0x8)",
                        "CHANGING(2, 0x1->0x0, changed 0x8)",
                        "CHANGED(2, 0x1->0x0, changed 0x8)",
                        "CHANGED(1, 0x0->0x3, changed 0x8)",
                    }),
                    Rec().Only(kStateCodes));
    EXPECT_EQ(Rec().Only({LVN_KEYDOWN}), (std::vector<std::string>{"KEYDOWN(0x26)"}));
}

TEST_F(ListFixture, DownOnTheLastRowChangesNothing) {
    Make(0);
    SetFocus(lv);
    SetState(lv, 4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Rec().Clear();
    PressKey(VK_DOWN);
    EXPECT_TRUE(Rec().Only(kStateCodes).empty());
    EXPECT_EQ(GetState(lv, 4), UINT(LVIS_SELECTED | LVIS_FOCUSED));
}

TEST_F(ListFixture, DeleteAllItemsNotifiesUnlessSuppressed) {
    Make(0, 3);
    EXPECT_TRUE(SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0));
    EXPECT_SEQUENCE((std::vector<std::string>{"DELETEALLITEMS(-1)", "DELETEITEM(0, lParam 1000)",
                                              "DELETEITEM(1, lParam 1001)", "DELETEITEM(2, lParam 1002)"}),
                    Rec().lines);
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 0);

    AddItems(lv, 3);
    Rec().Clear();
    Rec().suppressDeleteItems = true;
    SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_SEQUENCE((std::vector<std::string>{"DELETEALLITEMS(-1)"}), Rec().lines);
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListFixture, InsertAndDeleteKeepSelectionWithItsItem) {
    Make(0);
    SetState(lv, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    LVITEMA it{};
    it.mask = LVIF_TEXT;
    it.iItem = 0;
    it.pszText = const_cast<char*>("new");
    Rec().Clear();
    EXPECT_EQ(SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)), 0);
    EXPECT_EQ(Rec().lines, (std::vector<std::string>{"INSERTITEM(0)"}));
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 3);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 3);
    Rec().Clear();
    EXPECT_TRUE(SendMessageA(lv, LVM_DELETEITEM, 1, 0));
    EXPECT_EQ(Rec().lines, (std::vector<std::string>{"DELETEITEM(1, lParam 1000)"}));
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 2);
    EXPECT_TRUE(SendMessageA(lv, LVM_DELETEITEM, 2, 0));
    EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), -1);
}

TEST_F(ListFixture, ParentDestroyingTheListInANotificationIsSurvived) {
    Make(0);
    Rec().onNotify = [&](NMHDR* nm) {
        if (nm->code == LVN_ITEMCHANGING && IsWindow(lv)) DestroyWindow(lv);
    };
    EXPECT_FALSE(SetState(lv, 1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_FALSE(IsWindow(lv));
    EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 0);
}
