// The library's public calls on objects that have no window, whose window
// was destroyed, or whose panes, parents, icons and texts are gone or null:
// each gives its documented failure value and nothing crashes or leaks (the
// sanitizer build checks both).
#include <functional>
#include <string>
#include <vector>

#include "ButtonVX.h"
#include "ColorListBox.h"
#include "HorzListBox.h"
#include "VORFlatComboBox.h"
#include "VORInPlaceListCtrl.h"
#include "VORSplitterWnd.h"
#include "VorTestHost.h"
#include "ZeSplitterWnd.h"

namespace {

struct Call {
    const char* name;
    std::function<LONG_PTR()> run;
    LONG_PTR failure;
};

class LibraryDeadHandleTest : public vor::test::VorHostTest {
protected:
    void RunAll(const std::string& where, const std::vector<Call>& calls) {
        for (const Call& c : calls) EXPECT_EQ(c.run(), c.failure) << where << ": " << c.name;
    }
    CWnd* HostWnd() { return CWnd::FromHandle(HostHwnd()); }

    // Every grid call on a grid without a usable list view.
    void GridCalls(CVORInPlaceListCtrl& g, const std::string& where) {
        CRect rc(1, 2, 3, 4);
        CStringArray choices;
        choices.Add("a");
        RunAll(where, {
            {"GetHeaderCount", [&] { return (LONG_PTR)g.GetHeaderCount(); }, 0},
            {"InsertItem", [&] { return (LONG_PTR)g.InsertItem(0, "x"); }, -1},
            {"DeleteItem", [&] { return (LONG_PTR)g.DeleteItem(0); }, 0},
            {"MoveItem", [&] { return (LONG_PTR)g.MoveItem(0, 1); }, 0},
            {"GetListItem", [&] { return (LONG_PTR)g.GetListItem(0); }, 0},
            {"SetItemText", [&] { return (LONG_PTR)g.SetItemText(0, 0, "x"); }, 1},
            {"GetItemText", [&] { return (LONG_PTR)g.GetItemText(0, 0).GetLength(); }, 0},
            {"SetItemData", [&] { return (LONG_PTR)g.SetItemData(0, 7); }, 0},
            {"GetItemData", [&] { return (LONG_PTR)g.GetItemData(0); }, 0},
            {"SetItemColor", [&] {
                 g.SetItemColor(0, 1, 2, TRUE);
                 return (LONG_PTR)0;
             }, 0},
            {"SetItemImage", [&] {
                 g.SetItemImage(0, 1, TRUE);
                 return (LONG_PTR)0;
             }, 0},
            {"SetCellEdit", [&] { return (LONG_PTR)g.SetCellEdit(0, 0); }, 0},
            {"SetCellCombox", [&] { return (LONG_PTR)g.SetCellCombox(0, 0, "a\r\n"); }, 0},
            {"SetCellEditCombox[]", [&] { return (LONG_PTR)g.SetCellEditCombox(0, 0, choices); }, 0},
            {"SetCellButton", [&] { return (LONG_PTR)g.SetCellButton(0, 0); }, 0},
            {"SetCellInt", [&] { return (LONG_PTR)g.SetCellInt(0, 0); }, 0},
            {"GetCellRect", [&] { return (LONG_PTR)g.GetCellRect(0, 0, rc); }, FALSE},
            {"GetCellRect leaves the rectangle", [&] { return (LONG_PTR)(rc == CRect(1, 2, 3, 4)); }, TRUE},
            {"IsSelectCell", [&] { return (LONG_PTR)g.IsSelectCell(); }, FALSE},
            {"EditItem", [&] {
                 g.EditItem(0, 0, TRUE);
                 return (LONG_PTR)g.IsSelectCell();
             }, FALSE},
            {"AddColumn", [&] { return (LONG_PTR)g.AddColumn("A"); }, -1},
            {"the refused column stays hidden", [&] { return (LONG_PTR)g.LCtoRC(g.GetColumnCount() - 1); }, -1},
            {"InsertColumn", [&] { return (LONG_PTR)g.InsertColumn(0, "B"); }, 0},
            {"ShowColumn", [&] {
                 g.ShowColumn(0, 0);
                 return (LONG_PTR)g.LCtoRC(0);
             }, -1},
            {"HideColumn", [&] {
                 g.HideColumn(0);
                 return (LONG_PTR)g.LCtoRC(0);
             }, -1},
            {"RCtoLC(0)", [&] { return (LONG_PTR)g.RCtoLC(0); }, -1},
            {"DeleteColumn", [&] { return (LONG_PTR)g.DeleteColumn(0); }, 0},
            {"DeleteAllItems", [&] { return (LONG_PTR)g.DeleteAllItems(); }, 1},
            {"no record left", [&] { return (LONG_PTR)g.m_mapItems.GetCount(); }, 0},
            // No owner to ask: the answer of nobody, 0.
            {"SendMessageTextChange", [&] { return (LONG_PTR)g.SendMessageTextChange(0, 0, "x"); }, 0},
        });
    }
};

TEST_F(LibraryDeadHandleTest, GridWithoutAWindow) {
    CVORInPlaceListCtrl g;
    GridCalls(g, "no window");
}

TEST_F(LibraryDeadHandleTest, GridWhoseWindowWasDestroyed) {
    CVORInPlaceListCtrl g;
    ASSERT_TRUE(CreateOnHost(g, LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(10, 10, 300, 200), 100));
    g.AddColumn("A", LVCFMT_LEFT, 60);
    g.InsertItem(0, "a");
    g.InsertItem(1, "b");
    g.SetCellEdit(0, 0);
    g.m_bEditable = TRUE;
    g.EditItem(0, 0, FALSE);
    ASSERT_TRUE(g.IsSelectCell());
    g.DestroyWindow();
    // The editors were the grid's children and went with it.
    EXPECT_FALSE(g.IsSelectCell());
    EXPECT_FALSE(g.m_wndEdit.IsWindow());
    // The records of the vanished rows are still the grid's, freed here.
    EXPECT_EQ(g.m_mapItems.GetCount(), 2);
    EXPECT_EQ(g.DeleteAllItems(), 1);
    EXPECT_EQ(g.m_mapItems.GetCount(), 0);
    g.m_arrColumns.RemoveAll();
    GridCalls(g, "destroyed window");
}

TEST_F(LibraryDeadHandleTest, GridHitTestWithoutAWindowShowsTheStyleMessage) {
    CVORInPlaceListCtrl g;
    CPoint pt(5, 5);
    int nCol = 99;
    EXPECT_EQ(g.HitTestEx(pt, nCol), -1);
    EXPECT_EQ(nCol, -1);
    EXPECT_EQ(pt, CPoint(5, 5));
}

TEST_F(LibraryDeadHandleTest, EditorsWithDeadParents) {
    CWnd dead;
    ASSERT_TRUE(dead.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 50, 20), HostWnd(), 0));
    dead.DestroyWindow();
    CWnd* pDead = &dead;  // an object whose window is gone
    CVORInPlaceEdit edit;
    CVORInPlaceComboBox combo;
    CVORInPlaceButton button;
    CRect rc(0, 0, 40, 18);
    RunAll("editors", {
        {"edit: no parent", [&] { return (LONG_PTR)edit.CreateInPlaceWnd(NULL, rc, 0); }, FALSE},
        {"edit: dead parent", [&] { return (LONG_PTR)edit.CreateInPlaceWnd(pDead, rc, 0); }, FALSE},
        {"edit: IsWindow", [&] { return (LONG_PTR)edit.IsWindow(); }, FALSE},
        {"edit: MoveInPlaceWnd", [&] {
             CRect r(5, 5, 9, 9);
             edit.MoveInPlaceWnd(r);
             return (LONG_PTR)(r == CRect(5, 5, 9, 9));
         }, TRUE},
        {"edit: SetText", [&] {
             edit.SetText("kept", TRUE);
             return (LONG_PTR)(edit.m_strLastText == "kept");
         }, TRUE},
        {"edit: SetTextStyle", [&] {
             edit.SetTextStyle(0xff);
             return (LONG_PTR)0;
         }, 0},
        {"edit: PopLastText", [&] {
             edit.PopLastText();
             return (LONG_PTR)edit.IsWindow();
         }, FALSE},
        {"edit: SendMessageTextChange without an owner", [&] {
             return (LONG_PTR)(edit.SendMessageTextChange("x") != 0);
         }, TRUE},
        {"combo: no parent", [&] { return (LONG_PTR)combo.CreateInPlaceWnd(NULL, rc, CBS_DROPDOWN); }, FALSE},
        {"combo: dead parent", [&] { return (LONG_PTR)combo.CreateInPlaceWnd(pDead, rc, CBS_DROPDOWN); }, FALSE},
        {"combo: SetBackText", [&] {
             combo.SetBackText("a\r\nb");
             return (LONG_PTR)combo.GetSafeHwnd();
         }, 0},
        {"combo: SetText", [&] {
             combo.SetText("t", TRUE);
             return (LONG_PTR)combo.IsWindow();
         }, FALSE},
        {"combo: MoveInPlaceWnd", [&] {
             CRect r(5, 5, 9, 9);
             combo.MoveInPlaceWnd(r);
             return (LONG_PTR)(r == CRect(5, 5, 9, 9));
         }, TRUE},
        {"button: no parent", [&] { return (LONG_PTR)button.CreateInPlaceWnd(NULL, rc, 0); }, FALSE},
        {"button: dead parent", [&] { return (LONG_PTR)button.CreateInPlaceWnd(pDead, rc, 0); }, FALSE},
        {"button: SendMessageClick", [&] {
             button.SendMessageClick();
             return (LONG_PTR)button.IsWindow();
         }, FALSE},
    });
}

