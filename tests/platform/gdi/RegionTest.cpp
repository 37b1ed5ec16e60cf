// The band arithmetic of vor::Region. The class is internal to the platform
// library (hidden), so its source is compiled into this program directly.
#include "../../../platform/gdi/region.cpp"

#include <gtest/gtest.h>

#include <random>

namespace {

using vor::Region;

RECT R(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

// Reference membership by brute force over a small grid.
std::vector<bool> Raster(const Region& rg, int size = 24) {
    std::vector<bool> v(size * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) v[y * size + x] = rg.Contains(x - 4, y - 4);
    return v;
}

// The canonical form: sorted, disjoint, bands with non-touching spans, and no
// two vertically touching bands with the same spans.
void ExpectCanonical(const Region& rg) {
    const auto& rs = rg.Rects();
    for (size_t i = 0; i < rs.size(); ++i) {
        EXPECT_LT(rs[i].left, rs[i].right);
        EXPECT_LT(rs[i].top, rs[i].bottom);
        if (i == 0) continue;
        const RECT& p = rs[i - 1];
        const RECT& c = rs[i];
        if (p.top == c.top) {
            EXPECT_EQ(p.bottom, c.bottom);
            EXPECT_LT(p.right, c.left) << "spans of a band must not touch";
        } else {
            EXPECT_LE(p.bottom, c.top) << "bands must not overlap";
        }
    }
}

TEST(Region, EmptyRectanglesGiveEmptyRegions) {
    EXPECT_TRUE(Region(R(5, 5, 5, 10)).IsEmpty());
    EXPECT_TRUE(Region(R(5, 5, 10, 5)).IsEmpty());
    EXPECT_TRUE(Region(10, 10, 5, 20).IsEmpty());  // negative width
    RECT box = Region().Box();
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.right);
    EXPECT_FALSE(Region(R(1, 1, 2, 2)).IsEmpty());
}

TEST(Region, ContainsExcludesRightAndBottom) {
    Region rg(2, 3, 6, 8);
    EXPECT_TRUE(rg.Contains(2, 3));
    EXPECT_TRUE(rg.Contains(5, 7));
    EXPECT_FALSE(rg.Contains(6, 7));
    EXPECT_FALSE(rg.Contains(5, 8));
    EXPECT_FALSE(rg.Contains(1, 3));
}

struct OpCase {
    const char* name;
    RECT a, b;
    int op;  // 0 union, 1 intersect, 2 subtract, 3 xor
    size_t rects;
    RECT box;
};

class RegionOps : public ::testing::TestWithParam<OpCase> {};

TEST_P(RegionOps, MatchesPointwiseDefinition) {
    const OpCase& c = GetParam();
    Region a(c.a), b(c.b), r = a;
    switch (c.op) {
    case 0: r.Union(b); break;
    case 1: r.Intersect(b); break;
    case 2: r.Subtract(b); break;
    case 3: r.Xor(b); break;
    }
    for (int y = -5; y < 25; ++y)
        for (int x = -5; x < 25; ++x) {
            bool ia = a.Contains(x, y), ib = b.Contains(x, y);
            bool want = c.op == 0 ? (ia || ib) : c.op == 1 ? (ia && ib) : c.op == 2 ? (ia && !ib) : (ia != ib);
            ASSERT_EQ(want, r.Contains(x, y)) << c.name << " at " << x << "," << y;
        }
    ExpectCanonical(r);
    EXPECT_EQ(c.rects, r.Rects().size()) << c.name;
    RECT box = r.Box();
    EXPECT_EQ(c.box.left, box.left) << c.name;
    EXPECT_EQ(c.box.top, box.top) << c.name;
    EXPECT_EQ(c.box.right, box.right) << c.name;
    EXPECT_EQ(c.box.bottom, box.bottom) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegionOps,
    ::testing::Values(
        OpCase{"union side by side merges", R(0, 0, 5, 5), R(5, 0, 10, 5), 0, 1, R(0, 0, 10, 5)},
        OpCase{"union stacked merges", R(0, 0, 5, 5), R(0, 5, 5, 9), 0, 1, R(0, 0, 5, 9)},
        OpCase{"union overlapping makes three bands", R(0, 0, 10, 10), R(5, 5, 15, 15), 0, 3, R(0, 0, 15, 15)},
        OpCase{"union disjoint in one band", R(0, 0, 3, 3), R(6, 0, 9, 3), 0, 2, R(0, 0, 9, 3)},
        OpCase{"intersect overlap", R(0, 0, 10, 10), R(5, 5, 15, 15), 1, 1, R(5, 5, 10, 10)},
        OpCase{"intersect touching is empty", R(0, 0, 5, 5), R(5, 0, 9, 5), 1, 0, R(0, 0, 0, 0)},
        OpCase{"subtract centre leaves a ring", R(0, 0, 10, 10), R(3, 3, 7, 7), 2, 4, R(0, 0, 10, 10)},
        OpCase{"subtract all", R(2, 2, 4, 4), R(0, 0, 10, 10), 2, 0, R(0, 0, 0, 0)},
        OpCase{"subtract right half", R(0, 0, 10, 10), R(5, -5, 20, 20), 2, 1, R(0, 0, 5, 10)},
        OpCase{"xor overlap", R(0, 0, 10, 10), R(5, 5, 15, 15), 3, 4, R(0, 0, 15, 15)},
        OpCase{"xor identical is empty", R(1, 1, 8, 8), R(1, 1, 8, 8), 3, 0, R(0, 0, 0, 0)}),
    [](const ::testing::TestParamInfo<OpCase>& info) { return std::to_string(info.index); });

TEST(Region, EqualityIgnoresHowTheRegionWasBuilt) {
    // An L shape assembled in two different ways.
    Region a(0, 0, 10, 10);
    a.Subtract(R(5, 5, 10, 10));
    Region b(0, 0, 5, 10);
    b.Union(R(5, 0, 10, 5));
    EXPECT_TRUE(a == b);
    b.Union(R(9, 9, 10, 10));
    EXPECT_TRUE(a != b);
}

TEST(Region, OffsetMovesEveryRectangle) {
    Region a(0, 0, 10, 10);
    a.Subtract(R(3, 3, 7, 7));
    a.Offset(100, -50);
    EXPECT_TRUE(a.Contains(100, -50));
    EXPECT_FALSE(a.Contains(104, -46));
    EXPECT_FALSE(a.Contains(0, 0));
    RECT box = a.Box();
    EXPECT_EQ(100, box.left);
    EXPECT_EQ(-50, box.top);
    EXPECT_EQ(110, box.right);
    EXPECT_EQ(-40, box.bottom);
}

TEST(Region, IntersectsHonoursExclusiveEdges) {
    Region a(0, 0, 10, 10);
    a.Subtract(R(3, 3, 7, 7));
    EXPECT_TRUE(a.Intersects(R(9, 9, 20, 20)));
    EXPECT_FALSE(a.Intersects(R(10, 0, 20, 10)));
    EXPECT_FALSE(a.Intersects(R(3, 3, 7, 7)));  // the hole
    EXPECT_TRUE(a.Intersects(R(2, 3, 7, 7)));
    EXPECT_FALSE(a.Intersects(R(5, 5, 5, 9)));  // empty rectangle
}

TEST(Region, RandomOperationsStayCanonicalAndCorrect) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> coord(-4, 19);
    for (int round = 0; round < 200; ++round) {
        Region acc;
        std::vector<bool> ref(24 * 24, false);
        for (int step = 0; step < 6; ++step) {
            int l = coord(rng), t = coord(rng), r = coord(rng), b = coord(rng);
            if (l > r) std::swap(l, r);
            if (t > b) std::swap(t, b);
            Region piece(l, t, r, b);
            std::vector<bool> p = Raster(piece);
            int op = static_cast<int>(rng() % 4);
            switch (op) {
            case 0: acc.Union(piece); break;
            case 1: acc.Intersect(piece); break;
            case 2: acc.Subtract(piece); break;
            case 3: acc.Xor(piece); break;
            }
            for (size_t i = 0; i < ref.size(); ++i) {
                bool a = ref[i], q = p[i];
                ref[i] = op == 0 ? (a || q) : op == 1 ? (a && q) : op == 2 ? (a && !q) : (a != q);
            }
            ASSERT_EQ(ref, Raster(acc)) << "round " << round << " step " << step;
            ExpectCanonical(acc);
        }
        // Rebuilding the same point set from single pixels gives an equal region.
        Region rebuilt;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                if (ref[y * 24 + x]) rebuilt.Union(R(x - 4, y - 4, x - 3, y - 3));
        ASSERT_TRUE(rebuilt == acc) << "round " << round;
    }
}

