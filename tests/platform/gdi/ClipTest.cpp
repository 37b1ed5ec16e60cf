// Clipping by region and rectangle, coordinate origins, SaveDC/RestoreDC.
#include "GdiCanvas.h"

namespace {

using gditest::Canvas;
using gditest::Rows;

constexpr COLORREF kRed = RGB(255, 0, 0);

class Clip : public gditest::GdiTest {
protected:
    void FillAll(HDC dc, HBRUSH b, int w, int h) {
        RECT rc = {0, 0, w, h};
        FillRect(dc, &rc, b);
    }
};

TEST_F(Clip, SelectClipRgnLimitsEveryPrimitive) {
    Canvas c(6, 4);
    HRGN a = CreateRectRgn(0, 0, 2, 2);
    HRGN b = CreateRectRgn(4, 2, 6, 4);
    HRGN both = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(COMPLEXREGION, CombineRgn(both, a, b, RGN_OR));
    EXPECT_EQ(COMPLEXREGION, SelectClipRgn(c.dc(), both));
    // The DC keeps a copy: changing the region afterwards changes nothing.
    SetRectRgn(both, 0, 0, 6, 4);
    HBRUSH red = CreateSolidBrush(kRed);
    FillAll(c.dc(), red, 6, 4);
    EXPECT_EQ(Rows({"##....", "##....", "....##", "....##"}), c.Picture(kRed));

    c.Fill(RGB(255, 255, 255));
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(c.dc(), pen);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 6, 1);
    EXPECT_EQ(Rows({"......", "##....", "......", "......"}), c.Picture(kRed));
    EXPECT_EQ(CLR_INVALID, GetPixel(c.dc(), 3, 1));
    EXPECT_EQ(CLR_INVALID, SetPixel(c.dc(), 3, 1, kRed));

    RECT box;
    EXPECT_EQ(COMPLEXREGION, GetClipBox(c.dc(), &box));
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(6, box.right);
    EXPECT_EQ(4, box.bottom);

    // Removing the clip region.
    EXPECT_EQ(SIMPLEREGION, SelectClipRgn(c.dc(), nullptr));
    c.Fill(RGB(255, 255, 255));
    FillAll(c.dc(), red, 6, 4);
    EXPECT_EQ(24, c.Count(kRed));

    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    DeleteObject(red);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(both);
}

TEST_F(Clip, IntersectAndExcludeClipRectUseLogicalCoordinates) {
    Canvas c(6, 4);
    HBRUSH red = CreateSolidBrush(kRed);
    SetWindowOrgEx(c.dc(), -1, 0, nullptr);  // logical x = device x - 1
    EXPECT_EQ(SIMPLEREGION, IntersectClipRect(c.dc(), 0, 0, 4, 3));
    EXPECT_EQ(COMPLEXREGION, ExcludeClipRect(c.dc(), 1, 1, 3, 2));
    RECT all = {-1, 0, 5, 4};
    FillRect(c.dc(), &all, red);
    EXPECT_EQ(Rows({".####.", ".#..#.", ".####.", "......"}), c.Picture(kRed));
    RECT box;
    GetClipBox(c.dc(), &box);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(4, box.right);
    EXPECT_EQ(3, box.bottom);
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(1, GetClipRgn(c.dc(), got));
    GetRgnBox(got, &box);
    EXPECT_EQ(1, box.left);  // the clip region is kept in device coordinates
    EXPECT_EQ(5, box.right);
    DeleteObject(got);
    DeleteObject(red);
}

TEST_F(Clip, ExtSelectClipRgnModes) {
    struct Case {
        int mode;
        int expectedPixels;
    };
    // Current clip: columns 0..3 of 6 x 2; region: columns 2..5.
    const Case cases[] = {{RGN_AND, 4}, {RGN_OR, 12}, {RGN_XOR, 8}, {RGN_DIFF, 4}, {RGN_COPY, 8}};
    for (const Case& k : cases) {
        Canvas c(6, 2);
        HBRUSH red = CreateSolidBrush(kRed);
        IntersectClipRect(c.dc(), 0, 0, 4, 2);
        HRGN r = CreateRectRgn(2, 0, 6, 2);
        EXPECT_NE(ERROR, ExtSelectClipRgn(c.dc(), r, k.mode)) << k.mode;
        RECT all = {0, 0, 6, 2};
        FillRect(c.dc(), &all, red);
        EXPECT_EQ(k.expectedPixels, c.Count(kRed)) << k.mode;
        DeleteObject(r);
        DeleteObject(red);
    }
    Canvas c(2, 2);
    EXPECT_EQ(ERROR, ExtSelectClipRgn(c.dc(), nullptr, RGN_AND));
    EXPECT_EQ(ERROR, ExtSelectClipRgn(c.dc(), nullptr, 99));
}

TEST_F(Clip, ViewportAndWindowOriginsMoveDrawing) {
    Canvas c(6, 6);
    HBRUSH red = CreateSolidBrush(kRed);
    POINT prev;
    SetViewportOrgEx(c.dc(), 3, 1, &prev);
    EXPECT_EQ(0, prev.x);
    SetWindowOrgEx(c.dc(), 1, 0, nullptr);
    RECT rc = {1, 0, 3, 2};  // device (3, 1) - (5, 3)
    FillRect(c.dc(), &rc, red);
    EXPECT_EQ(Rows({"......", "...##.", "...##.", "......", "......", "......"}), c.Picture(kRed));
    POINT p = {1, 0};
    LPtoDP(c.dc(), &p, 1);
    EXPECT_EQ(3, p.x);
    EXPECT_EQ(1, p.y);
    DPtoLP(c.dc(), &p, 1);
    EXPECT_EQ(1, p.x);
    OffsetViewportOrgEx(c.dc(), -3, -1, &prev);
    EXPECT_EQ(3, prev.x);
    GetViewportOrgEx(c.dc(), &prev);
    EXPECT_EQ(0, prev.x);
    EXPECT_EQ(0, prev.y);
    // GetPixel reads through the same mapping.
    EXPECT_EQ(kRed, GetPixel(c.dc(), 4, 1));  // device (3, 1)
    EXPECT_NE(kRed, GetPixel(c.dc(), 2, 1));
    DeleteObject(red);
}

