// DrawState: text in the normal, disabled and mono looks, prefix text, and
// images drawn through the disabled look.
#include <gtest/gtest.h>

#include <cstring>

#include "text_canvas.h"

namespace {

using texttest::Canvas;
using texttest::Extent;

const COLORREF kFace = RGB(192, 192, 192);

class DrawStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        VorPlatformReset();
        canvas = std::make_unique<Canvas>(200, 60, kFace);
        ASSERT_TRUE(canvas->Ok());
        dc = canvas->dc();
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 255));
    }
    void TearDown() override {
        canvas.reset();
        VorPlatformReset();
    }
    std::unique_ptr<Canvas> canvas;
    HDC dc = nullptr;
};

TEST_F(DrawStateTest, DisabledTextIsEmbossed) {
    const char* s = "Disabled";
    const SIZE sz = Extent(dc, s);
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(s), 0, 10, 10, sz.cx, sz.cy,
                           DST_TEXT | DSS_DISABLED));
    const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    ASSERT_NE(hilight, shadow);
    EXPECT_GT(canvas->CountNear(shadow, 12), 10);
    EXPECT_GT(canvas->CountNear(hilight, 24), 3);
    EXPECT_EQ(0, canvas->CountNear(RGB(0, 0, 255), 100));  // not the DC's text colour
    // The highlight is the shadow moved one pixel down and right.
    RECT ink = canvas->InkBox();
    EXPECT_EQ(10 + sz.cx + 1 >= ink.right, true);
    EXPECT_GE(ink.left, 10);
    // The DC's colour and mode are as they were.
    EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
}

TEST_F(DrawStateTest, NormalAndMonoText) {
    const char* s = "Normal";
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(s), 0, 5, 5, 0, 0, DST_TEXT | DSS_NORMAL));
    EXPECT_GT(canvas->CountNear(RGB(0, 0, 255), 48), 10);
    canvas->Clear();
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    ASSERT_TRUE(DrawStateA(dc, red, nullptr, reinterpret_cast<LPARAM>(s), 0, 5, 5, 0, 0, DST_TEXT | DSS_MONO));
    EXPECT_GT(canvas->CountNear(RGB(255, 0, 0), 48), 10);
    EXPECT_EQ(0, canvas->CountNear(RGB(0, 0, 255), 100));
    DeleteObject(red);
}

TEST_F(DrawStateTest, PrefixTextMatchesDrawText) {
    const char* s = "&Open";
    RECT calc{0, 0, 0, 0};
    DrawTextA(dc, s, -1, &calc, DT_SINGLELINE | DT_CALCRECT);
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(s), 0, 20, 15, calc.right, calc.bottom,
                           DST_PREFIXTEXT | DSS_NORMAL));
    Canvas expected(200, 60, kFace);
    SelectObject(expected.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(expected.dc(), TRANSPARENT);
    SetTextColor(expected.dc(), RGB(0, 0, 255));
    RECT rc{20, 15, 20 + calc.right, 15 + calc.bottom};
    DrawTextA(expected.dc(), s, -1, &rc, DT_SINGLELINE);
    EXPECT_TRUE(canvas->SamePixels(expected));

    // DST_TEXT shows the ampersand; a length of 0 means the whole string.
    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(s), 0, 20, 15, 0, 0, DST_TEXT));
    Canvas literal(200, 60, kFace);
    SelectObject(literal.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(literal.dc(), TRANSPARENT);
    SetTextColor(literal.dc(), RGB(0, 0, 255));
    TextOutA(literal.dc(), 20, 15, s, 5);
    EXPECT_TRUE(canvas->SamePixels(literal));
    // A length draws that many bytes.
    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>("&Open"), 2, 20, 15, 0, 0, DST_TEXT));
    literal.Clear();
    TextOutA(literal.dc(), 20, 15, "&O", 2);
    EXPECT_TRUE(canvas->SamePixels(literal));
}

