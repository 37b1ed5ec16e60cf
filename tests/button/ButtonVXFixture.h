// The owner-drawn button's test host: a real "Button" child of the host
// window subclassed by a CButtonVX, the program's own icons, cursor and
// strings, an application object (so that pre-translation reaches the
// button) and pixel helpers in the button's client coordinates.
#pragma once

#include <afxwin.h>
#include <vorresource.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ButtonVX.h"
#include "VorTestHost.h"

namespace buttonvx_test {

constexpr UINT kId = 1001;
constexpr WORD kIconRed = 201;   // 16 x 16, red
constexpr WORD kIconBlue = 202;  // 16 x 16, blue
constexpr WORD kCursor = 301;
constexpr WORD kStringTip = 401;
constexpr WORD kStringEmpty = 402;
constexpr WORD kMissing = 499;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kUnlitBg = RGB(200, 220, 240);
constexpr COLORREF kLitBg = RGB(250, 230, 200);

// The button's settings and state, for the checks.
class ProbeButton : public CButtonVX {
public:
    using CButtonVX::m_bHover;
    using CButtonVX::m_dcBack;
    using CButtonVX::m_hBtnCursor;
    using CButtonVX::m_hIconHot;
    using CButtonVX::m_hIconNormal;
    using CButtonVX::m_nIconHeight;
    using CButtonVX::m_nIconWidth;
    using CButtonVX::m_tip;
    int nDrawn = 0;  // DrawItem calls
    void DrawItem(LPDRAWITEMSTRUCT p) override
    {
        ++nDrawn;
        CButtonVX::DrawItem(p);
    }
};

// A square colour icon made by hand; the caller owns it.
HICON MakeIcon(int nSize, COLORREF clr);

class ButtonVXTest : public vor::test::VorHostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the stock button (WS_VISIBLE added) at the host's (20, 20),
    // 120 x 40 unless told, and subclasses it.
    void Attach(DWORD dwStyle = BS_PUSHBUTTON, LPCTSTR lpszText = "", CRect rc = CRect(20, 20, 140, 60));
    HWND Btn() const { return m_btn->GetSafeHwnd(); }

    // The button's client point on the screen, and the pixel there.
    POINT ScreenOf(int x, int y) const;
    COLORREF Px(int x, int y) const;
    // Bounding box (client coordinates) of the pixels of the button's client
    // area, shrunk by nMargin, that have colour clr; empty when none.
    CRect BoxOf(COLORREF clr, int nMargin = 0) const;
    // The same for dark pixels (luminance below 100): the text.
    CRect InkBox(int nMargin) const;
    int CountInk(int nMargin) const;
    void MoveOver(int x, int y) { MoveMouse(ScreenOf(x, y).x, ScreenOf(x, y).y); }
    void MoveAway() { MoveMouse(HostToScreen(400, 300).x, HostToScreen(400, 300).y); }
    bool Invalid(HWND hWnd) const { return ::GetUpdateRect(hWnd, NULL, FALSE) != FALSE; }

    std::unique_ptr<ProbeButton> m_btn;
    std::unique_ptr<CWinApp> m_app;
    CRect m_rcButton;

private:
    std::vector<DWORD> m_red, m_blue;
    std::vector<BYTE> m_cursorAnd, m_cursorXor;
    VOR_ICON_IMAGE m_imgRed{}, m_imgBlue{};
    VOR_CURSOR_IMAGE m_imgCursor{};
    WORD m_redIds[1] = {901}, m_blueIds[1] = {902}, m_cursorIds[1] = {903};
    VOR_RESOURCE_GROUP m_groupRed{}, m_groupBlue{}, m_groupCursor{};
    VOR_RESOURCE m_entries[8]{};
    VOR_RESOURCE_TABLE m_table{};
};

}  // namespace buttonvx_test

// Readable rectangles in failure messages.
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
