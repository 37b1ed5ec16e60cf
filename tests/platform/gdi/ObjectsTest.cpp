// The object table: counts, stale handles, stock objects, selection rules,
// GetObject, and the screen PNG.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "GdiCanvas.h"

namespace {

using gditest::Canvas;

class Objects : public gditest::GdiTest {};

TEST_F(Objects, CountsFollowCreationAndDeletionPerKind) {
    const int base = VorGdiObjectCount(VOR_GDI_ALL);
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_PEN));
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HBRUSH brush = CreateSolidBrush(0);
    HBITMAP bmp = CreateBitmap(4, 4, 1, 32, nullptr);
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(1, VorGdiObjectCount(VOR_GDI_PEN));
    EXPECT_EQ(1, VorGdiObjectCount(VOR_GDI_BRUSH));
    EXPECT_EQ(1, VorGdiObjectCount(VOR_GDI_BITMAP));
    EXPECT_EQ(1, VorGdiObjectCount(VOR_GDI_REGION));
    EXPECT_EQ(1, VorGdiObjectCount(VOR_GDI_DC));
    EXPECT_EQ(base + 5, VorGdiObjectCount(VOR_GDI_ALL));
    // Stock objects are not counted.
    GetStockObject(WHITE_BRUSH);
    GetStockObject(BLACK_PEN);
    EXPECT_EQ(base + 5, VorGdiObjectCount(VOR_GDI_ALL));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bmp));
    EXPECT_TRUE(DeleteObject(rgn));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(base, VorGdiObjectCount(VOR_GDI_ALL));
    EXPECT_EQ(0, VorGdiObjectCount(99));
}

TEST_F(Objects, ResetFreesEverything) {
    CreatePen(PS_SOLID, 1, 0);
    CreateCompatibleDC(nullptr);
    CreateSolidBrush(0);
    ASSERT_GT(VorGdiObjectCount(VOR_GDI_ALL), 0);
    VorPlatformReset();
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_PEN));
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_BRUSH));
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_DC));
    // Stock objects survive with the same handles.
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    VorPlatformReset();
    EXPECT_EQ(white, GetStockObject(WHITE_BRUSH));
    LOGBRUSH lb;
    ASSERT_EQ(static_cast<int>(sizeof lb), GetObject(white, sizeof lb, &lb));
    EXPECT_EQ(RGB(255, 255, 255), lb.lbColor);
}

TEST_F(Objects, DeletedHandlesAreRefusedEverywhere) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HBRUSH brush = CreateSolidBrush(0);
    HBITMAP bmp = CreateBitmap(2, 2, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HRGN rgn = CreateRectRgn(0, 0, 2, 2);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(bmp);
    DeleteObject(rgn);
    DeleteDC(dc);

    HDC live = CreateCompatibleDC(nullptr);
    EXPECT_EQ(nullptr, SelectObject(live, pen));
    EXPECT_EQ(nullptr, SelectObject(live, brush));
    EXPECT_EQ(nullptr, SelectObject(live, bmp));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_EQ(0, GetObject(pen, 0, nullptr));
    EXPECT_EQ(0u, GetObjectType(brush));
    EXPECT_EQ(ERROR, SelectClipRgn(live, rgn));
    RECT rc = {0, 0, 1, 1};
    EXPECT_EQ(0, FillRect(live, &rc, brush));
    EXPECT_EQ(nullptr, CreatePatternBrush(bmp));

    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_FALSE(Rectangle(dc, 0, 0, 1, 1));
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_EQ(0, SetROP2(dc, R2_NOT));
    EXPECT_EQ(CLR_INVALID, SetTextColor(dc, 0));
    EXPECT_EQ(CLR_INVALID, GetPixel(dc, 0, 0));
    EXPECT_EQ(nullptr, SelectObject(dc, GetStockObject(BLACK_PEN)));
    EXPECT_EQ(0, SaveDC(dc));
    EXPECT_EQ(nullptr, CreateCompatibleDC(dc));
    EXPECT_EQ(nullptr, CreateCompatibleBitmap(dc, 2, 2));
    EXPECT_FALSE(FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    // A never-valid handle value.
    EXPECT_EQ(0u, GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(0x12345))));
    DeleteDC(live);
}

