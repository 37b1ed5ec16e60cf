// The flat combo box on the screen: each look drawn pixel by pixel, the
// hover timer on the virtual clock, the focus rule, the pressed look, the
// system colours, autocomplete typed with real keys, and Alt+letter.
#include <afxwin.h>

#include <memory>

#include "VORFlatComboBox.h"
#include "VorTestHost.h"

namespace {

// Opens DrawCombo to the tests.
class ProbeFlatCombo : public CVORFlatComboBox {
public:
    using CVORFlatComboBox::DrawCombo;
};

constexpr COLORREF kFace = RGB(10, 200, 10);
constexpr COLORREF kHilite = RGB(250, 240, 0);
constexpr COLORREF kShadow = RGB(0, 0, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class FlatComboBoxTest : public vor::test::VorHostTest {
protected:
    void SetUp() override
    {
        VorHostTest::SetUp();
        m_app.reset(new CWinApp("flat combo test"));
        m_app->m_pMainWnd = CWnd::FromHandle(HostHwnd());
        ::SetActiveWindow(HostHwnd());
    }
    void TearDown() override
    {
        m_combo.reset();
        VorHostTest::TearDown();
        m_app.reset();
    }
    // Distinct colours, read by the combo box at construction.
    static void UseTestColours()
    {
        const INT idx[] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
        const COLORREF val[] = {kFace, kHilite, kShadow};
        ASSERT_TRUE(::SetSysColors(3, idx, val));
    }
    // A combo box 100 pixels wide and 20 high at the host's (20, 20).
    void Make(DWORD dwKind)
    {
        m_combo.reset(new ProbeFlatCombo);
        ASSERT_TRUE(m_combo->Create(dwKind | WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(20, 20, 120, 220), &Host(), 5));
        m_combo->SetItemHeight(-1, 14);
        Pump();
        CRect rc;
        m_combo->GetClientRect(&rc);
        ASSERT_EQ(rc.Width(), 100);
        ASSERT_EQ(rc.Height(), 20);
        m_recorder.Attach(m_combo->GetSafeHwnd(), "combo");
        if (HWND hEdit = Edit())
            m_recorder.Attach(hEdit, "edit");
    }
    HWND Combo() const { return m_combo->GetSafeHwnd(); }
    HWND Edit() const { return ::GetWindow(Combo(), GW_CHILD); }
    POINT ScreenOf(int x, int y) const
    {
        POINT pt = {x, y};
        ::ClientToScreen(Combo(), &pt);
        return pt;
    }
    COLORREF Px(int x, int y) const
    {
        POINT pt = ScreenOf(x, y);
        return ScreenPixel(pt.x, pt.y);
    }
    // The right column of the drop button's frame tells the look apart:
    // highlight flat, shadow raised, face pressed.
    COLORREF Look() const { return Px(96, 10); }
    void MoveOnto() { MoveMouse(ScreenOf(90, 10).x, ScreenOf(90, 10).y); }
    void MoveAway() { MoveMouse(HostToScreen(500, 400).x, HostToScreen(500, 400).y); }
    std::string Text() const
    {
        char sz[64] = {0};
        ::GetWindowTextA(Combo(), sz, sizeof sz);
        return sz;
    }
    std::pair<int, int> EditSel() const
    {
        const DWORD dw = m_combo->GetEditSel();
        return {(int)LOWORD(dw), (int)HIWORD(dw)};
    }

    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<ProbeFlatCombo> m_combo;
};

TEST_F(FlatComboBoxTest, EachLookIsDrawnFromItsFrames)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWNLIST);
    ASSERT_EQ(m_combo->m_cxButton, ::GetSystemMetrics(SM_CXHTHUMB));
    m_combo->m_cxButton = 16;
    struct Probe {
        int x, y;
        COLORREF cr;
    };
    struct Case {
        int nState;
        std::vector<Probe> probes;
    };
    // W 100, H 20, cx 16: the outline of the drop button runs from x 82 to
    // 98 and y 2 to 18; B is (83, 2, 97, 18).
    const std::vector<Probe> frames = {{0, 10, kFace}, {99, 10, kFace}, {50, 0, kFace}, {50, 19, kFace},
                                       {1, 10, kWhite}, {98, 10, kWhite}, {50, 1, kWhite}, {50, 18, kWhite}};
    const Case cases[] = {
        {CVORFlatComboBox::NORMAL,
         {{82, 10, kHilite}, {83, 10, kHilite}, {96, 10, kHilite}, {97, 10, kFace}, {90, 2, kHilite},
          {90, 17, kHilite}, {90, 3, kFace}}},
        {CVORFlatComboBox::RAISED,
         {{82, 10, kFace}, {83, 10, kHilite}, {96, 10, kShadow}, {97, 10, kFace}, {90, 2, kHilite},
          {90, 17, kShadow}, {90, 3, kFace}}},
        {CVORFlatComboBox::PRESSED,
         {{82, 10, kFace}, {83, 10, kFace}, {84, 10, kShadow}, {96, 10, kFace}, {97, 10, kHilite},
          {90, 3, kShadow}, {90, 18, kHilite}, {90, 16, kFace}}},
        {7, {{82, 10, kFace}, {83, 10, kFace}, {96, 10, kFace}, {97, 10, kFace}, {90, 3, kFace}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nState);
        m_combo->DrawCombo((CVORFlatComboBox::STATE)c.nState);
        std::vector<Probe> all = frames;
        all.insert(all.end(), c.probes.begin(), c.probes.end());
        for (const Probe& p : all)
            EXPECT_EQ(Px(p.x, p.y), p.cr) << "at " << p.x << "," << p.y;
    }
    SavePng("flatcombo_pressed");
}

TEST_F(FlatComboBoxTest, ColoursFollowASystemColourChangeButTheButtonWidthDoesNot)
{
    Make(CBS_DROPDOWNLIST);
    m_combo->m_cxButton = 16;
    ASSERT_NE(m_combo->m_crBtnFace, kFace);
    // The main window passes the change on to its descendants.
    UseTestColours();
    EXPECT_EQ(m_combo->m_crBtnFace, kFace);
    EXPECT_EQ(m_combo->m_crBtnHilite, kHilite);
    EXPECT_EQ(m_combo->m_crBtnShadow, kShadow);
    EXPECT_EQ(m_combo->m_cxButton, 16);
    m_combo->DrawCombo(CVORFlatComboBox::RAISED);
    EXPECT_EQ(Look(), kShadow);
}

TEST_F(FlatComboBoxTest, HoverRaisesAtOnceAndFlattensAtTheNextTickAfterLeaving)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWNLIST);
    m_combo->m_cxButton = 16;
    Advance(20);
    EXPECT_EQ(Look(), kHilite);  // shown without focus or mouse: flat
    EXPECT_FALSE(m_combo->m_bPainted);
    MoveOnto();
    EXPECT_TRUE(m_combo->m_bPainted);
    EXPECT_EQ(Look(), kShadow);
    Advance(50);
    EXPECT_EQ(Look(), kShadow);
    MoveAway();
    EXPECT_EQ(Look(), kShadow);
    Advance(10);
    EXPECT_EQ(Look(), kHilite);
    EXPECT_FALSE(m_combo->m_bPainted);
    // The timer stopped at that tick.
    const int nTicks = m_recorder.Count(WM_TIMER, Combo());
    Advance(100);
    EXPECT_EQ(m_recorder.Count(WM_TIMER, Combo()), nTicks);
}

