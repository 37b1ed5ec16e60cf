// Icons and cursors: creation, mask transparency, drawing flags, copies.
#include "GdiCanvas.h"

namespace {

using gditest::Canvas;
using gditest::Rows;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class Icons : public gditest::GdiTest {
protected:
    // A 4 x 2 colour icon: the left half opaque red, the right half
    // transparent (mask white, image black).
    HICON MakeIcon() {
        Canvas img(4, 2, RGB(0, 0, 0));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) img.Set(x, y, kRed);
        const WORD maskRows[2] = {0x30, 0x30};  // 0011: left opaque, right transparent
        HBITMAP mask = CreateBitmap(4, 2, 1, 1, maskRows);
        HBITMAP colour = CreateBitmap(4, 2, 1, 32, nullptr);
        HDC mdc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(mdc, colour);
        BitBlt(mdc, 0, 0, 4, 2, img.dc(), 0, 0, SRCCOPY);
        SelectObject(mdc, old);
        DeleteDC(mdc);
        ICONINFO ii = {TRUE, 0, 0, mask, colour};
        HICON icon = CreateIconIndirect(&ii);
        // The icon keeps its own copy of the bitmaps.
        DeleteObject(mask);
        DeleteObject(colour);
        return icon;
    }
};

TEST_F(Icons, DrawIconLeavesTransparentPixelsAlone) {
    HICON icon = MakeIcon();
    ASSERT_NE(nullptr, icon);
    Canvas c(6, 3, kBlue);
    ASSERT_TRUE(DrawIcon(c.dc(), 1, 1, icon));
    EXPECT_EQ(Rows({"......", ".##...", ".##..."}), c.Picture(kRed));
    EXPECT_EQ(14, c.Count(kBlue));
    EXPECT_TRUE(DestroyIcon(icon));
}

TEST_F(Icons, MaskAndImageFlagsDrawOnePlaneEach) {
    HICON icon = MakeIcon();
    Canvas c(4, 2, kBlue);
    ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_MASK));
    // The AND mask alone: black where opaque, unchanged where transparent.
    EXPECT_EQ(Rows({"##..", "##.."}), c.Picture(RGB(0, 0, 0)));
    EXPECT_EQ(Rows({"..##", "..##"}), c.Picture(kBlue));
    c.Fill(kBlue);
    ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_IMAGE));
    EXPECT_EQ(Rows({"..##", "..##"}), c.Picture(RGB(0, 0, 0)));  // the image's black, copied
    EXPECT_FALSE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, 0));
    DestroyIcon(icon);
}

TEST_F(Icons, DrawIconExStretchesAndPaintsTheFlickerFreeBrush) {
    HICON icon = MakeIcon();
    Canvas c(8, 4, kBlue);
    HBRUSH green = CreateSolidBrush(kGreen);
    ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 8, 4, 0, green, DI_NORMAL));
    EXPECT_EQ(Rows({"####....", "####....", "####....", "####...."}), c.Picture(kRed));
    EXPECT_EQ(16, c.Count(kGreen));  // the brush shows through the transparent half
    DeleteObject(green);
    DestroyIcon(icon);
}

TEST_F(Icons, IconsHonourTheClip) {
    HICON icon = MakeIcon();
    Canvas c(4, 2, kBlue);
    IntersectClipRect(c.dc(), 1, 0, 4, 1);
    DrawIcon(c.dc(), 0, 0, icon);
    EXPECT_EQ(Rows({".#..", "...."}), c.Picture(kRed));
    DestroyIcon(icon);
}

TEST_F(Icons, GetIconInfoAnswersNewBitmapsTheCallerOwns) {
    HICON icon = MakeIcon();
    const int bitmaps = VorGdiObjectCount(VOR_GDI_BITMAP);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(icon, &ii));
    EXPECT_TRUE(ii.fIcon);
    ASSERT_NE(nullptr, ii.hbmColor);
    ASSERT_NE(nullptr, ii.hbmMask);
    EXPECT_EQ(bitmaps + 2, VorGdiObjectCount(VOR_GDI_BITMAP));
    BITMAP bm;
    GetObject(ii.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(1, bm.bmBitsPixel);
    EXPECT_EQ(4, bm.bmWidth);
    // A copy made from the answer draws the same.
    HICON again = CreateIconIndirect(&ii);
    {
        Canvas c(4, 2, kBlue);
        DrawIcon(c.dc(), 0, 0, again);
        EXPECT_EQ(Rows({"##..", "##.."}), c.Picture(kRed));
    }
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    EXPECT_EQ(bitmaps, VorGdiObjectCount(VOR_GDI_BITMAP));
    DestroyIcon(again);
    DestroyIcon(icon);
}

