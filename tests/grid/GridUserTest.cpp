// The grid as a person uses it, through real mouse and keyboard: the wheel,
// a resize by a splitter, the caret after a refused keystroke, a row or
// column deleted under the editor, Tab and Enter, a choice in an editable
// drop-down, and texts set by the host while the grid is on the screen.
#include "GridTestFixture.h"

#include <cstdlib>

#include "VORSplitterWnd.h"

using namespace gridtest;

namespace {

// Logical columns of the sheet.
enum { kText, kQty, kPrice, kList, kEditList, kButton, kColumns };

const char* const kChoices = "Tools\r\nParts\r\nPaint\r\nGarden\r\n";

class GridUserTest : public GridTest {
protected:
    // Every row: free text, an integer, a real price, a drop-down list, an
    // editable drop-down and a button cell.
    CVORInPlaceListCtrl& MakeSheet(int nRows = 5, int cx = 560, int cy = 200)
    {
        CVORInPlaceListCtrl& g = MakeGrid({70, 50, 60, 80, 80, 60}, nRows, kGridStyle, cx, cy);
        SetUpCells(g);
        return g;
    }
    void SetUpCells(CVORInPlaceListCtrl& g)
    {
        g.m_bEditable = TRUE;
        for (int r = 0; r < g.GetItemCount(); ++r) {
            g.SetCellEdit(r, kText);
            g.SetCellEdit(r, kQty);
            g.SetCellInt(r, kQty);
            g.SetItemText(r, kQty, std::to_string(r + 1).c_str());
            g.SetCellEdit(r, kPrice);
            g.SetCellReal(r, kPrice);
            g.SetItemText(r, kPrice, "14.75");
            g.SetCellCombox(r, kList, "one\r\ntwo\r\nthree\r\n");
            g.SetItemText(r, kList, "one");
            g.SetCellEditCombox(r, kEditList, kChoices);
            g.SetItemText(r, kEditList, "Tools");
            g.SetCellButton(r, kButton);
        }
        Host().ClearRecords();
    }
    // The rectangle the rich edit takes over the cell of a logical column.
    CRect EditRectOverCell(int nRow, int nCol) { return EditRectOver(nRow, Grid().LCtoRC(nCol)); }
    std::pair<long, long> EditSel()
    {
        long a = -1, b = -1;
        Grid().m_wndEdit.GetSel(a, b);
        return {a, b};
    }
    std::vector<std::string> AllTexts()
    {
        std::vector<std::string> v;
        for (int r = 0; r < Grid().GetItemCount(); ++r)
            for (int c = 0; c < Grid().GetColumnCount(); ++c)
                v.push_back((LPCTSTR)Grid().GetItemText(r, c));
        return v;
    }
    // A point on the rows, away from every editor, in screen coordinates.
    POINT RowsPoint()
    {
        CRect rc;
        Grid().GetClientRect(&rc);
        POINT pt{rc.right - 20, rc.bottom - 10};
        Grid().ClientToScreen(&pt);
        return pt;
    }
    // The cell the grid calls current, and the editor that is open there.
    std::string Where()
    {
        CVORInPlaceListCtrl& g = Grid();
        std::string s = std::to_string(g.m_nCurRow) + "," + std::to_string(g.m_nCurCol);
        if (g.m_wndEdit.IsWindow())
            s += " edit";
        if (g.m_wndCombo.IsWindow())
            s += " combo";
        if (g.m_wndButton.IsWindow())
            s += " button";
        HWND hFocus = ::GetFocus();
        if (hFocus == g.m_wndEdit.GetSafeHwnd() || hFocus == g.m_wndButton.GetSafeHwnd() ||
            (g.m_wndCombo.GetSafeHwnd() != NULL &&
             (hFocus == g.m_wndCombo.GetSafeHwnd() || ::IsChild(g.m_wndCombo.GetSafeHwnd(), hFocus))))
            s += " focused";
        return s;
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// The wheel

TEST_F(GridUserTest, TheSidewaysWheelScrollsTheColumnsAndTheEditorGoesWithItsCell)
{
    CVORInPlaceListCtrl& g = MakeSheet(5, 250, 160);  // 400 pixels of columns in 250
    ClickCell(1, kPrice);
    ASSERT_EQ(Where(), "1,2 edit focused");
    const CRect before = ChildRect(g.m_wndEdit);
    const POINT pt = RowsPoint();

    HWheel(pt.x, pt.y, WHEEL_DELTA);
    ASSERT_GT(g.GetScrollPos(SB_HORZ), 0);
    EXPECT_EQ(Where(), "1,2 edit focused");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOverCell(1, kPrice));
    EXPECT_EQ(ChildRect(g.m_wndEdit).left, before.left - g.GetScrollPos(SB_HORZ));

    HWheel(pt.x, pt.y, -WHEEL_DELTA);
    EXPECT_EQ(g.GetScrollPos(SB_HORZ), 0);
    EXPECT_EQ(ChildRect(g.m_wndEdit), before);
    // What is typed still goes to the cell.
    TypeText("9");
    EXPECT_EQ(std::string((LPCTSTR)g.GetItemText(1, kPrice)).back(), '9');
}

TEST_F(GridUserTest, TheWheelCarriesTheEditorWithItsCellAndClosesItWhenTheCellLeavesTheView)
{
    CVORInPlaceListCtrl& g = MakeSheet(40, 560, 160);
    ClickCell(4, kText);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    const POINT pt = RowsPoint();

    Wheel(pt.x, pt.y, -WHEEL_DELTA);  // one notch down: row 4 is still shown
    const int nTop = g.GetTopIndex();
    ASSERT_GT(nTop, 0);
    ASSERT_LE(nTop, 4);
    EXPECT_EQ(Where(), "4,0 edit focused");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOverCell(4, kText));