BOOL CALLBACK DrawBar(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy) {
    RECT rc{2, 2, cx - 2, cy - 2};
    HBRUSH b = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(hdc, &rc, b);
    DeleteObject(b);
    return TRUE;
}

TEST_F(DrawStateTest, ComplexImagesDrawNormalAndDisabled) {
    ASSERT_TRUE(DrawStateA(dc, nullptr, DrawBar, 0, 0, 30, 10, 20, 12, DST_COMPLEX | DSS_NORMAL));
    RECT ink = canvas->InkBox();
    EXPECT_EQ((RECT{32, 12, 48, 20}).left, ink.left);
    EXPECT_EQ(32, ink.left);
    EXPECT_EQ(12, ink.top);
    EXPECT_EQ(48, ink.right);
    EXPECT_EQ(20, ink.bottom);
    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, DrawBar, 0, 0, 30, 10, 20, 12, DST_COMPLEX | DSS_DISABLED));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    EXPECT_EQ(shadow, canvas->At(32, 12));
    EXPECT_EQ(GetSysColor(COLOR_3DHILIGHT), canvas->At(48, 20));  // the highlight one pixel down and right
    EXPECT_EQ(16 * 8, canvas->Count(shadow));
    // A complex image needs its callback.
    EXPECT_FALSE(DrawStateA(dc, nullptr, nullptr, 0, 0, 0, 0, 10, 10, DST_COMPLEX));
}

// A 16 x 16 icon: a black 8 x 8 square in the middle of a white field, all
// of it opaque, and a transparent 1-pixel border.
HICON MakeIcon() {
    HBITMAP color = CreateBitmap(16, 16, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, color);
    PatBlt(mem, 0, 0, 16, 16, BLACKNESS);  // black XOR image outside: transparent
    RECT field{1, 1, 15, 15};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(mem, &field, white);
    PatBlt(mem, 4, 4, 8, 8, BLACKNESS);
    SelectObject(mem, mask);
    PatBlt(mem, 0, 0, 16, 16, WHITENESS);  // AND mask: keep the destination ...
    PatBlt(mem, 1, 1, 14, 14, BLACKNESS);  // ... except inside the border
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(white);
    ICONINFO ii{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

TEST_F(DrawStateTest, IconsNormalAndDisabled) {
    HICON icon = MakeIcon();
    ASSERT_NE(nullptr, icon);
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 0, 0,
                           DST_ICON | DSS_NORMAL));
    Canvas expected(200, 60, kFace);
    DrawIconEx(expected.dc(), 20, 10, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_TRUE(canvas->SamePixels(expected));
    EXPECT_EQ(RGB(0, 0, 0), canvas->At(28, 18));

    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 0, 0,
                           DST_ICON | DSS_DISABLED));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
    // The dark square is the shadow; its highlight shows one pixel past its
    // right and bottom edges; the white field and the border stay the face.
    EXPECT_EQ(64, canvas->Count(shadow));
    EXPECT_EQ(shadow, canvas->At(24, 14));
    EXPECT_EQ(hilight, canvas->At(32, 22));
    EXPECT_EQ(15, canvas->Count(hilight));
    EXPECT_EQ(kFace, canvas->At(21, 11));
    DestroyIcon(icon);
}

