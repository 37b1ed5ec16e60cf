// The in-place rich edit driven as the grid drives it and typed into with
// real keys: placement, the format check, the owner's verdict, Escape, the
// keys handed to the owner, the click reports, and use without a window.
#include <utility>

#include "EditorFixture.h"
#include "VORFunction.h"
#include "VORInPlaceEdit.h"
#include "VORInPlaceTypes.h"

using vor::test::NotifyRecord;
using vor::test::VorNotifyLine;

namespace {

const CRect kCell(20, 30, 220, 48);

class InPlaceEditTest : public vor::test::EditorTest {
protected:
    // Opens the editor over the cell as the grid does: create, text with
    // all of it selected, focus, format.
    void Open(const char* pszText, int nFormat, DWORD dwStyle = 0)
    {
        CRect rc = kCell;
        ASSERT_TRUE(m_edit.CreateInPlaceWnd(&Host(), rc, dwStyle));
        m_edit.SetText(pszText, TRUE);
        m_edit.SetFocus();
        m_edit.m_nDataFormat = nFormat;
        Host().NameWindow(m_edit.GetSafeHwnd(), "edit");
        m_recorder.Attach(m_edit.GetSafeHwnd(), "edit");
        Pump();
        Host().ClearRecords();
    }
    std::string Text() const { return TextOf(m_edit.GetSafeHwnd()); }
    std::pair<long, long> Sel()
    {
        long a = -1, b = -1;
        m_edit.GetSel(a, b);
        return {a, b};
    }
    void Caret(long n) { m_edit.SetSel(n, n); }

    CVORInPlaceEdit m_edit;
};

TEST_F(InPlaceEditTest, CreationShiftsTheCellOnePixelAndCentresTheFormattingRectangle)
{
    struct Case {
        int nHeight;
        int nTop;  // of the formatting rectangle
    };
    for (const Case& c : {Case{19, 3}, Case{18, 2}, Case{6, -3}}) {
        SCOPED_TRACE(c.nHeight);
        CVORInPlaceEdit edit;
        CRect rc(10, 20, 110, 20 + c.nHeight);
        const CRect rcGiven = rc;
        ASSERT_TRUE(edit.CreateInPlaceWnd(&Host(), rc, 0));
        EXPECT_EQ(rc, CRect(11, 20, 110, 20 + c.nHeight - 1));
        EXPECT_EQ(edit.m_rcCell, rcGiven);
        EXPECT_EQ(RectInHost(edit.GetSafeHwnd()), rc);
        CRect rcFormat;
        edit.GetRect(&rcFormat);
        EXPECT_EQ(rcFormat, CRect(4, c.nTop, rc.Width() - 4, rc.Height()));
        const DWORD dwMask = edit.GetEventMask();
        EXPECT_EQ(dwMask & (ENM_CHANGE | ENM_SELCHANGE), (DWORD)(ENM_CHANGE | ENM_SELCHANGE));
        const DWORD dwStyle = edit.GetStyle();
        EXPECT_TRUE((dwStyle & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL)) == (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
        EXPECT_EQ(edit.GetDlgCtrlID(), 0);
        EXPECT_TRUE(edit.IsWindow());
    }
}

TEST_F(InPlaceEditTest, MovesOnlyForAChangedCellRectangle)
{
    Open("abc", INPLACE_DATA_CHAR);
    // Somebody else moved the window: an unchanged cell does not move it back.
    m_edit.SetWindowPos(NULL, 300, 300, 50, 10, SWP_NOZORDER);
    CRect rc = kCell;
    m_edit.MoveInPlaceWnd(rc);
    EXPECT_EQ(rc, kCell);
    EXPECT_EQ(RectInHost(m_edit.GetSafeHwnd()), CRect(300, 300, 350, 310));
    CRect rcNew(40, 60, 140, 78);
    m_edit.MoveInPlaceWnd(rcNew);
    EXPECT_EQ(rcNew, CRect(41, 60, 140, 77));
    EXPECT_EQ(m_edit.m_rcCell, CRect(40, 60, 140, 78));
    EXPECT_EQ(RectInHost(m_edit.GetSafeHwnd()), rcNew);
}

TEST_F(InPlaceEditTest, SetTextIsNotReportedAndBecomesTheStartingAndLastText)
{
    Open("", INPLACE_DATA_CHAR);
    m_edit.SetText("hello", TRUE);
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(Text(), "hello");
    EXPECT_EQ(Sel(), std::make_pair(0L, 5L));
    EXPECT_EQ(m_edit.m_strOrgText, "hello");
    EXPECT_EQ(m_edit.m_strLastText, "hello");
    EXPECT_EQ(m_edit.m_nStartChar, 0);
    EXPECT_EQ(m_edit.m_nEndChar, 5);
    EXPECT_FALSE(m_edit.m_bSetText);
    m_edit.SetText("xy", FALSE);
    EXPECT_EQ(Sel(), std::make_pair(0L, 0L));
    EXPECT_EQ(m_edit.m_strLastText, "xy");
    EXPECT_TRUE(Host().Notifications().empty());
}

TEST_F(InPlaceEditTest, IntegerCellRefusesALetterSilentlyAndRestoresTheSavedSelection)
{
    Open("12", INPLACE_DATA_INT);
    TypeText("a");  // replaces the selected "12": refused by the check
    EXPECT_EQ(Text(), "12");
    EXPECT_EQ(Sel(), std::make_pair(0L, 2L));  // the selection SetText saved
    EXPECT_TRUE(Host().Notifications().empty());

    KeyPress(VK_END);
    TypeText("3");
    EXPECT_EQ(Text(), "123");
    ASSERT_EQ(Host().Notifications().size(), 1u);
    const NotifyRecord& r = Host().Notifications()[0];
    EXPECT_EQ(r.hWnd, m_edit.GetSafeHwnd());
    EXPECT_EQ(r.wParam, 0u);
    EXPECT_EQ(Host().DescribeNotify(r), VorNotifyLine("edit", 1, 1, "123"));
    EXPECT_EQ(m_edit.m_strLastText, "123");

    // A caret move over the accepted text is saved as it happens: a refused
    // keystroke leaves the caret where Left put it, at 2.
    KeyPress(VK_LEFT);
    EXPECT_EQ(Sel(), std::make_pair(2L, 2L));
    TypeText("x");
    EXPECT_EQ(Text(), "123");
    EXPECT_EQ(Sel(), std::make_pair(2L, 2L));
    EXPECT_EQ(Host().Notifications().size(), 1u);
    TypeText("0");
    EXPECT_EQ(Text(), "1203");
}

TEST_F(InPlaceEditTest, RealCellChecksEveryKeystroke)
{
    Open("", INPLACE_DATA_REAL);
    TypeText("-1.5.2e");  // the second point and the letter are refused
    EXPECT_EQ(Text(), "-1.52");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"-", "-1", "-1.", "-1.5", "-1.52"}));
}

