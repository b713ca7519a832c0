// The supports of hole edges against the closed form of the annular plate: a circular slab of
// radius a, simply supported round its outline, with a circular hole of radius b whose edge is
// free, simply supported or fixed, under a uniform load.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <string>

#include "SlabFixtures.h"
#include "fea/Assembly.h"
#include "fea/PlateAnalysis.h"

namespace {

using namespace fea_test;

const double kOuter = 3000.0;  // mm
const double kInner = 1000.0;  // mm
const double kQ = 5.0;         // kN/m²

// The axisymmetric solution w = A + B·ρ² + C·ln ρ + E·ρ²·ln ρ + q·r⁴/(64·D), ρ = r/a (so that
// the constants are of one size), with its constants from the two conditions at each edge: simply
// supported w = 0, Mr = 0; fixed w = 0, w' = 0; free Mr = 0, Qr = 0. Lengths in mm, q in N/mm², w
// in mm, moments in N·mm/mm.
class AnnularPlate {
public:
    AnnularPlate(EdgeSupport inner, EdgeSupport outer, double q, double d, double nu) : m_q(q), m_d(d), m_nu(nu) {
        Eigen::Matrix4d m;
        Eigen::Vector4d rhs;
        int row = 0;
        for (const auto& [support, r] : {std::pair{inner, kInner}, std::pair{outer, kOuter}}) {
            const auto conditions = support == EdgeSupport::Fixed ? std::pair{&AnnularPlate::W, &AnnularPlate::Slope}
                                    : support == EdgeSupport::Free ? std::pair{&AnnularPlate::Mr, &AnnularPlate::Qr}
                                                                   : std::pair{&AnnularPlate::W, &AnnularPlate::Mr};
            for (auto condition : {conditions.first, conditions.second}) {
                // Each value is linear in the constants: its load part plus one column per constant.
                m_c.setZero();
                const double load = (this->*condition)(r);
                for (int k = 0; k < 4; ++k) {
                    m_c = Eigen::Vector4d::Unit(k);
                    m(row, k) = (this->*condition)(r) - load;
                }
                rhs(row++) = -load;
            }
        }
        m_c = m.fullPivLu().solve(rhs);
    }

    double W(double r) const {
        const double p = r / kOuter;
        return m_c(0) + m_c(1) * p * p + m_c(2) * std::log(p) + m_c(3) * p * p * std::log(p) +
               m_q * std::pow(r, 4) / (64.0 * m_d);
    }
    double Slope(double r) const {
        const double p = r / kOuter;
        return (2.0 * m_c(1) * p + m_c(2) / p + m_c(3) * (2.0 * p * std::log(p) + p)) / kOuter +
               m_q * std::pow(r, 3) / (16.0 * m_d);
    }
    double Curvature(double r) const {
        const double p = r / kOuter;
        return (2.0 * m_c(1) - m_c(2) / (p * p) + m_c(3) * (2.0 * std::log(p) + 3.0)) / (kOuter * kOuter) +
               3.0 * m_q * r * r / (16.0 * m_d);
    }
    double Mr(double r) const { return -m_d * (Curvature(r) + m_nu * Slope(r) / r); }
    double Mt(double r) const { return -m_d * (Slope(r) / r + m_nu * Curvature(r)); }
    double Qr(double r) const { return -m_d * 4.0 * m_c(3) / (kOuter * kOuter * r) - m_q * r / 2.0; }

private:
    double m_q, m_d, m_nu;
    Eigen::Vector4d m_c = Eigen::Vector4d::Zero();
};

struct HoleCase {
    const char* name;
    EdgeSupport inner;
};

void PrintTo(const HoleCase& c, std::ostream* os) { *os << c.name; }

class HoleSupports : public testing::TestWithParam<HoleCase> {};

// The deflection and the moments at the hole's edge and across the ring, at the nodes on the x
// axis, against the closed form: within 2 % of the ring's largest deflection and 5 % of its
// largest moment at 150 mm elements (arcs as chords).
TEST_P(HoleSupports, FollowTheAnnularPlate) {
    Slab slab = Circle(kOuter, EdgeSupport::SimplySupported);
    const double bulge = std::tan(3.14159265358979323846 / 8.0);
    slab.holes.push_back({{kInner, 0, bulge}, {0, kInner, bulge}, {-kInner, 0, bulge}, {0, -kInner, bulge}});
    slab.holeSupports.push_back(GetParam().inner);
    slab.thickness = 150.0;
    slab.uniformLoad[0] = kQ;
    for (double x : {1500.0, 2000.0, 2500.0}) slab.pointLoads.push_back({{x, 0}, 0.0, LoadCase::Dead});  // nodes there
    MeshOptions options;
    options.elementSize = 150.0;
    const PlateAnalysis analysis = AnalysePlate(slab, options);
    ASSERT_EQ(analysis.status, AnalysisStatus::Solved) << analysis.message;

    const AnnularPlate plate(GetParam().inner, EdgeSupport::SimplySupported, kQ * 1e-3, FlexuralRigidity(slab),
                             slab.poisson);
    const NodalResults& r = analysis.cases[0];
    // The scales: the largest deflection and the largest moment of the ring.
    double wScale = 0.0, mScale = 0.0;
    for (double x : {kInner, 1500.0, 2000.0, 2500.0}) {
        wScale = std::max(wScale, std::fabs(plate.W(x)));
        mScale = std::max({mScale, std::fabs(plate.Mr(x)) * 1e-3, std::fabs(plate.Mt(x)) * 1e-3});
    }
    for (double x : {kInner, 1500.0, 2000.0, 2500.0}) {
        const int node = NearestNode(analysis.mesh, x, 0.0);
        ASSERT_NEAR(analysis.mesh.nodes[node].x, x, 1e-6);
        EXPECT_NEAR(r.w[node], plate.W(x), 0.02 * wScale) << "w at r = " << x;
        // Mr is Mx on the x axis, Mθ is My. A free edge holds Mr = 0 only on average over its
        // elements, not at its nodes.
        if (x != kInner || GetParam().inner != EdgeSupport::Free) {
            EXPECT_NEAR(r.mx[node], plate.Mr(x) * 1e-3, 0.05 * mScale) << "Mr at r = " << x;
        }
        EXPECT_NEAR(r.my[node], plate.Mt(x) * 1e-3, 0.05 * mScale) << "Mθ at r = " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Holes, HoleSupports,
                         testing::Values(HoleCase{"Free", EdgeSupport::Free}, HoleCase{"SimplySupported", EdgeSupport::SimplySupported},
                                         HoleCase{"Fixed", EdgeSupport::Fixed}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
