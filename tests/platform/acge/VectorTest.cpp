// Vector algebra in the plane: angles about +z, turning, normalising, against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "acge/Point3d.h"

namespace {

struct AngleRow {
    const char* name;
    AcGeVector3d from, to;
    double unsignedAngle, counterClockwise;
};

const AngleRow kAngles[] = {
    {"Same", {1, 0, 0}, {2, 0, 0}, 0.0, 0.0},
    {"QuarterLeft", {1, 0, 0}, {0, 3, 0}, M_PI / 2, M_PI / 2},
    {"QuarterRight", {1, 0, 0}, {0, -3, 0}, M_PI / 2, 3 * M_PI / 2},
    {"Opposite", {1, 0, 0}, {-1, 0, 0}, M_PI, M_PI},
    {"UpToX", {0, 1, 0}, {1, 0, 0}, M_PI / 2, 3 * M_PI / 2},
    {"TinyClockwiseStaysBelowTwoPi", {1, 0, 0}, {1, -1e-9, 0}, 1e-9, 2 * M_PI - 1e-9},
};

void PrintTo(const AngleRow& row, std::ostream* os) { *os << row.name; }

class VectorAngles : public testing::TestWithParam<AngleRow> {};

TEST_P(VectorAngles, UnsignedAndAboutZ) {
    const AngleRow& row = GetParam();
    EXPECT_NEAR(row.from.angleTo(row.to), row.unsignedAngle, 1e-12);
    const double ccw = row.from.angleTo(row.to, AcGeVector3d::kZAxis);
    EXPECT_NEAR(ccw, row.counterClockwise, 1e-12);
    EXPECT_GE(ccw, 0.0);
    EXPECT_LT(ccw, 2 * M_PI);
}

INSTANTIATE_TEST_SUITE_P(Table, VectorAngles, testing::ValuesIn(kAngles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Vector, RotateByTurnsCounterClockwiseAboutZ) {
    AcGeVector3d v(2, 0, 0);
    v.rotateBy(M_PI / 2, AcGeVector3d::kZAxis);
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y, 2, 1e-12);
    v.rotateBy(-M_PI / 4, AcGeVector3d::kZAxis);
    EXPECT_NEAR(v.x, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(v.y, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(v.z, 0, 1e-12);
}

TEST(Vector, NormalizeGivesUnitLengthAndLeavesZeroAlone) {
    AcGeVector3d v(3, 4, 0);
    v.normalize(AcGeContext::gTol);
    EXPECT_DOUBLE_EQ(v.x, 0.6);
    EXPECT_DOUBLE_EQ(v.y, 0.8);
    AcGeVector3d zero;
    zero.normalize();
    EXPECT_EQ(zero.x, 0.0);
    EXPECT_EQ(zero.y, 0.0);
    EXPECT_FALSE(std::isnan(zero.z));
}

TEST(Point, DifferenceIsAVectorAndSumIsAPoint) {
    const AcGePoint3d a(1, 2, 0), b(4, 6, 0);
    const AcGeVector3d d = b - a;
    EXPECT_DOUBLE_EQ(d.length(), 5.0);
    EXPECT_EQ(a + d, b);
    EXPECT_EQ(b - d, a);
    EXPECT_DOUBLE_EQ(a.distanceTo(b), 5.0);
}

}  // namespace
