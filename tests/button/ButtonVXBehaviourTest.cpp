// CButtonVX by events: hover tracking with the capture, focus and capture
// loss, the double click, the cursor, the tooltip on the virtual clock; its
// settings and their repaint rule, icon sizes and ownership, and bad input.
#include "ButtonVXFixture.h"

#include <cstring>

namespace buttonvx_test {
namespace {

using vor::test::CommandLine;

class ButtonVXBehaviour : public ButtonVXTest {};

TEST_F(ButtonVXBehaviour, HoverTakesTheCaptureAndLeavingReleasesIt)
{
    Attach(BS_PUSHBUTTON, "Go");
    EXPECT_EQ(m_btn->m_bHover, 0);
    MoveOver(10, 10);
    EXPECT_EQ(m_btn->m_bHover, 1);
    EXPECT_EQ(::GetCapture(), Btn());
    MoveOver(100, 30);  // moves over the button change nothing
    EXPECT_EQ(m_btn->m_bHover, 1);
    EXPECT_EQ(::GetCapture(), Btn());
    MoveAway();
    EXPECT_EQ(m_btn->m_bHover, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Px(5, 20), kUnlitBg);
}

TEST_F(ButtonVXBehaviour, DraggingOutWithTheButtonDownKeepsTheCapture)
{
    Attach(BS_PUSHBUTTON, "Go");
    MoveOver(10, 10);
    Press();
    MoveAway();
    EXPECT_EQ(m_btn->m_bHover, 0);
    EXPECT_EQ(::GetCapture(), Btn()) << "the release must still reach the button";
    Release();
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(Host().MessageLines(WM_COMMAND).empty()) << "released outside: no click";
}

TEST_F(ButtonVXBehaviour, CaptureLossKeepsTheButtonLitUntilTheNextMove)
{
    Attach(BS_PUSHBUTTON, "Go");
    MoveOver(10, 10);
    ::ReleaseCapture();
    Pump();
    EXPECT_EQ(m_btn->m_bHover, 1);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Px(5, 20), kLitBg);
    MoveOver(12, 10);  // takes the capture anew
    EXPECT_EQ(::GetCapture(), Btn());
    EXPECT_EQ(m_btn->m_bHover, 1);

