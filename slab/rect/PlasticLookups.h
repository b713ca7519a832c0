// The plastic coefficient lookups of cases 14–22: the short-span moment ζ·q·l² (C·ζ·q·l² when the
// span bars are curtailed), the long-span moment α times that (α = 1/n²), each fixed edge β times
// the span moment across it. The result holds α, ζ, C.
#pragma once

#include "slab/rect/SlabRecords.h"

// The row nearest n within the block of β (2.0, 1.6, else 1.2) of a 63-row table.
int FindPlasticRow(const double& dLx, const double& dLy, const double* pTable, double n, double dBeta, int nStride,
                   int nCount);

// α, ζ, C of a case 14–21 (another number: the table of case 21) at the slab's ratio and β. 0 when
// n lies outside [1, 2] or the case is negative.
int LookupPlasticTable(const double& dLx, const double& dLy, double* pResult, SlabMoments& moments, const int* pEdges,
                       double dBeta, int nCase);

// 1 done, 2 β outside [1.2, 2.0] (nothing written), 0 n outside [1, 2].
#define SLAB_PLASTIC_LOOKUP(n)                                                                           \
    int GetPlasticCoef##n(const double& dLx, const double& dLy, double* pResult, SlabMoments& moments,   \
                          const int* pEdges, int& nSpan, const double& dQ, const double& dBeta, const int& nHalfArea)
SLAB_PLASTIC_LOOKUP(14);
SLAB_PLASTIC_LOOKUP(15);
SLAB_PLASTIC_LOOKUP(16);
SLAB_PLASTIC_LOOKUP(17);
SLAB_PLASTIC_LOOKUP(18);
SLAB_PLASTIC_LOOKUP(19);
SLAB_PLASTIC_LOOKUP(20);
SLAB_PLASTIC_LOOKUP(21);
SLAB_PLASTIC_LOOKUP(22);
#undef SLAB_PLASTIC_LOOKUP

// The lookup of a plastic case 14–22 by its number; 0 for another number.
int GetPlasticCoef(int nCase, const double& dLx, const double& dLy, double* pResult, SlabMoments& moments,
                   const int* pEdges, int& nSpan, const double& dQ, const double& dBeta, const int& nHalfArea);
