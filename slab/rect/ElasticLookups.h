// The elastic coefficient lookups of the thirteen support cases. Each takes the spans, fills the
// coefficient row (at least ten doubles: the values read, slot 3 the deflection coefficient, slot
// 4 ν in cases 7–13), the moments (coefficient × q·l²), the moment list (coefficients), l (the
// span the moments were scaled with) and the texts of the shared notes record. Results: 1 done,
// 2 Poisson's ratio outside [0, 0.3] (nothing written), 0 side ratio outside the table (only the
// ratio text written).
#pragma once

#include "slab/rect/SlabRecords.h"

#define SLAB_ELASTIC_LOOKUP(n)                                                                            \
    int GetElasticCoef##n(const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,      \
                          SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ, const double& dPoisson)
SLAB_ELASTIC_LOOKUP(1);
SLAB_ELASTIC_LOOKUP(2);
SLAB_ELASTIC_LOOKUP(3);
SLAB_ELASTIC_LOOKUP(4);
SLAB_ELASTIC_LOOKUP(5);
SLAB_ELASTIC_LOOKUP(6);
#undef SLAB_ELASTIC_LOOKUP

#define SLAB_FREE_EDGE_LOOKUP(n)                                                                          \
    int GetElasticCoef##n(const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,      \
                          SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ, double dPoisson)
SLAB_FREE_EDGE_LOOKUP(7);
SLAB_FREE_EDGE_LOOKUP(8);
SLAB_FREE_EDGE_LOOKUP(9);
SLAB_FREE_EDGE_LOOKUP(10);
SLAB_FREE_EDGE_LOOKUP(11);
SLAB_FREE_EDGE_LOOKUP(12);
SLAB_FREE_EDGE_LOOKUP(13);
#undef SLAB_FREE_EDGE_LOOKUP

// The lookup of an elastic case 1–13 by its number (the calculators' dispatch); 0 for another
// number.
int GetElasticCoef(int nCase, const double& dLx, const double& dLy, double* pCoef, SlabMoments& moments,
                   SlabMomentList& list, const int* pEdges, int& nSpan, const double& dQ, double dPoisson);