    // A capture another window takes is left to it.
    HWND hOther = CreateChild("Button", WS_VISIBLE, CRect(300, 20, 360, 50), kId + 5, "Other");
    ::SetCapture(hOther);
    Pump();
    EXPECT_EQ(::GetCapture(), hOther);
    EXPECT_EQ(m_btn->m_bHover, 1);
    ::ReleaseCapture();
}

TEST_F(ButtonVXBehaviour, FocusLossEndsTheHover)
{
    Attach(BS_PUSHBUTTON, "Go");
    HWND hOther = CreateChild("Button", WS_VISIBLE, CRect(300, 20, 360, 50), kId + 5, "Other");
    MoveOver(10, 10);
    Click(ScreenOf(10, 10).x, ScreenOf(10, 10).y);
    ASSERT_EQ(::GetFocus(), Btn());
    EXPECT_EQ(m_btn->m_bHover, 1);
    ::SetFocus(hOther);
    Pump();
    EXPECT_EQ(m_btn->m_bHover, 0);
    EXPECT_EQ(Px(5, 20), kUnlitBg);
}

TEST_F(ButtonVXBehaviour, DoubleClickIsTwoPressesAndTwoClicks)
{
    Attach(BS_PUSHBUTTON, "Go");
    MoveOver(10, 10);
    Host().ClearRecords();
    DoubleClick(ScreenOf(10, 10).x, ScreenOf(10, 10).y);
    EXPECT_SEQUENCE((std::vector<std::string>{CommandLine(Btn(), BN_CLICKED, kId), CommandLine(Btn(), BN_CLICKED, kId)}),
                    Host().MessageLines(WM_COMMAND));
    int presses = 0;
    for (const std::string& s : Host().MessageLines(WM_DRAWITEM))
        if (s.find("action=0x2 ") != std::string::npos && std::strtoul(s.c_str() + s.find("state=0x") + 8, NULL, 16) & ODS_SELECTED)
            ++presses;
    EXPECT_EQ(presses, 2);
}

TEST_F(ButtonVXBehaviour, OwnCursorOverTheButton)
{
    Attach(BS_PUSHBUTTON, "Go");
    EXPECT_EQ(m_btn->SetBtnCursor(kCursor), 1);
    HCURSOR hOwn = m_btn->m_hBtnCursor;
    ASSERT_NE(hOwn, nullptr);
    MoveOver(10, 10);
    EXPECT_EQ(::GetCursor(), hOwn);
    EXPECT_EQ(m_btn->SendMessage(WM_SETCURSOR, (WPARAM)Btn(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    MoveAway();  // still captured: the cursor changes with the next move
    MoveMouse(HostToScreen(420, 300).x, HostToScreen(420, 300).y);
    EXPECT_NE(::GetCursor(), hOwn);

    // -1 removes it (and destroys it): the platform's choice again.
    const int icons = VorGdiObjectCount(VOR_GDI_ICON);
    EXPECT_EQ(m_btn->SetBtnCursor(-1), 1);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons - 1);
    EXPECT_EQ(m_btn->m_hBtnCursor, nullptr);
    MoveOver(10, 10);
    EXPECT_NE(::GetCursor(), hOwn);
    EXPECT_NE(::GetCursor(), nullptr);

    // A cursor that cannot be loaded: 0, and no cursor of its own either.
    EXPECT_EQ(m_btn->SetBtnCursor(kCursor), 1);
    EXPECT_EQ(m_btn->SetBtnCursor(kMissing), 0);
    EXPECT_EQ(m_btn->m_hBtnCursor, nullptr);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons - 1);
    EXPECT_EQ(m_btn->SetBtnCursor(0), 0);
}

TEST_F(ButtonVXBehaviour, TooltipAfterItsDelayAndItsTextReplaced)
{
    Attach(BS_PUSHBUTTON, "Go");
    // Without text nothing can be activated.
    m_btn->ActivateTooltip(TRUE);
    EXPECT_EQ(m_btn->m_tip.GetToolCount(), 0);

    CString strFirst("First tip");
    m_btn->SetTooltipText(&strFirst, TRUE);
    HWND hTip = m_btn->m_tip.GetSafeHwnd();
    ASSERT_NE(hTip, nullptr);
    EXPECT_EQ(m_btn->m_tip.GetToolCount(), 1);

    MoveOver(10, 10);
    MoveOver(11, 10);
    Advance(450);
    EXPECT_FALSE(::IsWindowVisible(hTip));
    Advance(60);
    EXPECT_TRUE(::IsWindowVisible(hTip));
    CString strShown;
    m_btn->m_tip.GetText(strShown, m_btn.get(), 1);
    EXPECT_STREQ((LPCTSTR)strShown, "First tip");

    CString strSecond("Second tip");
    m_btn->SetTooltipText(&strSecond, TRUE);
    EXPECT_EQ(m_btn->m_tip.GetToolCount(), 1) << "the one tool keeps its place";
    m_btn->m_tip.GetText(strShown, m_btn.get(), 1);
    EXPECT_STREQ((LPCTSTR)strShown, "Second tip");

    // From the host's strings; a missing or empty string, or no text, changes nothing.
    m_btn->SetTooltipText((int)kStringTip, TRUE);
    m_btn->m_tip.GetText(strShown, m_btn.get(), 1);
    EXPECT_STREQ((LPCTSTR)strShown, "Tip from the table");
    m_btn->SetTooltipText((int)kMissing, FALSE);
    m_btn->SetTooltipText((int)kStringEmpty, FALSE);
    m_btn->SetTooltipText((CString*)NULL, FALSE);
    m_btn->m_tip.GetText(strShown, m_btn.get(), 1);
    EXPECT_STREQ((LPCTSTR)strShown, "Tip from the table");
    EXPECT_EQ(m_btn->m_tip.GetToolCount(), 1);

    // Deactivated, the tip goes and does not come back.
    m_btn->ActivateTooltip(FALSE);
    EXPECT_FALSE(::IsWindowVisible(hTip));
    MoveOver(20, 10);
    Advance(600);
    EXPECT_FALSE(::IsWindowVisible(hTip));
}

TEST_F(ButtonVXBehaviour, TooltipWindowIsCreatedByTheFirstMessage)
{
    Attach(BS_PUSHBUTTON, "Go");
    MoveOver(10, 10);
    EXPECT_NE(m_btn->m_tip.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_btn->m_tip.GetToolCount(), 0);
}

TEST_F(ButtonVXBehaviour, IconSizeComesFromTheHotSpot)
{
    Attach();
    struct {
        int nSize;
        BYTE nExpected;
    } cases[] = {{16, 16}, {32, 32}, {48, 48}, {256, 0}};
    for (const auto& c : cases) {
        m_btn->SetIcon(MakeIcon(c.nSize, kRed), NULL);
        EXPECT_EQ(m_btn->m_nIconWidth, c.nExpected) << c.nSize;
        EXPECT_EQ(m_btn->m_nIconHeight, c.nExpected) << c.nSize;
        EXPECT_EQ(m_btn->m_hIconNormal, m_btn->m_hIconHot);
    }
    // A null icon: sizes 0 and nothing drawn.
    m_btn->SetIcon((HICON)NULL, (HICON)NULL);
    EXPECT_EQ(m_btn->m_nIconWidth, 0);
    EXPECT_EQ(m_btn->m_hIconHot, nullptr);
    EXPECT_TRUE(BoxOf(kRed).IsRectEmpty());
}

TEST_F(ButtonVXBehaviour, IconsFromResourcesAndUnknownIds)
{
    Attach();
    const int icons = VorGdiObjectCount(VOR_GDI_ICON);
    m_btn->SetIcon(kIconRed, kIconBlue);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons + 2);
    EXPECT_EQ(m_btn->m_nIconWidth, 16);
    EXPECT_NE(m_btn->m_hIconHot, m_btn->m_hIconNormal);
    EXPECT_FALSE(BoxOf(kBlue).IsRectEmpty()) << "repainted at once";

    m_btn->SetIcon(kIconRed, 0);  // the old pair is destroyed; one icon serves both
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons + 1);
    EXPECT_EQ(m_btn->m_hIconNormal, m_btn->m_hIconHot);

