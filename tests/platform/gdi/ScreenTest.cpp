// What GDI does with USER's help: the screen surface through a screen DC
// (GetDC(NULL)) - the desktop colour after a reset, drawing that later DCs
// read back, copies to memory, the screen size, DC counting - and shared
// cursors from LoadCursor.
#include "GdiCanvas.h"

namespace {

using gditest::Canvas;

constexpr COLORREF kTeal = RGB(0, 128, 128);

class Screen : public gditest::GdiTest {
protected:
    void TearDown() override {
        VorSetScreenSize(1280, 1024);
        VorPlatformReset();
    }
};

TEST_F(Screen, ResetClearsTheScreenToTheDesktopColour) {
    HDC s = GetDC(nullptr);
    ASSERT_NE(nullptr, s);
    RECT rc = {0, 0, 50, 50};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(s, &rc, red);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(s, 10, 10));
    ReleaseDC(nullptr, s);
    DeleteObject(red);
    VorPlatformReset();
    s = GetDC(nullptr);
    EXPECT_EQ(kTeal, GetSysColor(COLOR_DESKTOP));
    EXPECT_EQ(kTeal, GetPixel(s, 10, 10));
    EXPECT_EQ(kTeal, GetPixel(s, 1279, 1023));
    EXPECT_EQ(CLR_INVALID, GetPixel(s, 1280, 0));
    ReleaseDC(nullptr, s);
}

TEST_F(Screen, WhatOneDCDrawsAnotherReadsAndCopies) {
    HDC a = GetDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(a, pen);
    MoveToEx(a, 100, 200, nullptr);
    LineTo(a, 110, 200);
    SelectObject(a, old);
    ReleaseDC(nullptr, a);
    DeleteObject(pen);

    HDC b = GetDC(nullptr);
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(b, 100, 200));
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(b, 109, 200));
    EXPECT_EQ(kTeal, GetPixel(b, 110, 200));
    Canvas c(12, 1);
    ASSERT_TRUE(BitBlt(c.dc(), 0, 0, 12, 1, b, 99, 200, SRCCOPY));
    EXPECT_EQ(kTeal, c.At(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), c.At(1, 0));
    EXPECT_EQ(RGB(0, 0, 255), c.At(10, 0));
    EXPECT_EQ(kTeal, c.At(11, 0));
    ReleaseDC(nullptr, b);
}

TEST_F(Screen, ScreenDCsAreCountedUntilReleased) {
    const int base = VorGdiObjectCount(VOR_GDI_DC);
    HDC s = GetDC(nullptr);
    EXPECT_EQ(base + 1, VorGdiObjectCount(VOR_GDI_DC));
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(s));
    EXPECT_FALSE(DeleteDC(s));  // goes back with ReleaseDC
    // Bitmaps are for memory DCs only.
    HBITMAP bmp = CreateCompatibleBitmap(s, 4, 4);
    EXPECT_EQ(nullptr, SelectObject(s, bmp));
    BITMAP bm;
    GetObject(bmp, sizeof bm, &bm);
    EXPECT_EQ(32, bm.bmBitsPixel);
    DeleteObject(bmp);
    ReleaseDC(nullptr, s);
    EXPECT_EQ(base, VorGdiObjectCount(VOR_GDI_DC));
    EXPECT_EQ(0u, GetObjectType(s));
}

TEST_F(Screen, ScreenSizeTakesEffectAtTheNextReset) {
    VorSetScreenSize(640, 480);
    HDC s = GetDC(nullptr);
    EXPECT_EQ(1280, GetDeviceCaps(s, HORZRES));
    ReleaseDC(nullptr, s);
    VorPlatformReset();
    s = GetDC(nullptr);
    EXPECT_EQ(640, GetDeviceCaps(s, HORZRES));
    EXPECT_EQ(480, GetDeviceCaps(s, VERTRES));
    EXPECT_EQ(kTeal, GetPixel(s, 639, 479));
    EXPECT_EQ(CLR_INVALID, GetPixel(s, 640, 0));
    ReleaseDC(nullptr, s);
}

TEST_F(Screen, SharedCursorsSurviveDestroyCursor) {
    const int icons = VorGdiObjectCount(VOR_GDI_ICON);
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    ASSERT_NE(nullptr, arrow);
    EXPECT_EQ(icons, VorGdiObjectCount(VOR_GDI_ICON));  // shared: not counted
    EXPECT_TRUE(DestroyCursor(arrow));
    EXPECT_TRUE(DestroyIcon(arrow));
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(arrow, &ii));  // still alive
    EXPECT_FALSE(ii.fIcon);
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    EXPECT_EQ(arrow, LoadCursor(nullptr, IDC_ARROW));
    // A copy is the caller's own and really goes.
    HCURSOR copy = CopyIcon(arrow);
    EXPECT_EQ(icons + 1, VorGdiObjectCount(VOR_GDI_ICON));
    EXPECT_TRUE(DestroyCursor(copy));
    EXPECT_EQ(icons, VorGdiObjectCount(VOR_GDI_ICON));
    EXPECT_FALSE(GetIconInfo(copy, &ii));
}

}  // namespace
