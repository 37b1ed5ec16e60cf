// The button control as its parent and a user see it: clicks by mouse and
// space bar, owner drawing with its actions and states, the classic look.
#include <string>
#include <vector>

#include "VorTestHost.h"

using vor::test::CommandLine;

namespace {

constexpr UINT kId = 31;

struct Draw {
    UINT action;
    UINT state;
    bool operator==(const Draw& o) const { return action == o.action && state == o.state; }
};

class ButtonTest : public vor::test::VorHostTest {
protected:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_DRAWITEM) {
            auto* dis = (DRAWITEMSTRUCT*)l;
            if (dis->CtlType == ODT_BUTTON) s_self->m_draws.push_back({dis->itemAction, dis->itemState});
        }
        return ::CallWindowProcA(s_self->m_old, h, m, w, l);
    }
    void SetUp() override {
        VorHostTest::SetUp();
        s_self = this;
        m_old = (WNDPROC)::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)Proc);
        m_button = CreateChild("Button", WS_VISIBLE | BS_PUSHBUTTON, RECT{20, 20, 120, 50}, kId, "OK");
        ASSERT_NE(m_button, nullptr);
        Pump();
        Host().ClearRecords();
    }
    void TearDown() override {
        ::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)m_old);
        VorHostTest::TearDown();
    }
    POINT Centre() const {
        RECT r;
        ::GetWindowRect(m_button, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::vector<std::string> Clicks() { return Host().MessageLines(WM_COMMAND); }
    std::string Clicked() const { return CommandLine(m_button, BN_CLICKED, kId); }

    static inline ButtonTest* s_self = nullptr;
    WNDPROC m_old = nullptr;
    HWND m_button = nullptr;
    std::vector<Draw> m_draws;
};

TEST_F(ButtonTest, ClickReleasedOverTheButtonAndSpaceClickEnterDoesNot) {
    POINT c = Centre();
    Click(c.x, c.y);
    EXPECT_SEQUENCE(std::vector<std::string>{Clicked()}, Clicks());
    EXPECT_EQ(::GetFocus(), m_button);
    Host().ClearRecords();
    // Pressed over the button, released elsewhere: no click.
    MoveMouse(c.x, c.y);
    Press();
    EXPECT_TRUE(::SendMessageA(m_button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    MoveMouse(c.x + 200, c.y);
    EXPECT_FALSE(::SendMessageA(m_button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Release();
    EXPECT_TRUE(Clicks().empty());
    KeyPress(VK_SPACE);
    EXPECT_SEQUENCE(std::vector<std::string>{Clicked()}, Clicks());
    Host().ClearRecords();
    KeyPress(VK_RETURN);
    EXPECT_TRUE(Clicks().empty());
}

TEST_F(ButtonTest, OwnerDrawnButtonDrawsEachStateChangeAndReportsDoubleClicks) {
    ::SetFocus(m_button);
    m_draws.clear();
    ::SendMessageA(m_button, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    ASSERT_EQ(m_draws.size(), 1u);
    EXPECT_EQ(m_draws[0].action, (UINT)ODA_DRAWENTIRE);
    EXPECT_TRUE(m_draws[0].state & ODS_FOCUS);
    EXPECT_EQ(::GetWindowLongA(m_button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    m_draws.clear();
    POINT c = Centre();
    MoveMouse(c.x, c.y);
    Press();
    ASSERT_EQ(m_draws.size(), 1u);
    EXPECT_EQ(m_draws[0], (Draw{ODA_SELECT, ODS_SELECTED | ODS_FOCUS}));
    Release();
    ASSERT_EQ(m_draws.size(), 2u);
    EXPECT_EQ(m_draws[1], (Draw{ODA_SELECT, ODS_FOCUS}));
    EXPECT_SEQUENCE(std::vector<std::string>{Clicked()}, Clicks());

    Host().ClearRecords();
    Advance(1000);
    DoubleClick(c.x, c.y);
    EXPECT_SEQUENCE((std::vector<std::string>{Clicked(), CommandLine(m_button, BN_DOUBLECLICKED, kId)}), Clicks());

    m_draws.clear();
    ::EnableWindow(m_button, FALSE);
    ::UpdateWindow(m_button);
    ASSERT_FALSE(m_draws.empty());
    EXPECT_TRUE(m_draws.back().state & ODS_DISABLED);
}

TEST_F(ButtonTest, DefaultPushButtonHasABlackFrameAndFocusRectangle) {
    ::SendMessageA(m_button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    ::SetFocus(m_button);
    ::UpdateWindow(m_button);
    Pump();
    RECT r;
    ::GetWindowRect(m_button, &r);
    // The outer frame is black on all four sides.
    EXPECT_EQ(ScreenPixel(r.left, r.top + 10), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(r.right - 1, r.top + 10), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(r.left + 10, r.bottom - 1), RGB(0, 0, 0));
    // Inside it, the raised bevel: a white top-left edge.
    EXPECT_EQ(ScreenPixel(r.left + 1, r.top + 10), RGB(255, 255, 255));
    // The face is button grey away from the caption and focus rectangle.
    EXPECT_EQ(ScreenPixel(r.left + 3, r.top + 3), ::GetSysColor(COLOR_BTNFACE));
    // The dotted focus rectangle, four pixels in, inverts every other pixel.
    int dark = 0;
    for (int x = r.left + 4; x < r.left + 24; ++x)
        if (ScreenPixel(x, r.top + 4) != ::GetSysColor(COLOR_BTNFACE)) ++dark;
    EXPECT_GE(dark, 8);
    EXPECT_LE(dark, 12);
    EXPECT_EQ(::SendMessageA(m_button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, CheckBoxesAndRadioButtonsKeepTheirState) {
    HWND check = CreateChild("Button", WS_VISIBLE | BS_AUTOCHECKBOX, RECT{20, 60, 150, 80}, 32, "check");
    HWND r1 = CreateChild("Button", WS_VISIBLE | BS_AUTORADIOBUTTON, RECT{20, 90, 150, 110}, 33, "one");
    HWND r2 = CreateChild("Button", WS_VISIBLE | BS_AUTORADIOBUTTON, RECT{20, 120, 150, 140}, 34, "two");
    ::SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    ::SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ::SendMessageA(r1, BM_CLICK, 0, 0);
    ::SendMessageA(r2, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(r1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageA(r2, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(m_button, BM_GETCHECK, 0, 0), BST_UNCHECKED);  // a push button has none
}

}  // namespace