    m_btn->SetIcon(kMissing, kMissing + 1);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons);
    EXPECT_EQ(m_btn->m_hIconHot, nullptr);
    EXPECT_EQ(m_btn->m_nIconWidth, 0);
    m_btn->SetIcon(0, kIconBlue);  // no hot icon: nothing is drawn
    EXPECT_EQ(m_btn->m_hIconHot, nullptr);
    Pump();
    EXPECT_TRUE(BoxOf(kBlue).IsRectEmpty());
}

TEST_F(ButtonVXBehaviour, DestroyingTheButtonDestroysEachIconAndTheCursorOnce)
{
    Attach();
    const int icons = VorGdiObjectCount(VOR_GDI_ICON);
    const int all = VorGdiObjectCount(VOR_GDI_ALL);
    HICON hHot = MakeIcon(16, kRed), hNormal = MakeIcon(16, kBlue);
    m_btn->SetIcon(hHot, hNormal);
    m_btn->SetIcon(hHot, hNormal);  // handing the same pair again keeps them alive
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hHot, &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ASSERT_EQ(m_btn->SetBtnCursor(kCursor), 1);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons + 3);
    m_btn.reset();
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ALL), all);
    EXPECT_FALSE(::DestroyIcon(hHot));
    EXPECT_FALSE(::DestroyIcon(hNormal));

    // One handle held as both icons goes once.
    m_btn.reset(new ProbeButton);
    HICON hBoth = MakeIcon(16, kRed);
    m_btn->SetIcon(hBoth, NULL);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons + 1);
    m_btn.reset();
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons);
}

// ---------------------------------------------------------------------------
// Settings

