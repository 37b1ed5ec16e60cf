// CHorzListBox: the horizontal extent follows the widest item through adds,
// inserts, deletes, tab stops and locks, whichever way the strings arrive.
#include <string>
#include <vector>

#include "HorzListBox.h"
#include "VorTestHost.h"

namespace {

constexpr UINT kId = 41;

// Opens the bookkeeping to the tests.
class Probe : public CHorzListBox {
public:
    using CHorzListBox::m_arrExtents;
    using CHorzListBox::m_bLockHExtent;
    using CHorzListBox::m_nMaxExtent;
    using CHorzListBox::m_nTabStops;
    using CHorzListBox::m_pTabStops;
    std::vector<int> Extents() const {
        std::vector<int> v;
        for (int i = 0; i < m_arrExtents.GetSize(); ++i) v.push_back(m_arrExtents[i]);
        return v;
    }
};

class HorzListBoxTest : public vor::test::VorHostTest {
protected:
    void Make(DWORD style) {
        CWnd* host = CWnd::FromHandle(HostHwnd());
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | style,
                                  CRect(10, 10, 160, 150), host, kId));
        m_list.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    }
    void TearDown() override {
        m_list.DestroyWindow();
        VorHostTest::TearDown();
    }
    // The width the list box's font gives a text, plain or with tab stops.
    int Width(const char* text, int nStops = 0, int* stops = nullptr) {
        HDC dc = ::GetDC(m_list.m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        int w;
        if (nStops || stops) {
            w = (int)LOWORD(::GetTabbedTextExtentA(dc, text, lstrlenA(text), nStops, stops));
        } else {
            SIZE sz{};
            ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &sz);
            w = sz.cx;
        }
        ::SelectObject(dc, old);
        ::ReleaseDC(m_list.m_hWnd, dc);
        return w;
    }
    int Extent() { return m_list.GetHorizontalExtent(); }

    Probe m_list;
};

TEST_F(HorzListBoxTest, AddsAndDeletesKeepTheWidestPlusTheMargin) {
    Make(0);
    m_list.AddString("mid width");
    EXPECT_EQ(Extent(), Width("mid width") + 6);
    m_list.AddString("a much wider item than that");
    m_list.AddString("tiny");
    int widest = Width("a much wider item than that") + 6;
    EXPECT_EQ(Extent(), widest);
    // Through a plain SendMessage as well as the framework member.
    ::SendMessageA(m_list.m_hWnd, LB_INSERTSTRING, 0, (LPARAM)"x");
    EXPECT_EQ(m_list.Extents(), (std::vector<int>{Width("x") + 6, Width("mid width") + 6, widest,
                                                  Width("tiny") + 6}));
    m_list.DeleteString(3);  // narrower: unchanged
    EXPECT_EQ(Extent(), widest);
    m_list.DeleteString(2);  // the widest: the next widest
    EXPECT_EQ(Extent(), Width("mid width") + 6);
    m_list.DeleteString(1);
    m_list.DeleteString(0);  // the last
    EXPECT_EQ(Extent(), 0);
    EXPECT_EQ(m_list.m_nMaxExtent, 0);
    EXPECT_TRUE(m_list.Extents().empty());
}

TEST_F(HorzListBoxTest, TwoEqualWidestItemsKeepTheWidthWhenOneGoes) {
    Make(0);
    m_list.AddString("same text");
    m_list.AddString("same text");
    m_list.AddString("x");
    m_list.DeleteString(0);
    EXPECT_EQ(Extent(), Width("same text") + 6);
}

TEST_F(HorzListBoxTest, SortedInsertionPutsTheExtentWhereTheItemLanded) {
    Make(LBS_SORT);
    for (const char* s : {"mm", "a", "zzzzzzzz", "b"}) m_list.AddString(s);
    std::vector<int> expected;
    for (const char* s : {"a", "b", "mm", "zzzzzzzz"}) expected.push_back(Width(s) + 6);
    EXPECT_EQ(m_list.Extents(), expected);
}

