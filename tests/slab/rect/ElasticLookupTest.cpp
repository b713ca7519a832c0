// The elastic lookups against values worked by hand from the handbook's printed rows.
#include <gtest/gtest.h>

#include <cstring>

#include "slab/rect/EdgeCodes.h"
#include "slab/rect/ElasticLookups.h"

namespace {

// Top, Left, Right, Bottom, then the posts.
struct Slab {
    int edges[8];
};

Slab Edges(int top, int left, int right, int bottom) { return {{top, left, right, bottom, 0, 0, 0, 0}}; }

struct Lookup {
    int result = 0;
    double coef[10] = {};
    SlabMoments moments{};
    SlabMomentList list{};
    int span = 0;
};

Lookup Looked(int nCase, double lx, double ly, const Slab& slab, double nu, double q = 1.0) {
    Lookup r;
    r.result = GetElasticCoef(nCase, lx, ly, r.coef, r.moments, r.list, slab.edges, r.span, q, nu);
    return r;
}

TEST(ElasticLookup, FourSimpleEdgesWithPoissonCorrection) {
    const Lookup r = Looked(1, 6000, 4200, Edges(1, 1, 1, 1), 0.2);
    ASSERT_EQ(r.result, 1);
    EXPECT_STREQ(GetSlabTableNotes().szRatioText, "Ly/Lx=4200/6000=0.700");
    EXPECT_EQ(r.span, 4200);
    const double l2 = 4200.0 * 4200.0;
    EXPECT_NEAR(r.moments.dMy, (0.0683 + 0.2 * 0.0296) * l2, 1e-6);
    EXPECT_NEAR(r.moments.dMx, (0.0296 + 0.2 * 0.0683) * l2, 1e-6);
    EXPECT_STREQ(GetSlabTableNotes().szMyText, "(0.0683+0.0296*0.200)");
    EXPECT_STREQ(GetSlabTableNotes().szMxText, "(0.0296+0.0683*0.200)");
    EXPECT_DOUBLE_EQ(r.coef[3], 0.00727);
}

TEST(ElasticLookup, InterpolatesBetweenRowsAndSnapsNearOne) {
    // 0.72 lies 0.4 of the way from row 0.70 to row 0.75.
    const Lookup between = Looked(1, 5000, 3600, Edges(1, 1, 1, 1), 0.0);
    EXPECT_NEAR(between.coef[0], 0.0683 + 0.4 * (0.062 - 0.0683), 1e-12);
    EXPECT_NEAR(between.coef[2], 0.00727 + 0.4 * (0.00663 - 0.00727), 1e-12);
    const Lookup near = Looked(1, 10000, 7000.5, Edges(1, 1, 1, 1), 0.0);  // 0.70005
    EXPECT_DOUBLE_EQ(near.coef[0], 0.0683);
}

TEST(ElasticLookup, OneFixedEdgeChoosesItsHalfOfTheTable) {
    // Fixed Top, Lx > Ly: the span across the fixed edge is the shorter: rows 0–10 (row 0 at 0.5).
    const Lookup top = Looked(2, 6000, 3000, Edges(0, 1, 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(top.coef[0], 0.0583);
    EXPECT_NEAR(top.moments.dTop, 0.1212 * 3000.0 * 3000.0, 1e-6);
    EXPECT_DOUBLE_EQ(top.list.M0y, -0.1212);
    EXPECT_DOUBLE_EQ(top.coef[3], 0.00504);  // max(f, f_max)
    // Fixed Left, Lx > Ly: rows 10–20 (row 20 at 0.5).
    const Lookup left = Looked(2, 6000, 3000, Edges(1, 0, 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(left.coef[0], 0.0205);
    EXPECT_NEAR(left.moments.dLeft, 0.1215 * 3000.0 * 3000.0, 1e-6);
    EXPECT_DOUBLE_EQ(left.moments.dRight, 0.0);
    EXPECT_DOUBLE_EQ(left.list.M0x, -0.1215);
}

TEST(ElasticLookup, RefusesRatiosAndPoissonRatiosOutside) {
    Lookup r;
    std::strcpy(GetSlabTableNotes().szMxText, "unchanged");
    r = Looked(4, 4500, 10000, Edges(0, 0, 0, 0), 0.2);
    EXPECT_EQ(r.result, 0);
    EXPECT_STREQ(GetSlabTableNotes().szRatioText, "Lx/Ly=4500/10000=0.450");
    EXPECT_STREQ(GetSlabTableNotes().szMxText, "unchanged");
    EXPECT_DOUBLE_EQ(r.moments.dMx, 0.0);
    EXPECT_EQ(Looked(4, 5000, 6000, Edges(0, 0, 0, 0), 0.31).result, 2);
    EXPECT_EQ(Looked(7, 5000, 6000, Edges(2, 1, 1, 1), -0.01).result, 2);
}

TEST(ElasticLookup, SquareSlabTakesTheVerticalAxis) {
    const Lookup r = Looked(4, 5000, 5000, Edges(0, 0, 0, 0), 0.0);
    EXPECT_STREQ(GetSlabTableNotes().szRatioText, "Ly/Lx=5000/5000=1.000");
    EXPECT_EQ(r.span, 5000);
    EXPECT_NEAR(r.moments.dTop, 0.0513 * 25e6, 1e-6);
    EXPECT_NEAR(r.moments.dLeft, 0.0513 * 25e6, 1e-6);
}

TEST(ElasticLookup, FreeEdgeInterpolatesInPoisson) {
    // Case 7, square, free Top: ν = 0.1 is 0.6 of the way from the ν = 0 to the ν = 1/6 column.
    const Lookup r = Looked(7, 4000, 4000, Edges(2, 1, 1, 1), 0.1);
    ASSERT_EQ(r.result, 1);
    EXPECT_NEAR(r.coef[0], 0.0732 + 0.6 * (0.0768 - 0.0732), 1e-12);
    EXPECT_NEAR(r.list.Mox, 0.1024 + 0.6 * (0.1083 - 0.1024), 1e-12);
    EXPECT_DOUBLE_EQ(r.coef[4], 0.1);
    EXPECT_EQ(Looked(7, 4000, 4000, Edges(2, 1, 1, 1), 0.16670).coef[0], 0.0768);
    EXPECT_EQ(Looked(7, 4000, 4000, Edges(2, 1, 1, 1), 0.29995).coef[0], 0.0799);
    EXPECT_NEAR(r.coef[3], 0.01073 + 0.6 * (0.01167 - 0.01073), 1e-12);  // the free edge deflects most
}

TEST(ElasticLookup, FreeEdgeSpanIsTheFreeEdgesLength) {
    const Lookup top = Looked(7, 4000, 6000, Edges(2, 1, 1, 1), 0.0);
    EXPECT_STREQ(GetSlabTableNotes().szRatioText, "Ly/Lx=6000/4000=1.500");
    EXPECT_EQ(top.span, 4000);
    EXPECT_DOUBLE_EQ(top.moments.dMx, top.coef[0] * 4000.0 * 4000.0);
    const Lookup left = Looked(7, 4000, 6000, Edges(1, 2, 1, 1), 0.0);
    EXPECT_STREQ(GetSlabTableNotes().szRatioText, "Lx/Ly=4000/6000=0.667");
    EXPECT_EQ(left.span, 6000);
    EXPECT_EQ(Looked(7, 4000, 8200, Edges(2, 1, 1, 1), 0.0).result, 0);  // 2.05
    EXPECT_EQ(Looked(7, 4000, 1000, Edges(2, 1, 1, 1), 0.0).result, 0);  // 0.25
}

TEST(ElasticLookup, FreeEdgeSupportsAndSecondCoefficient) {
    // Case 10, free Left, square, ν = 0: Right takes F, Top and Bottom E.
    const Lookup r = Looked(10, 5000, 5000, Edges(0, 2, 0, 0), 0.0);
    ASSERT_EQ(r.result, 1);
    EXPECT_DOUBLE_EQ(r.list.M0x, -0.0568);
    EXPECT_DOUBLE_EQ(r.list.M0y, -0.0665);
    EXPECT_DOUBLE_EQ(r.list.M0yz, -0.0886);
    EXPECT_NEAR(r.moments.dRight, 0.0568 * 25e6, 1e-6);
    EXPECT_NEAR(r.moments.dTop, 0.0665 * 25e6, 1e-6);
    EXPECT_DOUBLE_EQ(r.moments.dLeft, 0.0);
    // Case 8 at ratio 0.30: the centre moment across the free edge is negative and keeps its sign.
    const Lookup c8 = Looked(8, 10000, 3000, Edges(2, 1, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(c8.moments.dMy, -0.0052 * 1e8);
}

TEST(ElasticLookup, PostsScaleWithTheLongerSpan) {
    Slab posts = Edges(2, 2, 2, 2);
    for (int i = 4; i < 8; ++i) posts.edges[i] = 1;
    const Lookup r = Looked(11, 4000, 6000, posts, 0.0);
    ASSERT_EQ(r.result, 1);
    EXPECT_EQ(r.span, 6000);
    EXPECT_DOUBLE_EQ(r.moments.dTop + r.moments.dLeft + r.moments.dRight + r.moments.dBottom, 0.0);
    // Case 13 with the simply supported edge Left: x takes the larger of B and D.
    const Lookup c13 = Looked(13, 5000, 5000, Edges(2, 1, 2, 2), 0.0);
    EXPECT_NEAR(c13.moments.dMx, 0.1387 * 25e6, 1e-6);
    EXPECT_STREQ(GetSlabTableNotes().szMxText, "0.1387");
}

// The two-free-edges-and-a-post case holds its range whatever the orientation.
TEST(ElasticLookup, CornerPostRangeHoldsInEveryOrientation) {
    Slab topFree = Edges(2, 1, 2, 1);
    topFree.edges[POST_TOPRIGHT] = 1;
    Slab bottomFree = Edges(1, 1, 2, 2);
    bottomFree.edges[POST_BOTTOMRIGHT] = 1;
    EXPECT_EQ(Looked(12, 4000, 10000, topFree, 0.0).result, 0);
    EXPECT_EQ(Looked(12, 4000, 10000, bottomFree, 0.0).result, 0);
    EXPECT_EQ(Looked(12, 6000, 10000, bottomFree, 0.0).result, 1);
}

struct CaseOf {
    const char* name;
    Slab slab;
    int expected;
};

Slab WithPosts(Slab slab, int tl, int tr, int bl, int br) {
    slab.edges[4] = tl, slab.edges[5] = tr, slab.edges[6] = bl, slab.edges[7] = br;
    return slab;
}

const CaseOf kCases[] = {
    {"FourSimple", Edges(1, 1, 1, 1), 1},
    {"TopFixed", Edges(0, 1, 1, 1), 2},
    {"FreeAllRoundFourPosts", WithPosts(Edges(2, 2, 2, 2), 1, 1, 1, 1), 11},
    {"FreeAllRoundThreePosts", WithPosts(Edges(2, 2, 2, 2), 1, 1, 1, 0), -1},
    {"TopSimpleTwoPostsBelow", WithPosts(Edges(1, 2, 2, 2), 0, 0, 1, 1), 13},
    {"TopSimplePostsAbove", WithPosts(Edges(1, 2, 2, 2), 1, 1, 0, 0), -1},
    {"OppositeFreeEdges", Edges(2, 1, 1, 2), -1},
    {"PostOnASupportedCorner", WithPosts(Edges(1, 1, 1, 1), 1, 0, 0, 0), -1},
};

void PrintTo(const CaseOf& c, std::ostream* os) { *os << c.name; }

class ElasticCase : public testing::TestWithParam<CaseOf> {};

TEST_P(ElasticCase, FromEdgesAndPosts) { EXPECT_EQ(FindElasticCase(GetParam().slab.edges), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Slabs, ElasticCase, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EdgeCodes, ListSizes) {
    EXPECT_EQ(GetElasticCodeCount(), 41);
    EXPECT_EQ(GetPlasticCodeCount(), 16);
}

}  // namespace
