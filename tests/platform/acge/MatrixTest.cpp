// Affine transforms: scaling about a point, translation, products in order and the inverse, against
// values worked by hand.
#include <gtest/gtest.h>

#include "acge/Matrix3d.h"

namespace {

void ExpectPoint(const AcGePoint3d& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}

TEST(Matrix, ScalingKeepsItsCentre) {
    AcGeMatrix3d m;
    m.setToScaling(2.0, AcGePoint3d(10, 20, 0));
    ExpectPoint(m.apply({10, 20, 0}), 10, 20, 0);
    ExpectPoint(m.apply({11, 19, 1}), 12, 18, 2);
}

TEST(Matrix, ProductAppliesTheRightFactorFirst) {
    AcGeMatrix3d scale, move;
    scale.setToScaling(3.0);
    move.setToTranslation({1, 2, 0});
    // Scale then move: (1, 1) -> (3, 3) -> (4, 5); move then scale: (2, 3) -> (6, 9).
    ExpectPoint((move * scale).apply({1, 1, 0}), 4, 5, 0);
    ExpectPoint((scale * move).apply({1, 1, 0}), 6, 9, 0);
}

TEST(Matrix, InverseUndoesTheTransform) {
    AcGeMatrix3d scale, move;
    scale.setToScaling(0.25, AcGePoint3d(3, -4, 0));
    move.setToTranslation({-7, 5, 2});
    const AcGeMatrix3d m = move * scale;
    AcGePoint3d p(12.5, -3.75, 1.0);
    p.transformBy(m).transformBy(m.inverse());
    ExpectPoint(p, 12.5, -3.75, 1.0);
}

TEST(Matrix, SetTranslationKeepsTheLinearPart) {
    AcGeMatrix3d m;
    m.setToScaling(2.0).setTranslation({5, 0, 0});
    ExpectPoint(m.apply({1, 1, 0}), 7, 2, 0);
}

TEST(Matrix, SingularInverseIsIdentity) {
    AcGeMatrix3d m;
    m.setToScaling(0.0);
    ExpectPoint(m.inverse().apply({3, 4, 5}), 3, 4, 5);
}

}  // namespace