TEST_F(HorzListBoxTest, TabbedTextIsMeasuredWithTheTabStopsInPixels) {
    Make(LBS_USETABSTOPS);
    m_list.AddString("a\tb");
    // The first measurement installs the default of 2 dialog units.
    ASSERT_NE(m_list.m_pTabStops, nullptr);
    EXPECT_EQ(m_list.m_nTabStops, 1);
    int alphabet = Width("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int average = (alphabet / 26 + 1) / 2;
    EXPECT_EQ(m_list.m_pTabStops[0], (2 * average + 2) / 4);
    // One entry for the one item, although the tab stops rebuilt the extents.
    EXPECT_EQ(m_list.Extents().size(), 1u);
    int stops[] = {32};
    ASSERT_TRUE(m_list.SetTabStops(1, stops));
    int pixels = (32 * average + 2) / 4;
    EXPECT_EQ(m_list.m_pTabStops[0], pixels);
    EXPECT_EQ(Extent(), Width("a\tb", 1, &pixels) + 6);
    EXPECT_GT(Extent(), Width("ab") + 6 + 20);  // the tab really spans to its stop
}

TEST_F(HorzListBoxTest, WithoutTheStyleTabsAreMeasuredAsPlainText) {
    Make(0);
    m_list.AddString("a\tb");
    EXPECT_EQ(m_list.m_pTabStops, nullptr);  // the list box refuses tab stops
    EXPECT_EQ(Extent(), Width("a\tb") + 6);
    int stops[] = {32};
    EXPECT_FALSE(m_list.SetTabStops(1, stops));
    EXPECT_EQ(m_list.m_nTabStops, 0);
}

TEST_F(HorzListBoxTest, AcceptedEmptyTabStopsAreReplacedByTheDefaultAtTheNextMeasurement) {
    Make(LBS_USETABSTOPS);
    m_list.AddString("q");
    EXPECT_TRUE(m_list.SetTabStops(0, nullptr));
    // An accepted empty set leaves nothing remembered until the next measurement.
    m_list.AddString("r");
    ASSERT_NE(m_list.m_pTabStops, nullptr);
    EXPECT_EQ(m_list.m_nTabStops, 1);
    EXPECT_EQ(m_list.Extents().size(), 2u);
}

TEST_F(HorzListBoxTest, LockedAdditionsWaitForTheRebuild) {
    Make(0);
    m_list.AddString("start");
    int before = Extent();
    m_list.LockHExtentUpdate();
    m_list.LockHExtentUpdate();  // locks do not count
    for (int i = 0; i < 10; ++i) m_list.AddString(("item number " + std::to_string(i * 1000)).c_str());
    EXPECT_EQ(Extent(), before);
    m_list.UnlockHExtentUpdate();
    EXPECT_FALSE(m_list.m_bLockHExtent);
    EXPECT_EQ(Extent(), before);
    m_list.UpdateHExtent();
    EXPECT_EQ(Extent(), Width("item number 9000") + 6);
    EXPECT_EQ(m_list.Extents().size(), 11u);
}

// Deleting after strings were added under a lock (before the rebuild) must
// stay inside the remembered extents.
TEST_F(HorzListBoxTest, DeletionOutOfStepStaysInsideTheExtents) {
    Make(0);
    m_list.AddString("one");
    m_list.LockHExtentUpdate();
    m_list.AddString("two");
    m_list.AddString("three three");
    m_list.UnlockHExtentUpdate();
    EXPECT_EQ(m_list.DeleteString(2), 2);  // beyond the one remembered extent
    EXPECT_EQ(m_list.Extents().size(), 1u);
    EXPECT_EQ(m_list.DeleteString(1), 1);
    EXPECT_EQ(m_list.DeleteString(0), 0);
    EXPECT_TRUE(m_list.Extents().empty());
    EXPECT_EQ(Extent(), 0);
}

TEST_F(HorzListBoxTest, RefusedMessagesChangeNothing) {
    Make(0);
    m_list.AddString("abc");
    int before = Extent();
    EXPECT_EQ(::SendMessageA(m_list.m_hWnd, LB_ADDSTRING, 0, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(m_list.m_hWnd, LB_INSERTSTRING, 7, (LPARAM)"far"), LB_ERR);
    EXPECT_EQ(m_list.DeleteString(5), LB_ERR);
    EXPECT_EQ(m_list.Extents().size(), 1u);
    EXPECT_EQ(Extent(), before);
}

TEST_F(HorzListBoxTest, HugeTabStopCountsAreRefused) {
    Make(LBS_USETABSTOPS);
    int stop = 8;
    EXPECT_FALSE(::SendMessageA(m_list.m_hWnd, LB_SETTABSTOPS, 1 << 30, (LPARAM)&stop));
    EXPECT_EQ(m_list.m_nTabStops, 0);
}

}  // namespace