TEST_F(Clip, RegionsFilledAndFramedInLogicalCoordinates) {
    Canvas c(7, 5);
    HBRUSH red = CreateSolidBrush(kRed);
    HRGN r = CreateRectRgn(0, 0, 5, 4);
    SetViewportOrgEx(c.dc(), 1, 1, nullptr);
    ASSERT_TRUE(FrameRgn(c.dc(), r, red, 1, 1));
    EXPECT_EQ(Rows({".......", ".#####.", ".#...#.", ".#...#.", ".#####."}), c.Picture(kRed));
    c.Fill(RGB(255, 255, 255));
    ASSERT_TRUE(FillRgn(c.dc(), r, red));
    EXPECT_EQ(20, c.Count(kRed));
    ASSERT_TRUE(InvertRgn(c.dc(), r));
    EXPECT_EQ(20, c.Count(RGB(0, 255, 255)));
    // PaintRgn uses the selected brush and the binary raster operation.
    SelectObject(c.dc(), red);
    SetROP2(c.dc(), R2_XORPEN);
    ASSERT_TRUE(PaintRgn(c.dc(), r));
    EXPECT_EQ(35, c.Count(RGB(255, 255, 255)));  // cyan ^ red is white again
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(r);
    DeleteObject(red);
}

TEST_F(Clip, SaveAndRestoreBringBackObjectsColoursAndClip) {
    Canvas c(4, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HPEN pen2 = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    SelectObject(c.dc(), pen);
    SetTextColor(c.dc(), RGB(1, 2, 3));
    IntersectClipRect(c.dc(), 0, 0, 2, 2);
    int level = SaveDC(c.dc());
    EXPECT_EQ(1, level);
    SelectObject(c.dc(), pen2);
    SetTextColor(c.dc(), RGB(9, 9, 9));
    SetROP2(c.dc(), R2_XORPEN);
    SelectClipRgn(c.dc(), nullptr);
    EXPECT_EQ(2, SaveDC(c.dc()));
    SetViewportOrgEx(c.dc(), 5, 5, nullptr);
    // The pen is still held by a saved state.
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    EXPECT_FALSE(DeleteObject(pen));
    ASSERT_TRUE(RestoreDC(c.dc(), 1));
    EXPECT_EQ(pen, GetCurrentObject(c.dc(), OBJ_PEN));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(c.dc()));
    EXPECT_EQ(R2_COPYPEN, GetROP2(c.dc()));
    RECT box;
    GetClipBox(c.dc(), &box);
    EXPECT_EQ(2, box.right);
    POINT vp;
    GetViewportOrgEx(c.dc(), &vp);
    EXPECT_EQ(0, vp.x);
    // Both levels are gone now.
    EXPECT_FALSE(RestoreDC(c.dc(), -1));
    EXPECT_FALSE(RestoreDC(c.dc(), 0));
    // pen2 is free again and can go.
    EXPECT_TRUE(DeleteObject(pen2));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(pen));
}

TEST_F(Clip, RelativeRestoreTakesTheLatestState) {
    Canvas c(2, 2);
    SetBkColor(c.dc(), RGB(1, 1, 1));
    SaveDC(c.dc());
    SetBkColor(c.dc(), RGB(2, 2, 2));
    SaveDC(c.dc());
    SetBkColor(c.dc(), RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(c.dc(), -1));
    EXPECT_EQ(RGB(2, 2, 2), GetBkColor(c.dc()));
    EXPECT_TRUE(RestoreDC(c.dc(), -1));
    EXPECT_EQ(RGB(1, 1, 1), GetBkColor(c.dc()));
    EXPECT_FALSE(RestoreDC(c.dc(), -1));
}

TEST_F(Clip, RegionQueries) {
    HRGN a = CreateRectRgn(10, 10, 0, 0);  // corners in any order
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(a, &box));
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(10, box.bottom);
    EXPECT_TRUE(PtInRegion(a, 0, 0));
    EXPECT_FALSE(PtInRegion(a, 10, 5));
    RECT probe = {9, 9, 20, 20}, outside = {10, 0, 20, 10};
    EXPECT_TRUE(RectInRegion(a, &probe));
    EXPECT_FALSE(RectInRegion(a, &outside));
    EXPECT_EQ(SIMPLEREGION, OffsetRgn(a, 5, 0));
    EXPECT_TRUE(PtInRegion(a, 14, 5));
    HRGN b = CreateRectRgn(5, 0, 15, 10);
    EXPECT_TRUE(EqualRgn(a, b));
    HRGN d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(NULLREGION, CombineRgn(d, a, b, RGN_DIFF));
    EXPECT_EQ(SIMPLEREGION, CombineRgn(d, a, nullptr, RGN_COPY));
    EXPECT_EQ(ERROR, CombineRgn(d, a, nullptr, RGN_AND));
    EXPECT_EQ(ERROR, CombineRgn(d, a, b, 0));
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(d);
    EXPECT_EQ(ERROR, GetRgnBox(a, &box));
    EXPECT_FALSE(PtInRegion(a, 6, 5));
}

}  // namespace
