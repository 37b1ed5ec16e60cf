// CButtonVX on the screen: the flat and the classic looks in each state,
// icon and caption placement, the pressed offset, the disabled look and the
// copy of the parent's background.
#include "ButtonVXFixture.h"

namespace buttonvx_test {
namespace {

class ButtonVXDraw : public ButtonVXTest {
protected:
    COLORREF Hi() const { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }
    // Pixels of the row y from x0 to x1 (exclusive) that differ from clr.
    int OffRow(int y, int x0, int x1, COLORREF clr) const
    {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            if (Px(x, y) != clr) ++n;
        return n;
    }
};

TEST_F(ButtonVXDraw, SubclassingMakesTheButtonOwnerDrawnAndRemembersTheDefault)
{
    Attach(BS_DEFPUSHBUTTON, "OK");
    EXPECT_EQ((DWORD)::GetWindowLongA(Btn(), GWL_STYLE) & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(m_btn->GetDefault(), 1);
    EXPECT_GT(m_btn->nDrawn, 0);

    ProbeButton plain;
    HWND h = CreateChild("Button", BS_PUSHBUTTON | WS_VISIBLE, CRect(200, 20, 260, 50), kId + 1, "No");
    ASSERT_TRUE(plain.SubclassDlgItem(kId + 1, &Host()));
    EXPECT_EQ(plain.GetDefault(), 0);
    EXPECT_EQ((DWORD)::GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
    plain.DestroyWindow();
}

TEST_F(ButtonVXDraw, FlatLookUnlitHoveredAndPressed)
{
    Attach();
    const int R = m_rcButton.Width() - 1, B = m_rcButton.Height() - 1;
    // Unlit: the unlit colour to the edge, no border.
    EXPECT_EQ(Px(0, 0), kUnlitBg);
    EXPECT_EQ(Px(R, B), kUnlitBg);
    EXPECT_EQ(Px(60, 20), kUnlitBg);

    MoveOver(60, 20);
    ASSERT_EQ(m_btn->m_bHover, 1);
    // Lit: raised edge, highlight at the top and left, black at the bottom and right.
    EXPECT_EQ(Px(0, 0), Hi());
    EXPECT_EQ(Px(0, 20), Hi());
    EXPECT_EQ(Px(60, 0), Hi());
    EXPECT_EQ(Px(R, 20), RGB(0, 0, 0));
    EXPECT_EQ(Px(60, B), RGB(0, 0, 0));
    EXPECT_EQ(Px(60, 20), kLitBg);

    Press();
    // Pressed: sunken edge.
    EXPECT_EQ(Px(0, 20), RGB(0, 0, 0));
    EXPECT_EQ(Px(60, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(R, 20), Hi());
    EXPECT_EQ(Px(60, B), Hi());
    EXPECT_EQ(Px(60, 20), kLitBg);
    Release();

    // Without the border no state draws one.
    m_btn->DrawBorder(0);
    m_btn->Invalidate();
    Pump();
    EXPECT_EQ(Px(0, 20), kLitBg);
    EXPECT_EQ(Px(R, 20), kLitBg);
    Press();
    EXPECT_EQ(Px(0, 20), kLitBg);
    EXPECT_EQ(Px(R, 20), kLitBg);
    Release();
}

TEST_F(ButtonVXDraw, ClassicLookBevelFrameAndFocus)
{
    Attach();
    m_btn->SetFlat(0);
    Pump();
    const int R = m_rcButton.Width() - 1, B = m_rcButton.Height() - 1;
    // Neither focused nor default: the bevel on the edge.
    EXPECT_EQ(Px(0, 0), Hi());
    EXPECT_EQ(Px(0, 20), Hi());
    EXPECT_EQ(Px(1, 1), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(Px(60, 1), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(Px(R, B), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(Px(0, B), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(Px(R, 0), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(Px(R - 1, B - 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Px(R - 1, 20), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Px(2, 2), kUnlitBg);
    EXPECT_EQ(OffRow(4, 4, R - 4, kUnlitBg), 0) << "no focus rectangle";

    // Hovering does nothing in the classic look.
    MoveOver(60, 20);
    EXPECT_EQ(m_btn->m_bHover, 0);
    EXPECT_NE(::GetCapture(), Btn());

    m_btn->SetFocus();
    Pump();
    // Focused: black frame, the bevel one pixel in, the focus rectangle 4 in.
    EXPECT_EQ(Px(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(R, B), RGB(0, 0, 0));
    EXPECT_EQ(Px(1, 1), Hi());
    EXPECT_EQ(Px(2, 2), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(Px(R - 1, B - 1), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(Px(R - 2, B - 2), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(OffRow(3, 4, R - 4, kUnlitBg), 0);
    EXPECT_GT(OffRow(4, 4, R - 4, kUnlitBg), 20);
    EXPECT_GT(OffRow(B - 4, 4, R - 4, kUnlitBg), 20);
    EXPECT_EQ(OffRow(B - 3, 4, R - 4, kUnlitBg), 0);

    // Pressed: a shadow frame instead of the bevel, inside the black one.
    Press();
    EXPECT_EQ(Px(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(1, 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Px(R - 1, B - 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Px(2, 2), kLitBg);
    Release();
}

TEST_F(ButtonVXDraw, ClassicDefaultButtonHasTheFrameWithoutFocus)
{
    Attach(BS_DEFPUSHBUTTON);
    m_btn->SetFlat(0);
    Pump();
    const int R = m_rcButton.Width() - 1;
    EXPECT_NE(::GetFocus(), Btn());
    EXPECT_EQ(Px(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(1, 1), Hi());
    EXPECT_EQ(OffRow(4, 4, R - 4, kUnlitBg), 0);
}

TEST_F(ButtonVXDraw, FlatFocusRectangleOnlyWhenAskedFor)
{
    Attach();
    m_btn->SetFocus();
    Pump();
    const int R = m_rcButton.Width() - 1;
    EXPECT_EQ(OffRow(3, 3, R - 3, kUnlitBg), 0);
    m_btn->SetFlatFocus(1, 1);
    Pump();
    EXPECT_GT(OffRow(3, 3, R - 3, kUnlitBg), 20);
    EXPECT_EQ(OffRow(2, 3, R - 3, kUnlitBg), 0);
    // A flat flag of 2 tracks the pointer but draws the classic bevel and no focus rectangle.
    m_btn->SetFlat(2);
    Pump();
    EXPECT_EQ(Px(0, 0), Hi());
    EXPECT_EQ(OffRow(4, 4, R - 4, kUnlitBg), 0);
    MoveOver(60, 20);
    EXPECT_EQ(m_btn->m_bHover, 1);
}

struct PlacementCase {
    int nAlign;
    bool bTitle;
    CRect rcIcon;  // 120 x 40 button, 16 x 16 icon
};

TEST_F(ButtonVXDraw, IconPlacementForTheThreeAlignments)
{
    Attach(BS_PUSHBUTTON, "Wm");
    m_btn->SetIcon(kIconRed, kIconBlue);
    ASSERT_NE(m_btn->m_hIconHot, nullptr);
    const PlacementCase cases[] = {
        {CButtonVX::ALIGN_ICON_LEFT, true, CRect(3, 12, 19, 28)},
        {CButtonVX::ALIGN_ICON_LEFT, false, CRect(52, 12, 68, 28)},
        {CButtonVX::ALIGN_ICON_TOP, true, CRect(52, 0, 68, 16)},
        {CButtonVX::ALIGN_ICON_TOP, false, CRect(52, 12, 68, 28)},
        {CButtonVX::ALIGN_ICON_RIGHT, true, CRect(101, 12, 117, 28)},
        {CButtonVX::ALIGN_ICON_RIGHT, false, CRect(52, 0, 68, 16)},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "align " << c.nAlign << (c.bTitle ? " with title" : " without title"));
        m_btn->SetAlign(c.nAlign);
        m_btn->SetShowText(c.bTitle ? 1 : 0);
        Pump();
        EXPECT_EQ(BoxOf(kBlue), c.rcIcon) << "the normal icon while unlit";
        EXPECT_EQ(BoxOf(kRed), CRect(0, 0, 0, 0));
        CRect ink = InkBox(0);
        if (!c.bTitle) {
            EXPECT_TRUE(ink.IsRectEmpty());
            continue;
        }
        ASSERT_FALSE(ink.IsRectEmpty());
        // The caption is centred in what the icon leaves.
        CRect rcRest(0, 0, 120, 40);
        if (c.nAlign == CButtonVX::ALIGN_ICON_LEFT) rcRest.left = 19;
        if (c.nAlign == CButtonVX::ALIGN_ICON_TOP) rcRest.top = 16;
        if (c.nAlign == CButtonVX::ALIGN_ICON_RIGHT) rcRest = CRect(3, 0, 101, 40);
        EXPECT_TRUE(rcRest.PtInRect(ink.TopLeft()) && rcRest.PtInRect(ink.BottomRight() - CSize(1, 1)));
        EXPECT_NEAR(ink.CenterPoint().x, rcRest.CenterPoint().x, 2);
        EXPECT_NEAR(ink.CenterPoint().y, rcRest.CenterPoint().y, 3);
    }
    // An alignment out of range keeps the last one.
    m_btn->SetAlign(7);
    m_btn->SetAlign(-1);
    EXPECT_EQ(m_btn->GetAlign(), CButtonVX::ALIGN_ICON_RIGHT);
}

TEST_F(ButtonVXDraw, PressedShowsTheHotIconAndMovesIconAndText)
{
    Attach(BS_PUSHBUTTON, "Wm");
    m_btn->SetIcon(kIconRed, kIconBlue);
    m_btn->DrawBorder(0);
    Pump();
    const CRect rcIcon = BoxOf(kBlue);
    const CRect rcText = InkBox(0);
    ASSERT_FALSE(rcIcon.IsRectEmpty());
    MoveOver(60, 5);
    EXPECT_EQ(BoxOf(kRed), rcIcon) << "the hot icon while hovered, in place";
    EXPECT_EQ(InkBox(0), rcText);
    Press();
    CRect rcMoved = rcIcon;
    rcMoved.OffsetRect(1, 1);
    EXPECT_EQ(BoxOf(kRed), rcMoved);
    rcMoved = rcText;
    rcMoved.OffsetRect(1, 1);
    EXPECT_EQ(InkBox(0), rcMoved);
    Release();
    EXPECT_EQ(BoxOf(kRed), rcIcon);
}

TEST_F(ButtonVXDraw, DisabledButtonDrawsIconAndTextEmbossed)
{
    Attach(BS_PUSHBUTTON, "Wm");
    m_btn->SetIcon(kIconRed, kIconBlue);
    Pump();
    ASSERT_GT(CountInk(1), 0);
    m_btn->EnableWindow(FALSE);
    Pump();
    EXPECT_TRUE(BoxOf(kBlue).IsRectEmpty());
    EXPECT_TRUE(BoxOf(kRed).IsRectEmpty());
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    // The icon's square in shadow (its highlight copy lies under it, one pixel down and right) ...
    EXPECT_EQ(Px(3, 12), clrShadow);
    EXPECT_EQ(Px(18, 27), clrShadow);
    EXPECT_EQ(Px(19, 28), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    // ... and the text right of it in shadow too.
    const CRect rcShadow = BoxOf(clrShadow);
    EXPECT_EQ(rcShadow.TopLeft(), CPoint(3, 12));
    EXPECT_GT(rcShadow.right, 40);
    EXPECT_EQ(CountInk(1), 0) << "no text in the text colour";
}

TEST_F(ButtonVXDraw, AmpersandUnderlinesInsteadOfShowing)
{
    Attach(BS_PUSHBUTTON, "Ab");
    const CRect plain = InkBox(1);
    const int nPlain = CountInk(1);
    ::SetWindowTextA(Btn(), "&Ab");
    m_btn->Invalidate();
    Pump();
    const CRect marked = InkBox(1);
    EXPECT_NEAR(marked.Width(), plain.Width(), 1) << "no ampersand glyph";
    EXPECT_GT(CountInk(1), nPlain) << "the underline";
    EXPECT_GE(marked.bottom, plain.bottom);
}

// A parent that paints vertical stripes, without clipping its children, so
// the screen behind the button shows them.
class StripeWnd : public CWnd {
public:
    COLORREF a = RGB(255, 0, 0), b = RGB(0, 128, 0);
    COLORREF At(int x) const { return (x / 4) % 2 ? b : a; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(m_hWnd, &ps);
        CRect rc;
        GetClientRect(&rc);
        for (int x = 0; x < rc.right; x += 4) {
            HBRUSH br = ::CreateSolidBrush(At(x));
            RECT r = {x, 0, x + 4, rc.bottom};
            ::FillRect(hdc, &r, br);
            ::DeleteObject(br);
        }
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
};

TEST_F(ButtonVXDraw, TransparentButtonShowsTheCopyOfWhatTheParentDrew)
{
    StripeWnd panel;
    ASSERT_TRUE(panel.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 200, 210, 300), &Host(), 77));
    ::CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 10, 10, 60, 30, panel.GetSafeHwnd(),
                      (HMENU)(UINT_PTR)kId, ::GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(m_btn->SubclassDlgItem(kId, &panel));
    Pump();
    const int dcs = VorGdiObjectCount(VOR_GDI_DC), bitmaps = VorGdiObjectCount(VOR_GDI_BITMAP);
    auto ShowsStripes = [&]() {
        int wrong = 0;
        for (int x = 1; x < 59; ++x)
            if (Px(x, 15) != panel.At(10 + x)) ++wrong;
        return wrong == 0;
    };
    auto RepaintPanelOnly = [&]() { panel.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN); };

    RepaintPanelOnly();
    m_btn->DrawTransparent(1);
    Pump();
    EXPECT_TRUE(ShowsStripes());
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), dcs + 1) << "the copy's memory context";
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BITMAP), bitmaps + 1);

    // The copy is taken once: new stripes behind are not seen ...
    const COLORREF oldA = panel.a;
    panel.a = RGB(0, 0, 255);
    RepaintPanelOnly();
    m_btn->Invalidate();
    Pump();
    EXPECT_EQ(Px(1, 15), oldA);
    // ... until the copy is released.
    RepaintPanelOnly();
    m_btn->DrawTransparent(1);
    Pump();
    EXPECT_TRUE(ShowsStripes());

    // A system colour change releases it too.
    panel.b = RGB(255, 255, 0);
    RepaintPanelOnly();
    m_btn->SendMessage(WM_SYSCOLORCHANGE);
    m_btn->Invalidate();
    Pump();
    EXPECT_TRUE(ShowsStripes());
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), dcs + 1);

    m_btn.reset();
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), dcs);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BITMAP), bitmaps);
    panel.DestroyWindow();
}

}  // namespace
}  // namespace buttonvx_test
