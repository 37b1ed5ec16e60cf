// Editing through real input: presses that make a cell current and open its
// editor, typing checked by the format and by the owner, the arrow keys,
// the combo box and the button cells, scrolling and resizing with an editor
// open, and a current cell whose row or column went away.
#include "GridTestFixture.h"

using namespace gridtest;

namespace {

// Columns: 0 read-only text, 1 integer edit, 2 drop-down list, 3 button.
class GridEditTest : public GridTest {
protected:
    CVORInPlaceListCtrl& MakeEditGrid(int nRows = 5, int cx = 400, int cy = 200)
    {
        CVORInPlaceListCtrl& g = MakeGrid({80, 80, 80, 80}, nRows, kGridStyle, cx, cy);
        g.m_bEditable = TRUE;
        for (int r = 0; r < nRows; ++r) {
            g.SetCellEdit(r, 1);
            g.SetCellInt(r, 1);
            g.SetItemText(r, 1, std::to_string(10 * r).c_str());
            g.SetCellCombox(r, 2, "one\r\ntwo\r\nthree\r\n");
            g.SetItemText(r, 2, "one");
            g.SetCellButton(r, 3);
        }
        Host().ClearRecords();
        return g;
    }
    std::vector<std::string> AllTexts()
    {
        std::vector<std::string> v;
        for (int r = 0; r < Grid().GetItemCount(); ++r)
            for (int c = 0; c < Grid().GetColumnCount(); ++c)
                v.push_back((LPCTSTR)Grid().GetItemText(r, c));
        return v;
    }
};

}  // namespace

TEST_F(GridEditTest, APressOnAnotherRowSelectsItAndOpensTheEditorOfThePressedCell)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(2, 1);
    EXPECT_EQ(g.m_nCurRow, 2);
    EXPECT_EQ(g.m_nCurCol, 1);
    EXPECT_EQ(g.GetItemState(2, LVIS_SELECTED | LVIS_FOCUSED), (UINT)(LVIS_SELECTED | LVIS_FOCUSED));
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_FALSE(g.m_wndCombo.IsWindow());
    EXPECT_FALSE(g.m_wndButton.IsWindow());
    EXPECT_TRUE(g.IsSelectCell());
    EXPECT_EQ(EditText(), "20");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(2, 1));
    EXPECT_EQ(::GetFocus(), g.m_wndEdit.GetSafeHwnd());
    EXPECT_FALSE(g.m_wndEdit.GetStyle() & ES_READONLY);

    // The read-only column of the same row: a press goes to the grid alone.
    ClickCell(2, 0);
    EXPECT_EQ(g.m_nCurCol, 0);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(EditText(), "r2c0");
    EXPECT_TRUE(g.m_wndEdit.GetStyle() & ES_READONLY);
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(2, 0));

    // A right press on another row does the same.
    POINT pt = CellPoint(3, 1);
    RightClick(pt.x, pt.y);
    EXPECT_EQ(g.m_nCurRow, 3);
    EXPECT_EQ(g.m_nCurCol, 1);
    EXPECT_EQ(EditText(), "30");
}

TEST_F(GridEditTest, TypingIntoAnIntegerCellIsCheckedByTheFormatAndByTheOwner)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    std::vector<std::string> seenDuringStore;
    Host().SetReplyCallback([&](const vor::test::NotifyRecord& r) -> LRESULT {
        if (r.nCode == 5)
            seenDuringStore.push_back((LPCTSTR)g.GetItemText(r.nItem, r.nSubItem));
        return (r.nCode == 1 && r.strText == "345") ? 1 : 0;  // the owner refuses 345
    });
    ClickCell(2, 1);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    Host().ClearRecords();

    TypeText("3");  // replaces the selected text
    TypeText("4");
    TypeText("x");  // not an integer: undone without a question
    TypeText("5");  // refused by the owner
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "3", 2, 1), GridLine(0, 5, "3", 2, 1),
                                              GridLine(0, 1, "34", 2, 1), GridLine(0, 5, "34", 2, 1),
                                              GridLine(0, 1, "345", 2, 1)}),
                    NotifyLines());
    EXPECT_EQ(seenDuringStore, (std::vector<std::string>{"3", "34"}));
    EXPECT_EQ(g.GetItemText(2, 1), CString("34"));
    EXPECT_EQ(EditText(), "34");
    for (const auto& r : Host().Notifications())
        EXPECT_EQ(r.hWnd, g.GetSafeHwnd());
    // No other cell changed.
    EXPECT_EQ(g.GetItemText(1, 1), CString("10"));
    EXPECT_EQ(g.GetItemText(3, 1), CString("30"));
}

