// BitBlt and StretchBlt with every named raster operation, colour and
// monochrome conversion, and the DIB calls.
#include <vector>

#include "GdiCanvas.h"

namespace {

using gditest::Canvas;
using gditest::Rows;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct RopCase {
    const char* name;
    DWORD rop;
    // The expected pixel, bit by bit, from pattern P, source S and
    // destination D.
    unsigned (*fn)(unsigned p, unsigned s, unsigned d);
};

class Rops : public gditest::GdiTest, public ::testing::WithParamInterface<RopCase> {};

TEST_P(Rops, BitBltCombinesPatternSourceAndDestination) {
    const RopCase& k = GetParam();
    const COLORREF p = RGB(0xF0, 0x0F, 0xAA), s = RGB(0xCC, 0x33, 0x55), d = RGB(0xAA, 0x66, 0x0F);
    Canvas src(3, 2, s), dst(3, 2, d);
    HBRUSH brush = CreateSolidBrush(p);
    SelectObject(dst.dc(), brush);
    ASSERT_TRUE(BitBlt(dst.dc(), 1, 0, 2, 1, src.dc(), 0, 0, k.rop)) << k.name;
    COLORREF want = RGB(k.fn(0xF0, 0xCC, 0xAA) & 0xFF, k.fn(0x0F, 0x33, 0x66) & 0xFF, k.fn(0xAA, 0x55, 0x0F) & 0xFF);
    EXPECT_EQ(want, dst.At(1, 0)) << k.name;
    EXPECT_EQ(want, dst.At(2, 0)) << k.name;
    EXPECT_EQ(d, dst.At(0, 0)) << k.name;
    EXPECT_EQ(d, dst.At(1, 1)) << k.name;
    SelectObject(dst.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

INSTANTIATE_TEST_SUITE_P(
    Named, Rops,
    ::testing::Values(RopCase{"SRCCOPY", SRCCOPY, [](unsigned, unsigned s, unsigned) { return s; }},
                      RopCase{"SRCPAINT", SRCPAINT, [](unsigned, unsigned s, unsigned d) { return s | d; }},
                      RopCase{"SRCAND", SRCAND, [](unsigned, unsigned s, unsigned d) { return s & d; }},
                      RopCase{"SRCINVERT", SRCINVERT, [](unsigned, unsigned s, unsigned d) { return s ^ d; }},
                      RopCase{"SRCERASE", SRCERASE, [](unsigned, unsigned s, unsigned d) { return s & ~d; }},
                      RopCase{"NOTSRCCOPY", NOTSRCCOPY, [](unsigned, unsigned s, unsigned) { return ~s; }},
                      RopCase{"NOTSRCERASE", NOTSRCERASE, [](unsigned, unsigned s, unsigned d) { return ~(s | d); }},
                      RopCase{"MERGECOPY", MERGECOPY, [](unsigned p, unsigned s, unsigned) { return p & s; }},
                      RopCase{"MERGEPAINT", MERGEPAINT, [](unsigned, unsigned s, unsigned d) { return ~s | d; }},
                      RopCase{"PATCOPY", PATCOPY, [](unsigned p, unsigned, unsigned) { return p; }},
                      RopCase{"PATPAINT", PATPAINT, [](unsigned p, unsigned s, unsigned d) { return p | ~s | d; }},
                      RopCase{"PATINVERT", PATINVERT, [](unsigned p, unsigned, unsigned d) { return p ^ d; }},
                      RopCase{"DSTINVERT", DSTINVERT, [](unsigned, unsigned, unsigned d) { return ~d; }},
                      RopCase{"BLACKNESS", BLACKNESS, [](unsigned, unsigned, unsigned) { return 0u; }},
                      RopCase{"WHITENESS", WHITENESS, [](unsigned, unsigned, unsigned) { return 0xFFu; }}),
    [](const ::testing::TestParamInfo<RopCase>& info) { return std::string(info.param.name); });

class Blit : public gditest::GdiTest {};

TEST_F(Blit, OverlappingCopyWithinOneBitmap) {
    Canvas c(5, 1);
    for (int x = 0; x < 5; ++x) c.Set(x, 0, RGB(x * 10, 0, 0));
    ASSERT_TRUE(BitBlt(c.dc(), 1, 0, 4, 1, c.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(RGB(0, 0, 0), c.At(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), c.At(1, 0));
    EXPECT_EQ(RGB(10, 0, 0), c.At(2, 0));
    EXPECT_EQ(RGB(30, 0, 0), c.At(4, 0));
}

TEST_F(Blit, DestinationClipAndSourceBoundsLimitTheCopy) {
    Canvas src(2, 2, kRed), dst(6, 4);
    IntersectClipRect(dst.dc(), 0, 0, 6, 3);
    // A 4 x 4 copy from a 2 x 2 source: only the source's pixels arrive.
    ASSERT_TRUE(BitBlt(dst.dc(), 1, 1, 4, 4, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(Rows({"......", ".##...", ".##...", "......"}), dst.Picture(kRed));
}

TEST_F(Blit, MonochromeSourcePaintsTextAndBackgroundColours) {
    const WORD rows[1] = {0x80};  // 1 = white at x 0, black at x 1
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, rows);
    HDC mdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mdc, mono);
    Canvas dst(2, 1);
    SetTextColor(dst.dc(), kRed);
    SetBkColor(dst.dc(), kBlue);
    BitBlt(dst.dc(), 0, 0, 2, 1, mdc, 0, 0, SRCCOPY);
    EXPECT_EQ(kBlue, dst.At(0, 0));
    EXPECT_EQ(kRed, dst.At(1, 0));
    SelectObject(mdc, old);
    DeleteDC(mdc);
    DeleteObject(mono);
}

TEST_F(Blit, ColourToMonochromeMatchesTheSourceBackground) {
    Canvas src(3, 1, kRed);
    src.Set(1, 0, kBlue);
    SetBkColor(src.dc(), kBlue);
    HBITMAP mono = CreateBitmap(3, 1, 1, 1, nullptr);
    HDC mdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mdc, mono);
    BitBlt(mdc, 0, 0, 3, 1, src.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mdc, 0, 0));
    EXPECT_EQ(kWhite, GetPixel(mdc, 1, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mdc, 2, 0));
    SelectObject(mdc, old);
    DeleteDC(mdc);
    DeleteObject(mono);
}

TEST_F(Blit, StretchScalesAndMirrors) {
    Canvas src(2, 1), dst(4, 2);
    src.Set(0, 0, kRed);
    src.Set(1, 0, kBlue);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 2, src.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Rows({"##..", "##.."}), dst.Picture(kRed));
    EXPECT_EQ(Rows({"..##", "..##"}), dst.Picture(kBlue));
    // A negative destination width mirrors; the corners are x and x + w.
    ASSERT_TRUE(StretchBlt(dst.dc(), 4, 0, -4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Rows({"..##", "##.."}), dst.Picture(kRed));
}

TEST_F(Blit, PatBltUsesTheSelectedBrush) {
    Canvas c(4, 3, kBlue);
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(c.dc(), red);
    ASSERT_TRUE(PatBlt(c.dc(), 1, 1, 2, 2, PATCOPY));
    EXPECT_EQ(Rows({"....", ".##.", ".##."}), c.Picture(kRed));
    ASSERT_TRUE(PatBlt(c.dc(), 0, 0, 4, 3, PATINVERT));
    EXPECT_EQ(4, c.Count(RGB(0, 0, 0)));  // red ^ red inside, blue ^ red = magenta outside
    EXPECT_EQ(8, c.Count(RGB(255, 0, 255)));
    EXPECT_FALSE(PatBlt(c.dc(), 0, 0, 1, 1, SRCCOPY));  // needs a source
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    c.Fill(kBlue);
    EXPECT_TRUE(PatBlt(c.dc(), 0, 0, 4, 3, PATCOPY));
    EXPECT_EQ(12, c.Count(kBlue));
    DeleteObject(red);
}

TEST_F(Blit, BitBltToOrFromABadDCFails) {
    Canvas c(2, 2);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_FALSE(BitBlt(c.dc(), 0, 0, 2, 2, gone, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(gone, 0, 0, 2, 2, c.dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(c.dc(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    // Without a source operand no source DC is needed.
    EXPECT_TRUE(BitBlt(c.dc(), 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(4, c.Count(RGB(0, 0, 0)));
}

TEST_F(Blit, CompatibleBitmapFollowsTheSelectedBitmap) {
    HDC mdc = CreateCompatibleDC(nullptr);
    BITMAP bm;
    // A new memory DC holds a 1 x 1 monochrome bitmap.
    HBITMAP first = static_cast<HBITMAP>(GetCurrentObject(mdc, OBJ_BITMAP));
    ASSERT_EQ(static_cast<int>(sizeof bm), GetObject(first, sizeof bm, &bm));
    EXPECT_EQ(1, bm.bmWidth);
    EXPECT_EQ(1, bm.bmHeight);
    EXPECT_EQ(1, bm.bmBitsPixel);
    HBITMAP monoBmp = CreateCompatibleBitmap(mdc, 8, 8);
    GetObject(monoBmp, sizeof bm, &bm);
    EXPECT_EQ(1, bm.bmBitsPixel);
    EXPECT_EQ(2, bm.bmWidthBytes);
    Canvas colour(2, 2);
    HBITMAP colourBmp = CreateCompatibleBitmap(colour.dc(), 8, 8);
    GetObject(colourBmp, sizeof bm, &bm);
    EXPECT_EQ(32, bm.bmBitsPixel);
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(nullptr, CreateCompatibleBitmap(mdc, -1, 5));
    DeleteObject(monoBmp);
    DeleteObject(colourBmp);
    DeleteDC(mdc);
}

TEST_F(Blit, GetDIBitsReadsBottomUpAndTopDown) {
    Canvas c(2, 2);
    c.Set(0, 0, RGB(1, 2, 3));
    c.Set(1, 1, RGB(4, 5, 6));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_NE(0, GetDIBits(c.dc(), c.bitmap(), 0, 0, nullptr, &bi, DIB_RGB_COLORS));
    EXPECT_EQ(2, bi.bmiHeader.biWidth);
    EXPECT_EQ(32, bi.bmiHeader.biBitCount);
    // The bitmap is selected into the canvas; reading it still works.
    std::vector<uint32_t> px(4);
    bi.bmiHeader.biHeight = 2;  // bottom-up: first row in memory is the bottom row
    bi.bmiHeader.biCompression = BI_RGB;
    ASSERT_EQ(2, GetDIBits(c.dc(), c.bitmap(), 0, 2, px.data(), &bi, DIB_RGB_COLORS));
    EXPECT_EQ(0x040506u, px[1]);
    EXPECT_EQ(0x010203u, px[2]);
    bi.bmiHeader.biHeight = -2;
    ASSERT_EQ(2, GetDIBits(c.dc(), c.bitmap(), 0, 2, px.data(), &bi, DIB_RGB_COLORS));
    EXPECT_EQ(0x010203u, px[0]);
    EXPECT_EQ(0x040506u, px[3]);
}

TEST_F(Blit, SetDIBitsToDeviceAndStretchDIBits) {
    Canvas c(4, 3);
    // A 2 x 2 bottom-up DIB: bottom row red, red; top row blue, blue.
    uint32_t bits[4] = {0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF};
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 2;
    bi.bmiHeader.biHeight = 2;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    EXPECT_EQ(2, SetDIBitsToDevice(c.dc(), 1, 1, 2, 2, 0, 0, 0, 2, bits, &bi, DIB_RGB_COLORS));
    EXPECT_EQ(Rows({"....", ".##.", "...."}), c.Picture(kBlue));
    EXPECT_EQ(Rows({"....", "....", ".##."}), c.Picture(kRed));
    c.Fill(kWhite);
    EXPECT_NE(0, StretchDIBits(c.dc(), 0, 0, 4, 2, 0, 0, 2, 2, bits, &bi, DIB_RGB_COLORS, SRCCOPY));
    EXPECT_EQ(Rows({"####", "....", "...."}), c.Picture(kBlue));
    EXPECT_EQ(Rows({"....", "####", "...."}), c.Picture(kRed));
    bi.bmiHeader.biBitCount = 7;
    EXPECT_EQ(0, SetDIBitsToDevice(c.dc(), 0, 0, 2, 2, 0, 0, 0, 2, bits, &bi, DIB_RGB_COLORS));
}

// Window-sized bitmaps are made and deleted on every double-buffered paint,
// so their memory is used again: a new one must still start black whatever
// its predecessor held, at the sizes on both sides of where a bitmap stops
// being a small one, and when a smaller bitmap takes a larger one's place.
TEST_F(Blit, ABitmapMadeAfterDeletedPaintedOnesStartsBlack) {
    Canvas screenLike(1, 1);
    const SIZE sizes[] = {{1280, 800}, {128, 128}, {128, 127}, {700, 800}, {1280, 800}, {300, 60}, {257, 64}};
    HBRUSH red = CreateSolidBrush(kRed);
    for (int round = 0; round < 2; ++round) {
        for (const SIZE& sz : sizes) {
            HBITMAP bmp = CreateCompatibleBitmap(screenLike.dc(), sz.cx, sz.cy);
            ASSERT_NE(nullptr, bmp);
            const size_t n = static_cast<size_t>(sz.cx) * sz.cy;
            std::vector<uint32_t> px(n, 0xDEADBEEF);
            ASSERT_EQ(static_cast<LONG>(n * 4), GetBitmapBits(bmp, static_cast<LONG>(n * 4), px.data()));
            size_t notBlack = 0;
            for (uint32_t p : px) notBlack += (p & 0xFFFFFF) != 0;
            EXPECT_EQ(0u, notBlack) << sz.cx << " x " << sz.cy << ", round " << round;
            // Leave it red (and its last row and column set through the
            // top byte too) for whichever bitmap comes next.
            HDC mdc = CreateCompatibleDC(screenLike.dc());
            HGDIOBJ old = SelectObject(mdc, bmp);
            RECT all = {0, 0, sz.cx, sz.cy};
            FillRect(mdc, &all, red);
            EXPECT_EQ(kRed, GetPixel(mdc, sz.cx - 1, sz.cy - 1));
            SelectObject(mdc, old);
            DeleteDC(mdc);
            std::vector<uint32_t> ones(n, 0xFFFFFFFF);
            SetBitmapBits(bmp, static_cast<DWORD>(n * 4), ones.data());
            DeleteObject(bmp);
        }
    }
    DeleteObject(red);
}

TEST_F(Blit, BitmapBitsRoundTrip) {
    const WORD rows[2] = {0xA0, 0x50};  // 1010..., 0101...
    HBITMAP mono = CreateBitmap(4, 2, 1, 1, rows);
    BYTE out[4] = {};
    ASSERT_EQ(4, GetBitmapBits(mono, sizeof out, out));
    EXPECT_EQ(0xA0, out[0]);
    EXPECT_EQ(0x50, out[2]);
    HDC mdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mdc, mono);
    EXPECT_EQ(kWhite, GetPixel(mdc, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mdc, 1, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(mdc, 0, 1));
    SelectObject(mdc, old);
    DeleteDC(mdc);
    DeleteObject(mono);
}

}  // namespace