TEST_F(Icons, CursorFromPlanesKeepsItsHotspotAndInverts) {
    // 2 x 1: pixel 0 opaque black (AND 0, XOR 0); pixel 1 inverting (AND 1, XOR 1).
    const WORD andPlane[1] = {0x40};
    const WORD xorPlane[1] = {0x40};
    HCURSOR cur = CreateCursor(nullptr, 1, 0, 2, 1, andPlane, xorPlane);
    ASSERT_NE(nullptr, cur);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(cur, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(1u, ii.xHotspot);
    EXPECT_EQ(nullptr, ii.hbmColor);
    BITMAP bm;
    GetObject(ii.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(2, bm.bmHeight);  // AND plane above XOR plane
    DeleteObject(ii.hbmMask);
    Canvas c(2, 1, RGB(0x10, 0x20, 0x30));
    DrawIcon(c.dc(), 0, 0, cur);
    EXPECT_EQ(RGB(0, 0, 0), c.At(0, 0));
    EXPECT_EQ(RGB(0xEF, 0xDF, 0xCF), c.At(1, 0));
    EXPECT_TRUE(DestroyCursor(cur));
}

TEST_F(Icons, DestroyedIconsAreRefusedAndCounted) {
    const int base = VorGdiObjectCount(VOR_GDI_ICON);
    HICON icon = MakeIcon();
    HICON copy = CopyIcon(icon);
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(icon, copy);
    EXPECT_EQ(base + 2, VorGdiObjectCount(VOR_GDI_ICON));
    EXPECT_FALSE(DeleteObject(icon));  // icons go with DestroyIcon
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    Canvas c(4, 2, kBlue);
    EXPECT_FALSE(DrawIcon(c.dc(), 0, 0, icon));
    EXPECT_EQ(nullptr, CopyIcon(icon));
    ICONINFO ii;
    EXPECT_FALSE(GetIconInfo(icon, &ii));
    EXPECT_TRUE(DrawIcon(c.dc(), 0, 0, copy));
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_EQ(base, VorGdiObjectCount(VOR_GDI_ICON));
    EXPECT_EQ(nullptr, CreateIconIndirect(nullptr));
    ICONINFO bad = {TRUE, 0, 0, nullptr, nullptr};
    EXPECT_EQ(nullptr, CreateIconIndirect(&bad));
}

TEST_F(Icons, MonochromeIconFromADoubleHeightMask) {
    // 2 x 1 icon, mask on top (0 opaque, 1 transparent), image below.
    const WORD planes[2] = {0x40, 0x80};  // AND: 0 1; XOR: 1 0
    HBITMAP mask = CreateBitmap(2, 2, 1, 1, planes);
    ICONINFO ii = {TRUE, 0, 0, mask, nullptr};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(mask);
    ASSERT_NE(nullptr, icon);
    Canvas c(2, 1, kBlue);
    DrawIcon(c.dc(), 0, 0, icon);
    EXPECT_EQ(RGB(255, 255, 255), c.At(0, 0));  // opaque white
    EXPECT_EQ(kBlue, c.At(1, 0));               // transparent
    DestroyIcon(icon);
}

TEST_F(Icons, AnAlphaChannelBlendsInsteadOfTheMask) {
    // 3 x 1, B G R A: opaque red, half-transparent red, fully transparent
    // (non-black colour, which the mask alone would have XORed in).
    const uint32_t argb[3] = {0xFFFF0000u, 0x80FF0000u, 0x0000FF00u};
    HBITMAP colour = CreateBitmap(3, 1, 1, 32, argb);
    const WORD maskRow[1] = {0};  // all opaque: the alpha channel decides
    HBITMAP mask = CreateBitmap(3, 1, 1, 1, maskRow);
    ICONINFO ii = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(colour);
    DeleteObject(mask);
    ASSERT_NE(nullptr, icon);
    Canvas c(3, 1, kBlue);
    ASSERT_TRUE(DrawIcon(c.dc(), 0, 0, icon));
    EXPECT_EQ(kRed, c.At(0, 0));
    EXPECT_EQ(RGB(128, 0, 127), c.At(1, 0));
    EXPECT_EQ(kBlue, c.At(2, 0));
    // The copy and GetIconInfo keep the alpha channel.
    HICON copy = CopyIcon(icon);
    ICONINFO back = {};
    ASSERT_TRUE(GetIconInfo(copy, &back));
    HICON again = CreateIconIndirect(&back);
    DeleteObject(back.hbmColor);
    DeleteObject(back.hbmMask);
    c.Fill(kBlue);
    DrawIcon(c.dc(), 0, 0, again);
    EXPECT_EQ(RGB(128, 0, 127), c.At(1, 0));
    EXPECT_EQ(kBlue, c.At(2, 0));
    DestroyIcon(again);
    DestroyIcon(copy);
    DestroyIcon(icon);
}

}  // namespace
