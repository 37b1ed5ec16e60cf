// The stock control wrappers over the real controls, and what top-level
// framework windows pass on to their children.
#include <afxwin.h>

#include "VorTestBase.h"
#include "VorTestHost.h"
#include "WndTestWindows.h"

namespace {

class WndControlsTest : public VorTestBase {
protected:
    CWnd parent;
    void SetUp() override
    {
        VorTestBase::SetUp();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 300,
                                    NULL, NULL));
    }
};

TEST_F(WndControlsTest, ListBoxWrapper)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, CRect(10, 10, 150, 150), &parent, 5));
    EXPECT_EQ(0, list.AddString("alpha"));
    EXPECT_EQ(1, list.AddString("beta"));
    EXPECT_EQ(1, list.InsertString(1, "between"));
    EXPECT_EQ(3, list.GetCount());
    CString str;
    list.GetText(1, str);
    EXPECT_STREQ("between", (LPCTSTR)str);
    list.GetText(7, str);  // a bad index leaves an empty string
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_EQ(7, list.GetTextLen(1));
    EXPECT_EQ(2, list.FindStringExact(-1, "beta"));
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "gamma"));
    EXPECT_EQ(0, list.SetItemData(2, 0x1234));
    EXPECT_EQ((DWORD_PTR)0x1234, list.GetItemData(2));
    EXPECT_EQ(2, list.SetCurSel(2));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_FALSE(list.SetTabStops(16));  // no LBS_USETABSTOPS
    list.SetHorizontalExtent(500);
    EXPECT_EQ(500, list.GetHorizontalExtent());
    CRect rcItem;
    ASSERT_NE(LB_ERR, list.GetItemRect(1, &rcItem));
    BOOL bOutside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(CPoint(rcItem.left + 2, rcItem.top + 1), bOutside));
    EXPECT_FALSE(bOutside);
    EXPECT_EQ(2, list.DeleteString(0));
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(WndControlsTest, WrappersWithoutAWindowAnswerErrors)
{
    CListBox list;
    CComboBox combo;
    EXPECT_EQ(LB_ERR, list.AddString("a"));
    EXPECT_EQ(LB_ERR, list.InsertString(0, "a"));
    EXPECT_EQ(LB_ERR, list.GetCurSel());
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "a"));
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(CB_ERR, combo.AddString("a"));
    EXPECT_EQ(CB_ERR, combo.DeleteString(0));
    EXPECT_EQ(CB_ERR, combo.SelectString(-1, "a"));
    CString str("x");
    combo.GetLBText(0, str);
    EXPECT_TRUE(str.IsEmpty());
    // A destroyed window counts as none.
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 50, 50), &parent, 3));
    EXPECT_EQ(0, list.AddString("a"));
    HWND h = list.m_hWnd;
    ::DestroyWindow(h);
    EXPECT_EQ(LB_ERR, list.AddString("b"));
}

TEST_F(WndControlsTest, ComboBoxWrapper)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, CRect(10, 10, 150, 150),
                             &parent, 6));
    combo.AddString("one");
    combo.AddString("two");
    CString str;
    combo.GetLBText(1, str);
    EXPECT_STREQ("two", (LPCTSTR)str);
    EXPECT_EQ(3, combo.GetLBTextLen(1));
    EXPECT_EQ(1, combo.SelectString(-1, "TW"));
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ(CB_ERR, (int)combo.GetEditSel());  // a drop-down list has no edit field
    EXPECT_FALSE(combo.GetDroppedState());
}

TEST_F(WndControlsTest, ButtonWrapper)
{
    CButton check;
    ASSERT_TRUE(check.Create("c", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 10, 100, 30), &parent, 7));
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle());
}

// Records WM_SYSCOLORCHANGE.
class CColourWnd : public CWnd {
public:
    int nChanges = 0;

protected:
    afx_msg void OnSysColorChange()
    {
        ++nChanges;
        CWnd::OnSysColorChange();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourWnd, CWnd)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

TEST_F(WndControlsTest, ColourChangesReachEveryOwnedDescendantOnce)
{
    CColourWnd top, child, grandchild;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "top", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 200, NULL,
                             NULL));
    ASSERT_TRUE(child.Create(NULL, "c", WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(grandchild.Create(NULL, "g", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    INT index = COLOR_BTNFACE;
    COLORREF colour = ::GetSysColor(COLOR_BTNFACE) ^ 0x00101010;
    ASSERT_TRUE(::SetSysColors(1, &index, &colour));
    EXPECT_EQ(1, top.nChanges);
    EXPECT_EQ(1, child.nChanges);
    EXPECT_EQ(1, grandchild.nChanges);
}

// Default inside a handler passes exactly the message being handled on.
class CDefaultWnd : public CWnd {
public:
    std::vector<UINT> seen;

protected:
    afx_msg LRESULT OnOuter(WPARAM wParam, LPARAM lParam)
    {
        // A nested message in between does not change what Default re-sends.
        SendMessage(WM_USER + 2, 0, 0);
        EXPECT_EQ((UINT)(WM_USER + 1), GetCurrentMessage()->message);
        return Default();
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM) { return 0; }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return message == WM_USER + 1 ? (LRESULT)(wParam + lParam) : CWnd::DefWindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultWnd, CWnd)
    ON_MESSAGE(WM_USER + 1, OnOuter)
    ON_MESSAGE(WM_USER + 2, OnInner)
END_MESSAGE_MAP()

TEST_F(WndControlsTest, DefaultResendsTheCurrentMessage)
{
    CDefaultWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    wnd.seen.clear();
    EXPECT_EQ(7, wnd.SendMessage(WM_USER + 1, 3, 4));
    EXPECT_EQ((std::vector<UINT>{WM_USER + 1}), wnd.seen);
}

TEST_F(WndControlsTest, SendMessageToDescendants)
{
    CColourWnd child, grandchild;
    ASSERT_TRUE(child.Create(NULL, "c", WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1));
    ASSERT_TRUE(grandchild.Create(NULL, "g", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    parent.SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, FALSE);
    EXPECT_EQ(1, child.nChanges);
    EXPECT_EQ(0, grandchild.nChanges);
    parent.SendMessageToDescendants(WM_SYSCOLORCHANGE);
    EXPECT_EQ(2, child.nChanges);
    EXPECT_EQ(1, grandchild.nChanges);
}

}  // namespace
