#include "SlabDesign.h"

#include <algorithm>
#include <cmath>

#include "Assembly.h"
#include "Serviceability.h"

namespace qelt::fea {

namespace {

const double kPi = 3.14159265358979323846;

// The design moment of one face and direction at a node: direction 1 of the angle, bottom or
// top, the larger of the two ultimate combinations.
double DesignMoment(const NodalResults& results, int node, double angle, bool bottom) {
    const DesignMoments d =
        WoodArmer(ToBarDirections(results.mx[node], results.my[node], results.mxy[node], angle));
    return bottom ? d.bottom1 : d.top1;
}

void FillAt(DesignRow& row, const Combinations& c, const Mesh& mesh, int node, double adjustment) {
    row.node = node;
    row.at = mesh.nodes[node];
    row.moment = adjustment * std::max(DesignMoment(c.liveGoverned, node, row.barAngle, row.bottom),
                                       DesignMoment(c.deadGoverned, node, row.barAngle, row.bottom));
    row.characteristic = adjustment * DesignMoment(c.characteristic, node, row.barAngle, row.bottom);
    row.quasiPermanent = adjustment * DesignMoment(c.quasiPermanent, node, row.barAngle, row.bottom);
}

// Over the candidates (node, bar angle), the one of the largest design moment.
void Govern(DesignRow& row, const Combinations& c, const Mesh& mesh, const std::vector<std::pair<int, double>>& candidates,
            double adjustment) {
    double best = -1.0;
    for (const auto& [node, angle] : candidates) {
        DesignRow trial = row;
        trial.barAngle = angle;
        FillAt(trial, c, mesh, node, adjustment);
        if (trial.moment > best) best = trial.moment, row = trial;
    }
}

void Reinforce(DesignRow& row, const DesignSettings& settings) {
    row.strip = DesignStrip(row.moment, settings.section, row.bottom ? settings.bottomAreaFactor : settings.topAreaFactor);
    row.bars = ChooseBars(row.strip.area, settings.leastDiameter, settings.greatestSpacing);
    row.crackWidth = CrackWidth(row.characteristic, row.bars.diameter, row.bars.area, settings.section);
}

}  // namespace

SlabDesign DesignSlab(const Slab& slab, const PlateAnalysis& analysis, const DesignSettings& settings) {
    SlabDesign design;
    const Mesh& mesh = analysis.mesh;
    design.combinations = CombineCases(analysis.cases[static_cast<int>(LoadCase::Dead)],
                                       analysis.cases[static_cast<int>(LoadCase::Live)], settings.factors);
    const Combinations& c = design.combinations;

    for (int direction = 0; direction < 2; ++direction) {
        DesignRow row;
        row.bottom = true;
        std::vector<std::pair<int, double>> candidates;
        for (int n = 0; n < static_cast<int>(mesh.nodes.size()); ++n)
            candidates.emplace_back(n, settings.barAngle + 90.0 * direction);
        Govern(row, c, mesh, candidates, settings.positiveAdjustment);
        Reinforce(row, settings);
        design.rows.push_back(row);
    }
    for (std::size_t k = 0; k < slab.outline.size(); ++k) {
        DesignRow row;
        row.bottom = false;
        std::vector<std::pair<int, double>> candidates;
        for (const MeshEdge& edge : mesh.edges) {
            if (edge.source != EdgeSource::Outline || edge.index != static_cast<int>(k)) continue;
            const Point2 &a = mesh.nodes[edge.a], &b = mesh.nodes[edge.b];
            const double normal = std::atan2(b.y - a.y, b.x - a.x) * 180.0 / kPi + 90.0;
            candidates.emplace_back(edge.a, normal);
            candidates.emplace_back(edge.b, normal);
        }
        Govern(row, c, mesh, candidates, settings.negativeAdjustment);
        Reinforce(row, settings);
        design.rows.push_back(row);
    }

    // Long-term deflection: the elastic deflection under G + Q scaled by D/B.
    const std::vector<double>& w = c.characteristic.w;
    if (!w.empty()) {
        design.deflectionNode = static_cast<int>(std::max_element(w.begin(), w.end()) - w.begin());
        const double wk = std::max(w[design.deflectionNode], 0.0);
        const double rigidity = FlexuralRigidity(slab) * 1000.0;  // N·mm² per metre
        const double theta = 2.0 * settings.deflectionAdjustment;
        for (int r = 0; r < 2; ++r) {
            DesignRow& row = design.rows[r];
            if (row.bars.area <= 0.0) continue;
            const double shortTerm = ShortTermStiffness(row.characteristic, row.bars.area, settings.section);
            row.deflection = wk * rigidity / LongTermStiffness(row.characteristic, row.quasiPermanent, shortTerm, theta);
        }
        design.longTermDeflection = std::max(design.rows[0].deflection, design.rows[1].deflection);
        for (std::size_t r = 2; r < design.rows.size(); ++r) design.rows[r].deflection = design.longTermDeflection;
    }
    return design;
}

double RowCrackWidth(const DesignRow& row, const SlabSection& section, double diameter, double spacing) {
    if (!(spacing > 0.0) || !(diameter > 0.0)) return 0.0;
    return CrackWidth(row.characteristic, diameter, BarArea(diameter, spacing), section);
}

}  // namespace qelt::fea