TEST_F(FlatComboBoxTest, FocusKeepsTheRaisedLookWhereverTheMouseIs)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWNLIST);
    m_combo->m_cxButton = 16;
    m_combo->SetFocus();
    EXPECT_TRUE(m_combo->m_bHasFocus);
    EXPECT_EQ(Look(), kShadow);  // at once
    MoveOnto();
    MoveAway();
    const int nTicks = m_recorder.Count(WM_TIMER, Combo());
    Advance(50);
    EXPECT_EQ(Look(), kShadow);
    EXPECT_GT(m_recorder.Count(WM_TIMER, Combo()), nTicks);  // still polling
    Host().SetFocus();
    EXPECT_FALSE(m_combo->m_bHasFocus);
    EXPECT_EQ(Look(), kHilite);  // at once
    Advance(10);
    EXPECT_EQ(Look(), kHilite);
}

TEST_F(FlatComboBoxTest, HeldButtonDrawsThePressedLookAtTheNextTickAndTheReleaseRepaints)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWN);  // the frame outside the edit field does not drop the list
    m_combo->m_cxButton = 16;
    MoveMouse(ScreenOf(1, 1).x, ScreenOf(1, 1).y);
    ASSERT_TRUE(m_combo->m_bPainted);
    Press();
    EXPECT_TRUE(m_combo->m_bLBtnDown);
    EXPECT_FALSE(m_combo->GetDroppedState());
    Advance(10);
    EXPECT_EQ(Look(), kFace);
    EXPECT_EQ(Px(84, 10), kShadow);
    EXPECT_FALSE(m_combo->m_bPainted);
    Release();
    EXPECT_FALSE(m_combo->m_bLBtnDown);
    EXPECT_EQ(Look(), kShadow);  // repainted: the mouse is over it and it has the focus
}

