// Sections 七 (long-term deflection) and 八 (crack width) of the slab's full report, with the
// texts that retell the code formulas with the numbers.
#include <algorithm>
#include <cmath>

#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardCalculator.h"
#include "slab/rect/SlabNumberText.h"
#include "slab/rect/SlabReportParts.h"
#include "slab/rect/SlabSteps.h"

namespace {

int Rounded(double dValue) { return static_cast<int>(dValue + 0.5); }

CString EsText(double dEs) { return SlabFormat("%.1lf×10$5$", dEs * 0.00001); }

CString LoText(int nLo) {
    CString strLo;
    NumToTrimStr(nLo * 0.001, strLo);
    return strLo;
}

// The coefficient of a one-way strip by its two ends, and its divisor text.
struct StripFactor {
    double dK;
    LPCTSTR lpszFactor;  // "", "9*"
    int nDivisor;
};

StripFactor FactorOf(int nEnd0, int nEnd1) {
    const bool bFixed0 = nEnd0 == SLAB_FIXED, bFixed1 = nEnd1 == SLAB_FIXED;
    if (bFixed0 && bFixed1) return {1.0 / 24, "", 24};
    if (bFixed0 || bFixed1) return {9.0 / 128, "9*", 128};
    return {1.0 / 8, "", 8};
}

}  // namespace