TEST_F(InPlaceEditTest, OwnerThatRefusesEverythingSeesEachKeystrokeOnceAndKeepsTheOldText)
{
    Open("ab", INPLACE_DATA_CHAR);
    Caret(2);
    m_edit.PushLastText();
    Host().SetReplyCallback([](const NotifyRecord&) { return (LRESULT)1; });
    TypeText("xyz");
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"abx", "aby", "abz"}));
    EXPECT_EQ(Sel(), std::make_pair(2L, 2L));
    KeyPress(VK_BACK);
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(Offered().back(), "a");
    EXPECT_EQ(Offered().size(), 4u);
}

TEST_F(InPlaceEditTest, OwnerThatAcceptsMakesEachKeystrokeTheLastText)
{
    Open("", INPLACE_DATA_CHAR);
    TypeText("ok");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"o", "ok"}));
    EXPECT_EQ(m_edit.m_strLastText, "ok");
    EXPECT_EQ(m_edit.m_nStartChar, 2);
    // The next refusal falls back to the last accepted text, not the first.
    Host().QueueReply(1);
    TypeText("!");
    EXPECT_EQ(Text(), "ok");
    EXPECT_EQ(Sel(), std::make_pair(2L, 2L));
}

TEST_F(InPlaceEditTest, OwnerMayResetTheTextWhileAnsweringAChange)
{
    // As the grid does when the cell's text is set during its answer.
    Open("", INPLACE_DATA_CHAR);
    Host().SetReplyCallback([this](const NotifyRecord& r) {
        if (r.strText == "b")
            m_edit.SetText("forced", FALSE);
        return (LRESULT)0;
    });
    TypeText("b");
    EXPECT_EQ(Text(), "forced");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"b"}));
    EXPECT_FALSE(m_edit.m_bSetText);
    EXPECT_EQ(m_edit.m_strLastText, "forced");
    EXPECT_EQ(m_edit.m_strOrgText, "forced");
    TypeText("c");  // the flag did not swallow the next real change
    EXPECT_EQ(Offered(), (std::vector<std::string>{"b", "cforced"}));
}