    Wheel(pt.x, pt.y, -WHEEL_DELTA);  // row 4 goes under the header
    ASSERT_GT(g.GetTopIndex(), 4);
    EXPECT_FALSE(g.IsSelectCell());
    EXPECT_EQ(::GetFocus(), g.GetSafeHwnd());
    // What is typed now reaches no cell, seen or unseen.
    const std::vector<std::string> before = AllTexts();
    TypeText("Z");
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(AllTexts(), before);

    // Scrolling back does not bring an editor back by itself; a press does.
    Wheel(pt.x, pt.y, 2 * WHEEL_DELTA);
    EXPECT_EQ(g.GetTopIndex(), 0);
    EXPECT_FALSE(g.IsSelectCell());
    ClickCell(4, kQty);
    EXPECT_EQ(Where(), "4,1 edit focused");

    // The scroll bar treats the editor alike.
    g.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_GT(g.GetTopIndex(), 4);
    EXPECT_FALSE(g.IsSelectCell());
}

TEST_F(GridUserTest, OverAClosedDropDownTheWheelScrollsTheGridAndOverAnOpenListItScrollsTheList)
{
    CVORInPlaceListCtrl& g = MakeSheet(40, 560, 160);
    std::string strMany;
    for (int i = 0; i < 30; ++i)
        strMany += "choice " + std::to_string(i) + "\r\n";
    g.SetCellCombox(1, kList, strMany.c_str());
    g.SetItemText(1, kList, "choice 0");
    ClickCell(1, kList);
    ASSERT_TRUE(g.m_wndCombo.IsWindow());
    const std::vector<std::string> before = AllTexts();

    // The list closed: the grid scrolls, the choice stays.
    POINT pt = CellPoint(1, g.LCtoRC(kList));
    Wheel(pt.x, pt.y, -WHEEL_DELTA);
    EXPECT_GT(g.GetTopIndex(), 0);
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(AllTexts(), before);
    EXPECT_FALSE(g.IsSelectCell());  // row 1 left the view

    // The list open: the list scrolls, the grid and the cell stay.
    Wheel(pt.x, pt.y, WHEEL_DELTA);
    ASSERT_EQ(g.GetTopIndex(), 0);
    Advance(1000);  // a new press, not the second half of a double click
    ClickCell(1, g.LCtoRC(kList));
    ASSERT_TRUE(g.m_wndCombo.IsWindow());
    KeyPress(VK_RETURN);
    ASSERT_TRUE(g.m_wndCombo.GetDroppedState());
    ASSERT_EQ(g.m_wndCombo.GetTopIndex(), 0);
    Wheel(pt.x, pt.y + 60, -WHEEL_DELTA);
    EXPECT_GT(g.m_wndCombo.GetTopIndex(), 0);
    EXPECT_EQ(g.GetTopIndex(), 0);
    EXPECT_TRUE(g.m_wndCombo.GetDroppedState());
    EXPECT_EQ(Where(), "1,3 combo focused");
    EXPECT_TRUE(Host().Notifications().empty());
    EXPECT_EQ(AllTexts(), before);
}

// ---------------------------------------------------------------------------
// Resizing and moving

TEST_F(GridUserTest, AfterASplitterDragTheEditorShowsItsTextOverItsCell)
{
    // The grid as the first pane of a splitter, which moves its panes
    // without redrawing them and then repaints itself.
    CVORSplitterWnd split;
    ASSERT_TRUE(split.Create(TRUE, 420, CRect(10, 10, 630, 250), &Host(), NULL));
    m_pGrid = new CVORInPlaceListCtrl;
    ASSERT_TRUE(m_pGrid->Create(WS_CHILD | WS_VISIBLE | kGridStyle, CRect(0, 0, 10, 10), &split, kGridId));
    m_pGrid->SetOwner(&Host());
    CStatic other;
    ASSERT_TRUE(other.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &split));
    split.SetWnd(m_pGrid, &other);
    split.Relayout();
    CVORInPlaceListCtrl& g = *m_pGrid;
    for (int c = 0; c < kColumns; ++c)
        g.AddColumn(("C" + std::to_string(c)).c_str(), LVCFMT_LEFT, 70, -1);
    for (int r = 0; r < 4; ++r)
        g.InsertItem(r, "WWWWWW");
    SetUpCells(g);
    Paint();
    ClickCell(2, kText);
    ASSERT_TRUE(g.m_wndEdit.IsWindow());
    Pump();