template <class S>
void SplitterCalls(vor::test::VorHostTest* t, CWnd* host) {
    S split;
    CWnd a, b;
    EXPECT_EQ(split.SetWnd(NULL, NULL), 0);
    EXPECT_EQ(split.SetWnd(&a, &b), 0) << "panes without windows";
    split.Relayout();  // no window, no panes
    split.DrawSplitter();
    ASSERT_TRUE(split.Create(0, 30, CRect(10, 10, 210, 110), host, NULL));
    ASSERT_TRUE(a.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &split, 0));
    ASSERT_TRUE(b.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &split, 0));
    EXPECT_EQ(split.SetWnd(&a, &b), 1);
    split.Relayout();
    b.DestroyWindow();
    // A pane that died: the relayout and a later resize leave everything alone.
    split.m_nBarPos = 60;
    split.Relayout();
    split.MoveWindow(10, 10, 150, 150);
    EXPECT_EQ(split.m_nBarPos, 60);
    CRect ra;
    a.GetWindowRect(&ra);
    EXPECT_EQ(ra.Height(), 31) << "the live pane kept the last complete layout";
    EXPECT_EQ(split.SetWnd(&a, &b), 0);
    split.DestroyWindow();
    split.Relayout();
    split.DrawSplitter();
    EXPECT_FALSE(::IsWindow(a.GetSafeHwnd())) << "the pane went with the splitter";
    EXPECT_EQ(split.Create(0, 10, CRect(0, 0, 10, 10), CWnd::FromHandle(NULL), NULL), 0)
        << "no parent for a child window";
}