TEST_F(FlatComboBoxTest, APressThatOpensTheListEndsAndTheLookFollowsThePointerAgain)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWNLIST);
    m_combo->m_cxButton = 16;
    for (const char* s : {"one", "two", "three"})
        m_combo->AddString(s);
    const std::vector<UINT> mouse{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED};
    m_recorder.Clear();
    // Pressed and released on the drop button: the list opens and keeps the capture.
    const POINT btn = ScreenOf(92, 10);
    Click(btn.x, btn.y);
    ASSERT_TRUE(m_combo->GetDroppedState());
    EXPECT_FALSE(m_combo->m_bLBtnDown);
    HWND hList = ::GetCapture();
    ASSERT_NE(hList, Combo());
    m_recorder.Name(hList, "list");
    EXPECT_SEQUENCE((std::vector<std::string>{"combo WM_LBUTTONDOWN 92,10", "combo WM_LBUTTONUP 92,10",
                                              "combo WM_CAPTURECHANGED list"}),
                    m_recorder.LinesFor(mouse));
    // A click on an item chooses it; the combo box takes no part in that press.
    m_recorder.Clear();
    POINT item = {10, (int)m_combo->GetItemHeight(0) + 2};
    ::ClientToScreen(hList, &item);
    Click(item.x, item.y);
    EXPECT_FALSE(m_combo->GetDroppedState());
    EXPECT_EQ(Text(), "two");
    EXPECT_SEQUENCE((std::vector<std::string>{}), m_recorder.LinesFor(mouse));
    EXPECT_FALSE(m_combo->m_bLBtnDown);
    // Without the focus the look follows the pointer: flat away, raised over it.
    ::SetFocus(HostHwnd());
    MoveAway();
    Advance(10);
    EXPECT_EQ(Look(), kHilite);
    MoveOnto();
    EXPECT_EQ(Look(), kShadow);
    MoveAway();
    Advance(10);
    EXPECT_EQ(Look(), kHilite);
}

TEST_F(FlatComboBoxTest, PressedLookIsOwedOnlyWhenTheHoverStepRaisedIt)
{
    UseTestColours();
    MoveAway();
    Make(CBS_DROPDOWN);
    m_combo->m_cxButton = 16;
    MoveMouse(ScreenOf(1, 1).x, ScreenOf(1, 1).y);
    m_combo->m_bPainted = FALSE;  // as if the raised look had been taken back
    Press();
    Advance(10);
    EXPECT_EQ(Look(), kShadow);  // the focus's raised look stays; nothing pressed
    EXPECT_EQ(Px(84, 10), kFace);
    // The timer stopped at that tick, the button still down.
    const int nTicks = m_recorder.Count(WM_TIMER, Combo());
    Advance(50);
    EXPECT_EQ(m_recorder.Count(WM_TIMER, Combo()), nTicks);
    Release();
}

