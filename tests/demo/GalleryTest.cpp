// The gallery plays its built-in tour as a person would: the notifications
// the host received must be those expected, step by step, and the
// screenshots must show every control drawn.
#include <gtest/gtest.h>

#include <vorplatform.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "GalleryWnd.h"
#include "Player.h"
#include "Script.h"

namespace {

using gallery::CGalleryWnd;

// The gallery runs under an application object, whose pre-translation gives
// the editors their keys and the tooltips their mouse messages.
CWinApp& App() {
    static CWinApp app("gallery-test");
    return app;
}

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        VorPlatformReset();
        m_wnd = new CGalleryWnd;
        ASSERT_TRUE(m_wnd->CreateGallery(CRect(0, 0, 1000, 640)));
        m_wnd->UpdateWindow();
        VorPumpMessages();
    }
    void TearDown() override {
        if (m_wnd) {
            m_wnd->DestroyWindow();
            delete m_wnd;
        }
        VorPlatformReset();
    }
    bool Play(const std::string& script, std::string& error) {
        std::vector<gallery::Command> cmds;
        if (!gallery::ParseScript(script, cmds, error)) return false;
        gallery::Player player(*m_wnd, std::string());
        return player.Play(cmds, error);
    }
    static COLORREF Pixel(int x, int y) {
        HDC dc = ::GetDC(NULL);
        COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(NULL, dc);
        return c;
    }
    // How many pixels of a window's screen rectangle have colour c.
    static int Count(CWnd& w, COLORREF c) {
        CRect r;
        w.GetWindowRect(&r);
        int n = 0;
        for (int y = r.top; y < r.bottom; y += 2)
            for (int x = r.left; x < r.right; x += 2)
                if (Pixel(x, y) == c) ++n;
        return n;
    }

    CGalleryWnd* m_wnd = nullptr;
};

TEST_F(GalleryTest, TheBuiltInTourGivesTheExpectedNotifications) {
    std::string error;
    ASSERT_TRUE(Play(gallery::BuiltInScript(), error)) << error;
    const std::vector<std::string> expected = {
#include "GalleryExpectedLog.inc"
    };
    EXPECT_EQ(m_wnd->EventLines(), expected);
    if (m_wnd->EventLines() != expected) {
        // The log as played, in the form of the expected one, for review.
        const std::string path = std::string(VOR_TEST_OUTPUT_DIR) + "/GalleryPlayedLog.inc";
        if (FILE* f = std::fopen(path.c_str(), "w")) {
            std::fprintf(f, "// The event log of the built-in tour, one notification a line, oldest first.\n");
            for (const std::string& line : m_wnd->EventLines()) std::fprintf(f, "    \"%s\",\n", line.c_str());
            std::fclose(f);
            ADD_FAILURE() << "the played log is in " << path;
        }
    }
}

TEST_F(GalleryTest, EveryControlDraws) {
    std::string error;
    ASSERT_TRUE(Play("cell 0 1\ntype 3\nhover add 800\n", error)) << error;
    // The grid: white cells, the highlighted current cell, the header's face.
    EXPECT_GT(Count(m_wnd->Grid(), RGB(255, 255, 255)), 1000);
    EXPECT_GT(Count(m_wnd->Grid(), ::GetSysColor(COLOR_BTNFACE)), 50);
    // The event log shows coloured lines (accepted changes are green).
    int green = 0;
    CRect r;
    m_wnd->Log().GetWindowRect(&r);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF c = Pixel(x, y);
            if (GetGValue(c) > 90 && GetRValue(c) < 60 && GetBValue(c) < 60) ++green;
        }
    EXPECT_GT(green, 5);
    // The long lines, the toolbar buttons, the jump box and the splitter bars.
    EXPECT_GT(m_wnd->Lines().GetCount(), 0);
    EXPECT_GT(m_wnd->Lines().GetHorizontalExtent(), 0);
    for (int i = 0; i < gallery::kButtonCount; ++i) EXPECT_GT(Count(m_wnd->Button(i), ::GetSysColor(COLOR_BTNFACE)), 20);
    EXPECT_GT(Count(m_wnd->Combo(), RGB(255, 255, 255)), 20);
    EXPECT_GT(Count(m_wnd->MainSplitter(), ::GetSysColor(COLOR_BTNFACE)), 0);
    // The tooltip of the hovered button is on the screen.
    HWND tip = NULL;
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        char cls[64] = {0};
        ::GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "tooltips_class32" && ::IsWindowVisible(w)) tip = w;
    }
    ASSERT_NE(tip, (HWND)NULL);
    CRect tr;
    ::GetWindowRect(tip, &tr);
    EXPECT_EQ(Pixel(tr.left + 3, tr.top + 3), ::GetSysColor(COLOR_INFOBK));
}

