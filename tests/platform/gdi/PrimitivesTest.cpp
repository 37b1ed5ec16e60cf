// Pixel-exact lines, rectangles and USER rectangle drawing.
#include "GdiCanvas.h"

namespace {

using gditest::Canvas;
using gditest::Rows;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Primitives : public gditest::GdiTest {};

TEST_F(Primitives, RectangleOutlineInsideAndRightBottomExcluded) {
    Canvas c(8, 7);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HGDIOBJ op = SelectObject(c.dc(), pen);
    HGDIOBJ ob = SelectObject(c.dc(), brush);
    ASSERT_TRUE(Rectangle(c.dc(), 1, 1, 6, 5));
    EXPECT_EQ(Rows({"........",
                    ".#####..",
                    ".#...#..",
                    ".#...#..",
                    ".#####..",
                    "........",
                    "........"}),
              c.Picture(kRed));
    EXPECT_EQ(Rows({"........",
                    "........",
                    "..###...",
                    "..###...",
                    "........",
                    "........",
                    "........"}),
              c.Picture(kBlue));
    SelectObject(c.dc(), op);
    SelectObject(c.dc(), ob);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_F(Primitives, RectangleWithNullPenIsOnePixelSmaller) {
    Canvas c(6, 5);
    HBRUSH brush = CreateSolidBrush(kBlue);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    HGDIOBJ ob = SelectObject(c.dc(), brush);
    Rectangle(c.dc(), 1, 1, 5, 4);
    EXPECT_EQ(Rows({"......", ".###..", ".###..", "......", "......"}), c.Picture(kBlue));
    SelectObject(c.dc(), ob);
    DeleteObject(brush);
}

TEST_F(Primitives, RectangleWithHollowBrushDrawsOnlyTheOutline) {
    Canvas c(5, 5, kBlue);
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    SelectObject(c.dc(), GetStockObject(HOLLOW_BRUSH));
    Rectangle(c.dc(), 0, 0, 5, 5);
    EXPECT_EQ(Rows({"#####", "#...#", "#...#", "#...#", "#####"}), c.Picture(kBlack));
    EXPECT_EQ(9, c.Count(kBlue));
}

struct LineCase {
    POINT from, to;
    const char* picture;  // 6 x 4
};

class Lines : public gditest::GdiTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(Lines, EndPointIsLeftOut) {
    const LineCase& lc = GetParam();
    Canvas c(6, 4);
    MoveToEx(c.dc(), lc.from.x, lc.from.y, nullptr);
    ASSERT_TRUE(LineTo(c.dc(), lc.to.x, lc.to.y));
    EXPECT_EQ(lc.picture, c.Picture(kBlack));
    POINT cur;
    GetCurrentPositionEx(c.dc(), &cur);
    EXPECT_EQ(lc.to.x, cur.x);
    EXPECT_EQ(lc.to.y, cur.y);
}

INSTANTIATE_TEST_SUITE_P(Table, Lines,
                         ::testing::Values(LineCase{{0, 1}, {5, 1}, "......\n#####.\n......\n......\n"},
                                           LineCase{{5, 2}, {0, 2}, "......\n......\n.#####\n......\n"},
                                           LineCase{{1, 0}, {1, 3}, ".#....\n.#....\n.#....\n......\n"},
                                           LineCase{{0, 0}, {3, 3}, "#.....\n.#....\n..#...\n......\n"},
                                           LineCase{{2, 2}, {2, 2}, "......\n......\n......\n......\n"},
                                           LineCase{{0, 0}, {6, 2}, "##....\n..###.\n.....#\n......\n"}));

TEST_F(Primitives, PolylineDrawsSharedVerticesOnce) {
    Canvas c(5, 5);
    SetROP2(c.dc(), R2_NOT);
    POINT pts[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    ASSERT_TRUE(Polyline(c.dc(), pts, 4));
    // Under R2_NOT a vertex drawn twice would come back white.
    EXPECT_EQ(Rows({"#####", "....#", "....#", "....#", ".####"}), c.Picture(kBlack));
    EXPECT_FALSE(Polyline(c.dc(), pts, 1));
    EXPECT_FALSE(Polyline(c.dc(), nullptr, 4));
}

TEST_F(Primitives, NotTwiceRestoresEveryPixel) {
    Canvas c(12, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) c.Set(x, y, RGB(x * 20, y * 25, (x * y) % 256));
    std::string before;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) before += std::to_string(c.At(x, y)) + ",";
    HBRUSH brush = CreateSolidBrush(kRed);
    SelectObject(c.dc(), brush);
    SetROP2(c.dc(), R2_NOT);
    SetBkMode(c.dc(), TRANSPARENT);
    Rectangle(c.dc(), 2, 1, 10, 8);
    EXPECT_NE(c.At(2, 1), RGB(40, 25, 2));
    EXPECT_EQ(c.At(2, 1), RGB(255 - 40, 255 - 25, 255 - 2));
    Rectangle(c.dc(), 2, 1, 10, 8);
    std::string after;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) after += std::to_string(c.At(x, y)) + ",";
    EXPECT_EQ(before, after);
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

struct Rop2Case {
    int rop;
    COLORREF pen, dst, want;
};

class Rop2s : public gditest::GdiTest, public ::testing::WithParamInterface<Rop2Case> {};

TEST_P(Rop2s, PixelFollowsTheTruthTable) {
    const Rop2Case& rc = GetParam();
    Canvas c(3, 1, rc.dst);
    HPEN pen = CreatePen(PS_SOLID, 0, rc.pen);
    SelectObject(c.dc(), pen);
    EXPECT_EQ(R2_COPYPEN, SetROP2(c.dc(), rc.rop));
    EXPECT_EQ(rc.rop, GetROP2(c.dc()));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 2, 0);
    EXPECT_EQ(rc.want, c.At(0, 0)) << "rop " << rc.rop;
    EXPECT_EQ(rc.dst, c.At(2, 0));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

constexpr COLORREF P = RGB(0xF0, 0xCC, 0xAA);
constexpr COLORREF D = RGB(0x3C, 0x5A, 0x0F);
#define C(expr_r, expr_g, expr_b) RGB((expr_r) & 0xFF, (expr_g) & 0xFF, (expr_b) & 0xFF)
INSTANTIATE_TEST_SUITE_P(
    AllSixteen, Rop2s,
    ::testing::Values(Rop2Case{R2_BLACK, P, D, RGB(0, 0, 0)}, Rop2Case{R2_WHITE, P, D, RGB(255, 255, 255)},
                      Rop2Case{R2_NOP, P, D, D}, Rop2Case{R2_NOT, P, D, C(~0x3C, ~0x5A, ~0x0F)},
                      Rop2Case{R2_COPYPEN, P, D, P}, Rop2Case{R2_NOTCOPYPEN, P, D, C(~0xF0, ~0xCC, ~0xAA)},
                      Rop2Case{R2_XORPEN, P, D, C(0xF0 ^ 0x3C, 0xCC ^ 0x5A, 0xAA ^ 0x0F)},
                      Rop2Case{R2_NOTXORPEN, P, D, C(~(0xF0 ^ 0x3C), ~(0xCC ^ 0x5A), ~(0xAA ^ 0x0F))},
                      Rop2Case{R2_MASKPEN, P, D, C(0xF0 & 0x3C, 0xCC & 0x5A, 0xAA & 0x0F)},
                      Rop2Case{R2_NOTMASKPEN, P, D, C(~(0xF0 & 0x3C), ~(0xCC & 0x5A), ~(0xAA & 0x0F))},
                      Rop2Case{R2_MERGEPEN, P, D, C(0xF0 | 0x3C, 0xCC | 0x5A, 0xAA | 0x0F)},
                      Rop2Case{R2_NOTMERGEPEN, P, D, C(~(0xF0 | 0x3C), ~(0xCC | 0x5A), ~(0xAA | 0x0F))},
                      Rop2Case{R2_MASKNOTPEN, P, D, C(~0xF0 & 0x3C, ~0xCC & 0x5A, ~0xAA & 0x0F)},
                      Rop2Case{R2_MASKPENNOT, P, D, C(0xF0 & ~0x3C, 0xCC & ~0x5A, 0xAA & ~0x0F)},
                      Rop2Case{R2_MERGENOTPEN, P, D, C(~0xF0 | 0x3C, ~0xCC | 0x5A, ~0xAA | 0x0F)},
                      Rop2Case{R2_MERGEPENNOT, P, D, C(0xF0 | ~0x3C, 0xCC | ~0x5A, 0xAA | ~0x0F)}));
#undef C

TEST_F(Primitives, FillRectAndFrameRectExtents) {
    Canvas c(7, 6);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT rc = {1, 1, 5, 4};
    EXPECT_TRUE(FillRect(c.dc(), &rc, red));
    EXPECT_EQ(Rows({".......", ".####..", ".####..", ".####..", ".......", "......."}), c.Picture(kRed));
    c.Fill(kWhite);
    EXPECT_TRUE(FrameRect(c.dc(), &rc, red));
    EXPECT_EQ(Rows({".......", ".####..", ".#..#..", ".####..", ".......", "......."}), c.Picture(kRed));
    // FillRect paints whatever the binary raster operation.
    c.Fill(kWhite);
    SetROP2(c.dc(), R2_XORPEN);
    FillRect(c.dc(), &rc, red);
    EXPECT_EQ(12, c.Count(kRed));
    DeleteObject(red);
}

TEST_F(Primitives, NegativeOrEmptyRectanglesDrawNothing) {
    Canvas c(6, 6);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT backwards = {4, 4, 1, 1}, flat = {1, 2, 5, 2};
    EXPECT_TRUE(FillRect(c.dc(), &backwards, red));
    EXPECT_TRUE(FrameRect(c.dc(), &backwards, red));
    EXPECT_TRUE(InvertRect(c.dc(), &backwards));
    EXPECT_TRUE(DrawFocusRect(c.dc(), &backwards));
    EXPECT_TRUE(FillRect(c.dc(), &flat, red));
    EXPECT_EQ(36, c.Count(kWhite));
    EXPECT_FALSE(FillRect(c.dc(), nullptr, red));
    DeleteObject(red);
}

TEST_F(Primitives, SystemColourIndexWorksAsABrush) {
    Canvas c(3, 3);
    RECT rc = {0, 0, 3, 3};
    FillRect(c.dc(), &rc, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), c.At(1, 1));
}

TEST_F(Primitives, InvertRectTwiceRestores) {
    Canvas c(4, 4, RGB(10, 200, 30));
    RECT rc = {1, 1, 3, 3};
    InvertRect(c.dc(), &rc);
    EXPECT_EQ(RGB(245, 55, 225), c.At(1, 1));
    EXPECT_EQ(RGB(10, 200, 30), c.At(3, 3));
    InvertRect(c.dc(), &rc);
    EXPECT_EQ(16, c.Count(RGB(10, 200, 30)));
}

TEST_F(Primitives, FocusRectIsADottedXorAlignedToTheOrigin) {
    Canvas c(8, 6);
    RECT rc = {1, 1, 7, 5};
    ASSERT_TRUE(DrawFocusRect(c.dc(), &rc));
    EXPECT_EQ(Rows({"........",
                    ".#.#.#..",
                    "......#.",
                    ".#......",
                    "..#.#.#.",
                    "........"}),
              c.Picture(kBlack));
    DrawFocusRect(c.dc(), &rc);
    EXPECT_EQ(48, c.Count(kWhite));
    // The dots follow device pixels, not the rectangle's corner: one pixel
    // to the right, the rectangle starts on an unlit dot.
    RECT r2 = {2, 1, 8, 5};
    DrawFocusRect(c.dc(), &r2);
    EXPECT_EQ("...#.#.#\n", c.Picture(kBlack, 0, 1, 8, 2));
    DrawFocusRect(c.dc(), &r2);
    // The viewport origin moves the rectangle, and the dots stay on the
    // device grid.
    SetViewportOrgEx(c.dc(), 1, 0, nullptr);
    DrawFocusRect(c.dc(), &rc);
    EXPECT_EQ("...#.#.#\n", c.Picture(kBlack, 0, 1, 8, 2));
}

TEST_F(Primitives, DrawEdgeRaisedAndSunkenUseTheClassicColours) {
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), hi = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Canvas c(6, 6, RGB(1, 2, 3));
    RECT rc = {0, 0, 6, 6};
    ASSERT_TRUE(DrawEdge(c.dc(), &rc, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(light, c.At(0, 0));
    EXPECT_EQ(light, c.At(4, 0));
    EXPECT_EQ(dark, c.At(5, 0));  // the far corners belong to the dark side
    EXPECT_EQ(dark, c.At(0, 5));
    EXPECT_EQ(dark, c.At(5, 5));
    EXPECT_EQ(hi, c.At(1, 1));
    EXPECT_EQ(shadow, c.At(4, 1));
    EXPECT_EQ(shadow, c.At(1, 4));
    EXPECT_EQ(face, c.At(2, 2));
    EXPECT_EQ(face, c.At(3, 3));
    EXPECT_EQ(2, rc.left);
    EXPECT_EQ(2, rc.top);
    EXPECT_EQ(4, rc.right);
    EXPECT_EQ(4, rc.bottom);

    c.Fill(RGB(1, 2, 3));
    RECT rs = {0, 0, 6, 6};
    DrawEdge(c.dc(), &rs, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(shadow, c.At(0, 0));
    EXPECT_EQ(hi, c.At(5, 0));
    EXPECT_EQ(hi, c.At(5, 5));
    EXPECT_EQ(dark, c.At(1, 1));
    EXPECT_EQ(light, c.At(4, 4));
    EXPECT_EQ(RGB(1, 2, 3), c.At(2, 2));  // no BF_MIDDLE
    EXPECT_EQ(0, rs.left);                 // no BF_ADJUST

    // Only the sides asked for.
    c.Fill(RGB(1, 2, 3));
    RECT rb = {0, 0, 6, 6};
    DrawEdge(c.dc(), &rb, BDR_RAISEDINNER, BF_BOTTOM);
    EXPECT_EQ(6, c.Count(shadow));
    EXPECT_EQ(shadow, c.At(0, 5));
    EXPECT_EQ(30, c.Count(RGB(1, 2, 3)));
}

TEST_F(Primitives, ThreeDRectangleFromTwoRunsOfLines) {
    // The classic bevel: highlight run left and top, shadow run bottom and
    // right, each MoveTo plus two LineTo leaving out the end point.
    Canvas c(5, 4);
    HPEN hi = CreatePen(PS_SOLID, 0, kRed), lo = CreatePen(PS_SOLID, 0, kBlue);
    HGDIOBJ old = SelectObject(c.dc(), hi);
    MoveToEx(c.dc(), 0, 3, nullptr);
    LineTo(c.dc(), 0, 0);
    LineTo(c.dc(), 5, 0);
    SelectObject(c.dc(), lo);
    MoveToEx(c.dc(), 0, 3, nullptr);
    LineTo(c.dc(), 4, 3);
    LineTo(c.dc(), 4, -1);
    EXPECT_EQ(Rows({"####.", "#....", "#....", "....."}), c.Picture(kRed));
    EXPECT_EQ(Rows({"....#", "....#", "....#", "#####"}), c.Picture(kBlue));
    SelectObject(c.dc(), old);
    DeleteObject(hi);
    DeleteObject(lo);
}

TEST_F(Primitives, DottedPenLeavesGapsAndOpaqueModeFillsThem) {
    Canvas c(12, 2);
    HPEN dot = CreatePen(PS_DOT, 1, kBlack);
    SelectObject(c.dc(), dot);
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 12, 0);
    std::string row = c.Picture(kBlack, 0, 0, 12, 1);
    EXPECT_NE(std::string(12, '#') + "\n", row);
    EXPECT_NE(std::string::npos, row.find('.'));
    EXPECT_EQ('#', row[0]);
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kRed);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 12, 1);
    for (int x = 0; x < 12; ++x) EXPECT_TRUE(c.At(x, 1) == kBlack || c.At(x, 1) == kRed) << x;
    EXPECT_EQ(row, c.Picture(kBlack, 0, 1, 12, 2));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(dot);
}