TEST_F(FlatComboBoxTest, PaintingRemovesTheEdgeStyles)
{
    HWND hWnd = CreateChild("ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, RECT{20, 20, 120, 120}, 9, "",
                            WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW);
    ASSERT_NE(hWnd, nullptr);
    ProbeFlatCombo combo;
    ASSERT_TRUE(combo.SubclassWindow(hWnd));
    combo.Invalidate();
    Pump();
    EXPECT_EQ((DWORD)::GetWindowLongA(hWnd, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME),
              0u);
    EXPECT_NE((DWORD)::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0u);
    combo.DestroyWindow();
}

TEST_F(FlatComboBoxTest, AutocompleteOffLeavesTypingAlone)
{
    Make(CBS_DROPDOWN);
    m_combo->AddString("Apple");
    m_combo->AddString("Apricot");
    EXPECT_FALSE(m_combo->m_bAutoComplete);
    EXPECT_FALSE(m_combo->GetAutoComplete());
    m_combo->SetFocus();
    TypeText("Ap");
    EXPECT_EQ(Text(), "Ap");
    EXPECT_EQ(EditSel(), std::make_pair(2, 2));
    // The list's selection is the combo box's own: it follows the typed text
    // to the first item that begins with it, and never completes the text.
    EXPECT_EQ(m_combo->GetCurSel(), 0);
    TypeText("x");
    EXPECT_EQ(Text(), "Apx");
    EXPECT_EQ(m_combo->GetCurSel(), CB_ERR);
}

TEST_F(FlatComboBoxTest, AutocompleteCompletesFromTheFirstMatchingItem)
{
    Make(CBS_DROPDOWN);
    m_combo->AddString("Apple");
    m_combo->AddString("Apricot");
    m_combo->SetAutoComplete(TRUE);
    EXPECT_TRUE(m_combo->m_bAutoComplete);
    m_combo->SetFocus();
    TypeText("A");
    EXPECT_EQ(Text(), "Apple");
    EXPECT_EQ(EditSel(), std::make_pair(1, 5));
    TypeText("p");
    EXPECT_EQ(Text(), "Apple");
    EXPECT_EQ(EditSel(), std::make_pair(2, 5));
    TypeText("r");
    EXPECT_EQ(Text(), "Apricot");
    EXPECT_EQ(EditSel(), std::make_pair(3, 7));
    EXPECT_EQ(m_combo->GetCurSel(), 1);
    TypeText("z");  // matches nothing: the typed text and caret stay
    EXPECT_EQ(Text(), "Aprz");
    EXPECT_EQ(EditSel(), std::make_pair(4, 4));
}

TEST_F(FlatComboBoxTest, AutocompleteIgnoresCaseAndKeepsTheCaretWhenEditingInside)
{
    Make(CBS_DROPDOWN);
    m_combo->AddString("Apple");
    m_combo->AddString("Apricot");
    m_combo->m_bAutoComplete = TRUE;  // the public switch works as the setter
    m_combo->SetFocus();
    TypeText("apr");
    EXPECT_EQ(Text(), "Apricot");
    ::SetWindowTextA(Combo(), "Ap");
    m_combo->SetEditSel(1, 1);
    TypeText("p");  // "App" with the caret at 2, inside the text
    EXPECT_EQ(Text(), "Apple");
    EXPECT_EQ(EditSel(), std::make_pair(2, 2));
}

TEST_F(FlatComboBoxTest, AltLetterIsSwallowed)
{
    Make(CBS_DROPDOWN);
    m_combo->SetFocus();
    ASSERT_EQ(::GetFocus(), Edit());
    m_recorder.Clear();
    KeyDown(VK_MENU);
    KeyPress('X');
    KeyUp(VK_MENU);
    EXPECT_GT(m_recorder.Count(WM_SYSKEYDOWN, Edit()), 0);
    EXPECT_EQ(m_recorder.Count(WM_SYSCHAR, Edit()), 0);
    // Ordinary characters still arrive.
    TypeText("k");
    EXPECT_EQ(m_recorder.Count(WM_CHAR, Edit()), 1);
}

}  // namespace
