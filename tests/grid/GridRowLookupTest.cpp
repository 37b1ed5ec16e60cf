// The grid remembers its last row lookup (the item count, one row and its
// record) between messages. Whatever changes the list view's rows, from
// inside a notification or behind the grid's back, the next access must land
// in the record that is at that row now.
#include <functional>

#include "GridTestFixture.h"
#include "VorTestBase.h"

using namespace gridtest;

namespace {

// A window procedure in front of the host's that runs an action when the
// grid's list view sends the host a notification of the given code.
struct NotifyHook {
    static NotifyHook* s_pActive;
    HWND hHost = NULL;
    WNDPROC pfnOld = NULL;
    UINT nCode = 0;
    std::function<void(const NMLISTVIEW&)> fnAction;

    NotifyHook(HWND host, UINT code, std::function<void(const NMLISTVIEW&)> fn)
        : hHost(host), nCode(code), fnAction(std::move(fn))
    {
        s_pActive = this;
        pfnOld = (WNDPROC)::SetWindowLongPtr(hHost, GWLP_WNDPROC, (LONG_PTR)&Proc);
    }
    ~NotifyHook()
    {
        ::SetWindowLongPtr(hHost, GWLP_WNDPROC, (LONG_PTR)pfnOld);
        s_pActive = nullptr;
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        NotifyHook* self = s_pActive;
        if (msg == WM_NOTIFY && lp != 0 && ((NMHDR*)lp)->code == self->nCode && self->fnAction)
            self->fnAction(*(NMLISTVIEW*)lp);
        return ::CallWindowProc(self->pfnOld, hwnd, msg, wp, lp);
    }
};
NotifyHook* NotifyHook::s_pActive = nullptr;

// Orders rows by their records' cell 0 text, last first.
int CALLBACK ByTextDescending(LPARAM l1, LPARAM l2, LPARAM)
{
    CString a = ((CVORInPlaceListItem*)l1)->GetCellText(0);
    CString b = ((CVORInPlaceListItem*)l2)->GetCellText(0);
    return -a.Compare(b);
}

}  // namespace

TEST_F(GridTest, ChangesBehindTheGridsBackAreSeenByTheNextAccess)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 3);
    CListCtrl& list = g;
    g.SetItemText(0, 1, "x");  // row 0 is the one looked up last

    // Sorting through the list view moves the records without a grid call.
    ASSERT_TRUE(list.SortItems(&ByTextDescending, 0));
    g.SetItemText(0, 1, "y");
    EXPECT_EQ(g.GetItemText(0, 0), CString("r2c0"));
    EXPECT_EQ(g.GetItemText(0, 1), CString("y"));
    EXPECT_EQ(g.GetItemText(2, 1), CString("x"));

    // The list view's own deletion and a raw insertion change the count.
    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(g.GetListItem(2), nullptr);
    EXPECT_EQ(g.GetItemText(1, 1), CString("x"));
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.pszText = (LPSTR) "raw";
    ASSERT_EQ(::SendMessage(g.GetSafeHwnd(), LVM_INSERTITEM, 0, (LPARAM)&item), 0);
    ASSERT_NE(g.GetListItem(2), nullptr);
    EXPECT_EQ(g.GetItemText(2, 1), CString("x"));
    EXPECT_TRUE(g.GetItemText(0, 1).IsEmpty());

    // A foreign value written over the row looked up last.
    g.SetItemText(1, 1, "before");
    list.SetItemData(1, 0x99);
    g.SetItemText(1, 1, "after");
    EXPECT_NE(list.GetItemData(1), (DWORD_PTR)0x99);
    EXPECT_EQ((CVORInPlaceListItem*)list.GetItemData(1), g.GetListItem(1));
    EXPECT_EQ(g.GetItemText(1, 1), CString("after"));
}

TEST_F(GridTest, AnOwnerThatChangesRowsWhileARecordIsAttachedMisleadsNoAccess)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 0);
    CListCtrl& list = g;
    for (int r = 0; r < 3; ++r)
        list.InsertItem(r, ("raw" + std::to_string(r)).c_str());

    // Hearing of the first record written into a row, the owner deletes
    // row 0: the row the grid was attaching moves up.
    bool bDone = false;
    NotifyHook hook(Host().GetSafeHwnd(), LVN_ITEMCHANGED, [&](const NMLISTVIEW& nm) {
        if (!bDone && (nm.uChanged & LVIF_PARAM)) {
            bDone = true;
            ::SendMessage(g.GetSafeHwnd(), LVM_DELETEITEM, 0, 0);
        }
    });
    g.SetItemText(1, 1, "a");
    ASSERT_TRUE(bDone);
    ASSERT_EQ(list.GetItemCount(), 2);
    g.SetItemText(1, 1, "b");
    EXPECT_EQ(g.GetItemText(0, 1), CString("a"));
    EXPECT_EQ(g.GetItemText(1, 1), CString("b"));
    EXPECT_EQ((CVORInPlaceListItem*)list.GetItemData(1), g.GetListItem(1));
    EXPECT_EQ(g.GetListItem(2), nullptr);
}

TEST_F(GridTest, AnOwnerThatInsertsWhileHearingOfAnInsertionKeepsTheCountRight)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60}, 2);
    CListCtrl& list = g;
    g.GetItemText(1, 1);  // the count is known before the insertion
    bool bDone = false;
    NotifyHook hook(Host().GetSafeHwnd(), LVN_INSERTITEM, [&](const NMLISTVIEW&) {
        if (!bDone) {
            bDone = true;
            list.InsertItem(0, "extra");
        }
    });
    const int nNew = g.InsertItem(2, "new");
    ASSERT_TRUE(bDone);
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(nNew, 2);
    EXPECT_NE(g.GetListItem(3), nullptr);
    EXPECT_EQ(g.GetListItem(4), nullptr);
}

TEST_F(GridTest, FillingARowAsksTheListViewOnlyForItsFirstCell)
{
    CVORInPlaceListCtrl& g = MakeGrid({50, 60, 60, 60}, 1);
    vor::test::MessageRecorder rec;
    rec.Attach(g.GetSafeHwnd(), "grid");
    for (int r = 1; r < 4; ++r) {
        g.InsertItem(r, "c0");
        for (int c = 1; c < 4; ++c)
            g.SetItemText(r, c, "text");
    }
    // Once the count is known, inserting and attaching the records keep it,
    // and a row just inserted has no data value to ask for: only the first
    // row asks.
    EXPECT_EQ(rec.Count(LVM_GETITEMCOUNT), 1);
    EXPECT_EQ(rec.Count(LVM_GETITEM), 1);
    EXPECT_EQ(g.GetItemText(3, 3), CString("text"));
}