TEST_F(Primitives, NullPenDrawsNoLineButMoves) {
    Canvas c(4, 4);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    MoveToEx(c.dc(), 0, 0, nullptr);
    EXPECT_TRUE(LineTo(c.dc(), 3, 3));
    EXPECT_EQ(16, c.Count(kWhite));
    POINT p;
    GetCurrentPositionEx(c.dc(), &p);
    EXPECT_EQ(3, p.x);
}

TEST_F(Primitives, SetPixelAndGetPixel) {
    Canvas c(4, 4);
    EXPECT_EQ(kRed, SetPixel(c.dc(), 2, 1, kRed));
    EXPECT_EQ(kRed, GetPixel(c.dc(), 2, 1));
    EXPECT_EQ(kRed, c.At(2, 1));
    EXPECT_EQ(CLR_INVALID, GetPixel(c.dc(), 4, 0));
    EXPECT_EQ(CLR_INVALID, GetPixel(c.dc(), -1, 0));
    EXPECT_EQ(CLR_INVALID, SetPixel(c.dc(), 0, 9, kRed));
}

TEST_F(Primitives, HatchBrushHonoursTheBackgroundMode) {
    Canvas c(8, 8, kBlue);
    HBRUSH hatch = CreateHatchBrush(HS_CROSS, kBlack);
    ASSERT_NE(nullptr, hatch);
    RECT rc = {0, 0, 8, 8};
    SetBkMode(c.dc(), TRANSPARENT);
    FillRect(c.dc(), &rc, hatch);
    EXPECT_EQ(15, c.Count(kBlack));
    EXPECT_EQ(49, c.Count(kBlue));
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kRed);
    FillRect(c.dc(), &rc, hatch);
    EXPECT_EQ(49, c.Count(kRed));
    EXPECT_EQ(nullptr, CreateHatchBrush(17, kBlack));
    DeleteObject(hatch);
}

