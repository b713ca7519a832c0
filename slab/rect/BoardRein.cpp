#include "slab/rect/BoardRein.h"

#include <algorithm>
#include <cmath>

#include "win/WinTypes.h"

double CalBoardAs(const double& dM, const double& dImpro, const double& dA1, const double& dFc, const double& dH0,
                  const double& dFy, const double& dEb) {
    const double dAlphaS = std::fabs(dM) * dImpro / (dA1 * dFc * dH0 * dH0 * 1000.0);
    if (1 - 2 * dAlphaS < 0) return -1;
    const double dXi = 1 - std::sqrt(1 - 2 * dAlphaS);
    if (dXi > dEb) return -1;
    return dXi * dA1 * dFc * 1000.0 * dH0 / dFy;
}

namespace {

enum { AREA_TOP, AREA_LEFT, AREA_RIGHT, AREA_BOTTOM, AREA_X, AREA_Y };

class CStripDesign {
public:
    CStripDesign(double dP, int nThick, double dH0, double dEb, double dFc, double dFy, double dA1, double dImpro)
        : m_dP(dP), m_nThick(nThick), m_dH0(dH0), m_dEb(dEb), m_dFc(dFc), m_dFy(dFy), m_dA1(dA1), m_dImpro(dImpro) {}

    double Minimum() const { return m_dP * 1000.0 * m_nThick; }

    // The area for the moment, at least the minimum; FALSE when the section fails or needs nothing.
    BOOL Size(double dM, double& dArea) const {
        const double dAs = CalBoardAs(dM, m_dImpro, m_dA1, m_dFc, m_dH0, m_dFy, m_dEb);
        if (dAs <= 0) return FALSE;
        dArea = dAs / (1000.0 * m_nThick) <= m_dP ? Minimum() : dAs;
        return TRUE;
    }

    // A supported edge without a moment: the minimum, or with the one-third rule the larger of it
    // and a third of the span area across the edge; a free edge nothing.
    double Construction(int nCode, BOOL bThirdRule, double dSpanArea) const {
        if (nCode == SLAB_FREE) return 0.0;
        return bThirdRule ? std::max(Minimum(), dSpanArea / 3.0) : Minimum();
    }

private:
    double m_dP;
    int m_nThick;
    double m_dH0, m_dEb, m_dFc, m_dFy, m_dA1, m_dImpro;
};

}  // namespace

int CalBoardRein(int nKind, int nAs1, int nAs2, double dP, int nThick, int bThickLim, int nThickLim, double dH0,
                 double dEb, double dFc, double dFy, double dA1, double dImpro, const int* pEdges,
                 const SlabMoments& moments, double* pAreas) {
    const CStripDesign design(dP, nThick, dH0, dEb, dFc, dFy, dA1, dImpro);
    const double dMin = design.Minimum();
    double dArea[6] = {0, 0, 0, 0, 0, 0};
    // The supports in the order top, bottom, left, right, each with its moment and the span area
    // across it.
    const int nSupports[4] = {AREA_TOP, AREA_BOTTOM, AREA_LEFT, AREA_RIGHT};
    const int nEdgeOf[4] = {EDGE_TOP, EDGE_BOTTOM, EDGE_LEFT, EDGE_RIGHT};
    const double dMoment[4] = {moments.dTop, moments.dBottom, moments.dLeft, moments.dRight};

    if (nKind == REIN_CANTILEVER) {
        int nFixed = 3;
        for (int i = 0; i < 3; ++i)
            if (pEdges[nEdgeOf[i]] == SLAB_FIXED) {
                nFixed = i;
                break;
            }
        if (!design.Size(dMoment[nFixed], dArea[nSupports[nFixed]])) return 0;
        const BOOL bAlongY = nFixed < 2;
        if (bThickLim && nThick >= nThickLim) dArea[bAlongY ? AREA_Y : AREA_X] = dMin;
    } else if (nKind == REIN_TWO_WAY) {
        if (!design.Size(moments.dMx, dArea[AREA_X]) || !design.Size(moments.dMy, dArea[AREA_Y])) return 0;
        for (int i = 0; i < 4; ++i) {
            const double dSpanArea = i < 2 ? dArea[AREA_Y] : dArea[AREA_X];
            if (dMoment[i] > 0) {
                if (!design.Size(dMoment[i], dArea[nSupports[i]])) return 0;
            } else {
                dArea[nSupports[i]] = design.Construction(pEdges[nEdgeOf[i]], nAs2 == 1, dSpanArea);
            }
        }
    } else {
        // A one-way strip: the span bars along it, distribution bars across it.
        const double dDistribution = 0.0015 * 1000.0 * nThick;
        auto across = [&](double dMain, BOOL bBothFree) {
            if (bBothFree) return 0.0;
            return nKind == REIN_ONE_WAY ? std::max(0.15 * dMain, dDistribution) : dMin;
        };
        if (std::fabs(moments.dMx) > 0.0001) {
            if (!design.Size(moments.dMx, dArea[AREA_X])) return 0;
            dArea[AREA_Y] = across(dArea[AREA_X], pEdges[EDGE_TOP] == SLAB_FREE && pEdges[EDGE_BOTTOM] == SLAB_FREE);
        } else if (std::fabs(moments.dMy) > 0.0001) {
            if (!design.Size(moments.dMy, dArea[AREA_Y])) return 0;
            dArea[AREA_X] = across(dArea[AREA_Y], pEdges[EDGE_LEFT] == SLAB_FREE && pEdges[EDGE_RIGHT] == SLAB_FREE);
        } else {
            // No load: the minimum both ways.
            dArea[AREA_X] = dArea[AREA_Y] = dMin;
        }
        for (int i = 0; i < 4; ++i) {
            const double dSpanArea = i < 2 ? dArea[AREA_Y] : dArea[AREA_X];
            if (std::fabs(dMoment[i]) > 0.0001) {
                if (!design.Size(dMoment[i], dArea[nSupports[i]])) return 0;
            } else {
                dArea[nSupports[i]] = design.Construction(pEdges[nEdgeOf[i]], nAs1 == 1, dSpanArea);
            }
        }
    }
    for (int i = 0; i < 6; ++i) pAreas[i] = dArea[i];
    return 1;
}

int SlabRoundedArea(double dArea) { return static_cast<int>(std::floor(dArea + 0.5)); }