TEST_F(GridEditTest, AnOwnerThatRefusesEverythingNeverHearsOfAStoredText)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    g.SetCellChar(1, 1);
    ClickCell(1, 1);
    Host().ClearRecords();
    Host().SetReplyCallback([](const vor::test::NotifyRecord&) -> LRESULT { return 1; });
    TypeText("ab");  // each refused: the old text comes back, all of it selected
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "a", 1, 1), GridLine(0, 1, "b", 1, 1)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(1, 1), CString("10"));
    EXPECT_EQ(EditText(), "10");
}

TEST_F(GridEditTest, WithAHiddenColumnBeforeItTheCurrentCellKeepsItsLogicalColumn)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    g.SetCellEdit(1, 2);  // logical 2: a plain edit here
    g.HideColumn(1);      // logical 2 now stands at list-view position 1
    Paint();
    ClickCell(1, 1);
    EXPECT_EQ(g.m_nCurCol, 2);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(EditText(), "one");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(1, 1));
    Host().ClearRecords();
    TypeText("z");
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "z", 1, 2), GridLine(0, 5, "z", 1, 2)}), NotifyLines());
    EXPECT_EQ(g.GetItemText(1, 2), CString("z"));
    EXPECT_EQ(g.GetItemText(1, 1), CString("10"));  // the hidden cell is untouched
}

TEST_F(GridEditTest, LeftAndRightMoveAcrossShownColumnsAndStopAtTheEnds)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    for (int r = 0; r < 5; ++r)
        g.SetCellEdit(r, 3);  // an edit in the last column, so keys reach it
    g.HideColumn(1);
    Paint();
    CPoint origin;
    g.GetOrigin(&origin);
    ClickCell(1, 0);
    ASSERT_EQ(g.m_nCurCol, 0);

    // Left at the first shown column: nothing, and the list does not scroll.
    KeyPress(VK_HOME);
    KeyPress(VK_LEFT);
    EXPECT_EQ(g.m_nCurCol, 0);
    // Right from the end of the text skips the hidden column 1.
    KeyPress(VK_END);
    KeyPress(VK_RIGHT);
    EXPECT_EQ(g.m_nCurCol, 2);
    EXPECT_TRUE(g.m_wndCombo.IsWindow());
    KeyPress(VK_RIGHT);  // the drop-down list hands Left and Right on
    EXPECT_EQ(g.m_nCurCol, 3);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    KeyPress(VK_END);
    KeyPress(VK_RIGHT);  // the last shown column: no wrap
    EXPECT_EQ(g.m_nCurCol, 3);
    EXPECT_EQ(g.m_nCurRow, 1);
    KeyPress(VK_HOME);
    KeyPress(VK_LEFT);
    EXPECT_EQ(g.m_nCurCol, 2);
    KeyPress(VK_LEFT);
    EXPECT_EQ(g.m_nCurCol, 0);  // the hidden column again skipped
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(EditText(), "r1c0");  // the read-only cell is not skipped
    CPoint after;
    g.GetOrigin(&after);
    EXPECT_EQ(after, origin);
    EXPECT_EQ(g.m_nCurRow, 1);
}

TEST_F(GridEditTest, UpAndDownMoveTheEditorToTheNextRowInTheSameColumn)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(2, 1);
    KeyPress(VK_DOWN);
    EXPECT_EQ(g.m_nCurRow, 3);
    EXPECT_EQ(g.m_nCurCol, 1);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(EditText(), "30");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(3, 1));
    EXPECT_EQ(g.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED), (UINT)(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(g.GetItemState(2, LVIS_SELECTED), 0u);
    KeyPress(VK_UP);
    KeyPress(VK_UP);
    EXPECT_EQ(g.m_nCurRow, 1);
    EXPECT_EQ(EditText(), "10");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(1, 1));
}