void CRectBoardCalculator::WriteDeflectionSection(CWordObject* pReport) {
    const RectBoardInputs& in = m_inputs;
    const int nMethod = m_moment.GetMethod();
    const int nLo = CRectBoardDeflectCal::GetSpan();
    const CString strLo = LoText(nLo);
    const double dLo2 = nLo * static_cast<double>(nLo);
    double dMk = m_dMk, dMq = m_dMq, dCoef = 0;
    int nNumber = 3;
    WriteReportText(pReport, "七、跨中挠度计算：\n     Mk --------  按荷载效应的标准组合计算的弯矩值\n"
                             "     Mq --------  按荷载效应的准永久组合计算的弯矩值\n");
    if (nMethod == SLAB_STEP_CANTILEVER) {
        dMk = (in.dQgk + in.dQqk) * dLo2 / 2;
        dMq = (in.dQgk + in.dWq * in.dQqk) * dLo2 / 2;
        CString strText = "   1.计算标准组合弯距值M~k~:\n     Mk = M~gk~+M~qk~ = (ｑgk+ｑqk)*Lo$2$/2\n";
        strText += SlabFormat("        = (%.3lf+%.3lf)*%s$2$/2\n", in.dQgk, in.dQqk, static_cast<LPCTSTR>(strLo));
        strText += SlabFormat("        = %.3lf kN*m\n", dMk * 0.000001);
        strText += "   2.计算永久组合弯距值M~q~:\n     Mk = M~gk~+M~qk~ = (ｑgk+ψq*ｑqk)*Lo$2$/2\n";
        strText += SlabFormat("        = (%.3lf+%.1lf*%.3lf)*%s$2$/2\n", in.dQgk, in.dWq, in.dQqk,
                              static_cast<LPCTSTR>(strLo));
        strText += SlabFormat("        = %.3lf kN*m\n", dMq * 0.000001);
        WriteReportText(pReport, strText);
    } else if (nMethod == SLAB_STEP_TABLE) {
        nNumber = 2;
        dCoef = GetCoef();
        WriteReportText(pReport, "   1.计算荷载效应\n");
        const bool bLxShort = in.nLength < in.nWidth;
        dMk = bLxShort ? m_serviceMoments.dMx : m_serviceMoments.dMy;
        const double dQk = in.dQgk + in.dQqk;
        dMq = dQk > 0 ? dMk * (in.dQgk + in.dWq * in.dQqk) / dQk : 0.0;
        SlabTableNotes notes;
        m_moment.GetTableNotes(notes);
        const CString strCoef = in.nBoardKind != 1 ? CString(bLxShort ? notes.szMxText : notes.szMyText)
                                : in.nHalfArea     ? SlabFormat("%.4lf*%.4lf", notes.dC, notes.dZeta)
                                                   : SlabFormat("%.4lf", notes.dZeta);
        CString strText = "     Mk = Mgk + Mqk\n";
        strText += SlabFormat("        = %s*(%.3lf+%.3lf)*%s$2$ = %.3lf kN*m\n", static_cast<LPCTSTR>(strCoef), in.dQgk,
                              in.dQqk, static_cast<LPCTSTR>(strLo), dMk * 0.000001);
        strText += "     Mq = Mgk+ψq*Mqk\n";
        strText += SlabFormat("        = %s*(%.3lf+%.3lf*%.3lf)*%s$2$ = %.3lf kN*m\n", static_cast<LPCTSTR>(strCoef),
                              in.dQgk, in.dWq, in.dQqk, static_cast<LPCTSTR>(strLo), dMq * 0.000001);
        WriteReportText(pReport, strText);
    } else {
        const int nDirection = SlabSpanDirection(in, nMethod);
        const int nEnd0 = nDirection == SPAN_X ? in.nLeft : in.nBottom;
        const int nEnd1 = nDirection == SPAN_X ? in.nRight : in.nTop;
        // A strip with a free end has no moments here: the deflection calculation's own are used.
        if (nDirection != SPAN_NONE && nEnd0 != SLAB_FREE && nEnd1 != SLAB_FREE) {
            const StripFactor f = FactorOf(nEnd0, nEnd1);
            dMk = f.dK * (in.dQgk + in.dQqk) * dLo2;
            dMq = f.dK * (in.dQgk + in.dWq * in.dQqk) * dLo2;
            CString strText = "   1.计算标准组合弯距值M~k~:\n";
            strText += SlabFormat("     Mk = M~gk~+M~qk~ = %s(ｑgk+ｑqk)*Lo$2$/%d\n", f.lpszFactor, f.nDivisor);
            strText += SlabFormat("        = %s(%.3lf+%.3lf)*%s$2$/%d\n", f.lpszFactor, in.dQgk, in.dQqk,
                                  static_cast<LPCTSTR>(strLo), f.nDivisor);
            strText += SlabFormat("        = %.3lf kN*m\n", dMk * 0.000001);
            strText += "   2.计算永久组合弯距值Mq:\n";
            strText += SlabFormat("     Mq = M~gk~+M~qk~ = %s(ｑgk+ψq*ｑqk)*Lo$2$/%d\n", f.lpszFactor, f.nDivisor);
            strText += SlabFormat("        = %s(%.3lf+%.1lf*%.3lf)*%s$2$/%d\n", f.lpszFactor, in.dQgk, in.dWq, in.dQqk,
                                  static_cast<LPCTSTR>(strLo), f.nDivisor);
            strText += SlabFormat("        = %.3lf kN*m\n", dMq * 0.000001);
            WriteReportText(pReport, strText);
        }
    }
    const double dAs = m_nAsUsed;
    const int nCase = m_nDeflectCase;
    WriteDeflectionText({pReport, &dMk, &dMq, &dAs, &nLo, &nCase, &nNumber, &dCoef});
}

