// The in-place combo box driven as the grid drives it, with real keys and
// the mouse: placement and the dropped height, the list filled from the
// choice string, SetText, the format check for typed and chosen text, the
// keys with the list open and closed, the hover rule, use without a window.
#include "EditorFixture.h"
#include "VORInPlaceComboBox.h"
#include "VORInPlaceTypes.h"

using vor::test::NotifyRecord;
using vor::test::VorNotifyLine;

namespace {

const CRect kCell(20, 30, 220, 48);

class InPlaceComboBoxTest : public vor::test::EditorTest {
protected:
    void Open(DWORD dwKind, const char* pszChoices, const char* pszText, int nFormat)
    {
        CRect rc = kCell;
        ASSERT_TRUE(m_combo.CreateInPlaceWnd(&Host(), rc, dwKind));
        m_combo.SetBackText(pszChoices);
        m_combo.SetText(pszText, TRUE);
        m_combo.SetFocus();
        m_combo.m_nDataFormat = nFormat;
        Host().NameWindow(m_combo.GetSafeHwnd(), "combo");
        m_recorder.Attach(m_combo.GetSafeHwnd(), "combo");
        if (HWND hEdit = ::GetWindow(m_combo.GetSafeHwnd(), GW_CHILD))
            m_recorder.Attach(hEdit, "edit");
        Pump();
        Host().ClearRecords();
        m_recorder.Clear();
    }
    std::string Text() const { return TextOf(m_combo.GetSafeHwnd()); }
    std::pair<int, int> EditSel() const
    {
        const DWORD dw = m_combo.GetEditSel();
        return {(int)LOWORD(dw), (int)HIWORD(dw)};
    }
    std::vector<std::string> Items() const
    {
        std::vector<std::string> v;
        for (int i = 0; i < m_combo.GetCount(); ++i) {
            CString s;
            m_combo.GetLBText(i, s);
            v.push_back((LPCTSTR)s);
        }
        return v;
    }
    int KeyDownsSeenByCombo(WPARAM vk) const
    {
        int n = KeyDownsSeen(m_combo.GetSafeHwnd(), vk);
        if (HWND hEdit = ::GetWindow(m_combo.GetSafeHwnd(), GW_CHILD))
            n += KeyDownsSeen(hEdit, vk);
        return n;
    }
    // A point of the combo box's own client area (the drop button), which
    // its edit field does not cover.
    POINT OverButton() const
    {
        CRect rc;
        m_combo.GetClientRect(&rc);
        return ScreenOf(m_combo.GetSafeHwnd(), rc.right - 8, rc.Height() / 2);
    }
    COLORREF ClientPixel(int x, int y) const
    {
        POINT pt = ScreenOf(m_combo.GetSafeHwnd(), x, y);
        return ScreenPixel(pt.x, pt.y);
    }
    // The right column of the drop button frame: highlight when flat,
    // shadow when raised.
    COLORREF ButtonRightEdge() const
    {
        CRect rc;
        m_combo.GetClientRect(&rc);
        return ClientPixel(rc.right - 4, rc.Height() / 2);
    }

