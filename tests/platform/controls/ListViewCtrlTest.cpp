// The framework's wrappers of the list view, its header and image lists.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VorTestBase.h"

namespace {

class CRowRecorder : public CListCtrl {
public:
    std::vector<UINT> rows;
    std::vector<UINT> states;
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        rows.push_back(p->itemID);
        states.push_back(p->itemState);
    }
};

struct ListCtrlTest : VorTestBase {
    CWnd parent;
    void MakeParent() {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400,
                                    NULL, NULL));
    }
    void TearDown() override {
        if (parent.GetSafeHwnd()) parent.DestroyWindow();
        VorTestBase::TearDown();
    }
};

HICON MakeIcon(COLORREF color) {
    std::vector<uint32_t> px(16 * 16, (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    std::vector<BYTE> mask(2 * 16, 0);  // all opaque
    ICONINFO ii{};
    ii.fIcon = TRUE;
    ii.hbmColor = CreateBitmap(16, 16, 1, 32, px.data());
    ii.hbmMask = CreateBitmap(16, 16, 1, 1, mask.data());
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    return icon;
}

}  // namespace

TEST_F(ListCtrlTest, ColumnsItemsTextAndData) {
    MakeParent();
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 210), &parent, 5));
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 90), 0);
    EXPECT_EQ(list.InsertColumn(1, "Value", LVCFMT_RIGHT, 120), 1);
    EXPECT_EQ(list.GetColumnWidth(1), 120);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.InsertItem(1, "second"), 1);
    EXPECT_EQ(list.GetItemCount(), 2);

    // A text longer than the first buffers GetItemText tries comes back whole.
    std::string longText(700, 'x');
    longText += "end";
    EXPECT_TRUE(list.SetItemText(1, 1, longText.c_str()));
    EXPECT_EQ(std::string((LPCTSTR)list.GetItemText(1, 1)), longText);
    EXPECT_EQ(std::string((LPCTSTR)list.GetItemText(0, 0)), "first");
    char buf[4];
    EXPECT_EQ(list.GetItemText(0, 0, buf, sizeof(buf)), 3);
    EXPECT_STREQ(buf, "fir");

    // Item data holds a whole address.
    static int record;
    DWORD_PTR address = reinterpret_cast<DWORD_PTR>(&record);
    EXPECT_TRUE(list.SetItemData(1, address));
    EXPECT_EQ(list.GetItemData(1), address);
    EXPECT_EQ(list.GetItemData(5), 0u);

    // The header, both ways MFC code reaches it.
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 2);
    EXPECT_EQ(header->GetSafeHwnd(), list.GetDlgItem(0)->GetSafeHwnd());
    CRect rc;
    EXPECT_TRUE(header->GetItemRect(1, &rc));
    EXPECT_EQ(rc.left, 90);

    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(header->GetItemCount(), 1);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(3));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, StatesSelectionAndHitTest) {
    MakeParent();
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(10, 10, 310, 210),
                            &parent, 5));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 200);
    list.InsertColumn(1, "B", LVCFMT_LEFT, 200);
    for (int i = 0; i < 6; ++i) list.InsertItem(i, "row");
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetItemState(4, LVIS_FOCUSED), UINT(LVIS_FOCUSED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 4);

    std::vector<int> selected;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos) selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 4}));

    CRect row;
    EXPECT_TRUE(list.GetItemRect(2, &row, LVIR_BOUNDS));
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(250, row.top + 1), &flags), 2);  // a sub-item column of an owner-drawn row
    EXPECT_EQ(flags, UINT(LVHT_ONITEM));
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_TRUE(list.Scroll(CSize(30, 0)));
    EXPECT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(row.left, -30);
    EXPECT_TRUE(list.EnsureVisible(5, FALSE));
    EXPECT_TRUE(list.RedrawItems(0, 5));
    EXPECT_TRUE(list.Update(2));
}