TEST_F(InPlaceEditTest, EscapeOffersTheStartingTextAndRestoresItWhenAccepted)
{
    Open("start", INPLACE_DATA_CHAR);
    TypeText("new");
    EXPECT_EQ(Text(), "new");
    Host().ClearRecords();
    KeyPress(VK_ESCAPE);
    EXPECT_EQ(Offered(), (std::vector<std::string>{"start"}));
    EXPECT_EQ(Text(), "start");
    EXPECT_EQ(Sel(), std::make_pair(0L, 5L));
    EXPECT_EQ(m_edit.m_strLastText, "start");
    EXPECT_EQ(KeyDownsSeen(m_edit.GetSafeHwnd(), VK_ESCAPE), 0);  // consumed
    EXPECT_TRUE(KeysHandedOn().empty());
}

TEST_F(InPlaceEditTest, EscapeRefusedLeavesTheTypedText)
{
    Open("start", INPLACE_DATA_CHAR);
    TypeText("new");
    Host().ClearRecords();
    Host().QueueReply(1);
    KeyPress(VK_ESCAPE);
    EXPECT_EQ(Offered(), (std::vector<std::string>{"start"}));
    EXPECT_EQ(Text(), "new");
    EXPECT_EQ(m_edit.m_strLastText, "new");
    EXPECT_EQ(KeyDownsSeen(m_edit.GetSafeHwnd(), VK_ESCAPE), 0);
}

TEST_F(InPlaceEditTest, EscapeIsOfferedUntouchedAndReadOnly)
{
    Open("same", INPLACE_DATA_INT, ES_READONLY);  // not an integer: Escape is not checked
    KeyPress(VK_ESCAPE);
    EXPECT_EQ(Offered(), (std::vector<std::string>{"same"}));
    TypeText("z");
    EXPECT_EQ(Text(), "same");
}

TEST_F(InPlaceEditTest, LeftAndRightAreHandedOnOnlyAtTheEndsOfTheText)
{
    struct Case {
        const char* pszText;
        long nStart, nEnd;
        BYTE vk;
        bool bHandedOn;
    };
    const Case cases[] = {
        {"abcd", 0, 0, VK_LEFT, true},   {"abcd", 0, 3, VK_LEFT, false}, {"abcd", 1, 1, VK_LEFT, false},
        {"abcd", 4, 4, VK_RIGHT, true},  {"abcd", 3, 3, VK_RIGHT, false}, {"abcd", 0, 4, VK_RIGHT, false},
        {"abcd", 4, 4, VK_LEFT, false},  {"abcd", 0, 0, VK_RIGHT, false}, {"", 0, 0, VK_LEFT, true},
        {"", 0, 0, VK_RIGHT, true},
    };
    Open("", INPLACE_DATA_CHAR);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pszText << " " << c.nStart << ".." << c.nEnd << " vk " << (int)c.vk);
        m_edit.SetText(c.pszText, FALSE);
        m_edit.SetSel(c.nStart, c.nEnd);
        Host().ClearRecords();
        m_recorder.Clear();
        KeyPress(c.vk);
        EXPECT_EQ(KeysHandedOn(), c.bHandedOn ? std::vector<WPARAM>{c.vk} : std::vector<WPARAM>{});
        EXPECT_EQ(KeyDownsSeen(m_edit.GetSafeHwnd(), c.vk), c.bHandedOn ? 0 : 1);
        // The saved selection is the one the key left: the one found when
        // the key was handed on, the moved caret when the editor used it.
        if (c.bHandedOn) {
            EXPECT_EQ(Sel(), std::make_pair(c.nStart, c.nEnd));
        }
        EXPECT_EQ(std::make_pair((long)m_edit.m_nStartChar, (long)m_edit.m_nEndChar), Sel());
        EXPECT_EQ(m_edit.m_strLastText, c.pszText);
        EXPECT_TRUE(Host().Notifications().empty());
    }
}

