#include "stair/StairBeamModel.h"

namespace {

// 48·EI times the mid-span deflection of a simple beam under a unit load on [0, x], integrated
// from the point load's influence line.
double Phi(double L, double x) {
    if (x <= L / 2) return 1.5 * L * L * x * x - x * x * x * x;
    const double u = L - x;
    return 5 * L * L * L * L / 8 - (1.5 * L * L * u * u - u * u * u * u);
}

}  // namespace

StairBeamForces StairBeamSolve(double L, const StairBeamSegment* pSegments, int nSegments, int nRestraint) {
    StairBeamForces f;
    if (L <= 0) return f;
    double dMLff = 0, dMRff = 0, dRL0 = 0, dRR0 = 0, dM0 = 0, dF0 = 0;
    const double dMid = L / 2;
    for (int i = 0; i < nSegments; i++) {
        const StairBeamSegment& s = pSegments[i];
        const double c = s.x2 - s.x1;
        if (c <= 0 || s.q == 0) continue;
        const double a = (s.x1 + s.x2) / 2, bb = L - a;
        const double W = s.q * c;
        dRL0 += W * bb / L;
        dRR0 += W * a / L;
        dMLff -= W * (12 * a * bb * bb + c * c * (L - 3 * bb)) / (12 * L * L);
        dMRff -= W * (12 * a * a * bb + c * c * (L - 3 * a)) / (12 * L * L);
        // Moment at L/2 of the simple beam: the upper reaction less the load left of mid-span.
        dM0 += W * bb / L * dMid;
        const double xe = s.x2 < dMid ? s.x2 : dMid;
        if (xe > s.x1) {
            const double cl = xe - s.x1;
            dM0 -= s.q * cl * (dMid - (s.x1 + xe) / 2);
        }
        dF0 += s.q * (Phi(L, s.x2) - Phi(L, s.x1)) / 48;
    }
    switch (nRestraint) {
    case STAIR_BEAM_LOWER_FIXED:
        f.MR = dMRff + 0.5 * dMLff;
        break;
    case STAIR_BEAM_UPPER_FIXED:
        f.ML = dMLff + 0.5 * dMRff;
        break;
    case STAIR_BEAM_FIXED:
        f.ML = dMLff;
        f.MR = dMRff;
        break;
    default:
        break;
    }
    f.RL = dRL0 + (f.MR - f.ML) / L;
    f.RR = dRR0 - (f.MR - f.ML) / L;
    f.Mmid = dM0 + (f.ML + f.MR) / 2;
    f.dFB = dF0 + (f.ML + f.MR) * L * L / 16;
    return f;
}
