// The rows of the elastic two-way slab tables from plate theory: Lévy's series where two opposite
// edges are simply supported (cases 1–3, 7, 8), the Ritz method for the rest. Spans are measured in the case's reference span l, so moments come
// in q·l² and deflections in q·l⁴/D.
#pragma once

#include <vector>

namespace slabtables {

// Cases 1–3 (Poisson's ratio 0, l the shorter span). ratio: the shorter span over the longer;
// crossed: the row lies in the second half of a 21-row table (the span perpendicular to the
// fixed edges is the longer one). Columns after the ratio, as the tables hold them:
//   case 1: m_x, m_y, f
//   case 2: m_x, m_x,max, m_y, m_y,max, m'_x, f, f_max
//   case 3: m_x, m_y, m'_x, f
std::vector<double> NoFreeEdgeRow(int elasticCase, double ratio, bool crossed);

// Cases 7 and 8 (one free edge, the side edges simply supported; l the length of the free edge).
// ratio: the span perpendicular to the free edge over its length. One value per Poisson's ratio
// (0, 1/6, 0.3) of every group:
//   case 7: centre parallel, centre perpendicular, free-edge moment, centre deflection, free-edge
//           deflection
//   case 8: centre parallel, centre perpendicular, free-edge moment, fixed-edge moment, centre
//           deflection, free-edge deflection
std::vector<double> FreeEdgeRow(int elasticCase, double ratio);

// Cases 4–6 and 9–13 by the Ritz method, in the columns of their tables: cases 4–6 at Poisson's
// ratio 0 (crossed as for cases 2 and 3), cases 9–13 with a group of three per quantity.
std::vector<double> RitzRow(int elasticCase, double ratio, bool crossed);

extern const double kPoissonColumns[3];

}  // namespace slabtables