TEST_F(ListCtrlTest, OwnerDrawnRowsReachDrawItemThroughReflection) {
    MakeParent();
    CRowRecorder list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                            CRect(10, 10, 310, 110), &parent, 5));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 100);
    for (int i = 0; i < 50; ++i) list.InsertItem(i, "row");
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    Pump();
    list.rows.clear();
    list.states.clear();
    list.Invalidate();
    list.UpdateWindow();
    ASSERT_FALSE(list.rows.empty());
    EXPECT_EQ(list.rows.front(), 0u);
    EXPECT_LE(int(list.rows.size()), list.GetCountPerPage() + 1);
    ASSERT_GT(list.states.size(), 2u);
    EXPECT_EQ(list.states[2], UINT(ODS_SELECTED));
    EXPECT_EQ(list.states[1], 0u);
}

TEST_F(ListCtrlTest, DoubleClickSendsDblClkNotClick) {
    MakeParent();
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 210), &parent, 5));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 100);
    list.InsertItem(0, "row");
    m_recorder.Attach(parent.GetSafeHwnd(), "parent");
    CRect rc;
    list.GetItemRect(0, &rc, LVIR_LABEL);
    CPoint pt(rc.left + 5, rc.top + 3);
    list.ClientToScreen(&pt);
    DoubleClick(pt.x, pt.y);
    int clicks = 0, dbl = 0;
    for (const auto& m : m_recorder.Messages()) {
        if (m.message != WM_NOTIFY) continue;
        if (m.code == UINT(NM_CLICK)) ++clicks;
        if (m.code == UINT(NM_DBLCLK)) ++dbl;
    }
    EXPECT_EQ(clicks, 1);  // the first click of the pair
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), UINT(LVIS_SELECTED));
}

TEST_F(ListCtrlTest, ImageListObjectsAndHandles) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
    EXPECT_FALSE(images.Create(16, 16, ILC_COLOR32, 1, 1));  // already has a list
    HICON red = MakeIcon(RGB(255, 0, 0));
    EXPECT_EQ(images.Add(red), 0);
    EXPECT_EQ(images.Add(red), 1);
    DestroyIcon(red);
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_EQ(CImageList::FromHandle(images.m_hImageList), &images);
    EXPECT_EQ(CImageList::FromHandlePermanent(images.m_hImageList), &images);

    CImageList other;
    EXPECT_FALSE(other.Attach(images.m_hImageList));  // owned by another object
    HIMAGELIST raw = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
    CImageList* temp = CImageList::FromHandle(raw);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hImageList, raw);
    EXPECT_EQ(CImageList::FromHandlePermanent(raw), nullptr);
    CImageList::DeleteTempMap();
    EXPECT_EQ(ImageList_GetImageCount(raw), 0);
    EXPECT_TRUE(other.Attach(raw));
    EXPECT_EQ(other.Detach(), raw);
    EXPECT_EQ(other.m_hImageList, nullptr);
    EXPECT_TRUE(ImageList_Destroy(raw));
    EXPECT_EQ(CImageList::FromHandle(raw), nullptr);

    // Drawing through a CDC.
    CClientDC screen(NULL);
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 20, 20));
    CBitmap* old = mem.SelectObject(&bmp);
    mem.FillSolidRect(0, 0, 20, 20, RGB(0, 0, 255));
    EXPECT_TRUE(images.Draw(&mem, 1, CPoint(2, 2), ILD_NORMAL));
    EXPECT_EQ(mem.GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(mem.GetPixel(1, 1), RGB(0, 0, 255));
    mem.SelectObject(old);

    HIMAGELIST h = images.m_hImageList;
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_FALSE(images.DeleteImageList());
    EXPECT_EQ(ImageList_GetImageCount(h), 0);
}

TEST_F(ListCtrlTest, ListViewKeepsOwnedImageListsAndDestroysOthers) {
    MakeParent();
    CImageList owned;
    ASSERT_TRUE(owned.Create(16, 16, ILC_COLOR32, 1, 1));
    HIMAGELIST loose = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    {
        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 5));
        EXPECT_EQ(list.SetImageList(&owned, LVSIL_SMALL), nullptr);
        EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &owned);
        ::SendMessage(list.GetSafeHwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, (LPARAM)loose);
        EXPECT_EQ(list.GetImageList(LVSIL_NORMAL)->m_hImageList, loose);
        list.DestroyWindow();
    }
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(owned.m_hImageList, &cx, &cy));  // still alive
    EXPECT_FALSE(ImageList_GetIconSize(loose, &cx, &cy));              // went with the window
}