TEST_F(InPlaceEditTest, TabUpAndDownReachTheOwnerAndEnterStays)
{
    Open("text", INPLACE_DATA_CHAR);
    m_edit.SetSel(2, 2);
    KeyPress(VK_TAB);
    KeyPress(VK_UP);
    KeyPress(VK_DOWN);
    KeyDown(VK_SHIFT);
    KeyPress(VK_TAB);
    KeyUp(VK_SHIFT);
    KeyPress(VK_RETURN);
    EXPECT_EQ(KeysHandedOn(), (std::vector<WPARAM>{VK_TAB, VK_UP, VK_DOWN, VK_TAB}));
    EXPECT_EQ(KeyDownsSeen(m_edit.GetSafeHwnd(), VK_TAB), 0);
    EXPECT_EQ(KeyDownsSeen(m_edit.GetSafeHwnd(), VK_RETURN), 1);
    EXPECT_EQ(Text(), "text");
    EXPECT_TRUE(Host().Notifications().empty());
}

TEST_F(InPlaceEditTest, OwnerThatDestroysTheEditorOnAHandedOnKeyIsSafe)
{
    Open("text", INPLACE_DATA_CHAR);
    // The grid opens another cell: the editor's window goes.
    m_edit.SetSel(0, 0);
    m_recorder.Detach(m_edit.GetSafeHwnd());
    Host().SetReplyCallback(nullptr);
    HWND hEdit = m_edit.GetSafeHwnd();
    // Destroy from inside the owner's handling of the handed-on key.
    m_edit.SetOwner(NULL);
    CVORInPlaceEdit* pEdit = &m_edit;
    class DestroyingHost : public CWnd {
    public:
        CVORInPlaceEdit* m_pEdit = nullptr;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_KEYDOWN && m_pEdit != nullptr)
                m_pEdit->DestroyWindow();
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    owner.m_pEdit = pEdit;
    m_edit.SetOwner(&owner);
    KeyPress(VK_LEFT);
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_FALSE(m_edit.IsWindow());
    owner.DestroyWindow();
}

TEST_F(InPlaceEditTest, ClicksAreReportedBeforeTheCaretMoves)
{
    Open("abcdefgh", INPLACE_DATA_CHAR);
    std::vector<std::pair<long, long>> selAtReport;
    Host().SetReplyCallback([&](const NotifyRecord&) {
        selAtReport.push_back(Sel());
        return (LRESULT)0;
    });
    const HWND hEdit = m_edit.GetSafeHwnd();
    Click(ScreenOf(hEdit, 80, 8).x, ScreenOf(hEdit, 80, 8).y);
    ASSERT_EQ(Codes(), (std::vector<int>{2}));
    EXPECT_EQ(selAtReport[0], std::make_pair(0L, 8L));  // still SetText's selection
    const auto after = Sel();
    EXPECT_EQ(after.first, after.second);
    EXPECT_GT(after.first, 0);
    EXPECT_EQ(m_edit.m_nStartChar, after.first);
    EXPECT_EQ(m_edit.m_nEndChar, after.second);
    EXPECT_EQ(Host().DescribeNotify(Host().Notifications()[0]), VorNotifyLine("edit", 1, 2));
    EXPECT_FALSE(Host().Notifications()[0].bHasText);

    Host().ClearRecords();
    RightClick(ScreenOf(hEdit, 5, 8).x, ScreenOf(hEdit, 5, 8).y);
    DoubleClick(ScreenOf(hEdit, 20, 8).x, ScreenOf(hEdit, 20, 8).y);
    EXPECT_EQ(Codes(), (std::vector<int>{3, 2, 4}));
    EXPECT_EQ(m_edit.m_strLastText, "abcdefgh");
}

TEST_F(InPlaceEditTest, ReportsGoToTheSetOwnerInsteadOfTheParent)
{
    vor::test::CVorTestHostWnd other;
    ASSERT_TRUE(other.CreateHost(RECT{700, 40, 800, 140}, "other"));
    Open("", INPLACE_DATA_CHAR);
    m_edit.SetOwner(&other);
    other.QueueReply(1);
    TypeText("q");
    EXPECT_TRUE(Host().Notifications().empty());
    ASSERT_EQ(other.Notifications().size(), 1u);
    EXPECT_EQ(other.Notifications()[0].strText, "q");
    EXPECT_EQ(Text(), "");  // the other owner's refusal counted
    m_edit.SetFocus();
    KeyPress(VK_TAB);
    EXPECT_TRUE(KeysHandedOn().empty());
    m_edit.SetOwner(NULL);
}

