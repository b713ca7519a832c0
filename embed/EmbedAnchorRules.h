// The factors of the anchor-bar capacity formulas and the least anchor-plate thickness.
#pragma once

// Least plate thickness for bars of diameter d: the whole millimetre above 0.6·d, ⌊0.6·d⌋ + 1, so
// that a plate of exactly 0.6·d is raised too.
int GetMinPlateThickness(int nSteelD);

// Shear factor αv = (4 − 0.08·d)·√(fc/fy), at most 0.7.
double GetShearFactor(int nSteelD, double dFc, double dFy);

// Plate-bending factor αb for the width selection 0 "b", 1 "1.2b", 2 "1.5b", 3 "有垫板" (1.0), with
// plate thickness t, bar diameter d and bar spacing b: 0.6 + 0.25·t/d (GB 50010-2002 10.9.1-5),
// reduced by 1 + 0.055·(y/t − 8) where the width y is more than 8·t, never raised; at most 1.0.
double GetPlateBendFactor(int nSlabScale, int nSlabT, int nSteelD, int nSteelB);

// Row factor αr by the number of bar layers: 2 → 1.0, 3 → 0.9, 4 → 0.85.
double GetRowFactor(int nSteelN0);

// Anchorage factor ψ = la / la_req when the bar is anchored less than required, else 1.0.
double GetAnchorageFactor(int nAnchorLa, int nRequiredLa);

// Short-embedment factor γ: 1.0 beyond 15·d, else 1 − 0.027·(15 − la÷d) with the quotient truncated.
double GetEmbedmentFactor(int nAnchorLa, int nSteelD);
// The same with the real quotient la/d, as the pages with end plates, bent bars and shear keys take it.
double GetEmbedmentFactorExact(int nAnchorLa, int nSteelD);