TEST_F(Primitives, MonochromePatternBrushUsesTextAndBackgroundColours) {
    // A 2 x 2 checkerboard: black top-left and bottom-right.
    const WORD rows[2] = {0x40, 0x80};  // each row padded to 16 bits, MSB first, 1 = white
    HBITMAP pat = CreateBitmap(2, 2, 1, 1, rows);
    ASSERT_NE(nullptr, pat);
    HBRUSH brush = CreatePatternBrush(pat);
    ASSERT_NE(nullptr, brush);
    DeleteObject(pat);  // the brush keeps its own copy
    Canvas c(4, 2);
    SetTextColor(c.dc(), kRed);
    SetBkColor(c.dc(), kBlue);
    RECT rc = {0, 0, 4, 2};
    FillRect(c.dc(), &rc, brush);
    EXPECT_EQ(Rows({"#.#.", ".#.#"}), c.Picture(kRed));
    EXPECT_EQ(Rows({".#.#", "#.#."}), c.Picture(kBlue));
    DeleteObject(brush);
}

TEST_F(Primitives, WidePenRectangleIsCentredOnTheOutline) {
    Canvas c(10, 10);
    HPEN wide = CreatePen(PS_SOLID, 3, kRed);
    SelectObject(c.dc(), wide);
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(c.dc(), 2, 2, 8, 8);
    // The outline through pixels 2..7 widened by one pixel each way.
    EXPECT_EQ(kRed, c.At(1, 1));
    EXPECT_EQ(kRed, c.At(8, 8));
    EXPECT_EQ(kRed, c.At(3, 3));
    EXPECT_EQ(kWhite, c.At(4, 4));
    EXPECT_EQ(kWhite, c.At(0, 0));
    EXPECT_EQ(kWhite, c.At(9, 9));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST_F(Primitives, WildCoordinatesAreClippedNotWalked) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), -1000000000, 5, nullptr);
    ASSERT_TRUE(LineTo(c.dc(), 1000000000, 5));
    EXPECT_EQ("##########\n", c.Picture(kBlack, 0, 5, 10, 6));
    MoveToEx(c.dc(), -1000000000, -1000000000, nullptr);
    LineTo(c.dc(), 1000000000, 1000000000);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(kBlack, c.At(i, i)) << i;
    EXPECT_EQ(kWhite, c.At(1, 0));

    c.Fill(kWhite);
    HPEN wide = CreatePen(PS_SOLID, 5, kRed);
    SelectObject(c.dc(), wide);
    MoveToEx(c.dc(), 5, -2000000000, nullptr);
    LineTo(c.dc(), 5, 2000000000);
    EXPECT_EQ("...#####..\n", c.Picture(kRed, 0, 0, 10, 1));
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(wide);

    c.Fill(kWhite);
    RECT huge = {-2147483647, -2147483647, 2147483647, 2147483647};
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_TRUE(FillRect(c.dc(), &huge, red));
    EXPECT_EQ(100, c.Count(kRed));
    EXPECT_TRUE(Rectangle(c.dc(), -2147483647, -2147483647, 2147483647, 2147483647));
    EXPECT_TRUE(PatBlt(c.dc(), 2147483647, 2147483647, -2147483647, -2147483647, WHITENESS));
    EXPECT_EQ(kWhite, c.At(9, 9));
    Canvas src(4, 4, kBlue);
    EXPECT_TRUE(BitBlt(c.dc(), -1000000000, 0, 2000000000, 1, src.dc(), -1000000000, 0, SRCCOPY));
    EXPECT_EQ("####......\n", c.Picture(kBlue, 0, 0, 10, 1));
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 10, 10, src.dc(), 0, 0, 2147483647, 2147483647, SRCCOPY));
    SetViewportOrgEx(c.dc(), 2147483647, 0, nullptr);
    EXPECT_TRUE(OffsetViewportOrgEx(c.dc(), 2147483647, 0, nullptr));
    EXPECT_TRUE(FillRect(c.dc(), &huge, red));
    DeleteObject(red);
}