    CVORInPlaceComboBox m_combo;
};

TEST_F(InPlaceComboBoxTest, CreationKeepsTheLeftEdgeAndAsksForTwoHundredPixelsDropped)
{
    CRect rc = kCell;
    ASSERT_TRUE(m_combo.CreateInPlaceWnd(&Host(), rc, CBS_DROPDOWN));
    EXPECT_EQ(rc, CRect(20, 30, 220, 230));
    EXPECT_EQ(m_combo.m_rcCell, kCell);
    const CRect rcWindow = RectInHost(m_combo.GetSafeHwnd());
    EXPECT_EQ(rcWindow.left, 20);
    EXPECT_EQ(rcWindow.top, 30);
    EXPECT_EQ(rcWindow.right, 220);
    CRect rcDropped;
    m_combo.GetDroppedControlRect(&rcDropped);
    EXPECT_EQ(rcDropped.Height(), 200);
    EXPECT_EQ(m_combo.GetItemHeight(-1), 13);
    EXPECT_EQ(m_combo.GetItemHeight(0), 15);
    EXPECT_EQ(m_combo.GetDlgCtrlID(), 0);
    EXPECT_NE(m_combo.GetStyle() & WS_CLIPCHILDREN, 0u);

    // Moved, it stands one pixel right of the new cell; unchanged, not at all.
    CRect rcNew(40, 60, 140, 78);
    m_combo.MoveInPlaceWnd(rcNew);
    EXPECT_EQ(rcNew, CRect(41, 60, 140, 260));
    EXPECT_EQ(RectInHost(m_combo.GetSafeHwnd()).TopLeft(), CPoint(41, 60));
    m_combo.SetWindowPos(NULL, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect rcSame(40, 60, 140, 78);
    m_combo.MoveInPlaceWnd(rcSame);
    EXPECT_EQ(rcSame, CRect(40, 60, 140, 78));
    EXPECT_EQ(RectInHost(m_combo.GetSafeHwnd()).TopLeft(), CPoint(5, 5));
}

TEST_F(InPlaceComboBoxTest, ChoiceStringSkipsBlankItemsAndKeepsSpaces)
{
    struct Case {
        const char* pszChoices;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"a\r\n\r\n  \r\nb", {"a", "b"}},
        {" c \r\nd\r\n", {" c ", "d"}},
        {"", {}},
        {"\t\r\n\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszChoices);
        CVORInPlaceComboBox combo;
        CRect rc = kCell;
        ASSERT_TRUE(combo.CreateInPlaceWnd(&Host(), rc, CBS_DROPDOWNLIST));
        combo.SetBackText(c.pszChoices);
        std::vector<std::string> items;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString s;
            combo.GetLBText(i, s);
            items.push_back((LPCTSTR)s);
        }
        EXPECT_EQ(items, c.items);
    }
}

TEST_F(InPlaceComboBoxTest, SetTextSelectsThePrefixItemAndShowsExactlyTheText)
{
    Open(CBS_DROPDOWN, "Apple\r\nApricot\r\nBanana", "", INPLACE_DATA_CHAR);
    m_combo.SetText("Apr", TRUE);
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Text(), "Apr");
    EXPECT_EQ(EditSel(), std::make_pair(0, 3));
    EXPECT_EQ(m_combo.m_strOrgText, "Apr");
    EXPECT_EQ(m_combo.m_strLastText, "Apr");
    EXPECT_EQ(m_combo.m_nStartChar, 0);
    EXPECT_EQ(m_combo.m_nEndChar, 3);
    EXPECT_FALSE(m_combo.m_bSetText);
    m_combo.SetText("zzz", FALSE);  // no match: the list stays as it is
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Text(), "zzz");
    EXPECT_TRUE(Host().Notifications().empty());
}