TEST_F(GalleryTest, TheHostRefusesAQuantityAboveTheLimit) {
    std::string error;
    ASSERT_TRUE(Play("cell 1 1\nkey END\ntype 99999\n", error)) << error;
    // 209 and 2099 are stored; every 20999 is refused and put back.
    EXPECT_EQ(m_wnd->Grid().GetItemText(1, gallery::kQty), "2099");
    ASSERT_FALSE(m_wnd->EventLines().empty());
    EXPECT_EQ(m_wnd->EventLines().back(), "row 2 Qty: '20999' refused");
}

TEST_F(GalleryTest, ACommandThatCannotBeCarriedOutStopsThePlay) {
    std::string error;
    EXPECT_FALSE(Play("cell 0 7\n", error));  // the Notes column starts hidden
    EXPECT_EQ(error, "line 1: cell 0 7 is not shown");
}


TEST_F(GalleryTest, TheDetailsDialogEditsItsRowAndClosesByEnterOrEscape) {
    std::string error;
    CVORInPlaceListCtrl& grid = m_wnd->Grid();
    const CString item = grid.GetItemText(3, gallery::kItem);
    // Escape closes it and changes nothing.
    ASSERT_TRUE(Play("cellbutton 3 5\n", error)) << error;
    CWnd* details = m_wnd->DetailsWindow();
    ASSERT_TRUE(details != nullptr);
    EXPECT_TRUE(details->IsKindOf(RUNTIME_CLASS(CDialog)));
    CString text;
    details->GetDlgItemText(2001, text);
    EXPECT_STREQ(text, item) << "the item's edit";
    EXPECT_EQ(CWnd::GetFocus(), details->GetDlgItem(2001)) << "the first edit has the focus";
    ASSERT_TRUE(Play("type Saw\nkey ESCAPE\n", error)) << error;
    EXPECT_EQ(m_wnd->DetailsWindow(), nullptr);
    EXPECT_STREQ(grid.GetItemText(3, gallery::kItem), item);
    // Enter is OK: the typed quantity and the unit chosen in the flat combo
    // box go to the row, whose total follows.
    size_t before = m_wnd->EventLines().size();
    ASSERT_TRUE(Play("cellbutton 3 5\nkey TAB\ntype 7\nclickon details-unit\nkey DOWN\nkey ENTER\nkey ENTER\n",
                     error))
        << error;
    EXPECT_EQ(m_wnd->DetailsWindow(), nullptr);
    EXPECT_STREQ(grid.GetItemText(3, gallery::kQty), "7");
    ASSERT_GT(m_wnd->EventLines().size(), before);
    EXPECT_EQ(m_wnd->EventLines().back().rfind("row 4 details: ", 0), 0u) << m_wnd->EventLines().back();
    CString price = grid.GetItemText(3, gallery::kPrice);
    CString total;
    total.Format("%.2f", 7 * std::atof(price));
    EXPECT_STREQ(grid.GetItemText(3, gallery::kTotal), total);
    // A quantity above the limit keeps the dialog open with a message.
    int boxes = VorMessageBoxCount();
    ASSERT_TRUE(Play("cellbutton 3 5\nkey TAB\ntype 123456\nkey ENTER\n", error)) << error;
    EXPECT_EQ(VorMessageBoxCount(), boxes + 1);
    ASSERT_TRUE(m_wnd->DetailsWindow() != nullptr);
    ASSERT_TRUE(Play("clickon details-cancel\n", error)) << error;
    EXPECT_EQ(m_wnd->DetailsWindow(), nullptr);
    EXPECT_STREQ(grid.GetItemText(3, gallery::kQty), "7");
}

}  // namespace