struct EdgeCase {
    const char* name;
    UINT edge, flags;
    int outerTL, outerBR, innerTL, innerBR;  // system colour indices
};

class Edges : public gditest::GdiTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(Edges, BorderColoursByStyle) {
    const EdgeCase& k = GetParam();
    Canvas c(6, 6, RGB(1, 2, 3));
    RECT rc = {0, 0, 6, 6};
    ASSERT_TRUE(DrawEdge(c.dc(), &rc, k.edge, k.flags | BF_RECT));
    EXPECT_EQ(GetSysColor(k.outerTL), c.At(0, 2)) << k.name;
    EXPECT_EQ(GetSysColor(k.outerTL), c.At(2, 0)) << k.name;
    EXPECT_EQ(GetSysColor(k.outerBR), c.At(5, 2)) << k.name;
    EXPECT_EQ(GetSysColor(k.outerBR), c.At(2, 5)) << k.name;
    EXPECT_EQ(GetSysColor(k.innerTL), c.At(1, 2)) << k.name;
    EXPECT_EQ(GetSysColor(k.innerTL), c.At(2, 1)) << k.name;
    EXPECT_EQ(GetSysColor(k.innerBR), c.At(4, 2)) << k.name;
    EXPECT_EQ(GetSysColor(k.innerBR), c.At(2, 4)) << k.name;
    EXPECT_EQ(RGB(1, 2, 3), c.At(2, 2)) << k.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Edges,
    ::testing::Values(
        EdgeCase{"raised", EDGE_RAISED, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        EdgeCase{"sunken", EDGE_SUNKEN, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        EdgeCase{"etched", EDGE_ETCHED, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        EdgeCase{"bump", EDGE_BUMP, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        EdgeCase{"raised soft", EDGE_RAISED, BF_SOFT, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT,
                 COLOR_BTNSHADOW},
        EdgeCase{"sunken flat", EDGE_SUNKEN, BF_FLAT, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE},
        EdgeCase{"sunken mono", EDGE_SUNKEN, BF_MONO, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW,
                 COLOR_WINDOW}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::to_string(info.index); });

TEST_F(Primitives, BrushOriginShiftsPatterns) {
    Canvas c(4, 1);
    const WORD rows[1] = {0x40};  // black, white
    HBITMAP pat = CreateBitmap(2, 1, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(pat);
    DeleteObject(pat);
    RECT rc = {0, 0, 4, 1};
    FillRect(c.dc(), &rc, brush);
    EXPECT_EQ("#.#.\n", c.Picture(kBlack));
    POINT old;
    SetBrushOrgEx(c.dc(), 1, 0, &old);
    EXPECT_EQ(0, old.x);
    FillRect(c.dc(), &rc, brush);
    EXPECT_EQ(".#.#\n", c.Picture(kBlack));
    GetBrushOrgEx(c.dc(), &old);
    EXPECT_EQ(1, old.x);
    DeleteObject(brush);
}

}  // namespace