// Regions of many rectangles combined with each other, and with single
// rectangles that hold them, lie inside them, miss them or cut them.
TEST(Region, RegionsCombinedWithRegionsMatchThePointSets) {
    std::mt19937 rng(777);
    std::uniform_int_distribution<int> coord(-4, 19);
    auto randomRegion = [&](int pieces) {
        Region rg;
        for (int k = 0; k < pieces; ++k) {
            int l = coord(rng), t = coord(rng), r = coord(rng), b = coord(rng);
            if (l > r) std::swap(l, r);
            if (t > b) std::swap(t, b);
            if (k % 3 == 2) rg.Xor(Region(l, t, r, b));
            else rg.Union(Region(l, t, r, b));
        }
        return rg;
    };
    for (int round = 0; round < 150; ++round) {
        const Region shapes[] = {randomRegion(1 + round % 5), randomRegion(1 + round % 4), Region(-4, -4, 20, 20),
                                 Region(6, 6, 9, 9), Region(-4, 15, 3, 20), Region()};
        for (const Region& a : shapes)
            for (const Region& b : shapes)
                for (int op = 0; op < 4; ++op) {
                    Region r = a;
                    switch (op) {
                    case 0: r.Union(b); break;
                    case 1: r.Intersect(b); break;
                    case 2: r.Subtract(b); break;
                    case 3: r.Xor(b); break;
                    }
                    std::vector<bool> ra = Raster(a), rb = Raster(b), expected(ra.size());
                    for (size_t i = 0; i < ra.size(); ++i)
                        expected[i] = op == 0 ? (ra[i] || rb[i]) : op == 1 ? (ra[i] && rb[i])
                                                    : op == 2 ? (ra[i] && !rb[i]) : (ra[i] != rb[i]);
                    ASSERT_EQ(expected, Raster(r)) << "round " << round << " op " << op;
                    ExpectCanonical(r);
                }
    }
}

}  // namespace
