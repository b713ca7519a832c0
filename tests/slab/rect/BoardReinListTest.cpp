// Bar schemes for a required area: worked by hand from the bar table.
#include <gtest/gtest.h>

#include "slab/rect/BoardReinList.h"

namespace {

struct PickCase {
    const char* name;
    int nMinDia, nAs;
    int nCount;  // schemes built
    int nDiameter, nSpacing, nArea;  // picked
};

const PickCase kPicks[] = {
    {"Ordinary", 8, 300, 40, 8, 160, 314},
    {"LargeArea", 8, 1000, -1, 16, 200, 1005},
    {"OnlyTheLargestBar", 8, 19640, 1, 50, 100, 19640},
    {"NothingFits", 8, 19641, 0, 0, 0, 0},
    {"SmallBarsAllowed", 6, 283, -1, 6, 100, 283},
    // A free edge needs nothing; the scheme list still gives its smallest scheme.
    {"NoAreaNeeded", 8, 0, -1, 8, 200, 251},
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.name; }

class SchemePick : public testing::TestWithParam<PickCase> {};

TEST_P(SchemePick, PicksTheLeastExcess) {
    const PickCase& c = GetParam();
    CBoardReinList list(c.nMinDia);
    const int nCount = list.Build(c.nAs);
    if (c.nCount >= 0) {
        EXPECT_EQ(nCount, c.nCount);
    }
    const BoardReinScheme scheme = list.Pick(c.nAs);
    EXPECT_EQ(scheme.nDiameter, c.nDiameter);
    EXPECT_EQ(scheme.nSpacing, c.nSpacing);
    EXPECT_EQ(scheme.nArea, c.nArea);
    EXPECT_TRUE(scheme.strGrade.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Areas, SchemePick, testing::ValuesIn(kPicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeList, RunsByDiameterThenSpacing) {
    CBoardReinList list(8);
    list.Build(300);
    const int nExpected[4][2] = {{8, 100}, {8, 110}, {8, 120}, {8, 125}};
    POSITION pos = list.m_listScheme.GetHeadPosition();
    for (const auto& expected : nExpected) {
        const BoardReinScheme& scheme = list.m_listScheme.GetNext(pos);
        EXPECT_EQ(scheme.nDiameter, expected[0]);
        EXPECT_EQ(scheme.nSpacing, expected[1]);
    }
}

// Pick works on the list it has: a second area without a rebuild picks from the old schemes.
TEST(SchemeList, PickKeepsABuiltList) {
    CBoardReinList list(8);
    list.Pick(300);
    EXPECT_EQ(list.Pick(200).nArea, 314);  // d8@200 (251) would fit 200, but 300's list has no such scheme
}

TEST(SchemeList, AreaOfAScheme) {
    CBoardReinList list(8);
    EXPECT_EQ(list.GetArea(10, 150), 523);  // 78.5·1000/150
    EXPECT_EQ(list.GetArea(50, 100), 19640);
    EXPECT_EQ(list.GetArea(9, 150), 0);
    // Spacings that are no scheme never divide.
    EXPECT_EQ(list.GetArea(10, 0), 0);
    EXPECT_EQ(list.GetArea(10, -100), 0);
    EXPECT_EQ(list.GetArea(10, 1001), 0);
    EXPECT_EQ(list.GetArea(10, 1000), 78);
}

}  // namespace