TEST_F(Objects, HandleValuesAreNeverReused) {
    std::set<HGDIOBJ> seen;
    for (int i = 0; i < 200; ++i) {
        HPEN p = CreatePen(PS_SOLID, 1, 0);
        EXPECT_TRUE(seen.insert(p).second);
        DeleteObject(p);
    }
    VorPlatformReset();
    HPEN after = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(0u, seen.count(after));
    DeleteObject(after);
}

TEST_F(Objects, StockAndSelectedObjectsCannotBeDeleted) {
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_FALSE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(nullptr, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(nullptr, GetStockObject(-1));
    EXPECT_EQ(nullptr, GetStockObject(999));

    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(GetStockObject(BLACK_PEN), old);
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_EQ(pen, SelectObject(dc, old));
    EXPECT_TRUE(DeleteObject(pen));

    // Deleting the DC lets go of what it held.
    HBRUSH brush = CreateSolidBrush(0);
    SelectObject(dc, brush);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(Objects, ABitmapIsSelectedIntoOneMemoryDCAtATime) {
    HBITMAP bmp = CreateBitmap(4, 4, 1, 32, nullptr);
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HGDIOBJ oldA = SelectObject(a, bmp);
    ASSERT_NE(nullptr, oldA);
    EXPECT_EQ(nullptr, SelectObject(b, bmp));
    EXPECT_EQ(bmp, SelectObject(a, bmp));  // selecting it again where it is
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_EQ(bmp, SelectObject(a, oldA));
    EXPECT_NE(nullptr, SelectObject(b, bmp));
    DeleteDC(b);  // releases it
    EXPECT_TRUE(DeleteObject(bmp));
    DeleteDC(a);
}

TEST_F(Objects, GetObjectDescribesPensBrushesAndBitmaps) {
    HPEN pen = CreatePen(PS_DOT, 0, RGB(1, 2, 3));
    LOGPEN lp;
    EXPECT_EQ(static_cast<int>(sizeof lp), GetObject(pen, 0, nullptr));
    ASSERT_EQ(static_cast<int>(sizeof lp), GetObject(pen, sizeof lp, &lp));
    EXPECT_EQ(static_cast<UINT>(PS_DOT), lp.lopnStyle);
    EXPECT_EQ(0, lp.lopnWidth.x);
    EXPECT_EQ(RGB(1, 2, 3), lp.lopnColor);
    EXPECT_EQ(0, GetObject(pen, 4, &lp));  // too small
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), GetObjectType(pen));

    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(4, 5, 6));
    LOGBRUSH lb;
    GetObject(hatch, sizeof lb, &lb);
    EXPECT_EQ(static_cast<UINT>(BS_HATCHED), lb.lbStyle);
    EXPECT_EQ(static_cast<ULONG_PTR>(HS_DIAGCROSS), lb.lbHatch);
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(hatch));

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 3;
    bi.bmiHeader.biHeight = 5;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, dib);
    ASSERT_NE(nullptr, bits);
    DIBSECTION ds;
    ASSERT_EQ(static_cast<int>(sizeof ds), GetObject(dib, sizeof ds, &ds));
    EXPECT_EQ(3, ds.dsBm.bmWidth);
    EXPECT_EQ(bits, ds.dsBm.bmBits);
    EXPECT_EQ(5, ds.dsBmih.biHeight);
    BITMAP bm;
    ASSERT_EQ(static_cast<int>(sizeof bm), GetObject(dib, sizeof bm, &bm));
    EXPECT_EQ(12, bm.bmWidthBytes);
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(dib));

    // A bottom-up DIB section: its first row in memory is the bottom row.
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, dib);
    SetPixel(dc, 0, 4, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(0x112233u, static_cast<uint32_t*>(bits)[0]);
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(dc));
    DeleteDC(dc);
    DeleteObject(dib);
    DeleteObject(pen);
    DeleteObject(hatch);
}

