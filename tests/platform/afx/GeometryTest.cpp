// CPoint, CSize and CRect: Win32 rectangle rules (exclusive right and
// bottom, empty results as zeros) and the operator forms.
#include <afx.h>
#include <gtest/gtest.h>

namespace {

::testing::AssertionResult RectIs(const CRect& r, int l, int t, int rt, int b)
{
    if (r.left == l && r.top == t && r.right == rt && r.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rect is (" << r.left << "," << r.top << "," << r.right << ","
                                         << r.bottom << ")";
}

TEST(GeometryRect, SizeCornersAndCentre)
{
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(r.Width(), 40);
    EXPECT_EQ(r.Height(), 60);
    EXPECT_TRUE(r.Size() == CSize(40, 60));
    EXPECT_TRUE(r.CenterPoint() == CPoint(30, 50));
    r.TopLeft() = CPoint(0, 0);
    r.BottomRight().x = 5;
    EXPECT_TRUE(RectIs(r, 0, 0, 5, 80));
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
    EXPECT_TRUE(CRect(CPoint(1, 2), CPoint(3, 4)) == CRect(1, 2, 3, 4));
    LPRECT p = r;
    EXPECT_EQ(p, static_cast<RECT*>(&r));
    const CRect& cr = r;
    LPCRECT cp = cr;
    EXPECT_EQ(cp->right, 5);
}

TEST(GeometryRect, EmptinessAndHitTesting)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 2, 10).IsRectEmpty());  // inverted counts as empty
    EXPECT_FALSE(CRect(5, 5, 2, 10).IsRectNull());
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));  // right and bottom are outside
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 5)));
}

TEST(GeometryRect, NormaliseInflateOffset)
{
    CRect r(10, 20, 0, 5);
    r.NormalizeRect();
    EXPECT_TRUE(RectIs(r, 0, 5, 10, 20));
    r.InflateRect(2, 3);
    EXPECT_TRUE(RectIs(r, -2, 2, 12, 23));
    r.DeflateRect(2, 3);
    EXPECT_TRUE(RectIs(r, 0, 5, 10, 20));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(r, -1, 3, 13, 24));
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_TRUE(RectIs(r, 0, 5, 10, 20));
    r.OffsetRect(5, -5);
    EXPECT_TRUE(RectIs(r, 5, 0, 15, 15));
    r -= CPoint(5, 0);
    EXPECT_TRUE(RectIs(r, 0, 0, 10, 15));
    r += CSize(1, 1);
    EXPECT_TRUE(RectIs(r, 1, 1, 11, 16));
    EXPECT_TRUE(RectIs(r + CPoint(1, 2), 2, 3, 12, 18));
    EXPECT_TRUE(RectIs(r - CSize(1, 1), 0, 0, 10, 15));
    CRect inflated = r + CRect(1, 1, 1, 1);
    EXPECT_TRUE(RectIs(inflated, 0, 0, 12, 17));
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
    r.CopyRect(nullptr);
    EXPECT_TRUE(r.IsRectNull());
}

struct SetOpCase {
    RECT a, b;
    BOOL ok;
    RECT result;
};

TEST(GeometryRect, IntersectionTable)
{
    const SetOpCase cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}},  // touching edges do not intersect
        {{0, 0, 10, 10}, {2, 2, 2, 8}, FALSE, {0, 0, 0, 0}},     // empty operand
        {{0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}},
        {{5, 5, 0, 0}, {0, 0, 10, 10}, FALSE, {0, 0, 0, 0}},     // inverted is empty
    };
    for (const SetOpCase& c : cases) {
        CRect r(99, 99, 99, 99);
        EXPECT_EQ(r.IntersectRect(&c.a, &c.b), c.ok);
        EXPECT_TRUE(r == c.result);
        CRect viaOp = CRect(c.a) & c.b;
        EXPECT_TRUE(viaOp == c.result);
        CRect inPlace(c.a);
        inPlace &= c.b;
        EXPECT_TRUE(inPlace == c.result);
    }
}

TEST(GeometryRect, UnionTable)
{
    const SetOpCase cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {0, 0, 15, 15}},
        {{0, 0, 10, 10}, {3, 3, 3, 3}, TRUE, {0, 0, 10, 10}},  // an empty operand is ignored
        {{3, 3, 3, 3}, {20, 20, 30, 40}, TRUE, {20, 20, 30, 40}},
        {{3, 3, 3, 3}, {1, 1, 0, 0}, FALSE, {0, 0, 0, 0}},
    };
    for (const SetOpCase& c : cases) {
        CRect r;
        EXPECT_EQ(r.UnionRect(&c.a, &c.b), c.ok);
        EXPECT_TRUE(r == c.result);
        EXPECT_TRUE((CRect(c.a) | c.b) == c.result);
    }
}

TEST(GeometryRect, SubtractionTable)
{
    const SetOpCase cases[] = {
        {{0, 0, 10, 10}, {0, 0, 10, 4}, TRUE, {0, 4, 10, 10}},    // top band
        {{0, 0, 10, 10}, {-5, 6, 15, 20}, TRUE, {0, 0, 10, 6}},   // bottom band
        {{0, 0, 10, 10}, {0, -1, 3, 11}, TRUE, {3, 0, 10, 10}},   // left band
        {{0, 0, 10, 10}, {8, 0, 10, 10}, TRUE, {0, 0, 8, 10}},    // right band
        {{0, 0, 10, 10}, {2, 2, 5, 5}, TRUE, {0, 0, 10, 10}},     // a hole: unchanged
        {{0, 0, 10, 10}, {20, 20, 30, 30}, TRUE, {0, 0, 10, 10}}, // disjoint
        {{0, 0, 10, 10}, {-1, -1, 11, 11}, FALSE, {0, 0, 0, 0}},  // fully covered
    };
    for (const SetOpCase& c : cases) {
        CRect r;
        EXPECT_EQ(r.SubtractRect(&c.a, &c.b), c.ok);
        EXPECT_TRUE(r == c.result) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST(GeometryPointSize, Arithmetic)
{
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_TRUE(p == CPoint(4, 5));
    p -= CPoint(4, 5);
    EXPECT_TRUE(p == CPoint(0, 0));
    p.Offset(2, -2);
    EXPECT_TRUE(p == CPoint(2, -2));
    EXPECT_TRUE(-p == CPoint(-2, 2));
    CSize d = CPoint(10, 10) - CPoint(3, 4);
    EXPECT_TRUE(d == CSize(7, 6));
    EXPECT_TRUE(CPoint(1, 1) + CSize(2, 3) == CPoint(3, 4));
    EXPECT_TRUE(CPoint(1, 1) - CSize(2, 3) == CPoint(-1, -2));
    EXPECT_TRUE(CSize(1, 2) + CSize(3, 4) == CSize(4, 6));
    EXPECT_TRUE(-CSize(1, 2) == CSize(-1, -2));
    EXPECT_TRUE(CPoint(MAKELONG(-3, 7)) == CPoint(-3, 7));  // packed coordinates are signed
    EXPECT_TRUE(CSize(MAKELONG(5, -1)) == CSize(5, -1));
    EXPECT_TRUE(CPoint(1, 2) != CPoint(2, 1));
}

}  // namespace