// An icon is drawn at its own size whatever cx and cy say: a larger size
// neither stretches nor moves it, a smaller one only clips it.
TEST_F(DrawStateTest, IconsKeepTheirOwnSizeAndAreOnlyClippedByTheGivenSize) {
    HICON icon = MakeIcon();
    ASSERT_NE(nullptr, icon);
    const UINT states[] = {DSS_NORMAL, DSS_DISABLED};
    for (UINT state : states) {
        SCOPED_TRACE(testing::Message() << "state 0x" << std::hex << state);
        Canvas own(200, 60, kFace);
        ASSERT_TRUE(DrawStateA(own.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 0, 0,
                               DST_ICON | state));
        canvas->Clear();
        ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 60, 40,
                               DST_ICON | state));
        EXPECT_TRUE(canvas->SamePixels(own)) << "drawn as at its own size";
        EXPECT_EQ(kFace, canvas->At(40, 30)) << "nothing past the icon";
    }

    // 10 x 6: the icon's top-left part only, as if the rest were clipped.
    Canvas clipped(200, 60, kFace);
    ASSERT_TRUE(DrawStateA(clipped.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 0, 0,
                           DST_ICON | DSS_NORMAL));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (x >= 20 + 10 || y >= 10 + 6 || x < 20 || y < 10)
                SetPixel(clipped.dc(), x, y, kFace);
    canvas->Clear();
    ASSERT_TRUE(
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 10, 6, DST_ICON | DSS_NORMAL));
    EXPECT_TRUE(canvas->SamePixels(clipped));
    // Disabled, the dark square's top-left 6 x 2 corner is the shadow, and
    // its highlight shows one pixel down and right of it.
    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 20, 10, 10, 6,
                           DST_ICON | DSS_DISABLED));
    EXPECT_EQ(12, canvas->Count(GetSysColor(COLOR_3DSHADOW)));
    EXPECT_EQ(7, canvas->Count(GetSysColor(COLOR_3DHILIGHT)));
    EXPECT_EQ(GetSysColor(COLOR_3DSHADOW), canvas->At(29, 15));
    DestroyIcon(icon);
}

TEST_F(DrawStateTest, BitmapsNormalDisabledAndMono) {
    // A 12 x 10 white bitmap with a dark 4 x 4 block at (2, 3).
    HBITMAP bmp = CreateBitmap(12, 10, 1, 32, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    PatBlt(mem, 0, 0, 12, 10, WHITENESS);
    PatBlt(mem, 2, 3, 4, 4, BLACKNESS);
    SelectObject(mem, old);
    DeleteDC(mem);

    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bmp), 0, 50, 20, 0, 0,
                           DST_BITMAP | DSS_NORMAL));
    EXPECT_EQ(RGB(255, 255, 255), canvas->At(50, 20));
    EXPECT_EQ(RGB(0, 0, 0), canvas->At(52, 23));
    EXPECT_EQ(16, canvas->Count(RGB(0, 0, 0)));
    EXPECT_EQ(12 * 10 - 16, canvas->Count(RGB(255, 255, 255)));

    canvas->Clear();
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bmp), 0, 50, 20, 0, 0,
                           DST_BITMAP | DSS_DISABLED));
    EXPECT_EQ(16, canvas->Count(GetSysColor(COLOR_3DSHADOW)));
    EXPECT_EQ(7, canvas->Count(GetSysColor(COLOR_3DHILIGHT)));
    EXPECT_EQ(GetSysColor(COLOR_3DSHADOW), canvas->At(52, 23));
    EXPECT_EQ(kFace, canvas->At(50, 20));  // the light pixels are not drawn

    canvas->Clear();
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    ASSERT_TRUE(DrawStateA(dc, green, nullptr, reinterpret_cast<LPARAM>(bmp), 0, 50, 20, 0, 0,
                           DST_BITMAP | DSS_MONO));
    EXPECT_EQ(16, canvas->Count(RGB(0, 160, 0)));
    DeleteObject(green);
    DeleteObject(bmp);
}

TEST_F(DrawStateTest, BadArgumentsAreRefused) {
    EXPECT_FALSE(DrawStateA(nullptr, nullptr, nullptr, reinterpret_cast<LPARAM>("x"), 0, 0, 0, 0, 0, DST_TEXT));
    EXPECT_FALSE(DrawStateA(dc, nullptr, nullptr, 0, 0, 0, 0, 0, 0, DST_TEXT));
    EXPECT_FALSE(DrawStateA(dc, nullptr, nullptr, 0, 0, 0, 0, 0, 0, DST_ICON));
    EXPECT_EQ(0, canvas->InkBox().right);
}

}  // namespace