TEST_F(GridEditTest, AComboCellTakesAChoiceFromItsList)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(1, 2);
    ASSERT_TRUE(g.m_wndCombo.IsWindow());
    EXPECT_FALSE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(g.m_wndCombo.GetCount(), 3);
    EXPECT_EQ(g.m_wndCombo.GetCurSel(), 0);
    Host().ClearRecords();
    KeyPress(VK_RETURN);  // opens the list
    EXPECT_TRUE(g.m_wndCombo.GetDroppedState());
    KeyPress(VK_DOWN);
    KeyPress(VK_RETURN);  // takes "two"
    EXPECT_FALSE(g.m_wndCombo.GetDroppedState());
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "two", 1, 2), GridLine(0, 5, "two", 1, 2)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(1, 2), CString("two"));
    EXPECT_EQ(g.GetItemText(0, 2), CString("one"));
}

TEST_F(GridEditTest, AButtonCellReachesTheOwnerAsAButtonPress)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(1, 3, 5);  // left of where the button will stand
    ASSERT_TRUE(g.m_wndButton.IsWindow());
    CRect rcCell;
    ASSERT_TRUE(g.GetCellRect(1, 3, rcCell));
    CRect rcButton = ChildRect(g.m_wndButton);
    EXPECT_EQ(rcButton, CRect(rcCell.right - 30, rcCell.top, rcCell.right, rcCell.bottom - 1));
    Host().ClearRecords();
    POINT pt{(rcButton.left + rcButton.right) / 2, (rcButton.top + rcButton.bottom) / 2};
    g.ClientToScreen(&pt);
    Click(pt.x, pt.y);
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(3, 4, nullptr, 1, 3)}), NotifyLines());
    ASSERT_EQ(Host().Notifications().size(), 1u);
    EXPECT_EQ(Host().Notifications()[0].hWnd, g.GetSafeHwnd());
    EXPECT_FALSE(Host().Notifications()[0].bHasText);
}

TEST_F(GridEditTest, WithoutEditModeEveryCellOpensReadOnly)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    g.m_bEditable = FALSE;
    for (int col : {1, 2, 3}) {
        ClickCell(col, col);
        ASSERT_TRUE(g.m_wndEdit.IsWindow()) << col;
        EXPECT_FALSE(g.m_wndCombo.IsWindow());
        EXPECT_FALSE(g.m_wndButton.IsWindow());
        EXPECT_TRUE(g.m_wndEdit.GetStyle() & ES_READONLY);
        EXPECT_EQ(CString(EditText().c_str()), g.GetItemText(col, col));
    }
    Host().ClearRecords();
    TypeText("7");
    EXPECT_EQ(g.GetItemText(3, 3), CString("r3c3"));
}

TEST_F(GridEditTest, ScrollingCarriesTheEditorAlong)
{
    CVORInPlaceListCtrl& g = MakeEditGrid(30, 200, 150);
    ClickCell(2, 1);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    const CRect before = ChildRect(g.m_wndEdit);

    // The scroll bar's down arrow, at the bottom of the vertical bar.
    CRect rcWindow;
    g.GetWindowRect(&rcWindow);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
    const bool bHorz = (g.GetStyle() & WS_HSCROLL) != 0;
    Click(rcWindow.right - cx / 2 - 1, rcWindow.bottom - (bHorz ? cy : 0) - cy / 2 - 1);
    ASSERT_EQ(g.GetTopIndex(), 1);
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(2, 1));
    EXPECT_EQ(ChildRect(g.m_wndEdit).top, before.top - before.Height() - 1);

    g.SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(2, 1));
    EXPECT_EQ(ChildRect(g.m_wndEdit).left, before.left - 10);
}

TEST_F(GridEditTest, ResizingAColumnMovesTheEditorOnTheNextPaint)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(2, 1);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    CHeaderCtrl* pHeader = g.GetHeaderCtrl();
    ASSERT_NE(pHeader, nullptr);
    CRect rcHeader;
    pHeader->GetClientRect(&rcHeader);
    POINT from{80, rcHeader.Height() / 2}, to{110, rcHeader.Height() / 2};
    pHeader->ClientToScreen(&from);
    pHeader->ClientToScreen(&to);
    MoveMouse(from.x, from.y);
    Press();
    MoveMouse(to.x, to.y);
    Release();
    Pump();
    ASSERT_EQ(g.GetColumnWidth(0), 110);
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(2, 1));
    EXPECT_EQ(ChildRect(g.m_wndEdit).left, 111);
}