    // How many pixels of the editor are nearer its text colour than its
    // background (the text's ink, its anti-aliased edges included).
    auto Distance = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b));
    };
    auto TextPixels = [&]() {
        CRect rc;
        g.m_wndEdit.GetWindowRect(&rc);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) {
                const COLORREF c = ScreenPixel(x, y);
                if (Distance(c, g.m_crEditText) < Distance(c, g.m_crEditBk))
                    ++n;
            }
        return n;
    };
    const int nShown = TextPixels();
    ASSERT_GT(nShown, 10);

    for (int nDelta : {-60, 40}) {
        SCOPED_TRACE(nDelta);
        POINT from{split.m_nBarPos + 1, 100};
        split.ClientToScreen(&from);
        MoveMouse(from.x, from.y);
        Press();
        MoveMouse(from.x + nDelta / 2, from.y);
        MoveMouse(from.x + nDelta, from.y);
        Release();
        Pump();
        ASSERT_TRUE(g.m_wndEdit.IsWindow());
        EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOverCell(2, kText));
        EXPECT_EQ(TextPixels(), nShown);
    }
    g.DestroyWindow();
    delete m_pGrid;
    m_pGrid = nullptr;
}

// ---------------------------------------------------------------------------
// The caret after a refused keystroke

TEST_F(GridUserTest, ARefusedKeystrokeLeavesTheCaretWhereTheUserPutIt)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    ClickCell(2, g.LCtoRC(kPrice));
    KeyPress(VK_END);
    TypeText("x");  // not a number: put back, the caret stays at the end
    EXPECT_EQ(EditText(), "14.75");
    EXPECT_EQ(EditSel(), std::make_pair(5L, 5L));
    TypeText("5");
    KeyPress(VK_HOME);
    TypeText("-");  // a sign goes where the caret was put
    KeyPress(VK_RIGHT);
    TypeText("z");
    TypeText("0");
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "14.755", 2, kPrice), GridLine(0, 5, "14.755", 2, kPrice),
                                              GridLine(0, 1, "-14.755", 2, kPrice),
                                              GridLine(0, 5, "-14.755", 2, kPrice),
                                              GridLine(0, 1, "-104.755", 2, kPrice),
                                              GridLine(0, 5, "-104.755", 2, kPrice)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(2, kPrice), CString("-104.755"));

    // A selection made with the keyboard is kept through a refusal too.
    KeyPress(VK_END);
    KeyDown(VK_SHIFT);
    KeyPress(VK_LEFT);
    KeyPress(VK_LEFT);
    KeyUp(VK_SHIFT);
    TypeText("q");
    EXPECT_EQ(EditText(), "-104.755");
    long nStart = 0, nEnd = 0;
    g.m_wndEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(std::min(nStart, nEnd), 6);
    EXPECT_EQ(std::max(nStart, nEnd), 8);
    TypeText("9");
    EXPECT_EQ(g.GetItemText(2, kPrice), CString("-104.79"));
}