TEST_F(LibraryDeadHandleTest, SplittersWithDeadPanes) {
    SplitterCalls<CVORSplitterWnd>(this, HostWnd());
    SplitterCalls<CZeSplitterWnd>(this, HostWnd());
}

TEST_F(LibraryDeadHandleTest, ListBoxesWithoutWindows) {
    CHorzListBox h;
    CColorListBox c;
    h.LockHExtentUpdate();
    h.UnlockHExtentUpdate();
    h.UpdateHExtent();  // no window: nothing to measure
    c.UpdateHExtent();
    EXPECT_EQ(c.AddString("x"), LB_ERR);
    EXPECT_EQ(c.AddString("x", RGB(1, 2, 3)), LB_ERR);
    EXPECT_EQ(c.InsertString(0, "x", RGB(1, 2, 3)), LB_ERR);
    ASSERT_TRUE(CreateOnHost(h, LBS_HASSTRINGS, CRect(0, 0, 100, 100), 5));
    h.AddString("abc");
    h.DestroyWindow();
    h.UpdateHExtent();
    EXPECT_EQ(h.AddString("x"), LB_ERR);
    EXPECT_EQ(h.DeleteString(0), LB_ERR);
}

TEST_F(LibraryDeadHandleTest, ButtonWithoutAWindowAndWithDeadIcons) {
    CButtonVX b;
    BYTE andBits[32 * 4] = {}, xorBits[32 * 4] = {};
    HICON hot = ::CreateIcon(NULL, 32, 32, 1, 1, andBits, xorBits);
    ::DestroyIcon(hot);
    const int before = VorGdiObjectCount(VOR_GDI_ICON);
    b.SetIcon(hot, (HICON)NULL);  // a dead icon handed over: nothing to draw, nothing to free
    b.SetIcon(0, 0);
    b.SetIcon(99999, 99998);  // ids no module holds
    EXPECT_EQ(b.SetBtnCursor(99999), 0);
    EXPECT_EQ(b.SetBtnCursor(-1), 1);
    b.SetFlat(FALSE);
    b.SetAlign(7);
    b.DrawBorder(TRUE);
    b.SetShowText(FALSE);
    b.SetFlatFocus(TRUE, TRUE);
    b.DrawTransparent(TRUE);
    b.SetActiveBgColor(0xff, TRUE);
    b.SetDefaultInactiveFgColor(TRUE);
    b.SetTooltipText((CString*)NULL, TRUE);
    b.SetTooltipText(99999, TRUE);
    b.ActivateTooltip(TRUE);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), before);

    CButton plain;
    ASSERT_TRUE(CreateOnHost(plain, "b", BS_PUSHBUTTON, CRect(0, 0, 60, 20), 9));
    ASSERT_TRUE(b.SubclassWindow(plain.Detach()));
    CString tip = "tip";
    b.SetTooltipText(&tip, TRUE);
    b.DestroyWindow();
    b.SetFlat(TRUE);
    b.DrawTransparent(TRUE);
    b.SetTooltipText(&tip, TRUE);
    b.ActivateTooltip(FALSE);
    b.SetInactiveBgColor(0x00ff00, TRUE);
}

// Reaches the drawing of the flat look.
class CFlatProbe : public CVORFlatComboBox {
public:
    using CVORFlatComboBox::DrawCombo;
};

TEST_F(LibraryDeadHandleTest, FlatComboBoxWithoutAWindow) {
    CFlatProbe f;
    f.DrawCombo(CVORFlatComboBox::RAISED);
    ASSERT_TRUE(CreateOnHost(f, CBS_DROPDOWN, CRect(0, 0, 100, 100), 11));
    f.DestroyWindow();
    f.DrawCombo(CVORFlatComboBox::NORMAL);
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_DELETE;
    EXPECT_FALSE(f.PreTranslateMessage(&msg));
}

}  // namespace
