// The cell button: its 30-pixel placement, the click reports from the
// mouse, the space bar and Enter, and the keys it hands to its owner.
#include "EditorFixture.h"
#include "VORInPlaceButton.h"

using vor::test::NotifyRecord;
using vor::test::VorNotifyLine;

namespace {

class InPlaceButtonTest : public vor::test::EditorTest {
protected:
    void Open(const CRect& rcCell)
    {
        CRect rc = rcCell;
        ASSERT_TRUE(m_button.CreateInPlaceWnd(&Host(), rc, 0));
        Host().NameWindow(m_button.GetSafeHwnd(), "button");
        m_recorder.Attach(m_button.GetSafeHwnd(), "button");
        Pump();
        Host().ClearRecords();
    }
    POINT Centre() const
    {
        CRect rc;
        m_button.GetClientRect(&rc);
        return ScreenOf(m_button.GetSafeHwnd(), rc.Width() / 2, rc.Height() / 2);
    }

    CVORInPlaceButton m_button;
};

TEST_F(InPlaceButtonTest, StandsAtTheRightEndOfTheCellThirtyPixelsWideAtMost)
{
    struct Case {
        CRect rcCell;
        CRect rcButton;
    };
    const Case cases[] = {
        {CRect(100, 10, 150, 30), CRect(120, 10, 150, 29)},
        {CRect(100, 10, 131, 30), CRect(101, 10, 131, 29)},
        {CRect(100, 10, 130, 30), CRect(100, 10, 130, 29)},
        {CRect(100, 10, 120, 30), CRect(100, 10, 120, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rcCell.left << ".." << c.rcCell.right);
        CVORInPlaceButton button;
        CRect rc = c.rcCell;
        ASSERT_TRUE(button.CreateInPlaceWnd(&Host(), rc, 0));
        EXPECT_EQ(rc, c.rcButton);
        EXPECT_EQ(button.m_rcCell, c.rcCell);
        EXPECT_EQ(RectInHost(button.GetSafeHwnd()), c.rcButton);
        EXPECT_EQ(TextOf(button.GetSafeHwnd()), "...");
        EXPECT_EQ(button.GetButtonStyle() & 0x0F, (UINT)BS_PUSHBUTTON);
        EXPECT_EQ(button.GetDlgCtrlID(), 0);
    }
}

TEST_F(InPlaceButtonTest, MovesOnlyForAChangedCell)
{
    Open(CRect(100, 10, 150, 30));
    m_button.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect rcSame(100, 10, 150, 30);
    m_button.MoveInPlaceWnd(rcSame);
    EXPECT_EQ(rcSame, CRect(100, 10, 150, 30));
    EXPECT_EQ(RectInHost(m_button.GetSafeHwnd()).TopLeft(), CPoint(0, 0));
    CRect rcNew(200, 40, 220, 58);
    m_button.MoveInPlaceWnd(rcNew);
    EXPECT_EQ(rcNew, CRect(200, 40, 220, 57));
    EXPECT_EQ(RectInHost(m_button.GetSafeHwnd()), rcNew);
}

TEST_F(InPlaceButtonTest, MouseSpaceAndEnterEachReportOneClick)
{
    Open(CRect(100, 10, 150, 30));
    Click(Centre().x, Centre().y);
    ASSERT_EQ(Host().Notifications().size(), 1u);
    EXPECT_EQ(Host().DescribeNotify(Host().Notifications()[0]), VorNotifyLine("button", 3, 2));
    EXPECT_EQ(Host().Notifications()[0].hWnd, m_button.GetSafeHwnd());
    EXPECT_FALSE(Host().Notifications()[0].bHasText);
    Host().ClearRecords();
    m_button.SetFocus();
    KeyPress(VK_SPACE);
    EXPECT_EQ(Codes(), (std::vector<int>{2}));
    Host().ClearRecords();
    m_recorder.Clear();
    KeyPress(VK_RETURN);
    EXPECT_EQ(Codes(), (std::vector<int>{2}));
    // Enter is not consumed: it goes on to the button's own handling.
    EXPECT_EQ(KeyDownsSeen(m_button.GetSafeHwnd(), VK_RETURN), 1);
    EXPECT_TRUE(KeysHandedOn().empty());
}

TEST_F(InPlaceButtonTest, TabAndTheArrowsGoToTheOwner)
{
    Open(CRect(100, 10, 150, 30));
    m_button.SetFocus();
    m_recorder.Clear();
    const BYTE keys[] = {VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    for (BYTE vk : keys)
        KeyPress(vk);
    EXPECT_EQ(KeysHandedOn(), (std::vector<WPARAM>{VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}));
    for (BYTE vk : keys)
        EXPECT_EQ(KeyDownsSeen(m_button.GetSafeHwnd(), vk), 0) << (int)vk;
    EXPECT_TRUE(Host().Notifications().empty());
}

TEST_F(InPlaceButtonTest, ReportsGoToTheSetOwner)
{
    vor::test::CVorTestHostWnd other;
    ASSERT_TRUE(other.CreateHost(RECT{700, 40, 800, 140}, "other"));
    Open(CRect(100, 10, 150, 30));
    m_button.SetOwner(&other);
    m_button.SendMessageClick();
    m_button.SendMessageRClick();
    m_button.SendMessageDClick();
    EXPECT_TRUE(Host().Notifications().empty());
    ASSERT_EQ(other.Notifications().size(), 3u);
    EXPECT_EQ(other.Notifications()[0].nCode, 2);
    EXPECT_EQ(other.Notifications()[1].nCode, 3);
    EXPECT_EQ(other.Notifications()[2].nCode, 4);
    EXPECT_EQ(other.Notifications()[2].nSource, 3);
    m_button.SetOwner(NULL);
}

TEST_F(InPlaceButtonTest, EveryOperationIsHarmlessWithoutAWindow)
{
    auto exercise = [this](CVORInPlaceButton& button) {
        EXPECT_FALSE(button.IsWindow());
        CRect rc(0, 0, 50, 20);
        button.MoveInPlaceWnd(rc);
        EXPECT_EQ(rc, CRect(0, 0, 50, 20));
        button.SendMessageClick();
        button.SendMessageRClick();
        button.SendMessageDClick();
        MSG msg = {};
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_RETURN;
        EXPECT_FALSE(button.PreTranslateMessage(&msg));
        EXPECT_TRUE(Host().Notifications().empty());
    };
    CVORInPlaceButton never;
    exercise(never);
    CRect rcNull(0, 0, 50, 20);
    EXPECT_FALSE(never.CreateInPlaceWnd(NULL, rcNull, 0));
    CVORInPlaceButton gone;
    CRect rc(0, 0, 50, 20);
    ASSERT_TRUE(gone.CreateInPlaceWnd(&Host(), rc, 0));
    ASSERT_TRUE(gone.DestroyWindow());
    exercise(gone);
}

}  // namespace
