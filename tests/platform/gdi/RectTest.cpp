// The USER32 rectangle helpers.
#include "GdiCanvas.h"

namespace {

RECT R(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

::testing::AssertionResult Same(const RECT& want, const RECT& got) {
    if (EqualRect(&want, &got)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.left << ", " << got.top << ", " << got.right << ", "
                                         << got.bottom << ")";
}

struct PairCase {
    const char* name;
    RECT a, b;
    BOOL intersects;
    RECT intersection;
    BOOL unionNonEmpty;
    RECT unionRect;
    BOOL subtractNonEmpty;
    RECT difference;
};

class RectPairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(RectPairs, IntersectUnionSubtract) {
    const PairCase& k = GetParam();
    RECT out = R(99, 99, 99, 99);
    EXPECT_EQ(k.intersects, IntersectRect(&out, &k.a, &k.b)) << k.name;
    EXPECT_TRUE(Same(k.intersection, out)) << k.name;
    EXPECT_EQ(k.unionNonEmpty, UnionRect(&out, &k.a, &k.b)) << k.name;
    EXPECT_TRUE(Same(k.unionRect, out)) << k.name;
    EXPECT_EQ(k.subtractNonEmpty, SubtractRect(&out, &k.a, &k.b)) << k.name;
    EXPECT_TRUE(Same(k.difference, out)) << k.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RectPairs,
    ::testing::Values(
        PairCase{"overlap", R(0, 0, 10, 10), R(5, 5, 15, 15), TRUE, R(5, 5, 10, 10), TRUE, R(0, 0, 15, 15), TRUE,
                 R(0, 0, 10, 10)},
        PairCase{"touching edges do not intersect", R(0, 0, 5, 5), R(5, 0, 10, 5), FALSE, R(0, 0, 0, 0), TRUE,
                 R(0, 0, 10, 5), TRUE, R(0, 0, 5, 5)},
        PairCase{"right strip removed", R(0, 0, 10, 10), R(6, -1, 20, 11), TRUE, R(6, 0, 10, 10), TRUE,
                 R(0, -1, 20, 11), TRUE, R(0, 0, 6, 10)},
        PairCase{"top strip removed", R(0, 0, 10, 10), R(0, 0, 10, 3), TRUE, R(0, 0, 10, 3), TRUE, R(0, 0, 10, 10),
                 TRUE, R(0, 3, 10, 10)},
        PairCase{"covered completely", R(2, 2, 4, 4), R(0, 0, 10, 10), TRUE, R(2, 2, 4, 4), TRUE, R(0, 0, 10, 10),
                 FALSE, R(0, 0, 0, 0)},
        PairCase{"empty operand is ignored by union", R(0, 0, 0, 0), R(1, 1, 3, 3), FALSE, R(0, 0, 0, 0), TRUE,
                 R(1, 1, 3, 3), FALSE, R(0, 0, 0, 0)},
        PairCase{"hole in the middle leaves the source whole", R(0, 0, 10, 10), R(3, 3, 6, 6), TRUE,
                 R(3, 3, 6, 6), TRUE, R(0, 0, 10, 10), TRUE, R(0, 0, 10, 10)}),
    [](const ::testing::TestParamInfo<PairCase>& info) { return std::to_string(info.index); });

TEST(Rect, InflateOffsetAndPoints) {
    RECT rc;
    ASSERT_TRUE(SetRect(&rc, 10, 20, 30, 40));
    InflateRect(&rc, 2, -3);
    EXPECT_TRUE(Same(R(8, 23, 32, 37), rc));
    OffsetRect(&rc, -8, 1);
    EXPECT_TRUE(Same(R(0, 24, 24, 38), rc));
    EXPECT_TRUE(PtInRect(&rc, POINT{0, 24}));
    EXPECT_FALSE(PtInRect(&rc, POINT{24, 24}));  // right edge excluded
    EXPECT_FALSE(PtInRect(&rc, POINT{0, 38}));   // bottom edge excluded
    RECT copy;
    CopyRect(&copy, &rc);
    EXPECT_TRUE(EqualRect(&copy, &rc));
    SetRectEmpty(&copy);
    EXPECT_TRUE(IsRectEmpty(&copy));
    RECT backwards = R(5, 5, 1, 9);
    EXPECT_TRUE(IsRectEmpty(&backwards));
    EXPECT_FALSE(IsRectEmpty(&rc));
}

TEST(Rect, NullPointersAreRefused) {
    RECT rc = R(0, 0, 1, 1);
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(SetRectEmpty(nullptr));
    EXPECT_FALSE(CopyRect(nullptr, &rc));
    EXPECT_FALSE(CopyRect(&rc, nullptr));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
    EXPECT_FALSE(IntersectRect(&rc, nullptr, &rc));
    EXPECT_FALSE(UnionRect(nullptr, &rc, &rc));
    EXPECT_FALSE(SubtractRect(&rc, &rc, nullptr));
    EXPECT_FALSE(EqualRect(nullptr, &rc));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(PtInRect(nullptr, POINT{0, 0}));
    EXPECT_TRUE(Same(R(0, 0, 1, 1), rc));
}

}  // namespace