TEST_F(GridEditTest, ACellOutOfViewOnTheLeftIsScrolledIn)
{
    CVORInPlaceListCtrl& g = MakeEditGrid(5, 200, 150);
    g.Scroll(CSize(100, 0));
    Pump();
    g.EditItem(1, 1, TRUE);  // its left edge at -20
    CPoint origin;
    g.GetOrigin(&origin);
    EXPECT_EQ(origin.x, 80);
    Pump();
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOver(1, 1));
    EXPECT_EQ(ChildRect(g.m_wndEdit).left, 1);
}

TEST_F(GridEditTest, DeselectingEveryRowClosesTheEditorAndTheKeyboardReopensIt)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(2, 1);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    g.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_FALSE(g.IsSelectCell());
    EXPECT_EQ(g.m_nCurRow, 2);
    EXPECT_EQ(g.m_nCurCol, 1);
    g.SetFocus();
    KeyPress(VK_DOWN);
    EXPECT_EQ(g.m_nCurRow, 3);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    EXPECT_EQ(EditText(), "30");
}

TEST_F(GridEditTest, SettingTheCurrentCellsTextBringsTheEditorInLine)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(2, 1);
    KeyPress(VK_END);
    long nStart = -1, nEnd = -1;
    g.m_wndEdit.GetSel(nStart, nEnd);
    ASSERT_EQ(nStart, 2);
    g.SetItemText(2, 1, "20");  // the same text: the editor is left alone
    g.m_wndEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 2);
    EXPECT_EQ(nEnd, 2);
    g.SetItemText(2, 1, "77");
    EXPECT_EQ(EditText(), "77");
    g.SetItemText(1, 1, "55");  // another cell: the editor keeps its text
    EXPECT_EQ(EditText(), "77");
    Host().ClearRecords();
    TypeText("1");
    EXPECT_EQ(g.GetItemText(2, 1), CString("177"));  // the set text leaves the caret at 0
}

TEST_F(GridEditTest, TheCurrentCellFollowsItsRowAndALostRowTakesNoText)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(3, 1);
    KeyPress(VK_END);
    g.DeleteItem(0);  // a row before it
    EXPECT_EQ(g.m_nCurRow, 2);
    Host().ClearRecords();
    TypeText("5");
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "305", 2, 1), GridLine(0, 5, "305", 2, 1)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(2, 1), CString("305"));

    CListCtrl& list = g;
    list.InsertItem(0, "raw");  // through the list view
    EXPECT_EQ(g.m_nCurRow, 3);

    // The current row itself goes: the editor's keystrokes land nowhere.
    g.DeleteItem(3);
    const std::vector<std::string> before = AllTexts();
    EXPECT_EQ(g.m_nCurRow, -1);
    Host().ClearRecords();
    if (g.m_wndEdit.IsWindow()) {
        g.m_wndEdit.SetFocus();
        TypeText("9");
    }
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(AllTexts(), before);
    EXPECT_EQ(g.m_mapItems.GetCount(), g.GetItemCount());
}

TEST_F(GridEditTest, DeletingColumnsMovesTheCurrentColumnAlong)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    g.SetCellEdit(1, 2);
    ClickCell(1, 2);
    ASSERT_EQ(g.m_nCurCol, 2);
    g.DeleteColumn(0);
    EXPECT_EQ(g.m_nCurCol, 1);
    g.InsertColumn(0, "new", LVCFMT_LEFT, 50, -1);
    EXPECT_EQ(g.m_nCurCol, 2);
    EXPECT_EQ(g.GetItemText(1, 2), CString("one"));
    g.DeleteColumn(2);
    EXPECT_EQ(g.m_nCurCol, -1);
    const std::vector<std::string> before = AllTexts();
    Host().ClearRecords();
    if (g.m_wndEdit.IsWindow()) {
        g.m_wndEdit.SetFocus();
        TypeText("q");
    }
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(AllTexts(), before);
}

