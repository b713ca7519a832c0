#include "ElasticCases.h"

#include <algorithm>

#include "LevySeries.h"
#include "RitzPlate.h"

namespace slabtables {

const double kPoissonColumns[3] = {0.0, 1.0 / 6.0, 0.3};

namespace {

// The largest of a quantity at steps of a tenth of the reference span along a line of the given
// length from a fixed edge, over the first three quarters of the line: the handbook's "max"
// columns are such sampled maxima (its 2:1 rows stop 1.5 spans from the fixed edge), not exact ones.
template <typename Value>
double LargestAtTenths(double length, Value value) {
    double largest = value(0.0);
    for (int k = 1; k <= 0.75 * length * 10 + 1e-9; ++k) largest = std::max(largest, value(k / 10.0));
    return largest;
}

// High enough for four printed digits of every tabulated quantity, low enough for a quick check.
const int kRitzOrder = 24;

}  // namespace

std::vector<double> NoFreeEdgeRow(int elasticCase, double ratio, bool crossed) {
    LevyPlate plate;  // ν = 0
    if (elasticCase == 1) {
        // s along the short span x, t along y.
        plate.a = 1.0;
        plate.b = 1.0 / ratio;
        const PlateValues c = LevyAt(plate, 0.5, plate.b / 2);
        return {c.ms, c.mt, c.w};
    }
    // Cases 2 and 3: t runs along x, perpendicular to the fixed edge(s), from the fixed edge t = 0;
    // s along y between the two simply supported edges.
    const double lx = crossed ? 1.0 / ratio : 1.0;
    const double ly = crossed ? 1.0 : 1.0 / ratio;
    plate.a = ly;
    plate.b = lx;
    plate.edge0 = Edge::Fixed;
    plate.edge1 = elasticCase == 3 ? Edge::Fixed : Edge::Simple;
    const double s = ly / 2;
    const PlateValues c = LevyAt(plate, s, lx / 2);
    const PlateValues support = LevyAt(plate, s, 0.0);
    if (elasticCase == 3) return {c.mt, c.ms, support.mt, c.w};
    const double mxMax = LargestAtTenths(lx, [&](double x) { return LevyAt(plate, s, x).mt; });
    const double myMax = LargestAtTenths(lx, [&](double x) { return LevyAt(plate, s, x).ms; });
    const double wMax = LargestAtTenths(lx, [&](double x) { return LevyAt(plate, s, x).w; });
    return {c.mt, mxMax, c.ms, myMax, support.mt, c.w, wMax};
}

std::vector<double> FreeEdgeRow(int elasticCase, double ratio) {
    // s along the free edge (length 1), t from the opposite edge (t = 0) to the free edge.
    std::vector<PlateValues> centre, edge, support;
    for (double nu : kPoissonColumns) {
        LevyPlate plate;
        plate.a = 1.0;
        plate.b = ratio;
        plate.edge0 = elasticCase == 8 ? Edge::Fixed : Edge::Simple;
        plate.edge1 = Edge::Free;
        plate.poisson = nu;
        centre.push_back(LevyAt(plate, 0.5, ratio / 2));
        edge.push_back(LevyAt(plate, 0.5, ratio));
        support.push_back(LevyAt(plate, 0.5, 0.0));
    }
    std::vector<double> row;
    auto group = [&](const std::vector<PlateValues>& at, double PlateValues::*field) {
        for (const PlateValues& v : at) row.push_back(v.*field);
    };
    group(centre, &PlateValues::ms);
    group(centre, &PlateValues::mt);
    group(edge, &PlateValues::ms);
    if (elasticCase == 8) group(support, &PlateValues::mt);
    group(centre, &PlateValues::w);
    group(edge, &PlateValues::w);
    return row;
}

std::vector<double> RitzRow(int elasticCase, double ratio, bool crossed) {
    RitzPlate plate;
    plate.order = kRitzOrder;
    if (elasticCase <= 6) {
        // x along the table's x axis; the fixed edges at x = 0 and y = 0 first.
        plate.lx = crossed ? 1.0 / ratio : 1.0;
        plate.ly = crossed ? 1.0 : 1.0 / ratio;
        plate.left = plate.bottom = Edge::Fixed;
        plate.right = elasticCase == 5 ? Edge::Simple : Edge::Fixed;
        plate.top = elasticCase == 4 ? Edge::Fixed : Edge::Simple;
        const RitzSolution solution(plate);
        const double x = plate.lx / 2, y = plate.ly / 2;
        const PlateValues c = solution.At(x, y);
        const double mxSupport = solution.At(0, y).ms, mySupport = solution.At(x, 0).mt;
        if (elasticCase == 4) return {c.ms, c.mt, mxSupport, mySupport, c.w};
        // The maxima along the centre line across the fixed edge y = 0.
        const double mxMax = LargestAtTenths(plate.ly, [&](double f) { return solution.At(x, f).ms; });
        const double myMax = LargestAtTenths(plate.ly, [&](double f) { return solution.At(x, f).mt; });
        const double wMax = LargestAtTenths(plate.ly, [&](double f) { return solution.At(x, f).w; });
        return {c.ms, mxMax, c.mt, myMax, mxSupport, mySupport, c.w, wMax};
    }
    // Quantity by quantity, one value per Poisson's ratio.
    std::vector<std::vector<double>> groups;
    auto add = [&](std::vector<double> values) {
        groups.resize(values.size());
        for (size_t g = 0; g < values.size(); ++g) groups[g].push_back(values[g]);
    };
    for (double nu : kPoissonColumns) {
        plate.poisson = nu;
        if (elasticCase <= 10) {
            // The free edge at the top, of length 1; the fixed side edges at x = 0 and x = 1.
            plate.lx = 1.0;
            plate.ly = ratio;
            plate.left = plate.right = Edge::Fixed;
            plate.bottom = elasticCase == 9 ? Edge::Simple : Edge::Fixed;
            plate.top = Edge::Free;
            const RitzSolution s(plate);
            const PlateValues corner = s.At(0, ratio), edge = s.At(0.5, ratio), c = s.At(0.5, ratio / 2);
            const PlateValues side = s.At(0, ratio / 2), opposite = s.At(0.5, 0);
            if (elasticCase == 9)
                add({corner.ms, c.ms, c.mt, edge.ms, side.ms, c.w, edge.w});
            else
                add({corner.ms, edge.ms, c.ms, c.mt, side.ms, opposite.mt, c.w, edge.w});
            continue;
        }
        // Cases 11–13: the longer span 1; free edges at the top and right (case 12), at the top and
        // sides (case 13) or all round (case 11), posts where two free edges meet.
        const bool shortAlongX = !(elasticCase == 13 && crossed);
        plate.lx = shortAlongX ? ratio : 1.0;
        plate.ly = shortAlongX ? 1.0 : ratio;
        plate.left = elasticCase == 12 ? Edge::Simple : Edge::Free;
        plate.bottom = elasticCase == 11 ? Edge::Free : Edge::Simple;
        plate.right = plate.top = Edge::Free;
        plate.posts[0] = plate.posts[1] = elasticCase == 11;
        plate.posts[2] = elasticCase != 12;
        plate.posts[3] = true;
        const RitzSolution s(plate);
        const double x = plate.lx / 2, y = plate.ly / 2;
        const double edgeY = elasticCase == 11 ? 0.0 : plate.ly;  // the free edge across x
        const double edgeX = elasticCase == 12 ? plate.lx : 0.0;  // the free edge across y
        const PlateValues c = s.At(x, y), across = s.At(x, edgeY), along = s.At(edgeX, y);
        add({c.ms, c.mt, across.ms, along.mt, c.w, across.w, along.w});
    }
    std::vector<double> row;
    for (const auto& group : groups) row.insert(row.end(), group.begin(), group.end());
    return row;
}

}  // namespace slabtables
