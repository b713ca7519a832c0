// The reinforcement rows of a solved slab: which moment each row takes, where, and what follows
// from it, against plate theory and the design formulas by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "SlabFixtures.h"
#include "fea/Serviceability.h"
#include "fea/SlabDesign.h"

namespace {

using namespace fea_test;

const double kA = 4000.0;  // mm
const double kG = 5.0;     // kN/m², dead load only: 1.35·G governs the design

// A clamped 4 m square slab, 150 mm thick: the edge moment −0.0513·q·a² = −4.104 kN·m/m and the
// centre moment 0.0231·q·a² = 1.848 kN·m/m (ν = 0.3), so the rows take 1.35 times these.
struct ClampedSquare : testing::Test {
    void SetUp() override {
        slab = Rectangle(kA, kA, EdgeSupport::Fixed);
        slab.thickness = 150.0;
        slab.uniformLoad[0] = kG;
        for (const auto& [x, y] : {std::pair{kA / 2, 0.0}, {kA, kA / 2}, {kA / 2, kA}, {0.0, kA / 2}, {kA / 2, kA / 2}}) {
            PointLoad probe;  // nothing, for nodes where the moments are largest
            probe.at = {x, y};
            slab.pointLoads.push_back(probe);
        }
        MeshOptions options;
        options.elementSize = 200.0;
        analysis = AnalysePlate(slab, options);
        ASSERT_EQ(analysis.status, AnalysisStatus::Solved) << analysis.message;
        settings.section.thickness = 150.0;
    }
    Slab slab;
    PlateAnalysis analysis;
    DesignSettings settings;
};

TEST_F(ClampedSquare, RowsTakeTheCentreAndEdgeMoments) {
    const SlabDesign design = DesignSlab(slab, analysis, settings);
    ASSERT_EQ(design.rows.size(), 6u);
    const double qa2 = kG * kA * kA * 1e-6;  // kN·m/m
    for (int r = 0; r < 2; ++r) {
        EXPECT_TRUE(design.rows[r].bottom);
        EXPECT_NEAR(design.rows[r].moment, 1.35 * 0.0231 * qa2, 0.02 * 1.35 * 0.0231 * qa2) << "row " << r;
        EXPECT_NEAR(design.rows[r].characteristic, 0.0231 * qa2, 0.02 * 0.0231 * qa2) << "row " << r;
    }
    // Each edge row governs on its own edge, near its middle, with bars across it.
    const Point2 middles[] = {{kA / 2, 0}, {kA, kA / 2}, {kA / 2, kA}, {0, kA / 2}};
    for (int k = 0; k < 4; ++k) {
        const DesignRow& row = design.rows[2 + k];
        EXPECT_FALSE(row.bottom);
        EXPECT_NEAR(row.moment, 1.35 * 0.0513 * qa2, 0.01 * 1.35 * 0.0513 * qa2) << "edge " << k;
        EXPECT_NEAR(row.at.x, middles[k].x, k % 2 == 0 ? kA / 10 : 1e-6) << "edge " << k;
        EXPECT_NEAR(row.at.y, middles[k].y, k % 2 == 0 ? 1e-6 : kA / 10) << "edge " << k;
        EXPECT_NEAR(std::fabs(std::cos(row.barAngle * 3.14159265358979 / 180.0)), k % 2 == 0 ? 0.0 : 1.0, 1e-9);
    }
}

TEST_F(ClampedSquare, RowsFollowTheSettings) {
    settings.negativeAdjustment = 0.8;
    settings.topAreaFactor = 1.5;
    settings.leastDiameter = 10.0;
    const SlabDesign plain = DesignSlab(slab, analysis, DesignSettings{});
    const SlabDesign design = DesignSlab(slab, analysis, settings);
    const DesignRow& row = design.rows[2];
    EXPECT_NEAR(row.moment, 0.8 * plain.rows[2].moment, 1e-9);
    EXPECT_NEAR(row.strip.area, 1.5 * DesignStrip(row.moment, settings.section, 1.0).area, 1e-9);
    EXPECT_GE(row.bars.diameter, 10.0);
    EXPECT_GE(row.bars.area, row.strip.area);
    EXPECT_NEAR(row.crackWidth, CrackWidth(row.characteristic, row.bars.diameter, row.bars.area, settings.section), 1e-12);
    EXPECT_NEAR(RowCrackWidth(row, settings.section, 12.0, 150.0),
                CrackWidth(row.characteristic, 12.0, BarArea(12.0, 150.0), settings.section), 1e-12);
}

// Long-term deflection: the largest deflection under G + Q (plate theory: 0.00126·q·a⁴/D at the
// centre) times D·1000/B of the row's section.
TEST_F(ClampedSquare, DeflectionIsTheElasticOneScaledByTheLongTermStiffness) {
    settings.deflectionAdjustment = 1.2;
    const SlabDesign design = DesignSlab(slab, analysis, settings);
    const double d = slab.elasticModulus * std::pow(150.0, 3) / (12.0 * (1.0 - 0.09));
    const double wk = 0.00126 * kG * 1e-3 * std::pow(kA, 4) / d;
    EXPECT_NEAR(analysis.mesh.nodes[design.deflectionNode].x, kA / 2, 1e-6);
    EXPECT_NEAR(analysis.mesh.nodes[design.deflectionNode].y, kA / 2, 1e-6);
    for (int r = 0; r < 2; ++r) {
        const DesignRow& row = design.rows[r];
        const double b = LongTermStiffness(row.characteristic, row.quasiPermanent,
                                           ShortTermStiffness(row.characteristic, row.bars.area, settings.section), 2.4);
        EXPECT_NEAR(row.deflection, wk * d * 1000.0 / b, 0.01 * row.deflection) << "row " << r;
    }
    for (std::size_t r = 2; r < design.rows.size(); ++r)
        EXPECT_EQ(design.rows[r].deflection, design.longTermDeflection);
}

}  // namespace