TEST_F(GridEditTest, EditItemRefusesCellsItCannotOpen)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    CListCtrl& list = g;
    list.InsertItem(5, "never drawn");
    const struct {
        int nRow, nCol;
    } bad[] = {{-1, 1}, {6, 1}, {1, -1}, {1, 9}, {5, 1}};
    for (const auto& b : bad) {
        g.EditItem(b.nRow, b.nCol, TRUE);
        EXPECT_FALSE(g.IsSelectCell()) << b.nRow << ", " << b.nCol;
        EXPECT_EQ(g.m_nCurRow, -1);
        EXPECT_EQ(g.GetNextItem(-1, LVNI_SELECTED), -1);
    }
    g.HideColumn(1);
    g.EditItem(1, 1, TRUE);  // hidden
    EXPECT_FALSE(g.IsSelectCell());
    EXPECT_EQ(g.GetNextItem(-1, LVNI_SELECTED), -1);

    // A text change reaching the grid with no current cell goes no further.
    g.EditItem(1, 2, TRUE);
    ASSERT_TRUE(g.m_wndCombo.IsWindow());
    g.m_nCurRow = -1;
    INPLACE_NOTIFY n{g.m_wndCombo.GetSafeHwnd(), 2, 1, "two", 0, 0};
    Host().ClearRecords();
    EXPECT_EQ(g.SendMessage(WM_VOR_NOTIFY, 0, (LPARAM)&n), 0);
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(g.GetItemText(1, 2), CString("one"));
}

TEST_F(GridEditTest, TheParentHearsOfSelectionChangesAndAnotherOwnerHearsTheGrid)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(1, 1);
    bool bChanged = false;
    for (const auto& m : Host().Messages())
        if (m.message == WM_NOTIFY && m.nCode == (UINT)LVN_ITEMCHANGED && m.hwndFrom == g.GetSafeHwnd())
            bChanged = true;
    EXPECT_TRUE(bChanged);

    // A press inside the rich edit is reported to the grid only.
    Host().ClearRecords();
    CRect rcEdit = ChildRect(g.m_wndEdit);
    POINT pt{rcEdit.left + 3, (rcEdit.top + rcEdit.bottom) / 2};
    g.ClientToScreen(&pt);
    Click(pt.x, pt.y);
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_TRUE(g.m_wndEdit.IsWindow());

    // With another owner the grid's reports go there, not to the parent.
    vor::test::CVorTestHostWnd other;
    ASSERT_TRUE(other.CreateHost(RECT{500, 500, 600, 560}, "other"));
    other.NameWindow(g.GetSafeHwnd(), "grid");
    g.SetOwner(&other);
    other.QueueReply(1);  // and its verdict counts
    g.m_wndEdit.SetFocus();
    KeyPress(VK_END);
    TypeText("7");
    KeyPress(VK_END);  // the refusal put back the caret of the last click
    TypeText("8");
    EXPECT_TRUE(Host().Notifications().empty());
    std::vector<std::string> lines;
    for (const auto& r : other.Notifications())
        lines.push_back(other.DescribeNotify(r));
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "107", 1, 1), GridLine(0, 1, "108", 1, 1),
                                              GridLine(0, 5, "108", 1, 1)}),
                    lines);
    EXPECT_EQ(g.GetItemText(1, 1), CString("108"));
    g.SetOwner(NULL);
}

TEST_F(GridEditTest, EditItemOnAnotherRowLeavesOneEditorOnTheAskedCell)
{
    CVORInPlaceListCtrl& g = MakeEditGrid();
    ClickCell(1, 1);  // the list view's selection reopens column 1 first
    g.EditItem(3, 2, TRUE);
    EXPECT_EQ(g.m_nCurRow, 3);
    EXPECT_EQ(g.m_nCurCol, 2);
    EXPECT_TRUE(g.m_wndCombo.IsWindow());
    EXPECT_FALSE(g.m_wndEdit.IsWindow());
    EXPECT_FALSE(g.m_wndButton.IsWindow());
    EXPECT_EQ(g.GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_EQ(g.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED), (UINT)(LVIS_SELECTED | LVIS_FOCUSED));
    // Only the combo box is a child of the grid besides the header.
    int nChildren = 0;
    for (HWND h = ::GetWindow(g.GetSafeHwnd(), GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h != g.GetHeaderCtrl()->GetSafeHwnd())
            ++nChildren;
    EXPECT_EQ(nChildren, 1);
}