void CRectBoardCalculator::WriteDeflectionText(DeflectionText text) {
    CWordObject* pReport = text.pReport;
    if (!pReport) return;
    const RectBoardInputs& in = m_inputs;
    const double dMk = *text.pMk, dMq = *text.pMq, dAs = *text.pAs;
    const int nLo = *text.pLo, nCase = *text.pCase, n = *text.pNumber;
    const int nH = in.nThick, nH0 = in.nThick - in.nAs, nAs = Rounded(dAs);
    const double dFtk = m_dFtk, dEs = m_dEsX, dEc = m_dEc;

    const double dSigma = dMk / (0.87 * nH0 * dAs);
    const double dAte = 0.5 * 1000 * nH;
    const BoardPsi psi = CalBoardPsi(dAs, nH, dFtk, dSigma);
    const double dRhoTe = psi.dRhoTe, dPsiRaw = psi.dPsiRaw, dPsi = psi.dPsi;
    const double dAlphaE = dEs / dEc;
    const double dRho = dAs / (1000.0 * nH0);
    const double dBs = dEs * dAs * nH0 * static_cast<double>(nH0) / (1.15 * dPsi + 0.2 + 6 * dAlphaE * dRho);
    const double dB = dMk / (dMq * (2.0 - 1) + dMk) * dBs;
    const double dQl4 = (in.dQgk + in.dQqk) * std::pow(static_cast<double>(nLo), 4);
    const CString strEs = EsText(dEs), strEc = NumToStrExp(dEc, 2);
    const CString strBs = NumToStrExp(dBs * 0.000000001, 3), strB = NumToStrExp(dB * 0.000000001, 3);
    const CString strLo = LoText(nLo);

    // The deflection of the case; the cantilever's is the one the deflection calculation gives.
    struct Formula {
        double dF;
        LPCTSTR lpszFormula;
        CString strNumbers;
    };
    Formula f;
    switch (nCase) {
    case DEFLECT_FIXED_FIXED:
        f = {dQl4 / (384 * dB), "     f~max~ = (q~gk~+q~qk~)*Lo$4$/(384*B)\n",
             SlabFormat("         = (%.3lf+%.3lf)*%s$4$/(384*%s)\n", in.dQgk, in.dQqk, static_cast<LPCTSTR>(strLo),
                        static_cast<LPCTSTR>(strB))};
        break;
    case DEFLECT_SIMPLE:
        f = {5 * dQl4 / (384 * dB), "     f~max~ = 5*(q~gk~+q~qk~)*Lo$4$/(384*B)\n",
             SlabFormat("         = 5*(%.3lf+%.3lf)*%s$4$/(384*%s)\n", in.dQgk, in.dQqk, static_cast<LPCTSTR>(strLo),
                        static_cast<LPCTSTR>(strB))};
        break;
    case DEFLECT_FIXED_SIMPLE:
        f = {0.00542 * dQl4 / dB, "     f~max~ = 0.00542*(q~gk~+q~qk~)*Lo$4$/B\n",
             SlabFormat("         = 0.00542*(%.3lf+%.3lf)*%s$4$/%s\n", in.dQgk, in.dQqk, static_cast<LPCTSTR>(strLo),
                        static_cast<LPCTSTR>(strB))};
        break;
    case DEFLECT_CANTILEVER:
        f = {dQl4 / (8 * dB), "     f~max~ = (q~gk~+q~qk~)*Lo$4$/(8*B)\n",
             SlabFormat("         = (%.3lf+%.3lf)*%s$4$/(8*%s)\n", in.dQgk, in.dQqk, static_cast<LPCTSTR>(strLo),
                        static_cast<LPCTSTR>(strB))};
        break;
    default:
        f = {*text.pCoef * dQl4 / dB, "     f~max~ = f*(q~gk~+q~qk~)*Lo$4$/B\n",
             SlabFormat("         = %.5lf*(%.3lf+%.3lf)*%s$4$/%s\n", *text.pCoef, in.dQgk, in.dQqk,
                        static_cast<LPCTSTR>(strLo), static_cast<LPCTSTR>(strB))};
        break;
    }
    const double dDivisor = GetDeflectionDivisor(), dAllowed = GetAllowedDeflection();

    try {
        CString strText = SlabFormat("   %d.计算受弯构件的短期刚度 Bs\n", n);
        strText += "     1) 计算按荷载荷载效应的标准组合作用下，构件纵向受拉钢筋应力\n";
        strText += "         σsk = Mk/(0.87*ho*As)  (混凝土规范式 8.1.3－3)\n";
        strText += SlabFormat("              = %s/(0.87*%d*%d) = %.3lf N/mm$2$\n",
                              static_cast<LPCTSTR>(NumToStrE6(dMk, 3)), nH0, nAs, dSigma);
        strText += "     2) 计算按有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率\n";
        strText += SlabFormat("         矩形截面积: Ate = 0.5*b*h = 0.5*%d*%d= %dmm$2$\n", 1000, nH, Rounded(dAte));
        strText += "         ρte = As/Ate   (混凝土规范式 8.1.2－4)\n";
        strText += SlabFormat("\t\t      = %d/%d = %.3lf%%\n", nAs, Rounded(dAte), 100 * psi.dRhoTeRaw);
        if (psi.dRhoTeRaw < 0.01)
            strText += SlabFormat("         因为ρte=%.3lf%% < 1%%,所以让ρte=1%%\n", 100 * psi.dRhoTeRaw);
        strText += "     3) 计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n";
        WriteReportText(pReport, strText);

        strText = "         ψ = 1.1-0.65*ftk/(ρte*σsk)    (混凝土规范式 8.1.2－2)\n";
        strText += SlabFormat("            = 1.1-0.65*%.2f/(%.3lf%%*%.3lf) = %.3lf\n", dFtk, 100 * dRhoTe, dSigma,
                              dPsiRaw);
        if (dPsiRaw < 0.2) strText += "         因为ψ不能小于最小值0.2，所以取ψ = 0.2\n";
        if (dPsiRaw > 1.0) strText += "         因为ψ不能大于最大值1.0，所以取ψ = 1.0\n";
        strText += "     4) 计算钢筋弹性模量与混凝土模量的比值 αE\n";
        strText += SlabFormat("         αE = Es/Ec = %s/%s = %.3lf\n", static_cast<LPCTSTR>(strEs),
                              static_cast<LPCTSTR>(strEc), dAlphaE);
        strText += "     5) 计算受压翼缘面积与腹板有效面积的比值 γf\n         矩形截面，γf=0\n";
        strText += "     6) 计算纵向受拉钢筋配筋率ρ\n";
        strText += SlabFormat("         ρ = As/(b*ho)= %d/(%d*%d) = %.3lf%%\n", nAs, 1000, nH0, 100 * dRho);
        strText += "     7) 计算受弯构件的短期刚度 Bs\n";
        strText += "         Bs = Es*As*ho$2$/[1.15ψ+0.2+6*αE*ρ/(1+ 3.5γf')](混凝土规范式8.2.3--1)\n";
        strText += SlabFormat("            = %s*%d*%d$2$/[1.15*%.3lf+0.2+6*%.3lf*%.3lf%%/(1+3.5*%.1lf)]\n",
                              static_cast<LPCTSTR>(strEs), nAs, nH0, dPsi, dAlphaE, 100 * dRho, 0.0);
        strText += SlabFormat("            = %s kN*m$2$\n", static_cast<LPCTSTR>(strBs));
        WriteReportText(pReport, strText);

        strText = SlabFormat("   %d.计算受弯构件的长期刚度B\n", n + 1);
        strText += "     1) 确定考虑荷载长期效应组合对挠度影响增大影响系数θ\n";
        strText += "         当ρ'=0时，θ=2.0  (混凝土规范第 8.2.5 条)\n";
        strText += "     2) 计算受弯构件的长期刚度 B\n";
        strText += "         B = Mk/(Mq*(θ-1)+Mk)*Bs (混凝土规范式 8.2.2)\n";
        strText += SlabFormat("           = %.3lf/(%.3lf*(%.1lf-1)+%.3lf)*%s\n", dMk * 0.000001, dMq * 0.000001, 2.0,
                              dMk * 0.000001, static_cast<LPCTSTR>(strBs));
        strText += SlabFormat("           = %s kN*m$2$\n", static_cast<LPCTSTR>(strB));
        strText += SlabFormat("   %d.计算受弯构件挠度\n", n + 2);
        WriteReportText(pReport, strText);

        strText = CString(f.lpszFormula) + f.strNumbers;
        strText += SlabFormat("            = %.3lfmm\n", f.dF);
        strText += SlabFormat("   %d.验算挠度\n", n + 3);
        strText += nCase == DEFLECT_CANTILEVER
                       ? SlabFormat("     挠度限值fo=2Lo/%d=2*%d/%d=%.3lfmm\n", Rounded(dDivisor), nLo,
                                    Rounded(dDivisor), dAllowed)
                       : SlabFormat("     挠度限值fo=Lo/%d=%d/%d=%.3lfmm\n", Rounded(dDivisor), nLo, Rounded(dDivisor),
                                    dAllowed);
        strText += f.dF > dAllowed ? SlabFormat("     fmax=%.3lfmm>fo=%.3lfmm，不满足规范要求!\n", f.dF, dAllowed)
                                   : SlabFormat("     fmax=%.3lfmm≤fo=%.3lfmm，满足规范要求!\n", f.dF, dAllowed);
        WriteReportText(pReport, strText);
    } catch (...) {
        // A refused row ends the text; the rows written stay.
    }
}

