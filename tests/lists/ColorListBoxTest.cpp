// CColorListBox on the screen: item colours, their selected and disabled
// looks, recolouring with and without a repaint, and the item height.
#include <string>

#include "ColorListBox.h"
#include "VorTestHost.h"

namespace {

constexpr UINT kId = 42;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);

class ColorListBoxTest : public vor::test::VorHostTest {
protected:
    void SetUp() override {
        VorHostTest::SetUp();
        CWnd* host = CWnd::FromHandle(HostHwnd());
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                                  CRect(10, 10, 210, 150), host, kId));
        m_list.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    }
    void TearDown() override {
        m_list.DestroyWindow();
        VorHostTest::TearDown();
    }
    void Paint() {
        m_list.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
    }
    // How many pixels of item i have colour c (on the screen).
    int CountIn(int i, COLORREF c) {
        CRect r;
        m_list.GetItemRect(i, &r);
        m_list.ClientToScreen(&r);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (ScreenPixel(x, y) == c) ++n;
        return n;
    }
    // Pixels of item i close to colour c: anti-aliased text has few exact ones.
    int CountNear(int i, COLORREF c) {
        CRect r;
        m_list.GetItemRect(i, &r);
        m_list.ClientToScreen(&r);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                COLORREF p = ScreenPixel(x, y);
                if (abs(GetRValue(p) - GetRValue(c)) < 60 && abs(GetGValue(p) - GetGValue(c)) < 60 &&
                    abs(GetBValue(p) - GetBValue(c)) < 60)
                    ++n;
            }
        return n;
    }
    int ItemArea(int i) {
        CRect r;
        m_list.GetItemRect(i, &r);
        return r.Width() * r.Height();
    }

    CColorListBox m_list;
};

TEST_F(ColorListBoxTest, ItemsAreAsHighAsAMenuCheckMark) {
    EXPECT_EQ(m_list.GetItemHeight(0), ::GetSystemMetrics(SM_CYMENUCHECK));
}

TEST_F(ColorListBoxTest, ColouredItemAndItsSelectedLook) {
    EXPECT_EQ(m_list.AddString("WWWWWW", kRed), 0);
    EXPECT_EQ(m_list.GetItemData(0), kRed);
    Paint();
    EXPECT_GT(CountNear(0, kRed), 10);
    EXPECT_GT(CountIn(0, ::GetSysColor(COLOR_WINDOW)), ItemArea(0) / 2);
    m_list.SetCurSel(0);
    Pump();
    // Selected: the item's colour behind, its inverse as text.
    EXPECT_GT(CountIn(0, kRed), ItemArea(0) / 2);
    EXPECT_GT(CountNear(0, kCyan), 10);
}

TEST_F(ColorListBoxTest, UncolouredItemUsesTheSystemColours) {
    m_list.AddString("WWWWWW");
    Paint();
    EXPECT_GT(CountNear(0, ::GetSysColor(COLOR_WINDOWTEXT)), 10);
    m_list.SetCurSel(0);
    Pump();
    EXPECT_GT(CountIn(0, RGB(0, 0, 0)), ItemArea(0) / 2);  // item data 0 is black
    EXPECT_GT(CountNear(0, ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
}

TEST_F(ColorListBoxTest, DisabledItemsAreGreyWhateverTheirColour) {
    m_list.AddString("WWWWWW", kRed);
    m_list.AddString("WWWWWW");
    m_list.EnableWindow(FALSE);
    Paint();
    EXPECT_EQ(CountNear(0, kRed), 0);
    EXPECT_GT(CountNear(0, ::GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_GT(CountNear(1, ::GetSysColor(COLOR_GRAYTEXT)), 10);
}

TEST_F(ColorListBoxTest, RecolouringWithoutRepaintWaitsForTheNextPaint) {
    m_list.AddString("WWWWWW", kRed);
    Paint();
    int red = CountNear(0, kRed);
    ASSERT_GT(red, 10);
    const COLORREF kBlue = RGB(0, 0, 255);
    m_list.SetItemColor(0, kBlue, FALSE);
    Pump();
    EXPECT_EQ(CountNear(0, kRed), red);
    EXPECT_EQ(CountNear(0, kBlue), 0);
    Paint();
    EXPECT_EQ(CountNear(0, kRed), 0);
    EXPECT_GT(CountNear(0, kBlue), 10);
    m_list.SetItemColor(0, kRed, TRUE);  // repaints at once
    EXPECT_GT(CountNear(0, kRed), 10);
    m_list.SetItemColor(9, kRed, TRUE);  // an invalid index: refused by the list box
    EXPECT_EQ(m_list.GetItemData(9), (DWORD_PTR)LB_ERR);
}

TEST_F(ColorListBoxTest, EmptyListWithFocusDrawsNothing) {
    Paint();
    m_list.SetFocus();
    Pump();
    CRect r;
    m_list.GetClientRect(&r);
    m_list.ClientToScreen(&r);
    int other = 0;
    for (int y = r.top; y < r.top + 20; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (ScreenPixel(x, y) != ::GetSysColor(COLOR_WINDOW)) ++other;
    EXPECT_EQ(other, 0);
}

TEST_F(ColorListBoxTest, InsertedStringsTakeTheirColourAndRefusalsNone) {
    m_list.AddString("a");
    EXPECT_EQ(m_list.InsertString(0, "b", kRed), 0);
    EXPECT_EQ(m_list.GetItemData(0), kRed);
    EXPECT_EQ(m_list.GetItemData(1), 0u);
    EXPECT_EQ(m_list.InsertString(8, "c", kRed), LB_ERR);
    EXPECT_EQ(m_list.AddString(NULL, kRed), LB_ERR);
    EXPECT_EQ(m_list.GetCount(), 2);
}

}  // namespace

// The list box shows texts, not labels: an ampersand is drawn as itself,
// never taken for a mnemonic prefix that hides it and underlines the next.
TEST_F(ColorListBoxTest, AnAmpersandIsDrawnAsItIs) {
    const char* const kText = "&&&&&&&&";
    m_list.AddString(kText, kRed);
    Paint();
    CClientDC dc(&m_list);
    CFont* pOld = dc.SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    const int nExtent = dc.GetTextExtent(kText, 8).cx;
    dc.SelectObject(pOld);
    ASSERT_GT(nExtent, 16);
    // The rightmost reddish pixel of the item: all eight characters drawn.
    CRect r;
    m_list.GetItemRect(0, &r);
    m_list.ClientToScreen(&r);
    int nRight = -1;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF p = ScreenPixel(x, y);
            if (GetRValue(p) > 150 && GetGValue(p) < 150 && x - r.left > nRight) nRight = x - r.left;
        }
    EXPECT_GT(nRight, nExtent * 3 / 4);
    EXPECT_LE(nRight, nExtent + 1);
}