namespace {

// The gallery as its user sees it after a change: the row's own total, the
// price shown with two decimals, the lines list where it was, the details
// box that closes from the keyboard.
class GalleryUseTest : public GalleryTest {
protected:
    void PlayOrFail(const std::string& script) {
        std::string error;
        ASSERT_TRUE(Play(script, error)) << error;
    }
    // The pixels of a grid cell on the screen, row by row.
    std::vector<COLORREF> CellPixels(int nRow, int nCol) {
        CRect r;
        EXPECT_TRUE(m_wnd->Grid().GetCellRect(nRow, m_wnd->Grid().LCtoRC(nCol), r));
        m_wnd->Grid().ClientToScreen(&r);
        std::vector<COLORREF> v;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) v.push_back(Pixel(x, y));
        return v;
    }
    // A click script line at a point of a window, in its window coordinates
    // from the right and bottom edges.
    static std::string ClickFromCorner(CWnd& w, int dxFromRight, int dyFromBottom) {
        CRect r;
        w.GetWindowRect(&r);
        return "click " + std::to_string(r.right - dxFromRight) + " " + std::to_string(r.bottom - dyFromBottom) + "\n";
    }
};

}  // namespace

TEST_F(GalleryUseTest, TheRowTotalIsRedrawnAsSoonAsAQuantityIsStored) {
    PlayOrFail("cell 0 1\nkey END\n");
    const std::vector<COLORREF> before = CellPixels(0, gallery::kTotal);
    PlayOrFail("type 5\n");  // 125 x 9.50
    EXPECT_EQ(m_wnd->Grid().GetItemText(0, gallery::kTotal), "1187.50");
    EXPECT_NE(CellPixels(0, gallery::kTotal), before);
}

TEST_F(GalleryUseTest, PricesAreShownWithTwoDecimalsOnceTheUserLeavesTheCell) {
    PlayOrFail("cell 0 2\nkey END\nkey BACK 3\ntype .5\n");
    // While the user types, the text stays as typed.
    EXPECT_EQ(m_wnd->Grid().GetItemText(0, gallery::kPrice), "9.5");
    PlayOrFail("key TAB\n");
    EXPECT_EQ(m_wnd->Grid().GetItemText(0, gallery::kPrice), "9.50");
    EXPECT_EQ(m_wnd->Grid().GetItemText(0, gallery::kTotal), "114.00");
    // Leaving with Enter, and a price typed with more decimals.
    PlayOrFail("cell 1 2\nkey END\ntype 1\nkey ENTER\n");
    EXPECT_EQ(m_wnd->Grid().m_nCurRow, 2);
    EXPECT_EQ(m_wnd->Grid().GetItemText(1, gallery::kPrice), "3.20");
    // The lines list shows the price as the grid does.
    CString strLine;
    m_wnd->Lines().GetText(1, strLine);
    EXPECT_NE(strLine.Find("3.20 box"), -1) << (LPCTSTR)strLine;
}

TEST_F(GalleryUseTest, TheLinesListKeepsItsScrollPositionWhenItIsRefilled) {
    // A short lines list, scrolled down and to the right with its scroll bars.
    PlayOrFail("splitter side 330\n");
    CHorzListBox& lines = m_wnd->Lines();
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
    std::string script;
    for (int i = 0; i < 2; ++i) script += ClickFromCorner(lines, cx / 2 + 1, cy + cy / 2 + 1);  // down arrow
    for (int i = 0; i < 3; ++i) script += ClickFromCorner(lines, cx + cx / 2 + 1, cy / 2 + 1);  // right arrow
    PlayOrFail(script);
    const int nTop = lines.GetTopIndex();
    const int nHorz = lines.GetScrollPos(SB_HORZ);
    ASSERT_GT(nTop, 0);
    ASSERT_GT(nHorz, 0);
    PlayOrFail("cell 0 1\nkey END\ntype 5\n");
    CString strLine;
    lines.GetText(0, strLine);
    ASSERT_NE(strLine.Find("125 x"), -1) << (LPCTSTR)strLine;  // refilled
    EXPECT_EQ(lines.GetTopIndex(), nTop);
    EXPECT_EQ(lines.GetScrollPos(SB_HORZ), nHorz);
}

TEST_F(GalleryUseTest, TheDetailsBoxClosesWithEscapeAndWithEnter) {
    for (const char* key : {"ESCAPE", "ENTER"}) {
        SCOPED_TRACE(key);
        PlayOrFail("cellbutton 3 5\n");
        ASSERT_NE(m_wnd->DetailsWindow(), nullptr);
        PlayOrFail(std::string("key ") + key + "\n");
        EXPECT_EQ(m_wnd->DetailsWindow(), nullptr);
    }
}