void CRectBoardCalculator::WriteCrackSection(CWordObject* pReport) {
    const RectBoardInputs& in = m_inputs;
    const int nMethod = m_moment.GetMethod();
    m_crack.GetMoments(m_crackMoments);
    const SlabMoments& m = m_crackMoments;
    const int nLo = m_crack.GetSpan();
    const CString strLo = LoText(nLo);
    const double dQk = in.dQgk + in.dQqk;
    WriteReportText(pReport, "八、裂缝宽度验算:\n");
    int nBlock = 1;
    // One block: heading, load effect, then the crack text of the position's scheme.
    auto block = [&](int nPosition, LPCTSTR lpszHead, const CString& strFormula, LPCTSTR lpszResult) {
        const double dM = SlabMomentAt(m, nPosition);
        CString strText = SlabFormat(lpszHead, nBlock++);
        strText += "     1) 计算荷载效应\n";
        strText += strFormula;
        strText += SlabFormat(lpszResult, dM * 0.000001);
        WriteReportText(pReport, strText);
        const BoardReinScheme& scheme = SlabSchemeAt(m_schemes, nPosition);
        const double dAs = scheme.nArea;
        int nStep = 2;
        WriteCrackText(pReport, &dM, &dAs, &scheme.nDiameter, &scheme.nSpacing, &nStep);
    };

    if (nMethod == SLAB_STEP_CANTILEVER) {
        const int nPosition = SlabFirstFixedEdge(in);
        if (nPosition < 0 || SlabSchemeAt(m_schemes, nPosition).nArea < 1) return;
        static const LPCTSTR kHeads[] = {"   %d.上端支座跨中裂缝\n", "   %d.下端支座跨中裂缝\n", "   %d.左端支座跨中裂缝\n",
                                         "   %d.右端支座跨中裂缝\n"};
        block(nPosition, kHeads[nPosition - POS_TOP],
              CString("         M$o$y = (ｑgk+ｑqk)*Lo$2$/2\n") +
                  SlabFormat("            = (%.3lf+%.3lf)*%d*%d/2\n", in.dQgk, in.dQqk, nLo, nLo),
              "            = %.3lf kN*m\n");
        return;
    }

    if (nMethod == SLAB_STEP_TABLE) {
        const bool bPlastic = in.nBoardKind == 1, bLxShort = in.nLength < in.nWidth;
        SlabTableNotes notes;
        m_moment.GetTableNotes(notes);
        auto plasticSpan = [&](LPCTSTR lpszName) {
            if (in.nHalfArea)
                return SlabFormat("       %s = Cζ(ｑgk+ｑqk)*Lo$2$\n", lpszName) +
                       SlabFormat("          = %.4lf*%.4f*(%.3lf+%.3lf)*%s$2$\n", notes.dC, notes.dZeta, in.dQgk,
                                  in.dQqk, static_cast<LPCTSTR>(strLo));
            return SlabFormat("       %s = ζ(ｑgk+ｑqk)*Lo$2$\n", lpszName) +
                   SlabFormat("          = %.4lf*(%.3lf+%.3lf)*%s$2$\n", notes.dZeta, in.dQgk, in.dQqk,
                              static_cast<LPCTSTR>(strLo));
        };
        auto elasticSpan = [&](LPCTSTR lpszName, const char* pszCoef) {
            return SlabFormat("       %s = 表中系数(ｑgk+ｑqk)*Lo$2$\n", lpszName) +
                   SlabFormat("          = %s*(%.3lf+%.3lf)*%s$2$\n", pszCoef, in.dQgk, in.dQqk,
                              static_cast<LPCTSTR>(strLo));
        };
        auto alpha = [&](LPCTSTR lpszFormula, double dOther) {
            return CString(lpszFormula) + SlabFormat("          = %.4lf*%.3lf\n", notes.dAlpha, dOther * 0.000001);
        };
        const double dScale = dQk * nLo * static_cast<double>(nLo);
        auto support = [&](int nPosition, LPCTSTR lpszElastic) {
            const bool bX = nPosition == POS_LEFT || nPosition == POS_RIGHT;
            if (bPlastic)
                return CString(bX ? "       M$o$x = βMx\n" : "       M$o$y = βMy\n") +
                       SlabFormat("          = %.1lf*%.3lf\n", in.dB, (bX ? m.dMx : m.dMy) * 0.000001);
            return CString(lpszElastic) + SlabFormat("          = %.4lf*(%.3lf+%.3lf)*%s$2$\n",
                                                     SlabMomentAt(m, nPosition) / dScale, in.dQgk, in.dQqk,
                                                     static_cast<LPCTSTR>(strLo));
        };
        const LPCTSTR kResult = "          = %.3lf kN*m\n";
        auto written = [&](int nPosition) {
            return SlabMomentAt(m, nPosition) > 0 && SlabSchemeAt(m_schemes, nPosition).nArea > 0;
        };
        if (written(POS_XSPAN))
            block(POS_XSPAN, "   %d.跨中X方向裂缝\n",
                  !bPlastic ? elasticSpan("Mx", notes.szMxText)
                  : bLxShort ? plasticSpan("Mx")
                             : alpha("       Mx = αMy\n", m.dMy),
                  kResult);
        if (written(POS_YSPAN))
            block(POS_YSPAN, "   %d.跨中Y方向裂缝\n",
                  !bPlastic ? elasticSpan("My", notes.szMyText)
                  : bLxShort ? alpha("       My = αMx\n", m.dMx)
                             : plasticSpan("My"),
                  kResult);
        if (written(POS_TOP))
            block(POS_TOP, "   %d.支座上方向裂缝\n", support(POS_TOP, "       M$o$y = 表中系数((ｑgk+ｑqk)*Lo$2$)\n"),
                  kResult);
        if (written(POS_BOTTOM))
            block(POS_BOTTOM, "   %d.支座下方向裂缝\n", support(POS_BOTTOM, "       M$o$y = 表中系数(ｑgk+ｑqk)*Lo$2$\n"),
                  kResult);
        if (written(POS_LEFT))
            block(POS_LEFT, "   %d.支座左方向裂缝\n", support(POS_LEFT, "       M$o$x = 表中系数(ｑgk+ｑqk)*Lo$2$\n"),
                  kResult);
        if (written(POS_RIGHT))
            block(POS_RIGHT, "   %d.支座右方向裂缝\n", support(POS_RIGHT, "       M$o$x = 表中系数(ｑgk+ｑqk)*Lo$2$\n"),
                  kResult);
        return;
    }

    // One-way slabs: the span, then the fixed ends across it.
    const int nDirection = SlabSpanDirection(in, nMethod);
    if (nDirection == SPAN_NONE) return;
    const bool bX = nDirection == SPAN_X;
    const int nEnd0 = bX ? in.nLeft : in.nBottom, nEnd1 = bX ? in.nRight : in.nTop;
    if (nEnd0 == SLAB_FREE || nEnd1 == SLAB_FREE) return;
    const LPCTSTR kResult = "            = %.3lf kN*m\n";
    auto formula = [&](LPCTSTR lpszName, LPCTSTR lpszFactor, int nDivisor) {
        return SlabFormat("         %s = %s(ｑgk+ｑqk)*Lo$2$/%d\n", lpszName, lpszFactor, nDivisor) +
               SlabFormat("            = %s(%.3lf+%.3lf)*%s$2$/%d\n", lpszFactor, in.dQgk, in.dQqk,
                          static_cast<LPCTSTR>(strLo), nDivisor);
    };
    auto provided = [&](int nPosition) { return SlabSchemeAt(m_schemes, nPosition).nArea >= 1; };
    const StripFactor f = FactorOf(nEnd0, nEnd1);
    const int nSpanPos = bX ? POS_XSPAN : POS_YSPAN;
    if (provided(nSpanPos))
        block(nSpanPos, bX ? "   %d.跨中X方向裂缝\n" : "   %d.跨中Y方向裂缝\n", formula(bX ? "Mx" : "My", f.lpszFactor, f.nDivisor),
              kResult);
    const bool bFixed0 = nEnd0 == SLAB_FIXED, bFixed1 = nEnd1 == SLAB_FIXED;
    const int nDivisor = bFixed0 && bFixed1 ? 12 : 8;
    const LPCTSTR lpszSupport = bX ? "M$o$x" : "M$o$y";
    // Across x the left end comes first, across y the top.
    struct End {
        bool bFixed;
        int nPosition;
        LPCTSTR lpszHead;
    };
    const End left{bFixed0, POS_LEFT, "   %d.左端支座跨中裂缝\n"}, right{bFixed1, POS_RIGHT, "   %d.右端支座跨中裂缝\n"};
    const End top{bFixed1, POS_TOP, "   %d.上端支座跨中裂缝\n"}, bottom{bFixed0, POS_BOTTOM, "   %d.下端支座跨中裂缝\n"};
    const End ends[2] = {bX ? left : top, bX ? right : bottom};
    for (const auto& end : ends)
        if (end.bFixed && provided(end.nPosition))
            block(end.nPosition, end.lpszHead, formula(lpszSupport, "", nDivisor), kResult);
}