TEST_F(ButtonVXBehaviour, DefaultsAndVersion)
{
    ProbeButton b;
    EXPECT_EQ(b.GetFlat(), 1);
    EXPECT_EQ(b.GetAlign(), CButtonVX::ALIGN_ICON_LEFT);
    EXPECT_EQ(b.GetShowText(), 1);
    EXPECT_EQ(b.GetFlatFocus(), 0);
    EXPECT_EQ(b.GetDefault(), 0);
    EXPECT_EQ(b.GetInactiveBgColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.GetActiveBgColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.GetInactiveFgColor(), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(b.GetActiveFgColor(), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_STREQ(CButtonVX::GetVersionC(), "2.6");
    EXPECT_EQ(CButtonVX::GetVersionI(), 26);
}

TEST_F(ButtonVXBehaviour, ColourSettersRepaintOnlyForExactlyOne)
{
    Attach();
    typedef void (CButtonVX::*Setter)(COLORREF, int);
    typedef COLORREF (CButtonVX::*Getter)() const;
    typedef void (CButtonVX::*Reset)(int);
    struct {
        Setter set;
        Getter get;
        Reset reset;
        int nSys;
    } families[] = {
        {&CButtonVX::SetInactiveBgColor, &CButtonVX::GetInactiveBgColor, &CButtonVX::SetDefaultInactiveBgColor, COLOR_BTNFACE},
        {&CButtonVX::SetInactiveFgColor, &CButtonVX::GetInactiveFgColor, &CButtonVX::SetDefaultInactiveFgColor, COLOR_BTNTEXT},
        {&CButtonVX::SetActiveBgColor, &CButtonVX::GetActiveBgColor, &CButtonVX::SetDefaultActiveBgColor, COLOR_BTNFACE},
        {&CButtonVX::SetActiveFgColor, &CButtonVX::GetActiveFgColor, &CButtonVX::SetDefaultActiveFgColor, COLOR_BTNTEXT},
    };
    CButtonVX& b = *m_btn;
    for (const auto& f : families) {
        for (int bRedraw : {0, 1, 2, -1}) {
            Pump();
            (b.*f.set)(RGB(1, 2, bRedraw + 3), bRedraw);
            EXPECT_EQ((b.*f.get)(), RGB(1, 2, bRedraw + 3));
            EXPECT_EQ(Invalid(Btn()), bRedraw == 1) << "redraw " << bRedraw;
            Pump();
            (b.*f.reset)(bRedraw);
            EXPECT_EQ((b.*f.get)(), ::GetSysColor(f.nSys));
            EXPECT_EQ(Invalid(Btn()), bRedraw == 1) << "reset, redraw " << bRedraw;
        }
        // The default is read when the reset runs, and kept after.
        const COLORREF clrOld = ::GetSysColor(f.nSys);
        const int nIndex = f.nSys;
        const COLORREF clrNew = RGB(10, 20, 30);
        ::SetSysColors(1, &nIndex, &clrNew);
        EXPECT_EQ((b.*f.get)(), clrOld);
        (b.*f.reset)(0);
        EXPECT_EQ((b.*f.get)(), clrNew);
        ::SetSysColors(1, &nIndex, &clrOld);
    }
}

TEST_F(ButtonVXBehaviour, LookSettersAndTheirRepaints)
{
    Attach();
    Pump();
    m_btn->SetAlign(CButtonVX::ALIGN_ICON_TOP);
    EXPECT_TRUE(Invalid(Btn()));
    Pump();
    m_btn->SetAlign(3);
    EXPECT_EQ(m_btn->GetAlign(), CButtonVX::ALIGN_ICON_TOP);
    EXPECT_TRUE(Invalid(Btn())) << "an unknown alignment still repaints";
    Pump();
    m_btn->DrawBorder(0);
    EXPECT_FALSE(Invalid(Btn()));
    m_btn->SetShowText(0);
    EXPECT_EQ(m_btn->GetShowText(), 0);
    EXPECT_TRUE(Invalid(Btn()));
    Pump();
    m_btn->SetFlatFocus(1, 2);
    EXPECT_EQ(m_btn->GetFlatFocus(), 1);
    EXPECT_FALSE(Invalid(Btn()));
    m_btn->SetFlat(0);
    EXPECT_EQ(m_btn->GetFlat(), 0);
    EXPECT_TRUE(Invalid(Btn()));
    Pump();
    m_btn->DrawTransparent(2);
    EXPECT_FALSE(Invalid(Btn()));
}

TEST_F(ButtonVXBehaviour, SettingsBeforeTheWindowRepaintNothingElse)
{
    Pump();
    ProbeButton b;
    b.SetFlat(0);
    b.SetAlign(CButtonVX::ALIGN_ICON_RIGHT);
    b.SetShowText(0);
    b.SetActiveBgColor(kRed, 1);
    b.DrawTransparent(1);
    b.SetIcon(MakeIcon(32, kRed), NULL);
    CString strTip("tip");
    b.SetTooltipText(&strTip, TRUE);
    b.ActivateTooltip(TRUE);
    EXPECT_FALSE(Invalid(HostHwnd())) << "no window of the button: nothing to repaint";
    EXPECT_EQ(b.m_tip.GetSafeHwnd(), nullptr) << "no tooltip without the button's window";
    EXPECT_EQ(b.m_nIconWidth, 32);
    EXPECT_EQ(b.GetFlat(), 0);
    EXPECT_EQ(b.GetAlign(), CButtonVX::ALIGN_ICON_RIGHT);
}

}  // namespace
}  // namespace buttonvx_test
