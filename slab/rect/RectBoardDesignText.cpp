// The design texts of the full report: the flexural design of one moment and the whole design text
// of one position (minimum ratio, amplification, distribution and construction bars).
#include <algorithm>
#include <cmath>

#include "slab/rect/BoardRein.h"
#include "slab/rect/RectBoardCalculator.h"
#include "slab/rect/SlabNumberText.h"
#include "slab/rect/SlabReportParts.h"

namespace {

// How the minimum-ratio check of a position fails and which line says so.
struct MinRatioRule {
    bool bFailsAtEqual;      // ρ ≤ ρmin fails (else ρ < ρmin)
    LPCTSTR lpszFailLine;    // "ρ<ρmin …" with its blanks
    LPCTSTR lpszTakenLine;   // "所以取面积为 …"
};

const LPCTSTR kFailThree = "       ρ<ρmin = %.3lf%%   不满足最小配筋要求\n";
const LPCTSTR kFailTwo = "       ρ<ρmin = %.3lf%%  不满足最小配筋要求\n";
const LPCTSTR kTaken = "       所以取面积为As = ρmin*b*h = %.3lf%%*%d*%d = %d mm$2$\n";
const LPCTSTR kTakenTight = "       所以取面积为As = ρmin*b*h = %.3lf%%*%d*%d = %dmm$2$\n";

MinRatioRule RuleOf(int nCode, int nPosition) {
    switch (nCode) {
    case SLAB_CODE_TWO_WAY:
        if (nPosition == POS_RIGHT) return {true, kFailTwo, kTaken};
        return {false, kFailTwo, nPosition == POS_LEFT ? kTakenTight : kTaken};
    case SLAB_CODE_CANTILEVER:
        if (nPosition == POS_LEFT) return {false, kFailTwo, kTaken};
        return {true, kFailThree, kTaken};
    default: return {false, kFailThree, kTaken};
    }
}

}  // namespace

double CRectBoardCalculator::WriteFlexureText(CWordObject* pReport, const double* pMoment, const double* pImpro,
                                              const double* pA1, const double* pFc, const int* pH0,
                                              const double* pFy, const double* pEb, int* pStep) {
    if (!pReport) return -1;
    const double dM = *pMoment, dH0 = *pH0;
    const double dAlphaS = *pImpro * dM / (*pA1 * *pFc * 1000 * dH0 * dH0);
    const double dXi = 1 - std::sqrt(1 - 2 * dAlphaS);
    // A section the concrete cannot carry (no root, or ξ beyond ξb) has no area to report.
    if (!(dXi <= *pEb)) return -1;
    const double dAs = *pA1 * *pFc * 1000 * dH0 * dXi / *pFy;
    LPCTSTR lpszAlphaS = dM == m_moments.dMx   ? "       αs = γo*Mx/(α1*fc*b*ho*ho)\n"
                         : dM == m_moments.dMy ? "       αs = γo*My/(α1*fc*b*ho*ho)\n"
                         : (dM == m_moments.dLeft || dM == m_moments.dRight)
                             ? "       αs = γo*M$o$x/(α1*fc*b*ho*ho)\n"
                             : "       αs = γo*M$o$y/(α1*fc*b*ho*ho)\n";
    CString strText = SlabFormat("     %d) 确定计算系数\n", (*pStep)++);
    strText += lpszAlphaS;
    strText += SlabFormat("          = %.2lf*%s/(%.2lf*%.1lf*%d*%d*%d)\n", *pImpro,
                          static_cast<LPCTSTR>(NumToStrE6(dM, 3)), *pA1, *pFc, 1000, *pH0, *pH0);
    strText += SlabFormat("          = %.3lf\n", dAlphaS);
    strText += SlabFormat("     %d) 计算相对受压区高度\n", (*pStep)++);
    strText += "       ξ = 1-sqrt(1-2*αs) = ";
    strText += SlabFormat("1-sqrt(1-2*%.3lf) = %.3lf\n", dAlphaS, dXi);
    strText += SlabFormat("     %d) 计算受拉钢筋面积\n", (*pStep)++);
    strText += "       As = α1*fc*b*ho*ξ/fy = ";
    strText += SlabFormat("%.3lf*%.1lf*%d*%d*%.3lf/%.0lf\n", *pA1, *pFc, 1000, *pH0, dXi, *pFy);
    strText += SlabFormat("          = %dmm$2$\n", SlabRoundedArea(dAs));
    try {
        WriteReportText(pReport, strText);
    } catch (...) {
        return 0;
    }
    return dAs;
}