void CRectBoardCalculator::WriteCrackText(CWordObject* pReport, const double* pMk, const double* pAs,
                                          const int* pDiameter, const int* pSpacing, int* pStep) {
    if (!pReport) return;
    const RectBoardInputs& in = m_inputs;
    const double dMk = *pMk, dAs = *pAs;
    const int nD = *pDiameter, nSpacing = *pSpacing;
    const int nH = in.nThick, nH0 = in.nThick - in.nAs, nAs = Rounded(dAs);
    const double dVi = in.nKindSteel ? 1.0 : 0.7;
    const int nC = std::min(65, std::max(20, in.nC));
    const int nN = nSpacing > 0 ? 1000 / nSpacing : 0;
    const double dSigma = dMk / (0.87 * nH0 * dAs);
    const double dAte = 0.5 * 1000 * nH;
    const double dFtk = m_crack.m_dFtk, dEs = m_crack.m_dEs;
    const BoardPsi psi = CalBoardPsi(dAs, nH, dFtk, dSigma);
    const double dRhoTeRaw = psi.dRhoTeRaw, dRhoTe = psi.dRhoTe, dPsiRaw = psi.dPsiRaw, dPsi = psi.dPsi;
    // n·d²/(n·νi·d) is d/νi whatever the count.
    const double dDeq = nD / dVi;
    const double dWidth = 2.1 * dPsi * dSigma / dEs * (1.9 * nC + 0.08 * dDeq / dRhoTe);
    try {
        WriteReportText(pReport, SlabFormat(in.nKindSteel ? "     %d) 带肋钢筋,所以取值v~i~=%.1lf\n"
                                                           : "     %d) 光面钢筋,所以取值v~i~=%.1lf\n",
                                            (*pStep)++, dVi));
        if (in.nC < 20) WriteReportText(pReport, SlabFormat("     %d) 因为C < 20，所以取C = 20\n", (*pStep)++));
        if (in.nC > 65) WriteReportText(pReport, SlabFormat("     %d) 因为C > 65，所以取C = 65\n", (*pStep)++));

        CString strText = SlabFormat("     %d) 计算按荷载荷载效应的标准组合作用下，构件纵向受拉钢筋应力\n", (*pStep)++);
        strText += "         σsk=Mk/(0.87*ho*As)  (混凝土规范式 8.1.3－3)\n";
        strText += SlabFormat("             =%s/(0.87*%d*%d)\n", static_cast<LPCTSTR>(NumToStrE6(dMk, 3)), nH0, nAs);
        strText += SlabFormat("             =%.3lfN/mm$2$\n", dSigma);
        strText += SlabFormat("     %d) 计算按有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率\n", (*pStep)++);
        strText += SlabFormat("         矩形截面积，Ate=0.5*b*h=0.5*%d*%d=%d mm$2$\n", 1000, nH, Rounded(dAte));
        strText += "         ρte=As/Ate  (混凝土规范式 8.1.2－4)\n";
        strText += SlabFormat("            =%d/%d = %.4lf\n", nAs, Rounded(dAte), dRhoTeRaw);
        if (dRhoTeRaw < 0.01) strText += SlabFormat("         因为ρte=%.4lf < 0.01,所以让ρte=0.01\n", dRhoTeRaw);
        WriteReportText(pReport, strText);

        strText = SlabFormat("     %d) 计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n", (*pStep)++);
        strText += "         ψ=1.1-0.65*ftk/(ρte*σsk)  (混凝土规范式 8.1.2－2)\n";
        strText += SlabFormat("           =1.1-0.65*%.3lf/(%.4lf*%.3lf)\n", dFtk, dRhoTe, dSigma);
        strText += SlabFormat("           =%.3lf\n", dPsiRaw);
        if (dPsiRaw < 0.2) strText += SlabFormat("         因为ψ=%.3lf < 0.2,所以让ψ=0.2\n", dPsiRaw);
        if (dPsiRaw > 1.0) strText += SlabFormat("         因为ψ=%.3lf > 1,所以让ψ=1.0\n", dPsiRaw);
        strText += SlabFormat("     %d) 计算单位面积钢筋根数n\n", (*pStep)++);
        strText += SlabFormat("         n=1000/dist = 1000/%d\n", nSpacing);
        strText += SlabFormat("          =%d\n", nN);
        strText += SlabFormat("     %d) 计算受拉区纵向钢筋的等效直径d~eq~\n", (*pStep)++);
        strText += "         d~eq~= (∑n~i~*d~i~$2$)/(∑n~i~*v~i~*d~i~)\n";
        strText += SlabFormat("            =%d*%d*%d/(%d*%.1lf*%d)=%d\n", nN, nD, nD, nN, dVi, nD, Rounded(dDeq));
        strText += SlabFormat("     %d) 计算最大裂缝宽度\n", (*pStep)++);
        strText += "         ωmax=αcr*ψ*σsk/Es*(1.9*C+0.08*Deq/ρte) (混凝土规范式 8.1.2－1)\n";
        strText += SlabFormat("              =%.1lf*%.3lf*%.3lf/%s*(1.9*%d+0.08*%d/%.4lf)\n", 2.1, dPsi, dSigma,
                              static_cast<LPCTSTR>(EsText(dEs)), nC, Rounded(dDeq), dRhoTe);
        strText += SlabFormat("              =%.4lfmm", dWidth);
        strText += SlabFormat(dWidth <= in.dCrackWidth ? " ≤ %.2lf, 满足规范要求\n" : " > %.2lf, 不满足规范要求\n",
                              in.dCrackWidth);
        WriteReportText(pReport, strText);
    } catch (...) {
        // A refused row ends the text; the rows written stay.
    }
}