TEST_F(GridUserTest, AFirstRefusedKeystrokeAfterOpeningRestoresTheWholeTextSelected)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    ClickCell(1, g.LCtoRC(kPrice));
    TypeText("a");
    EXPECT_EQ(EditText(), "14.75");
    EXPECT_EQ(EditSel(), std::make_pair(0L, 5L));
    TypeText("5");  // replaces the whole price, as a first keystroke does
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "5", 1, kPrice), GridLine(0, 5, "5", 1, kPrice)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(1, kPrice), CString("5"));
}

// ---------------------------------------------------------------------------
// A row or column deleted under the editor

TEST_F(GridUserTest, DeletingTheEditedRowOrColumnClosesTheEditorAndNoKeystrokeGoesUnstored)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    struct Case {
        const char* pszWhat;
        int nRow, nCol;
    };
    for (const Case& c : {Case{"row", 3, kText}, Case{"column", 1, kPrice}, Case{"all rows", 0, kQty}}) {
        SCOPED_TRACE(c.pszWhat);
        ClickCell(c.nRow, g.LCtoRC(c.nCol));
        ASSERT_TRUE(g.m_wndEdit.IsWindow());
        KeyPress(VK_END);
        const std::string strWhat = c.pszWhat;
        if (strWhat == "row")
            g.DeleteItem(c.nRow);
        else if (strWhat == "column")
            g.DeleteColumn(c.nCol);
        else
            g.DeleteAllItems();
        EXPECT_FALSE(g.IsSelectCell());
        EXPECT_EQ(::GetFocus(), g.GetSafeHwnd());
        Host().ClearRecords();
        const std::vector<std::string> before = AllTexts();
        TypeText("9");
        EXPECT_TRUE(Host().Notifications().empty());
        EXPECT_EQ(AllTexts(), before);
        Paint();
    }
}

// ---------------------------------------------------------------------------
// Tab and Enter

TEST_F(GridUserTest, TabWalksTheShownColumnsAcrossRowsAndShiftTabWalksBack)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    g.HideColumn(kPrice);
    Paint();
    ClickCell(0, g.LCtoRC(kQty));
    TypeText("7");
    std::vector<std::string> walk;
    auto Step = [&](bool bShift) {
        if (bShift)
            KeyDown(VK_SHIFT);
        KeyPress(VK_TAB);
        if (bShift)
            KeyUp(VK_SHIFT);
        walk.push_back(Where());
    };
    for (int i = 0; i < 5; ++i)
        Step(false);
    for (int i = 0; i < 3; ++i)
        Step(true);
    EXPECT_EQ(walk, (std::vector<std::string>{"0,3 combo focused", "0,4 combo focused", "0,5 button focused",
                                              "1,0 edit focused", "1,1 edit focused", "1,0 edit focused",
                                              "0,5 button focused", "0,4 combo focused"}));
    // The typed text was stored when it was typed; moving stored nothing more.
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "7", 0, kQty), GridLine(0, 5, "7", 0, kQty)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), (UINT)(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(g.GetItemState(1, LVIS_SELECTED), 0u);
    EXPECT_EQ(ChildRect(g.m_wndCombo).left, EditRectOverCell(0, kEditList).left - 1);

    // The ends: Shift+Tab at the first cell and Tab at the last stay.
    ClickCell(0, 0);
    Step(true);
    EXPECT_EQ(walk.back(), "0,0 edit focused");
    g.EditItem(4, kButton, TRUE);
    g.m_wndButton.SetFocus();
    Step(false);
    EXPECT_EQ(walk.back(), "4,5 button focused");
}

TEST_F(GridUserTest, TabToARowOutOfViewBringsItIn)
{
    CVORInPlaceListCtrl& g = MakeSheet(30, 560, 120);
    const int nLastShown = g.GetTopIndex() + g.GetCountPerPage() - 1;
    ClickCell(nLastShown, g.LCtoRC(kButton), 5);
    ASSERT_TRUE(g.m_wndButton.IsWindow());
    g.m_wndButton.SetFocus();
    KeyPress(VK_TAB);
    EXPECT_EQ(Where(), std::to_string(nLastShown + 1) + ",0 edit focused");
    EXPECT_GT(g.GetTopIndex(), 0);
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOverCell(nLastShown + 1, kText));
    EXPECT_EQ(EditText(), "r" + std::to_string(nLastShown + 1) + "c0");
}

