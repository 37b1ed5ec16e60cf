// Fonts: creation, stock fonts, metrics, face names, measuring.
#include <gtest/gtest.h>

#include <cstring>

#include "text_canvas.h"

namespace {

using texttest::Canvas;
using texttest::Extent;

class FontTest : public ::testing::Test {
protected:
    void SetUp() override { VorPlatformReset(); }
    void TearDown() override { VorPlatformReset(); }
};

TEXTMETRICA MetricsOf(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    SelectObject(dc, old);
    return tm;
}

TEST_F(FontTest, DefaultGuiFontIsTheDialogSize) {
    Canvas c(10, 10);
    ASSERT_TRUE(c.Ok());
    HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_NE(nullptr, gui);
    TEXTMETRICA tm = MetricsOf(c.dc(), gui);
    EXPECT_EQ(13, tm.tmHeight);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(2, tm.tmInternalLeading);  // an 11-pixel em in a 13-pixel row
    EXPECT_GE(tm.tmAscent, 10);
    EXPECT_LE(tm.tmDescent, 3);
    EXPECT_GT(tm.tmAveCharWidth, 4);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(FW_NORMAL, tm.tmWeight);
    EXPECT_EQ(GB2312_CHARSET, tm.tmCharSet);
    LOGFONTA lf{};
    ASSERT_EQ(static_cast<int>(sizeof lf), GetObjectA(gui, sizeof lf, &lf));
    EXPECT_EQ(-11, lf.lfHeight);
    // The average width is the width of "x".
    SelectObject(c.dc(), gui);
    EXPECT_EQ(tm.tmAveCharWidth, Extent(c.dc(), "x").cx);
}

TEST_F(FontTest, StockFontsDiffer) {
    Canvas c(10, 10);
    TEXTMETRICA system = MetricsOf(c.dc(), static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(16, system.tmHeight);
    EXPECT_EQ(FW_BOLD, system.tmWeight);
    HFONT fixed = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    SelectObject(c.dc(), fixed);
    EXPECT_EQ(Extent(c.dc(), "iiii").cx, Extent(c.dc(), "WWWW").cx);
    EXPECT_EQ(0, MetricsOf(c.dc(), fixed).tmPitchAndFamily & TMPF_FIXED_PITCH);
    SelectObject(c.dc(), GetStockObject(ANSI_VAR_FONT));
    EXPECT_LT(Extent(c.dc(), "iiii").cx, Extent(c.dc(), "WWWW").cx);
    // A new DC draws with the system font.
    TEXTMETRICA fresh{};
    Canvas d(10, 10);
    ASSERT_TRUE(GetTextMetricsA(d.dc(), &fresh));
    EXPECT_EQ(system.tmHeight, fresh.tmHeight);
}

TEST_F(FontTest, HeightsAreCharacterOrCellHeights) {
    Canvas c(10, 10);
    struct Case {
        int lfHeight;
    } cases[] = {{-8}, {-11}, {-16}, {-24}, {10}, {13}, {16}, {20}, {30}};
    for (const Case& k : cases) {
        HFONT f = CreateFontA(k.lfHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
        ASSERT_NE(nullptr, f);
        TEXTMETRICA tm = MetricsOf(c.dc(), f);
        if (k.lfHeight < 0) {
            // The em is what was asked; the row adds the internal leading.
            EXPECT_EQ(-k.lfHeight, tm.tmHeight - tm.tmInternalLeading) << k.lfHeight;
        } else {
            // The largest font whose row fits the cell.
            EXPECT_LE(tm.tmHeight, k.lfHeight) << k.lfHeight;
            EXPECT_GE(tm.tmHeight, k.lfHeight - 2) << k.lfHeight;
        }
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        DeleteObject(f);
    }
}

TEST_F(FontTest, BoldIsWiderAndReportsItsWeight) {
    Canvas c(10, 10);
    HFONT normal = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Shell Dlg");
    HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Shell Dlg");
    SelectObject(c.dc(), normal);
    const LONG wNormal = Extent(c.dc(), "Bold text").cx;
    SelectObject(c.dc(), bold);
    const LONG wBold = Extent(c.dc(), "Bold text").cx;
    EXPECT_GT(wBold, wNormal);
    EXPECT_EQ(FW_BOLD, MetricsOf(c.dc(), bold).tmWeight);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(normal);
    DeleteObject(bold);
}

TEST_F(FontTest, MeasuringIsDeterministicAndAdditive) {
    Canvas c(10, 10);
    SelectObject(c.dc(), GetStockObject(DEFAULT_GUI_FONT));
    const char* text = "The quick brown fox";
    SIZE a = Extent(c.dc(), text);
    SIZE b = Extent(c.dc(), text);
    EXPECT_EQ(a.cx, b.cx);
    EXPECT_EQ(13, a.cy);
    // No kerning: a string measures as the sum of its characters.
    LONG sum = 0;
    for (const char* p = text; *p; ++p) {
        char one[2] = {*p, 0};
        sum += Extent(c.dc(), one).cx;
    }
    EXPECT_EQ(sum, a.cx);
    // Another font object from the same description measures the same.
    LOGFONTA lf{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    HFONT twin = CreateFontIndirectA(&lf);
    SelectObject(c.dc(), twin);
    EXPECT_EQ(a.cx, Extent(c.dc(), text).cx);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(twin);
    // The empty string has the row height and no width.
    SIZE empty{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(c.dc(), "", 0, &empty));
    EXPECT_EQ(0, empty.cx);
    EXPECT_GT(empty.cy, 0);
}

TEST_F(FontTest, ExtentsPerCharacterAndFit) {
    Canvas c(10, 10);
    SelectObject(c.dc(), GetStockObject(DEFAULT_GUI_FONT));
    const char text[] = "ab\xC1\xD0" "c";  // a b 列 c
    int dx[5] = {};
    int fit = -1;
    SIZE size{};
    const LONG ab = Extent(c.dc(), "ab").cx;
    ASSERT_TRUE(GetTextExtentExPointA(c.dc(), text, 5, ab, &fit, dx, &size));
    EXPECT_EQ(2, fit);
    EXPECT_EQ(Extent(c.dc(), "a").cx, dx[0]);
    EXPECT_EQ(ab, dx[1]);
    EXPECT_EQ(dx[2], dx[3]);  // both bytes of the ideograph
    EXPECT_GT(dx[2], dx[1]);
    EXPECT_EQ(size.cx, dx[4]);
    EXPECT_EQ(Extent(c.dc(), text).cx, size.cx);
    ASSERT_TRUE(GetTextExtentExPointA(c.dc(), text, 5, dx[2], &fit, nullptr, &size));
    EXPECT_EQ(4, fit);
    ASSERT_TRUE(GetTextExtentExPointA(c.dc(), text, 5, dx[2] - 1, &fit, nullptr, &size));
    EXPECT_EQ(2, fit);  // half an ideograph does not fit

    INT widths[3] = {};
    ASSERT_TRUE(GetCharWidth32A(c.dc(), 'a', 'c', widths));
    EXPECT_EQ(Extent(c.dc(), "a").cx, widths[0]);
    EXPECT_EQ(Extent(c.dc(), "c").cx, widths[2]);
    INT wide = 0;
    ASSERT_TRUE(GetCharWidth32A(c.dc(), 0xC1D0, 0xC1D0, &wide));
    EXPECT_EQ(dx[2] - dx[1], wide);
    EXPECT_FALSE(GetCharWidth32A(c.dc(), 'c', 'a', widths));
}

TEST_F(FontTest, FaceNameAndObjectData) {
    Canvas c(10, 10);
    HFONT f = CreateFontA(-12, 0, 0, 0, FW_NORMAL, TRUE, TRUE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_NE(nullptr, f);
    LOGFONTA lf{};
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONTA)), GetObjectA(f, 0, nullptr));
    ASSERT_EQ(static_cast<int>(sizeof lf), GetObjectA(f, sizeof lf, &lf));
    EXPECT_EQ(-12, lf.lfHeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(1, lf.lfUnderline);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    LONG partial[2] = {0, 0};
    EXPECT_EQ(4, GetObjectA(f, 4, partial));
    EXPECT_EQ(-12, partial[0]);
    SelectObject(c.dc(), f);
    char face[LF_FACESIZE] = {};
    const int n = GetTextFaceA(c.dc(), sizeof face, face);
    EXPECT_STREQ("DejaVu Sans", face);
    EXPECT_EQ(static_cast<int>(std::strlen(face)) + 1, n);
    EXPECT_EQ(n, GetTextFaceA(c.dc(), 0, nullptr));
    char small[4] = {};
    EXPECT_EQ(4, GetTextFaceA(c.dc(), sizeof small, small));
    EXPECT_STREQ("Dej", small);
    TEXTMETRICA tm{};
    GetTextMetricsA(c.dc(), &tm);
    EXPECT_EQ(1, tm.tmItalic);
    EXPECT_EQ(1, tm.tmUnderlined);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
}

TEST_F(FontTest, BadHandlesAndArgumentsAreRefused) {
    const int before = VorGdiObjectCount(VOR_GDI_FONT);
    HFONT f = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, nullptr);
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(before + 1, VorGdiObjectCount(VOR_GDI_FONT));
    EXPECT_TRUE(DeleteObject(f));
    EXPECT_EQ(before, VorGdiObjectCount(VOR_GDI_FONT));
    LOGFONTA lf{};
    EXPECT_EQ(0, GetObjectA(f, sizeof lf, &lf));
    EXPECT_EQ(nullptr, CreateFontIndirectA(nullptr));

    Canvas c(10, 10);
    EXPECT_EQ(nullptr, SelectObject(c.dc(), f));
    TEXTMETRICA tm{};
    EXPECT_FALSE(GetTextMetricsA(nullptr, &tm));
    EXPECT_FALSE(GetTextMetricsA(c.dc(), nullptr));
    EXPECT_EQ(0, GetTextFaceA(reinterpret_cast<HDC>(0x1234), 10, nullptr));
    SIZE sz{};
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "a", 1, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc(), nullptr, 3, &sz));
    EXPECT_TRUE(GetTextExtentPoint32A(c.dc(), nullptr, 0, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc(), "abc", -1, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc(), "abc", 3, nullptr));
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_FALSE(GetTextExtentPoint32A(gone, "a", 1, &sz));
}

}  // namespace
