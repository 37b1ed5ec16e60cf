// The gallery plays its built-in tour as a person would: the notifications
// the host received must be those expected, step by step, and the
// screenshots must show every control drawn.
#include <gtest/gtest.h>

#include <vorplatform.h>

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

}  // namespace