TEST_F(GridUserTest, EnterInATextOrNumberCellMovesDownItsColumn)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    ClickCell(1, g.LCtoRC(kQty));
    TypeText("5");
    KeyPress(VK_RETURN);
    EXPECT_EQ(Where(), "2,1 edit focused");
    EXPECT_EQ(EditText(), "3");
    EXPECT_EQ(ChildRect(g.m_wndEdit), EditRectOverCell(2, kQty));
    EXPECT_EQ(g.GetItemText(1, kQty), CString("5"));
    KeyPress(VK_LEFT);  // the text is all selected: the caret goes to 0 first
    KeyPress(VK_LEFT);
    EXPECT_EQ(Where(), "2,0 edit focused");
    KeyPress(VK_RETURN);
    KeyPress(VK_RETURN);
    EXPECT_EQ(Where(), "4,0 edit focused");
    KeyPress(VK_RETURN);  // the last row: Enter stays
    EXPECT_EQ(Where(), "4,0 edit focused");
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "5", 1, kQty), GridLine(0, 5, "5", 1, kQty)}),
                    NotifyLines());

    // A read-only cell keeps Enter to itself; a drop-down opens its list.
    g.m_bEditable = FALSE;
    ClickCell(1, g.LCtoRC(kText));
    KeyPress(VK_RETURN);
    EXPECT_EQ(Where(), "1,0 edit focused");
    g.m_bEditable = TRUE;
    ClickCell(1, g.LCtoRC(kList));
    KeyPress(VK_RETURN);
    EXPECT_EQ(Where(), "1,3 combo focused");
    EXPECT_TRUE(g.m_wndCombo.GetDroppedState());
}

// ---------------------------------------------------------------------------
// The editable drop-down after a choice

TEST_F(GridUserTest, AChoiceInAnEditableDropDownIsSelectedSoTypingReplacesIt)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    ClickCell(2, g.LCtoRC(kEditList));
    ASSERT_TRUE(g.m_wndCombo.IsWindow());
    KeyPress(VK_RETURN);
    KeyPress(VK_DOWN);
    KeyPress(VK_RETURN);  // takes "Parts"
    ASSERT_FALSE(g.m_wndCombo.GetDroppedState());
    DWORD dwSel = g.m_wndCombo.GetEditSel();
    EXPECT_EQ(LOWORD(dwSel), 0);
    EXPECT_EQ(HIWORD(dwSel), 5);
    TypeText("Ga");
    EXPECT_SEQUENCE((std::vector<std::string>{GridLine(0, 1, "Parts", 2, kEditList),
                                              GridLine(0, 5, "Parts", 2, kEditList),
                                              GridLine(0, 1, "G", 2, kEditList), GridLine(0, 5, "G", 2, kEditList),
                                              GridLine(0, 1, "Ga", 2, kEditList),
                                              GridLine(0, 5, "Ga", 2, kEditList)}),
                    NotifyLines());
    EXPECT_EQ(g.GetItemText(2, kEditList), CString("Ga"));
}

// ---------------------------------------------------------------------------
// Texts the host sets

TEST_F(GridUserTest, AChangedTextOfAShownCellIsDrawnAtOnce)
{
    CVORInPlaceListCtrl& g = MakeSheet();
    ClickCell(1, g.LCtoRC(kQty));  // an editor open elsewhere, as in a host
    Pump();
    CRect rc;
    ASSERT_TRUE(g.GetCellRect(3, g.LCtoRC(kText), rc));
    // Pixels of the text on the row's white.
    auto Ink = [&]() {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (GridPixel(x, y) != RGB(255, 255, 255))
                    ++n;
        return n;
    };
    const int nBefore = Ink();
    ASSERT_GT(nBefore, 0);
    g.SetItemText(3, kText, "WWWWWWWW");
    Pump();
    EXPECT_GT(Ink(), nBefore);
    g.SetItemText(3, kText, "");
    Pump();
    EXPECT_EQ(Ink(), 0);
}