TEST_F(Objects, BadCreationArgumentsAreRefused) {
    EXPECT_EQ(nullptr, CreateBitmap(-1, 4, 1, 32, nullptr));
    EXPECT_EQ(nullptr, CreateBitmap(4, 4, 2, 32, nullptr));
    EXPECT_EQ(nullptr, CreateBitmap(4, 4, 1, 13, nullptr));
    EXPECT_EQ(nullptr, CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr));
    EXPECT_EQ(nullptr, CreatePenIndirect(nullptr));
    EXPECT_EQ(nullptr, CreateBrushIndirect(nullptr));
    EXPECT_EQ(nullptr, CreateRectRgnIndirect(nullptr));
    EXPECT_EQ(nullptr, CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = 2;
    bi.bmiHeader.biHeight = 2;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 16;
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(nullptr, CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    EXPECT_EQ(nullptr, bits);
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_ALL));
    // A zero-sized bitmap is the shared 1 x 1 monochrome one.
    HBITMAP tiny = CreateBitmap(0, 0, 1, 1, nullptr);
    BITMAP bm;
    ASSERT_EQ(static_cast<int>(sizeof bm), GetObject(tiny, sizeof bm, &bm));
    EXPECT_EQ(1, bm.bmWidth);
    EXPECT_EQ(0, VorGdiObjectCount(VOR_GDI_BITMAP));
}

TEST_F(Objects, AttributeSettersAnswerThePreviousValue) {
    Canvas c(1, 1);
    EXPECT_EQ(OPAQUE, SetBkMode(c.dc(), TRANSPARENT));
    EXPECT_EQ(TRANSPARENT, GetBkMode(c.dc()));
    EXPECT_EQ(0, SetBkMode(c.dc(), 7));
    EXPECT_EQ(RGB(255, 255, 255), SetBkColor(c.dc(), RGB(1, 1, 1)));
    EXPECT_EQ(RGB(0, 0, 0), SetTextColor(c.dc(), RGB(2, 2, 2)));
    EXPECT_EQ(RGB(2, 2, 2), GetTextColor(c.dc()));
    EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), SetTextAlign(c.dc(), TA_RIGHT | TA_BASELINE));
    EXPECT_EQ(static_cast<UINT>(TA_RIGHT | TA_BASELINE), GetTextAlign(c.dc()));
    EXPECT_EQ(0, SetROP2(c.dc(), 0));
    EXPECT_EQ(0, SetROP2(c.dc(), 17));
    EXPECT_EQ(R2_COPYPEN, GetROP2(c.dc()));
    EXPECT_EQ(MM_TEXT, GetMapMode(c.dc()));
    EXPECT_EQ(32, GetDeviceCaps(c.dc(), BITSPIXEL));
    EXPECT_EQ(96, GetDeviceCaps(c.dc(), LOGPIXELSY));
}

TEST_F(Objects, ScreenPngHasTheScreenSize) {
    const std::string path = testing::TempDir() + "vor_gdi_screen.png";
    std::remove(path.c_str());
    RECT area = {10, 20, 110, 70};
    ASSERT_TRUE(VorSaveScreenPng(path.c_str(), &area));
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(data.size(), 33u);
    const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(sig, sig + 8, data.begin()));
    EXPECT_EQ(std::string("IHDR"), std::string(data.begin() + 12, data.begin() + 16));
    auto be32 = [&](size_t at) {
        return (uint32_t(data[at]) << 24) | (uint32_t(data[at + 1]) << 16) | (uint32_t(data[at + 2]) << 8) |
               data[at + 3];
    };
    EXPECT_EQ(100u, be32(16));
    EXPECT_EQ(50u, be32(20));
    std::remove(path.c_str());

    RECT outside = {5000, 5000, 6000, 6000};
    EXPECT_FALSE(VorSaveScreenPng(path.c_str(), &outside));
    EXPECT_FALSE(VorSaveScreenPng(nullptr, nullptr));
    EXPECT_FALSE(VorSaveScreenPng("/nonexistent-dir/x.png", nullptr));
}

}  // namespace