TEST_F(InPlaceComboBoxTest, EmptyTextSelectsNoItem)
{
    for (DWORD dwKind : {(DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(dwKind);
        if (m_combo.IsWindow())
            m_combo.DestroyWindow();
        Open(dwKind, "first\r\nsecond", "second", INPLACE_DATA_CHAR);
        ASSERT_EQ(m_combo.GetCurSel(), 1);
        m_combo.SetText("", TRUE);
        EXPECT_EQ(m_combo.GetCurSel(), CB_ERR);
        EXPECT_EQ(Text(), "");
        EXPECT_EQ(m_combo.m_strLastText, "");
        EXPECT_TRUE(Host().Notifications().empty());
    }
}

TEST_F(InPlaceComboBoxTest, TypedTextIsCheckedAndOffered)
{
    Open(CBS_DROPDOWN, "1\r\n22", "7", INPLACE_DATA_INT);
    TypeText("x");  // replaces the selected 7: not an integer
    EXPECT_EQ(Text(), "7");
    EXPECT_EQ(EditSel(), std::make_pair(0, 1));
    EXPECT_TRUE(Host().Notifications().empty());
    KeyPress(VK_END);
    TypeText("5");
    EXPECT_EQ(Text(), "75");
    ASSERT_EQ(Host().Notifications().size(), 1u);
    EXPECT_EQ(Host().DescribeNotify(Host().Notifications()[0]), VorNotifyLine("combo", 2, 1, "75"));
    EXPECT_EQ(Host().Notifications()[0].hWnd, m_combo.GetSafeHwnd());
    Host().QueueReply(1);
    TypeText("6");
    EXPECT_EQ(Text(), "75");
    EXPECT_EQ(EditSel(), std::make_pair(2, 2));
    EXPECT_EQ(Offered(), (std::vector<std::string>{"75", "756"}));
}

TEST_F(InPlaceComboBoxTest, OwnerThatRefusesEverythingDoesNotLoop)
{
    Open(CBS_DROPDOWN, "", "ab", INPLACE_DATA_CHAR);
    Host().SetReplyCallback([](const NotifyRecord&) { return (LRESULT)1; });
    TypeText("xy");
    EXPECT_EQ(Offered(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(Text(), "ab");
}

TEST_F(InPlaceComboBoxTest, ChoiceFailingTheIntegerCheckPutsThePreviousTextBack)
{
    for (DWORD dwKind : {(DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(dwKind);
        CVORInPlaceComboBox& combo = m_combo;
        Open(dwKind, "12\r\nabc\r\n34", "12", INPLACE_DATA_INT);
        ASSERT_EQ(combo.GetCurSel(), 0);
        KeyPress(VK_RETURN);  // opens the list
        ASSERT_TRUE(combo.GetDroppedState());
        KeyPress(VK_DOWN);    // abc
        KeyPress(VK_RETURN);  // chosen: fails the check
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_EQ(Text(), "12");
        EXPECT_TRUE(Host().Notifications().empty());
        // A valid choice is offered and stands.
        KeyPress(VK_RETURN);
        KeyPress(VK_DOWN);
        KeyPress(VK_DOWN);
        KeyPress(VK_RETURN);
        EXPECT_EQ(Text(), "34");
        EXPECT_EQ(Offered(), (std::vector<std::string>{"34"}));
        EXPECT_EQ(combo.m_strLastText, "34");
        EXPECT_TRUE(KeysHandedOn().empty());
        combo.DestroyWindow();
    }
}

TEST_F(InPlaceComboBoxTest, AKeyInAClosedListOffersTheChoiceAndARefusalPutsTheLastOneBack)
{
    Open(CBS_DROPDOWNLIST, "alpha\r\nbeta\r\ngamma", "alpha", INPLACE_DATA_CHAR);
    TypeText("g");
    EXPECT_EQ(Text(), "gamma");
    EXPECT_SEQUENCE((std::vector<std::string>{VorNotifyLine("combo", 2, 1, "gamma")}),
                    Host().MessageLines(WM_VOR_NOTIFY));
    EXPECT_EQ(m_combo.m_strLastText, "gamma");
    // Refused: the list and the field go back to the last accepted choice.
    Host().ClearRecords();
    Host().QueueReply(1);
    KeyPress(VK_HOME);
    EXPECT_SEQUENCE((std::vector<std::string>{VorNotifyLine("combo", 2, 1, "alpha")}),
                    Host().MessageLines(WM_VOR_NOTIFY));
    EXPECT_EQ(Text(), "gamma");
    EXPECT_EQ(m_combo.GetCurSel(), 2);
    EXPECT_FALSE(m_combo.GetDroppedState());
    EXPECT_TRUE(KeysHandedOn().empty());
}

// Over a closed list the wheel belongs to the owner (the grid scrolls its
// rows and the choice stays); over an open list it scrolls the list.
TEST_F(InPlaceComboBoxTest, TheWheelGoesToTheOwnerWhileTheListIsClosed)
{
    std::string strItems;
    for (int i = 0; i < 40; ++i)
        strItems += "item " + std::to_string(i) + "\r\n";
    Open(CBS_DROPDOWNLIST, strItems.c_str(), "item 5", INPLACE_DATA_CHAR);
    Host().RecordMessage(WM_MOUSEWHEEL);
    const CRect rc = RectInHost(m_combo.GetSafeHwnd());
    const POINT pt = HostToScreen(rc.left + 5, rc.top + 5);
    Wheel(pt.x, pt.y, WHEEL_DELTA);
    int nWheels = 0;
    for (const auto& m : Host().Messages())
        if (m.message == WM_MOUSEWHEEL) {
            ++nWheels;
            EXPECT_EQ((short)HIWORD(m.wParam), WHEEL_DELTA);
        }
    EXPECT_EQ(nWheels, 1);
    EXPECT_TRUE(Host().MessageLines(WM_VOR_NOTIFY).empty());
    EXPECT_EQ(Text(), "item 5");
    EXPECT_EQ(m_combo.GetCurSel(), 5);

    Host().ClearRecords();
    KeyPress(VK_RETURN);
    ASSERT_TRUE(m_combo.GetDroppedState());
    const int nTop = m_combo.GetTopIndex();
    Wheel(pt.x, pt.y + 40, -WHEEL_DELTA);
    EXPECT_GT(m_combo.GetTopIndex(), nTop);
    EXPECT_TRUE(m_combo.GetDroppedState());
    EXPECT_TRUE(Host().MessageLines(WM_MOUSEWHEEL).empty());
    EXPECT_TRUE(Host().MessageLines(WM_VOR_NOTIFY).empty());
}

TEST_F(InPlaceComboBoxTest, EnterOpensAClosedListAndStaysHere)
{
    Open(CBS_DROPDOWN, "a\r\nb", "a", INPLACE_DATA_CHAR);
    KeyPress(VK_RETURN);
    EXPECT_TRUE(m_combo.GetDroppedState());
    EXPECT_TRUE(KeysHandedOn().empty());
    EXPECT_EQ(KeyDownsSeenByCombo(VK_RETURN), 0);
    EXPECT_TRUE(Host().Notifications().empty());
    // Enter in the open list closes it with its choice.
    KeyPress(VK_RETURN);
    EXPECT_FALSE(m_combo.GetDroppedState());
    EXPECT_EQ(Offered(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(KeysHandedOn().empty());
}

TEST_F(InPlaceComboBoxTest, EscapeClosesTheListAndAsksForTheStartingText)
{
    for (bool bOpen : {true, false}) {
        for (LRESULT lReply : {(LRESULT)0, (LRESULT)1}) {
            SCOPED_TRACE(testing::Message() << "open " << bOpen << " reply " << lReply);
            if (m_combo.IsWindow())
                m_combo.DestroyWindow();
            Open(CBS_DROPDOWN, "one\r\ntwo", "one", INPLACE_DATA_CHAR);
            KeyPress(VK_END);
            TypeText("s");
            ASSERT_EQ(Text(), "ones");
            if (bOpen) {
                KeyPress(VK_RETURN);
                ASSERT_TRUE(m_combo.GetDroppedState());
            }
            Host().ClearRecords();
            m_recorder.Clear();
            Host().QueueReply(lReply);
            KeyPress(VK_ESCAPE);
            EXPECT_FALSE(m_combo.GetDroppedState());
            EXPECT_EQ(Offered(), (std::vector<std::string>{"one"}));
            EXPECT_EQ(Text(), lReply == 0 ? "one" : "ones");
            if (lReply == 0) {
                EXPECT_EQ(EditSel(), std::make_pair(0, 3));
            }
            EXPECT_EQ(KeyDownsSeenByCombo(VK_ESCAPE), 0);
            EXPECT_TRUE(KeysHandedOn().empty());
        }
    }
}

TEST_F(InPlaceComboBoxTest, NavigationKeysGoToTheOwnerOnlyWhileTheListIsClosed)
{
    Open(CBS_DROPDOWN, "a\r\nb\r\nc", "a", INPLACE_DATA_CHAR);
    KeyPress(VK_UP);
    KeyPress(VK_DOWN);
    KeyPress(VK_TAB);
    EXPECT_EQ(KeysHandedOn(), (std::vector<WPARAM>{VK_UP, VK_DOWN, VK_TAB}));
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    Host().ClearRecords();
    KeyPress(VK_RETURN);
    KeyPress(VK_DOWN);  // moves in the open list
    EXPECT_EQ(m_combo.GetCurSel(), 1);
    EXPECT_EQ(Text(), "b");
    KeyPress(VK_UP);
    EXPECT_EQ(m_combo.GetCurSel(), 0);
    KeyPress(VK_LEFT);
    KeyPress(VK_RIGHT);
    EXPECT_TRUE(KeysHandedOn().empty());
    EXPECT_TRUE(m_combo.GetDroppedState());
}

TEST_F(InPlaceComboBoxTest, LeftAndRightAtTheEndsOfTheEditField)
{
    struct Case {
        int nStart, nEnd;
        BYTE vk;
        bool bHandedOn;
    };
    const Case cases[] = {
        {0, 0, VK_LEFT, true},   {0, 2, VK_LEFT, false},  {2, 2, VK_LEFT, false},
        {4, 4, VK_RIGHT, true},  {3, 3, VK_RIGHT, false}, {0, 4, VK_RIGHT, false},
    };
    Open(CBS_DROPDOWN, "", "abcd", INPLACE_DATA_CHAR);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nStart << ".." << c.nEnd << " vk " << (int)c.vk);
        m_combo.SetEditSel(c.nStart, c.nEnd);
        Host().ClearRecords();
        KeyPress(c.vk);
        EXPECT_EQ(KeysHandedOn(), c.bHandedOn ? std::vector<WPARAM>{c.vk} : std::vector<WPARAM>{});
        EXPECT_EQ(m_combo.m_nStartChar, c.nStart);
        EXPECT_EQ(m_combo.m_nEndChar, c.nEnd);
    }
}

TEST_F(InPlaceComboBoxTest, WithoutAnEditFieldLeftAndRightAlwaysGoToTheOwner)
{
    Open(CBS_DROPDOWNLIST, "a\r\nb", "b", INPLACE_DATA_CHAR);
    KeyPress(VK_LEFT);
    KeyPress(VK_RIGHT);
    EXPECT_EQ(KeysHandedOn(), (std::vector<WPARAM>{VK_LEFT, VK_RIGHT}));
    EXPECT_EQ(m_combo.m_nStartChar, 65535);
    EXPECT_EQ(m_combo.m_nEndChar, 65535);
    EXPECT_EQ(m_combo.GetCurSel(), 1);
}

TEST_F(InPlaceComboBoxTest, HoverRaisesAndLeavingFlattensEvenWithTheFocus)
{
    Open(CBS_DROPDOWN, "a", "a", INPLACE_DATA_CHAR);
    MoveMouse(HostToScreen(400, 400).x, HostToScreen(400, 400).y);
    Advance(20);
    ASSERT_EQ(::GetFocus(), ::GetWindow(m_combo.GetSafeHwnd(), GW_CHILD));
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT), crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(crHilite, crShadow);
    EXPECT_EQ(ButtonRightEdge(), crShadow);  // gaining the focus drew it raised
    EXPECT_FALSE(m_combo.m_bPainted);
    MoveMouse(OverButton().x, OverButton().y);
    EXPECT_TRUE(m_combo.m_bPainted);
    EXPECT_EQ(ButtonRightEdge(), crShadow);  // at once, inside the mouse move
    Advance(30);
    EXPECT_EQ(ButtonRightEdge(), crShadow);
    MoveMouse(HostToScreen(400, 400).x, HostToScreen(400, 400).y);
    EXPECT_EQ(ButtonRightEdge(), crShadow);  // no tick yet
    Advance(10);
    EXPECT_FALSE(m_combo.m_bPainted);
    EXPECT_EQ(ButtonRightEdge(), crHilite);  // flat, though it has the focus
    EXPECT_TRUE(m_combo.m_bHasFocus);
}

TEST_F(InPlaceComboBoxTest, ClickReportsAreOfferedToTheHostOnly)
{
    Open(CBS_DROPDOWN, "a", "a", INPLACE_DATA_CHAR);
    m_combo.SendMessageClick();
    m_combo.SendMessageRClick();
    m_combo.SendMessageDClick();
    EXPECT_EQ(Codes(), (std::vector<int>{2, 3, 4}));
    for (const NotifyRecord& r : Host().Notifications()) {
        EXPECT_EQ(r.nSource, 2);
        EXPECT_FALSE(r.bHasText);
        EXPECT_EQ(r.hWnd, m_combo.GetSafeHwnd());
    }
    Host().ClearRecords();
    Click(OverButton().x, OverButton().y);  // opens the list; no report
    EXPECT_TRUE(Host().Notifications().empty());
}

TEST_F(InPlaceComboBoxTest, SystemCharactersAreNotSwallowed)
{
    Open(CBS_DROPDOWN, "a", "a", INPLACE_DATA_CHAR);
    const HWND hEdit = ::GetWindow(m_combo.GetSafeHwnd(), GW_CHILD);
    KeyDown(VK_MENU);
    KeyPress('X');
    KeyUp(VK_MENU);
    EXPECT_EQ(m_recorder.Count(WM_SYSCHAR, hEdit), 1);
}

TEST_F(InPlaceComboBoxTest, EveryOperationIsHarmlessWithoutAWindow)
{
    auto exercise = [this](CVORInPlaceComboBox& combo) {
        EXPECT_FALSE(combo.IsWindow());
        CRect rc = kCell;
        combo.MoveInPlaceWnd(rc);
        EXPECT_EQ(rc, kCell);
        combo.SetBackText("a\r\nb");
        combo.SetText("a", TRUE);
        combo.PushLastText();
        combo.PopLastText();
        EXPECT_NE(combo.SendMessageTextChange("x"), 0);
        EXPECT_NE(combo.SendMessageTextChange(NULL), 0);
        combo.SendMessageClick();
        combo.SendMessageRClick();
        combo.SendMessageDClick();
        MSG msg = {};
        msg.hwnd = combo.GetSafeHwnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_ESCAPE;
        EXPECT_FALSE(combo.PreTranslateMessage(&msg));
        EXPECT_TRUE(Host().Notifications().empty());
    };
    CVORInPlaceComboBox never;
    EXPECT_EQ(never.m_nDataFormat, INPLACE_DATA_CHAR);
    exercise(never);
    CRect rcNull = kCell;
    EXPECT_FALSE(never.CreateInPlaceWnd(NULL, rcNull, CBS_DROPDOWN));

    CVORInPlaceComboBox gone;
    CRect rc = kCell;
    ASSERT_TRUE(gone.CreateInPlaceWnd(&Host(), rc, CBS_DROPDOWN));
    ASSERT_TRUE(gone.DestroyWindow());
    exercise(gone);
}

TEST_F(InPlaceComboBoxTest, NullTextIsOfferedAsEmptyAndUnknownFormatsStandUnreported)
{
    Open(CBS_DROPDOWN, "", "1", 9);
    EXPECT_EQ(m_combo.SendMessageTextChange(NULL), 0);
    ASSERT_EQ(Host().Notifications().size(), 1u);
    EXPECT_EQ(Host().Notifications()[0].strText, "");
    Host().ClearRecords();
    KeyPress(VK_END);
    TypeText("z");
    EXPECT_EQ(Text(), "1z");
    EXPECT_TRUE(Host().Notifications().empty());
}

}  // namespace
