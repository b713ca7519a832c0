#include "SlabDesign.h"

#include <algorithm>
#include <cmath>

#include "Assembly.h"
#include "DesignStrips.h"
#include "Geometry.h"
#include "Serviceability.h"

namespace qelt::fea {

namespace {

const double kPi = 3.14159265358979323846;

// The design moment of one face and direction: direction 1 of the angle, bottom or top. Across a
// simply supported or free edge (direction 1 its normal) the moment normal to the edge is 0, its
// boundary condition, which the elements meet only on average.
double DesignMoment(const NodalResults& r, int node, double angle, bool bottom, bool freeToTurn) {
    BarMoments turned = ToBarDirections(r.mx[node], r.my[node], r.mxy[node], angle);
    if (freeToTurn) turned.m1 = 0.0;
    const DesignMoments d = WoodArmer(turned);
    return bottom ? d.bottom1 : d.top1;
}

// What a row designs with at a node: the larger design moment of the two ultimate combinations,
// and those of the characteristic and the quasi-permanent one, each adjusted.
StripValues ValuesAt(const Combinations& c, int node, double angle, bool bottom, double adjustment,
                     bool freeToTurn = false) {
    return {adjustment * std::max(DesignMoment(c.liveGoverned, node, angle, bottom, freeToTurn),
                                  DesignMoment(c.deadGoverned, node, angle, bottom, freeToTurn)),
            adjustment * DesignMoment(c.characteristic, node, angle, bottom, freeToTurn),
            adjustment * DesignMoment(c.quasiPermanent, node, angle, bottom, freeToTurn)};
}

int NearestNode(const Mesh& mesh, Point2 p) {
    int nearest = -1;
    double distance = 0.0;
    for (int n = 0; n < static_cast<int>(mesh.nodes.size()); ++n) {
        const double d = std::hypot(mesh.nodes[n].x - p.x, mesh.nodes[n].y - p.y);
        if (nearest < 0 || d < distance) nearest = n, distance = d;
    }
    return nearest;
}

void TakeStrip(DesignRow& row, const StripMean& strip, const Mesh& mesh) {
    if (!strip.found) return;
    row.moment = strip.mean.design;
    row.characteristic = strip.mean.characteristic;
    row.quasiPermanent = strip.mean.quasiPermanent;
    row.at = strip.centre;
    row.node = NearestNode(mesh, strip.centre);
}

void Reinforce(DesignRow& row, const DesignSettings& settings) {
    const SlabSection& section = settings.section;
    row.strip = DesignStrip(row.moment, section, row.bottom ? settings.bottomAreaFactor : settings.topAreaFactor);
    const double mk = row.characteristic;
    row.bars = ChooseBars(row.strip.area, settings.leastDiameter, settings.greatestSpacing,
                          [&](double diameter, double area) { return CrackWidth(mk, diameter, area, section); },
                          settings.crackLimit);
    row.crackWidth = CrackWidth(mk, row.bars.diameter, row.bars.area, section);
    row.status = row.strip.sectionTooSmall               ? RowStatus::SectionTooSmall
                 : row.bars.fit == BarFit::TooLittleArea ? RowStatus::NoBars
                 : row.bars.fit == BarFit::CrackTooWide  ? RowStatus::CrackTooWide
                                                         : RowStatus::Designed;
}

// The outline's re-entrant corners (interior angle above 180°, from the chords' directions) with
// the unit bisector pointing into the slab.
std::vector<std::pair<int, Point2>> ReentrantCorners(const std::vector<OutlineVertex>& outline) {
    std::vector<std::pair<int, Point2>> corners;
    const std::size_t n = outline.size();
    if (n < 3) return corners;
    std::vector<Point2> points;
    for (const OutlineVertex& v : outline) points.push_back({v.x, v.y});
    const double orientation = SignedDoubleArea(points) < 0.0 ? -1.0 : 1.0;
    for (std::size_t k = 0; k < n; ++k) {
        const Point2 &p = points[(k + n - 1) % n], &v = points[k], &q = points[(k + 1) % n];
        const double l1 = std::hypot(p.x - v.x, p.y - v.y), l2 = std::hypot(q.x - v.x, q.y - v.y);
        if (!(l1 > 0.0) || !(l2 > 0.0)) continue;
        const Point2 back{(p.x - v.x) / l1, (p.y - v.y) / l1}, ahead{(q.x - v.x) / l2, (q.y - v.y) / l2};
        // A turn against the outline's sense: the slab wraps round the corner.
        const double turn = orientation * (-back.x * ahead.y + back.y * ahead.x);
        if (turn > -1e-9) continue;
        const double bx = -(back.x + ahead.x), by = -(back.y + ahead.y), length = std::hypot(bx, by);
        corners.push_back({int(k), {bx / length, by / length}});
    }
    return corners;
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
        row.barAngle = settings.barAngle + 90.0 * direction;
        std::vector<StripValues> nodal(mesh.nodes.size());
        for (int n = 0; n < static_cast<int>(mesh.nodes.size()); ++n)
            nodal[n] = ValuesAt(c, n, row.barAngle, true, settings.positiveAdjustment);
        TakeStrip(row, LargestBottomStrip(mesh, nodal, row.barAngle), mesh);
        Reinforce(row, settings);
        design.rows.push_back(row);
    }
    for (std::size_t k = 0; k < slab.outline.size(); ++k) {
        DesignRow row;
        row.bottom = false;
        const OutlineVertex &from = slab.outline[k], &to = slab.outline[(k + 1) % slab.outline.size()];
        row.barAngle = std::atan2(to.y - from.y, to.x - from.x) * 180.0 / kPi + 90.0;
        // The bars cross each mesh edge of the segment at right angles.
        const bool freeToTurn = slab.outline[k].support != EdgeSupport::Fixed;
        std::vector<MeshEdge> edges;
        std::vector<std::pair<StripValues, StripValues>> ends;
        for (const MeshEdge& edge : mesh.edges) {
            if (edge.source != EdgeSource::Outline || edge.index != static_cast<int>(k)) continue;
            const Point2 &a = mesh.nodes[edge.a], &b = mesh.nodes[edge.b];
            const double normal = std::atan2(b.y - a.y, b.x - a.x) * 180.0 / kPi + 90.0;
            edges.push_back(edge);
            ends.emplace_back(ValuesAt(c, edge.a, normal, false, settings.negativeAdjustment, freeToTurn),
                              ValuesAt(c, edge.b, normal, false, settings.negativeAdjustment, freeToTurn));
        }
        TakeStrip(row, LargestEdgeStrip(mesh, edges, ends), mesh);
        Reinforce(row, settings);
        design.rows.push_back(row);
    }

    for (const auto& [vertex, bisector] : ReentrantCorners(slab.outline)) {
        DesignRow row;
        row.bottom = false;
        row.corner = vertex;
        row.barAngle = std::atan2(bisector.y, bisector.x) * 180.0 / kPi + 90.0;
        std::vector<StripValues> nodal(mesh.nodes.size());
        for (int n = 0; n < static_cast<int>(mesh.nodes.size()); ++n)
            nodal[n] = ValuesAt(c, n, row.barAngle, false, settings.negativeAdjustment);
        TakeStrip(row, CornerStrip(mesh, nodal, {slab.outline[vertex].x, slab.outline[vertex].y}, bisector), mesh);
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