TEST_F(InPlaceEditTest, UnknownDataFormatLetsAnyTextStandUnreported)
{
    for (int nFormat : {3, -1, 1000}) {
        SCOPED_TRACE(nFormat);
        CVORInPlaceEdit edit;
        CRect rc = kCell;
        ASSERT_TRUE(edit.CreateInPlaceWnd(&Host(), rc, 0));
        edit.SetText("1", TRUE);
        edit.m_nDataFormat = nFormat;
        edit.SetFocus();
        Host().ClearRecords();
        TypeText("x.y");
        EXPECT_EQ(TextOf(edit.GetSafeHwnd()), "x.y");
        EXPECT_TRUE(Host().Notifications().empty());
        EXPECT_EQ(edit.m_strLastText, "1");
    }
}

TEST_F(InPlaceEditTest, DataFormatStartsAsPlainText)
{
    CVORInPlaceEdit edit;
    EXPECT_EQ(edit.m_nDataFormat, INPLACE_DATA_CHAR);
    CRect rc = kCell;
    ASSERT_TRUE(edit.CreateInPlaceWnd(&Host(), rc, 0));
    edit.SetFocus();
    TypeText("a1");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"a", "a1"}));
}

TEST_F(InPlaceEditTest, TextStyleChangesOnlyTheColour)
{
    Open("abc", INPLACE_DATA_CHAR);
    CHARFORMAT cf = {};
    cf.cbSize = sizeof cf;
    m_edit.GetDefaultCharFormat(cf);
    const DWORD dwBoldBefore = cf.dwEffects & CFE_BOLD;
    m_edit.SetTextStyle(RGB(200, 10, 20), 99);
    CHARFORMAT after = {};
    after.cbSize = sizeof after;
    m_edit.GetDefaultCharFormat(after);
    EXPECT_EQ(after.crTextColor, RGB(200, 10, 20));
    EXPECT_EQ(after.dwEffects & CFE_AUTOCOLOR, 0u);
    EXPECT_EQ(after.dwEffects & CFE_BOLD, dwBoldBefore);
    EXPECT_EQ(sizeof(CHARFORMAT), 60u);
}

TEST_F(InPlaceEditTest, NullTextIsOfferedAsEmpty)
{
    Open("abc", INPLACE_DATA_CHAR);
    EXPECT_EQ(m_edit.SendMessageTextChange(NULL), 0);
    ASSERT_EQ(Host().Notifications().size(), 1u);
    EXPECT_TRUE(Host().Notifications()[0].bHasText);
    EXPECT_EQ(Host().Notifications()[0].strText, "");
}

TEST_F(InPlaceEditTest, EveryOperationIsHarmlessWithoutAWindow)
{
    auto exercise = [this](CVORInPlaceEdit& edit) {
        EXPECT_FALSE(edit.IsWindow());
        CRect rc = kCell;
        edit.MoveInPlaceWnd(rc);
        EXPECT_EQ(rc, kCell);
        edit.SetText("abc", TRUE);
        edit.SetText(CString(), FALSE);
        edit.SetTextStyle(RGB(1, 2, 3), 0);
        edit.PushLastText();
        edit.PopLastText();
        EXPECT_NE(edit.SendMessageTextChange("x"), 0);
        EXPECT_NE(edit.SendMessageTextChange(NULL), 0);
        edit.SendMessageClick();
        edit.SendMessageRClick();
        edit.SendMessageDClick();
        MSG msg = {};
        msg.hwnd = edit.GetSafeHwnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_ESCAPE;
        EXPECT_FALSE(edit.PreTranslateMessage(&msg));
        EXPECT_TRUE(Host().Notifications().empty());
    };
    CVORInPlaceEdit never;
    exercise(never);
    CRect rcNull = kCell;
    EXPECT_FALSE(never.CreateInPlaceWnd(NULL, rcNull, 0));

    CVORInPlaceEdit gone;
    CRect rc = kCell;
    ASSERT_TRUE(gone.CreateInPlaceWnd(&Host(), rc, 0));
    ASSERT_TRUE(gone.DestroyWindow());
    Host().ClearRecords();
    exercise(gone);
    // And it can be opened again, as the grid does for the next cell.
    rc = kCell;
    EXPECT_TRUE(gone.CreateInPlaceWnd(&Host(), rc, 0));
    EXPECT_TRUE(gone.IsWindow());
}

TEST_F(InPlaceEditTest, CreatingTwiceIsRefused)
{
    Open("abc", INPLACE_DATA_CHAR);
    const HWND hFirst = m_edit.GetSafeHwnd();
    CRect rc = kCell;
    EXPECT_FALSE(m_edit.CreateInPlaceWnd(&Host(), rc, 0));
    EXPECT_EQ(m_edit.GetSafeHwnd(), hFirst);
    EXPECT_EQ(Text(), "abc");
}

}  // namespace