void CRectBoardCalculator::WriteReinLimitText(CWordObject* pReport, const int* pCode, const int* pPosition,
                                              int* pStep) {
    if (!pReport) return;
    const RectBoardInputs& in = m_inputs;
    const CRectBoardMomentCal& mc = m_moment;
    const int nCode = *pCode;
    const int nPosition = nCode == SLAB_CODE_CANTILEVER ? SlabFirstFixedEdge(in) : *pPosition;
    if (nPosition < 0) return;
    const int nH = in.nThick, nH0 = in.nThick - in.nAs;
    const double dRhoMin = in.dP, dRhoMinPercent = 100 * in.dP;
    const double dMinArea = dRhoMin * 1000 * nH;
    const bool bSpan = nPosition == POS_XSPAN || nPosition == POS_YSPAN;
    const double dM = SlabMomentAt(m_moments, nPosition);

    // The minimum-ratio check of an area: the lines, and the area taken.
    auto minRatio = [&](double& dAs) {
        const MinRatioRule rule = RuleOf(nCode, nPosition);
        const double dRho = dAs / (1000.0 * nH);
        CString strText = SlabFormat("     %d) 验算最小配筋率\n", (*pStep)++);
        strText += SlabFormat("       ρ = As/(b*h) = %d/(%d*%d) = %.3lf%%\n", SlabRoundedArea(dAs), 1000, nH,
                              100 * dRho);
        if (rule.bFailsAtEqual ? dRho <= dRhoMin : dRho < dRhoMin) {
            strText += SlabFormat(rule.lpszFailLine, dRhoMinPercent);
            strText += SlabFormat(rule.lpszTakenLine, dRhoMinPercent, 1000, nH, SlabRoundedArea(dMinArea));
            dAs = dMinArea;
        } else {
            strText += SlabFormat("       ρ≥ρmin = %.3lf%%   满足最小配筋要求\n", dRhoMinPercent);
        }
        return strText;
    };
    // The user's amplification of an area (bottom bars or supports): the lines, and the area.
    auto amplify = [&](double& dAs, bool bBottom, LPCTSTR lpszSupportLine) {
        const int bOn = bBottom ? in.nMagnify1 : in.nMagnify2;
        if (!bOn) return CString();
        const double dFactor = bBottom ? in.dMagnifyValue1 : in.dMagnifyValue2;
        CString strText = SlabFormat(bBottom ? "       用户选择了底板放大系数，系数值为:%.2lf\n" : lpszSupportLine, dFactor);
        strText += SlabFormat("       所以最后面积As = %d*%.2lf = %d mm$2$\n", SlabRoundedArea(dAs), dFactor,
                              SlabRoundedArea(dAs * dFactor));
        dAs *= dFactor;
        return strText;
    };
    const LPCTSTR kSupportFactor = "       用户选择了支座放大系数，系数值为:%.2lf\n";
    double dImpro = mc.m_dImpro, dA1 = mc.m_dA1, dFc = mc.m_dFc, dFy = mc.m_dFy, dEb = mc.m_dEb;
    auto flexure = [&]() { return WriteFlexureText(pReport, &dM, &dImpro, &dA1, &dFc, &nH0, &dFy, &dEb, pStep); };

    try {
        if (nCode == SLAB_CODE_TWO_WAY) {
            double dAs = flexure();
            if (dAs < 0) return;
            CString strText = minRatio(dAs);
            strText += amplify(dAs, bSpan, kSupportFactor);
            WriteReportText(pReport, strText);
            return;
        }
        if (nCode == SLAB_CODE_CANTILEVER) {
            double dAs = flexure();
            if (dAs < 0) return;
            CString strText = minRatio(dAs);
            strText += amplify(dAs, false, kSupportFactor);
            if (in.bThickLim && nH >= in.nThickLim) {
                const bool bY = nPosition == POS_TOP || nPosition == POS_BOTTOM;
                strText += SlabFormat(bY ? "     %d) 构造Y向底板钢筋\n" : "     %d) 构造X向底板钢筋\n", (*pStep)++);
                strText += SlabFormat(nPosition == POS_TOP
                                          ? "       当悬臂板时，底板相应方向布置构造钢筋，板厚值%d板厚限值%d\n"
                                          : "       当悬臂板时，底板相应方向布置构造钢筋，%d板厚限值%d\n",
                                      nH, in.nThickLim);
                if (nPosition == POS_BOTTOM)
                    strText += SlabFormat("       所以构造底板钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %.2lf\n",
                                          dRhoMinPercent, 1000, nH, dMinArea);
                else
                    strText += SlabFormat("       所以构造底板钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %d mm$2$\n",
                                          dRhoMinPercent, 1000, nH, SlabRoundedArea(dMinArea));
                double dBottom = dMinArea;
                strText += amplify(dBottom, true, kSupportFactor);
            }
            WriteReportText(pReport, strText);
            return;
        }

        // One-way slabs (codes 0 and 3).
        const bool bFallback = nCode == SLAB_CODE_FALLBACK;
        if (std::fabs(dM) > 0.0001) {
            double dAs = flexure();
            if (dAs < 0) return;
            // The distribution bars take 15 % of the span area as designed, before its factor.
            if (nPosition == POS_XSPAN) {
                WriteReportText(pReport, minRatio(dAs));
                const double dMain = dAs;
                if (in.nMagnify1) WriteReportText(pReport, amplify(dAs, true, kSupportFactor));
                if (in.nTop == SLAB_FREE && in.nBottom == SLAB_FREE) return;
                CString strText;
                double dDist;
                if (bFallback) {
                    strText = SlabFormat("     %d) 构造纵跨底板构造钢筋\n", (*pStep)++);
                    strText += SlabFormat("       钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %d mm$2$\n", dRhoMinPercent, 1000,
                                          nH, SlabRoundedArea(dMinArea));
                    dDist = dMinArea;
                } else {
                    strText = SlabFormat("     %d) 计算纵跨分布钢筋面积\n", (*pStep)++);
                    strText += "       不宜小于横跨板底钢筋面积的15%,所以面积为:\n";
                    strText += SlabFormat("       As1 = As*0.15 = %.2lf*0.15 = %.2lfmm$2$\n", dMain, 0.15 * dMain);
                    strText += "       不宜小于该方向截面面积的0.15%,所以面积为:\n";
                    strText += SlabFormat("       As1 = h*b*0.0015 = %d*%d*0.0015 = %.2lfmm$2$\n", nH, 1000, 1.5 * nH);
                    dDist = std::max(0.15 * dMain, 1.5 * nH);
                    strText += SlabFormat("       取二者中较大值，所以分布钢筋面积As = %dmm$2$\n", SlabRoundedArea(dDist));
                }
                WriteReportText(pReport, strText);
                if (in.nMagnify1 && dDist > 0) WriteReportText(pReport, amplify(dDist, true, kSupportFactor));
                return;
            }
            if (nPosition == POS_YSPAN) {
                CString strText = minRatio(dAs);
                const double dMain = dAs;
                strText += amplify(dAs, true, kSupportFactor);
                WriteReportText(pReport, strText);
                strText.Empty();
                if (!(in.nLeft == SLAB_FREE && in.nRight == SLAB_FREE)) {
                    double dDist;
                    if (bFallback) {
                        strText = SlabFormat("     %d) 构造横跨底板构造钢筋\n", (*pStep)++);
                        strText += SlabFormat("       钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %d mm$2$\n", dRhoMinPercent,
                                              1000, nH, SlabRoundedArea(dMinArea));
                        dDist = dMinArea;
                    } else {
                        strText = SlabFormat("     %d) 计算横跨分布钢筋面积\n", (*pStep)++);
                        strText += "       不宜小于纵跨板底钢筋面积的15%,所以面积为:\n";
                        strText += SlabFormat("       As1 = As*0.15 = %.2lf*0.15 = %d mm$2$\n", dMain,
                                              SlabRoundedArea(0.15 * dMain));
                        strText += "       不宜小于该方向截面面积的0.15%,所以面积为:\n";
                        strText += SlabFormat("       As1 = h*b*0.0015 = %d*%d*0.0015 = %d mm$2$\n", nH, 1000,
                                              SlabRoundedArea(1.5 * nH));
                        dDist = std::max(0.15 * dMain, 1.5 * nH);
                        strText += SlabFormat("       取二者中较大值，所以分布钢筋面积As = %d mm$2$\n", SlabRoundedArea(dDist));
                    }
                    if (dDist > 0) strText += amplify(dDist, true, kSupportFactor);
                }
                WriteReportText(pReport, strText);
                return;
            }
            CString strText = minRatio(dAs);
            strText += amplify(dAs, false, kSupportFactor);
            WriteReportText(pReport, strText);
            return;
        }
        if (bSpan || SlabEdgeAt(in, nPosition) == SLAB_FREE) return;

        // A support without moment: construction bars of ρmin, at least a third of the span across.
        struct Construction {
            LPCTSTR lpszStep, lpszArea, lpszChoice, lpszDirection, lpszThird, lpszFactor;
            double dBase;
        };
        const LPCTSTR kAreaLine = "       钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %d\n";
        const LPCTSTR kYDirection = "       方向纵向钢筋截面面积的三分之一,所以:\n";
        const LPCTSTR kYThird = "       面积s = 纵跨板底钢筋面积/3 = %d mm$2$\n";
        const LPCTSTR kXDirection = "       方向横跨方向钢筋截面面积的三分之一,所以:\n";
        const LPCTSTR kXThird = "       面积s = 横跨跨板底钢筋面积/3 = %d mm$2$\n";
        // The third is of the span area as designed, before its factor, as the calculation takes it.
        const double dAreaX = mc.m_dDesignAreas[4], dAreaY = mc.m_dDesignAreas[5];
        const Construction c =
            nPosition == POS_TOP
                ? Construction{"     %d) 构造上边钢筋面积\n",
                               "       构造钢筋面积As = ρmin*b*h = %.3lf%%*%d*%d = %d mm$2$\n",
                               "       用户选择了单向板上部板边构造钢筋截面面积不宜小于板跨中相应\n", kYDirection, kYThird,
                               kSupportFactor, dAreaY}
            : nPosition == POS_BOTTOM
                ? Construction{"     %d) 构造下边钢筋面积\n", kAreaLine,
                               "       用户选择了单向板下部板边构造钢筋截面面积不宜小于板跨中相应\n", kYDirection, kYThird,
                               "       用选择了支座放大系数，系数值为:%.2lf\n", dAreaY}
            : nPosition == POS_LEFT
                ? Construction{"     %d) 构造左边钢筋面积\n", kAreaLine,
                               "       用户选择了单向板左部板边构造钢筋截面面积不宜小于板跨中相应\n", kXDirection, kXThird,
                               kSupportFactor, dAreaX}
                : Construction{"     %d) 构造右边钢筋面积\n", kAreaLine,
                               "       用户选择了单向板右部板边构造钢筋截面面积不宜小于板跨中相应\n", kXDirection, kXThird,
                               kSupportFactor, dAreaX};
        CString strText = SlabFormat(c.lpszStep, (*pStep)++);
        strText += SlabFormat(c.lpszArea, dRhoMinPercent, 1000, nH, SlabRoundedArea(dMinArea));
        double dAs = dMinArea;
        if (in.nAs1) {
            const double dThird = c.dBase / 3;
            dAs = std::max(dThird, dMinArea);
            strText += c.lpszChoice;
            strText += c.lpszDirection;
            strText += SlabFormat(c.lpszThird, SlabRoundedArea(dThird));
            strText += SlabFormat("       我们去其中两个值较大者，所以构造钢筋面积为%d mm$2$\n", SlabRoundedArea(dAs));
        }
        strText += amplify(dAs, false, c.lpszFactor);
        WriteReportText(pReport, strText);
    } catch (...) {
        // A refused row ends the text; the rows written stay.
    }
}
