// The test host itself: the sequence diff, the WM_VOR_NOTIFY script and
// recorder, and the general message recorder with a real child control.
#include "VorTestHost.h"

#include <commctrl.h>
#include <vorplatform.h>

#include <cstring>

namespace {

using vor::test::CommandLine;
using vor::test::NotifyLine;
using vor::test::SequenceDiff;
using vor::test::SequenceMatches;
using vor::test::VorNotifyLine;

TEST(TestHostSequence, DiffMarksMissingAndUnexpectedLines)
{
    EXPECT_EQ(SequenceDiff({"a", "b"}, {"a", "b"}), "");
    EXPECT_EQ(SequenceDiff({"a", "b", "c"}, {"a", "c"}), "  a\n- b\n  c\n");
    EXPECT_EQ(SequenceDiff({"a", "c"}, {"a", "b", "c"}), "  a\n+ b\n  c\n");
    EXPECT_EQ(SequenceDiff({"a", "b"}, {"b", "a"}), "+ b\n  a\n- b\n");
    EXPECT_EQ(SequenceDiff({}, {"x"}), "+ x\n");
    EXPECT_TRUE(SequenceMatches({"x"}, {"x"}));
    ::testing::AssertionResult r = SequenceMatches({"x", "y"}, {"x"});
    EXPECT_FALSE(r);
    EXPECT_NE(std::string(r.message()).find("- y"), std::string::npos);
}

class TestHost : public vor::test::VorHostTest {
protected:
    // Sends WM_VOR_NOTIFY to the host as an editor or the grid would.
    LRESULT Send(HWND hFrom, int nSource, int nCode, const char* pszText, int nItem = 0, int nSubItem = 0)
    {
        INPLACE_NOTIFY n;
        n.hWnd = hFrom;
        n.nSource = nSource;
        n.nCode = nCode;
        n.pszText = pszText;
        n.nItem = nItem;
        n.nSubItem = nSubItem;
        return ::SendMessageA(HostHwnd(), WM_VOR_NOTIFY, 0, (LPARAM)&n);
    }
};

TEST_F(TestHost, RecordsEveryFieldAndCopiesTheText)
{
    ASSERT_EQ(WM_VOR_NOTIFY, (UINT)(WM_USER + 10));
    HWND hChild = CreateChild("Static", WS_VISIBLE, RECT{0, 0, 50, 20}, 7);
    ASSERT_NE(hChild, nullptr);
    char szText[] = "12.5";
    EXPECT_EQ(Send(hChild, 0, 1, szText, 3, 2), 0);
    std::strcpy(szText, "xx");  // the sender's buffer is gone after the call
    ASSERT_EQ(Host().Notifications().size(), 1u);
    const vor::test::NotifyRecord& r = Host().Notifications()[0];
    EXPECT_EQ(r.wParam, 0u);
    EXPECT_EQ(r.hWnd, hChild);
    EXPECT_EQ(r.nSource, 0);
    EXPECT_EQ(r.nCode, 1);
    EXPECT_TRUE(r.bHasText);
    EXPECT_EQ(r.strText, "12.5");
    EXPECT_EQ(r.nItem, 3);
    EXPECT_EQ(r.nSubItem, 2);

    Send(hChild, 1, 2, nullptr);
    EXPECT_FALSE(Host().Notifications()[1].bHasText);
}

TEST_F(TestHost, RepliesFromTheScriptThenZeroAndFromACallback)
{
    Host().QueueReply(1);
    Host().QueueReply(7);
    EXPECT_EQ(Send(NULL, 1, 1, "a"), 1);
    EXPECT_EQ(Send(NULL, 1, 1, "b"), 7);
    EXPECT_EQ(Send(NULL, 1, 1, "c"), 0) << "an empty script accepts";
    Host().SetReplyCallback([](const vor::test::NotifyRecord& r) { return r.strText == "no" ? 1 : 0; });
    Host().QueueReply(5);  // the callback takes precedence
    EXPECT_EQ(Send(NULL, 1, 1, "no"), 1);
    EXPECT_EQ(Send(NULL, 1, 1, "yes"), 0);
    ASSERT_EQ(Host().Notifications().size(), 5u);
    EXPECT_EQ(Host().Notifications()[0].lReply, 1);
    EXPECT_EQ(Host().Notifications()[3].lReply, 1);
}

TEST_F(TestHost, TextFormsOfTheNotifications)
{
    HWND hChild = CreateChild("Static", WS_VISIBLE, RECT{0, 0, 50, 20}, 7);
    Host().NameWindow(hChild, "grid");
    Send(hChild, 0, 1, "a\r\nb", 4, 1);
    Send(hChild, 3, 4, nullptr, 2, 5);
    Send(hChild, 1, 2, nullptr, 99, 99);  // an editor's report: no cell fields
    const std::vector<std::string> expected = {
        "WM_VOR_NOTIFY from=grid src=0 code=1 text=\"a\\r\\nb\" item=4 sub=1",
        "WM_VOR_NOTIFY from=grid src=3 code=4 item=2 sub=5",
        "WM_VOR_NOTIFY from=grid src=1 code=2",
    };
    EXPECT_SEQUENCE(expected, Host().MessageLines(WM_VOR_NOTIFY));
    EXPECT_EQ(VorNotifyLine("grid", 0, 5, "t", 1, 2), "WM_VOR_NOTIFY from=grid src=0 code=5 text=\"t\" item=1 sub=2");
}

TEST_F(TestHost, RecordsTheCommandsAndNotificationsOfChildren)
{
    HWND hButton = CreateChild("Button", WS_VISIBLE | BS_PUSHBUTTON, RECT{10, 10, 110, 40}, 100, "OK");
    ASSERT_NE(hButton, nullptr);
    Host().NameWindow(hButton, "ok");
    VorPumpMessages();
    Host().ClearRecords();

    // A click: press and release over the button.
    const POINT pt = HostToScreen(50, 25);
    Click(pt.x, pt.y);
    EXPECT_SEQUENCE({CommandLine(hButton, BN_CLICKED, 100, "ok")}, Host().MessageLines(WM_COMMAND));
    ASSERT_FALSE(Host().Messages().empty());
    EXPECT_EQ(Host().Messages().back().hwndFrom, hButton);
    EXPECT_EQ(Host().Messages().back().nId, 100u);
    EXPECT_EQ(Host().Messages().back().nCode, (UINT)BN_CLICKED);

    NMHDR hdr = {hButton, 100, (UINT)NM_CLICK};
    ::SendMessageA(HostHwnd(), WM_NOTIFY, 100, (LPARAM)&hdr);
    EXPECT_EQ(Host().MessageLines(WM_NOTIFY), std::vector<std::string>{NotifyLine(NM_CLICK, 100, "ok")});
    EXPECT_EQ(NotifyLine(NM_CLICK, 100, "ok"), "WM_NOTIFY NM_CLICK id=100 from=ok");
    EXPECT_EQ(CommandLine(hButton, BN_CLICKED, 100), "WM_COMMAND BN_CLICKED id=100");
}

TEST_F(TestHost, FrameworkControlsCreatedOnTheHostReportToIt)
{
    CListBox list;
    ASSERT_TRUE(CreateOnHost(list, LBS_NOTIFY | LBS_HASSTRINGS, RECT{10, 50, 160, 150}, 200));
    EXPECT_EQ(::GetParent(list.GetSafeHwnd()), HostHwnd());
    EXPECT_TRUE(list.GetStyle() & WS_VISIBLE);
    list.AddString("one");
    list.AddString("two");
    Host().NameWindow(list.GetSafeHwnd(), "list");
    Host().ClearRecords();
    const POINT pt = HostToScreen(20, 55);  // the first item
    Click(pt.x, pt.y);
    // The click focuses the list box first (LBS_NOTIFY reports both).
    EXPECT_SEQUENCE((std::vector<std::string>{CommandLine(list.GetSafeHwnd(), LBN_SETFOCUS, 200, "list"),
                                              CommandLine(list.GetSafeHwnd(), LBN_SELCHANGE, 200, "list")}),
                    Host().MessageLines(WM_COMMAND));

    CButton button;
    ASSERT_TRUE(CreateOnHost(button, "Go", BS_PUSHBUTTON, RECT{200, 50, 280, 80}, 201));
    EXPECT_EQ(::GetDlgCtrlID(button.GetSafeHwnd()), 201);
}

}  // namespace
