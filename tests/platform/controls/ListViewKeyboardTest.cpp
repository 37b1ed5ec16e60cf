// Keyboard selection in the list view: Shift extends from the selection
// mark, Ctrl moves only the focus and Ctrl+Space toggles.
#include <gtest/gtest.h>

#include "ListViewTestParent.h"

using namespace lvtest;

namespace {

void WithKey(BYTE modifier, BYTE vk) {
    keybd_event(modifier, 0, 0, 0);
    PressKey(vk);
    keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
    VorPumpMessages();
}

std::vector<int> Selected(HWND lv) {
    std::vector<int> out;
    for (int i = int(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); i >= 0;
         i = int(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(i), LVNI_SELECTED)))
        out.push_back(i);
    return out;
}

int Focused(HWND lv) { return int(SendMessageA(lv, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)); }

}  // namespace

TEST(ListViewKeyboard, ShiftExtendsCtrlMovesFocusSpaceToggles) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT);
    AddColumns(lv, {100});
    AddItems(lv, 8);
    SetFocus(lv);
    PressKey(VK_DOWN);  // nothing focused: the first item
    EXPECT_EQ(Selected(lv), (std::vector<int>{0}));
    PressKey(VK_DOWN);
    EXPECT_EQ(Selected(lv), (std::vector<int>{1}));
    WithKey(VK_SHIFT, VK_DOWN);
    WithKey(VK_SHIFT, VK_DOWN);
    EXPECT_EQ(Selected(lv), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Focused(lv), 3);
    WithKey(VK_SHIFT, VK_UP);  // the range shrinks back towards the mark
    EXPECT_EQ(Selected(lv), (std::vector<int>{1, 2}));
    WithKey(VK_CONTROL, VK_DOWN);
    WithKey(VK_CONTROL, VK_DOWN);
    EXPECT_EQ(Focused(lv), 4);
    EXPECT_EQ(Selected(lv), (std::vector<int>{1, 2}));
    WithKey(VK_CONTROL, VK_SPACE);
    EXPECT_EQ(Selected(lv), (std::vector<int>{1, 2, 4}));
    WithKey(VK_CONTROL, VK_SPACE);
    EXPECT_EQ(Selected(lv), (std::vector<int>{1, 2}));
    PressKey(VK_END);
    EXPECT_EQ(Selected(lv), (std::vector<int>{7}));
}

TEST(ListViewKeyboard, SingleSelectionIgnoresShiftAndCtrl) {
    HWND lv = MakeList(MakeParent(), LVS_REPORT | LVS_SINGLESEL);
    AddColumns(lv, {100});
    AddItems(lv, 5);
    SetFocus(lv);
    SetState(lv, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    WithKey(VK_SHIFT, VK_DOWN);
    EXPECT_EQ(Selected(lv), (std::vector<int>{2}));
    WithKey(VK_CONTROL, VK_DOWN);
    EXPECT_EQ(Selected(lv), (std::vector<int>{3}));
    EXPECT_EQ(Focused(lv), 3);
}
