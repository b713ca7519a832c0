// The slab's full calculation report: the frame with the schematic, the input and section 六, the
// reinforcement blocks of every slab case. Sections 七 and 八 are in RectBoardServiceText.cpp.
#include <memory>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/rect/BoardSketch.h"
#include "slab/rect/RectBoardCalculator.h"
#include "slab/rect/SlabNumberText.h"
#include "slab/rect/SlabReportParts.h"
#include "slab/rect/SlabSteps.h"

namespace {

const LPCTSTR kOverflow = "     计算钢筋面积超出一般选筋范围，请用户自行选择配筋方案\n";
const LPCTSTR kOverflowOneWay = "     计算钢筋面积超出一般选筋范围，请用户自行选择配筋方案\n。";
const LPCTSTR kSchemeLine = "     采取方案%s, 实配面积%d mm$2$\n";
const LPCTSTR kSchemeLineY = "     Y向底板采取方案%s, 实配面积%d mm$2$\n";

// Rows of section 六: a scheme line waits and opens the row of the next block's lines.
class CDesignRows {
public:
    CDesignRows(CRectBoardCalculator& calc, CWordObject* pReport) : m_calc(calc), m_pReport(pReport) {}

    void Write(const CString& strText) {
        m_calc.WriteReportText(m_pReport, m_strPending + strText);
        m_strPending.Empty();
    }
    void Flush() {
        if (!m_strPending.IsEmpty()) Write(CString());
    }
    void Hold(const CString& strText) {
        Flush();
        m_strPending = strText;
    }
    // The design text of a position, after what waits.
    void Design(int nCode, int nPosition, int& nStep) {
        Flush();
        m_calc.WriteReinLimitText(m_pReport, &nCode, &nPosition, &nStep);
    }
    void Scheme(int nPosition, LPCTSTR lpszLine, LPCTSTR lpszOverflow) {
        const BoardReinScheme& scheme = SlabSchemeAt(m_calc.m_schemes, nPosition);
        if (scheme.nArea == 0) {
            Hold(lpszOverflow);
            return;
        }
        const CString strBar = SlabFormat("d%d@%d", scheme.nDiameter, scheme.nSpacing);
        Hold(SlabFormat(lpszLine, static_cast<LPCTSTR>(strBar), scheme.nArea));
    }

private:
    CRectBoardCalculator& m_calc;
    CWordObject* m_pReport;
    CString m_strPending;
};

// The numbers of a design moment: γG, gk, γQ, qk and Lo in m.
CString LoadNumbers(LPCTSTR lpszFormat, const RectBoardInputs& in, const CString& strLo) {
    return SlabFormat(lpszFormat, in.dRg, in.dQgk, in.dRq, in.dQqk, static_cast<LPCTSTR>(strLo));
}

}  // namespace

int CRectBoardCalculator::WriteFullReport(CWordObject* pReport, const CString& strNumber) {
    if (!(m_bStrengthDone && m_bDeflectDone && m_bCrackDone)) return 0;
    const RectBoardInputs& in = m_inputs;
    const RECT rcPicture = in.nWidth < in.nLength ? RECT{0, 0, 270, 170} : RECT{0, 0, 250, 230};
    const int nBackground = 0xFFFFFF, nInk = 0;
    std::unique_ptr<CBitmap> pPicture(CreateBoardSketchBitmap(
        &rcPicture, &in.nTop, &in.nBottom, &in.nLeft, &in.nRight, &in.nTopLeft, &in.nTopRight, &in.nBottomLeft,
        &in.nBottomRight, &nBackground, &nInk, &nInk, &nInk, &nInk));
    if (!pPicture) return 0;

    try {
        WriteReportTitle(pReport, strNumber + "矩形板计算\n");
        WriteReportText(pReport, "项目名称_____________日  期_____________\n设 计 者_____________校对者_____________\n");
        WriteReportText(pReport, SlabFormat("一、构件编号: %s\n二、示意图\n\n", static_cast<LPCTSTR>(strNumber)));
        HBITMAP hPicture = static_cast<HBITMAP>(*pPicture);
        WriteReportPicture(pReport, hPicture);
        pPicture.reset();

        WriteReportText(pReport, "\n三、依据规范\n   《建筑结构荷载规范》   GB50009-2001\n"
                                 "   《混凝土结构设计规范》 GB50010-2002\n四、计算信息\n   1.几何参数\n");
        WriteReportText(pReport, SlabFormat("     计算跨度: Lx = %d mm; Ly = %d mm\n     板厚: h = %d mm\n", in.nLength,
                                            in.nWidth, in.nThick));
        const double dEc = CQeltConcrete::GetEc(in.szConcrete), dEs = CQeltSteelBar::GetEs(in.szSteelBar);
        WriteReportText(pReport, SlabFormat("   2.材料信息\n     混凝土等级:  %s  fc=%.1lfN/mm$2$  ft=%.2lfN/mm$2$  "
                                            "ftk=%.2lfN/mm$2$  Ec=%sN/mm$2$\n     钢筋种类:  %s",
                                            in.szConcrete, CQeltConcrete::GetFc(in.szConcrete),
                                            CQeltConcrete::GetFt(in.szConcrete), CQeltConcrete::GetFtk(in.szConcrete),
                                            static_cast<LPCTSTR>(NumToStrExp(dEc, 2)), in.szSteelBar));
        WriteReportText(pReport,
                        SlabFormat("  fy = %d N/mm$2$  Es = %s N/mm$2$\n     最小配筋率: ρ= %.3lf%%\n"
                                   "     纵向受拉钢筋合力点至近边距离: as = % dmm\n     保护层厚度: c = % dmm\n"
                                   "   3.荷载信息(均布荷载)\n     永久荷载分项系数: γ~G~ = %.3lf\n"
                                   "     可变荷载分项系数: γ~Q~ = %.3lf\n     准永久值系数: ψq = %.3lf\n"
                                   "     永久荷载标准值: ｑgk = %.3lfkN/m$2$\n     可变荷载标准值: ｑqk = %.3lfkN/m$2$\n",
                                   static_cast<int>(CQeltSteelBar::GetFy(in.szSteelBar) + 0.5),
                                   static_cast<LPCTSTR>(NumToStrExp(dEs, 1)), in.dP * 100, in.nAs, in.nC, in.dRg,
                                   in.dRq, in.dWq, in.dQgk, in.dQqk));
        WriteReportText(pReport, CString("   4.计算方法:") + (in.nBoardKind == 1 ? "塑性板\n" : "弹性板\n") +
                                     "   5.边界条件(上端/下端/左端/右端):" + SlabEdgeWords(in));
        const int nLo = m_moment.GetSpan();
        CString strText = SlabFormat("   6.设计参数\n     结构重要性系数: γo = %.2lf\n", in.dImpro);
        strText += in.nBoardKind == 1 ? SlabFormat("     塑性板β = %.3lf\n", in.dB)
                                      : SlabFormat("     泊松比:μ = %.3lf\n", in.dBS);
        strText += SlabFormat("五、计算参数:\n   1.计算板的跨度: Lo = %d mm\n   2.计算板的有效高度: ho = h-as=%d-%d=%d mm\n",
                              nLo, in.nThick, in.nAs, in.nThick - in.nAs);
        WriteReportText(pReport, strText);
        WriteReportText(pReport, "六、配筋计算");
        WriteDesignSection(pReport);
        WriteDeflectionSection(pReport);
        WriteCrackSection(pReport);
    } catch (...) {
        return 0;
    }
    return 1;
}

void CRectBoardCalculator::WriteDesignSection(CWordObject* pReport) {
    const RectBoardInputs& in = m_inputs;
    const int nMethod = m_moment.GetMethod();
    const int nLo = m_moment.GetSpan();
    CString strLo;
    NumToTrimStr(nLo * 0.001, strLo);
    SlabTableNotes notes;
    m_moment.GetTableNotes(notes);
    const SlabMoments& m = m_moments;
    CDesignRows rows(*this, pReport);
    auto result = [](LPCTSTR lpszFormat, double dMoment) { return SlabFormat(lpszFormat, dMoment * 0.000001); };

    if (nMethod == SLAB_STEP_CANTILEVER) {
        rows.Write("(悬臂板计算):\n");
        const int nPosition = SlabFirstFixedEdge(in);
        if (nPosition < 0) return;
        static const LPCTSTR kSteps[] = {"     1) 确定上端端支座弯距\n", "     1) 确定下端端支座弯距\n",
                                         "     1) 确定左端端支座弯距\n", "     1) 确定右端端支座弯距\n"};
        const bool bY = nPosition == POS_TOP || nPosition == POS_BOTTOM;
        rows.Write(CString(bY ? "   1.Y向支座钢筋\n" : "   1.X向支座钢筋\n") + kSteps[nPosition - POS_TOP]);
        CString strText = bY ? "       M$o$y = (γG*ｑgk+γQ*ｑqk)*Lo$2$/2\n" : "       M$o$x = (γG*ｑgk+γQ*ｑqk)*Lo$2$/2\n";
        strText += LoadNumbers("           = (%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$/2\n", in, strLo);
        strText += result("           = %.3lf kN*m\n", SlabMomentAt(m, nPosition));
        rows.Write(strText);
        int nStep = 2;
        rows.Design(SLAB_CODE_CANTILEVER, nPosition, nStep);
        rows.Scheme(nPosition, kSchemeLine, kOverflow);
        rows.Flush();
        return;
    }

    if (nMethod == SLAB_STEP_TABLE) {
        const bool bPlastic = in.nBoardKind == 1;
        const bool bLxShort = in.nLength < in.nWidth;
        const double dRatio = static_cast<double>(in.nLength) / in.nWidth;
        CString strCase = dRatio <= in.dUserValue
                              ? SlabFormat("(lx/ly=%d/%d=%.3lf<%.3lf", in.nLength, in.nWidth, dRatio, in.dUserValue)
                              : SlabFormat("(ly/lx=%d/%d=%.3lf<%.3lf", in.nWidth, in.nLength,
                                           static_cast<double>(in.nWidth) / in.nLength, in.dUserValue);
        strCase += " 所以按双向板计算):\n";
        const double dQ = in.dRg * in.dQgk + in.dRq * in.dQqk;
        const double dScale = dQ * nLo * static_cast<double>(nLo);
        // The formula and numbers of a span moment of the plastic method by its table.
        auto plasticSpan = [&](LPCTSTR lpszName) {
            CString strText;
            if (in.nHalfArea) {
                strText = SlabFormat("       %s = Cζ((γG*ｑgk+γQ*ｑqk)*Lo$2$)\n", lpszName);
                strText += SlabFormat("          = %.4lf*%.4f*(%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$\n", notes.dC, notes.dZeta,
                                      in.dRg, in.dQgk, in.dRq, in.dQqk, static_cast<LPCTSTR>(strLo));
            } else {
                strText = SlabFormat("       %s = ζ((γG*ｑgk+γQ*ｑqk)*Lo$2$)\n", lpszName);
                strText += SlabFormat("          = %.4lf*(%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$\n", notes.dZeta, in.dRg,
                                      in.dQgk, in.dRq, in.dQqk, static_cast<LPCTSTR>(strLo));
            }
            return strText;
        };
        auto elasticSpan = [&](LPCTSTR lpszName, const char* pszCoef) {
            CString strText = SlabFormat("       %s = 表中系数(γG*ｑgk+γQ*ｑqk)*Lo$2$\n", lpszName);
            strText += SlabFormat("          = %s*(%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$\n", pszCoef, in.dRg, in.dQgk, in.dRq,
                                  in.dQqk, static_cast<LPCTSTR>(strLo));
            return strText;
        };
        int nBlock = 1, nStep = 1;
        // X span, written with the case row.
        rows.Write(strCase + SlabFormat("   %d.X向底板钢筋\n", nBlock++) + SlabFormat("     %d) 确定X向板底弯矩\n", nStep++));
        CString strText = !bPlastic ? elasticSpan("Mx", notes.szMxText)
                          : bLxShort ? plasticSpan("Mx")
                                     : SlabFormat("       Mx = αMy\n          = %.4lf*%.3lf\n", notes.dAlpha, m.dMy * 0.000001);
        rows.Write(strText + result("          = %.3lf kN*m\n", m.dMx));
        rows.Design(SLAB_CODE_TWO_WAY, POS_XSPAN, nStep);
        rows.Scheme(POS_XSPAN, kSchemeLine, kOverflow);
        // Y span.
        nStep = 1;
        rows.Write(SlabFormat("   %d.Y向底板钢筋\n", nBlock++) + SlabFormat("     %d) 确定Y向板底弯矩\n", nStep++));
        strText = !bPlastic ? elasticSpan("My", notes.szMyText)
                  : bLxShort ? SlabFormat("       My = αMx\n          = %.4lf*%.3lf\n", notes.dAlpha, m.dMx * 0.000001)
                             : plasticSpan("My");
        rows.Write(strText + result("          = %.3lf kN*m\n", m.dMy));
        rows.Design(SLAB_CODE_TWO_WAY, POS_YSPAN, nStep);
        rows.Scheme(POS_YSPAN, kSchemeLine, kOverflow);
        // Supports with a moment, and every support of the plastic method.
        const struct {
            int nPosition;
            LPCTSTR lpszHead, lpszStep, lpszName;
        } supports[] = {{POS_LEFT, "   %d.X向支座左边钢筋\n", "     %d) 确定左边支座弯矩\n", "M$o$x"},
                        {POS_RIGHT, "   %d.X向支座右边钢筋\n", "     %d) 确定右边支座弯矩\n", "M$o$x"},
                        {POS_TOP, "   %d.Y向上边支座钢筋\n", "     %d) 确定上边支座弯矩\n", "M$o$y"},
                        {POS_BOTTOM, "   %d.Y向下边支座钢筋\n", "     %d) 确定下边支座弯矩\n", "M$o$y"}};
        for (const auto& s : supports) {
            const double dM = SlabMomentAt(m, s.nPosition);
            if (!(dM > 0 || bPlastic)) continue;
            nStep = 1;
            strText = SlabFormat(s.lpszHead, nBlock++) + SlabFormat(s.lpszStep, nStep++);
            if (bPlastic) {
                const bool bX = s.nPosition == POS_LEFT || s.nPosition == POS_RIGHT;
                const double dSpan = (bX ? m.dMx : m.dMy) * 0.000001;
                strText += SlabFormat(bX ? "       M$o$x = βMx\n" : "       M$o$y = βMy\n");
                strText += SlabEdgeAt(in, s.nPosition) == SLAB_FIXED
                               ? SlabFormat("          = %.1lf*%.3lf\n", in.dB, dSpan)
                               : SlabFormat("          = %.1lf*%.3lf = 0.000\n", 0.0, dSpan);
            } else {
                strText += SlabFormat("       %s = 表中系数(γG*ｑgk+γQ*ｑqk)*Lo$2$\n", s.lpszName);
                strText += SlabFormat("          = %.4lf*(%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$\n", dM / dScale, in.dRg,
                                      in.dQgk, in.dRq, in.dQqk, static_cast<LPCTSTR>(strLo));
            }
            rows.Write(strText);
            if (!(dM > 0)) continue;
            rows.Write(result("          = %.3lf kN*m\n", dM));
            rows.Design(SLAB_CODE_TWO_WAY, s.nPosition, nStep);
            rows.Scheme(s.nPosition, kSchemeLine, kOverflow);
        }
        rows.Flush();
        return;
    }

    // One-way slabs.
    const int nCode = nMethod == SLAB_STEP_FALLBACK_STRIP ? SLAB_CODE_FALLBACK : SLAB_CODE_ONE_WAY;
    if (nMethod == SLAB_STEP_FREE_STRIP) {
        rows.Write("(对边支撑单向板计算):\n");
    } else if (nMethod == SLAB_STEP_RATIO_STRIP) {
        CString strCase = in.nWidth < in.nLength
                              ? SlabFormat("(lx/ly=%d/%d=%.3lf>%.3lf", in.nLength, in.nWidth,
                                           static_cast<double>(in.nLength) / in.nWidth, in.dUserValue)
                              : SlabFormat("(ly/lx=%d/%d=%.3lf>%.3lf", in.nWidth, in.nLength,
                                           static_cast<double>(in.nWidth) / in.nLength, in.dUserValue);
        rows.Write(strCase + ",所以选择多边支撑单向板计算):\n");
    } else {
        rows.Write("(用户按双向板计算，因为查表失败，故按单向板计算):\n");
    }

    bool bHasBlock[6] = {};
    int nBlock = 1;
    const int nDirection = SlabSpanDirection(in, nMethod);
    if (nDirection != SPAN_NONE) {
        const bool bX = nDirection == SPAN_X;
        const int nSpanPos = bX ? POS_XSPAN : POS_YSPAN;
        // The two ends: left and right across x, bottom and top across y.
        const int nEnd0 = bX ? in.nLeft : in.nBottom, nEnd1 = bX ? in.nRight : in.nTop;
        const int nPos0 = bX ? POS_LEFT : POS_BOTTOM, nPos1 = bX ? POS_RIGHT : POS_TOP;
        const LPCTSTR lpszSpan = bX ? "Mx" : "My";
        const LPCTSTR lpszSupport = bX ? "M$o$x" : "M$o$y";
        int nStep = 1;
        rows.Write(bX ? SlabFormat("   %d.X向底板配筋\n", nBlock) + SlabFormat("     %d) 确定X向底板弯距\n", nStep++)
                      : SlabFormat("   %d.Y向底板配筋\n", nBlock) + CString("     1) 确定底板Y向弯距\n"));
        ++nBlock;
        nStep = 2;
        bHasBlock[nSpanPos] = true;
        const bool bFree = nEnd0 == SLAB_FREE || nEnd1 == SLAB_FREE;
        if (!bFree) {
            const bool bFixed0 = nEnd0 == SLAB_FIXED, bFixed1 = nEnd1 == SLAB_FIXED;
            CString strText;
            if (!bFixed0 && !bFixed1) {
                strText = SlabFormat("        %s = (γG*ｑgk+γQ*ｑqk)*Lo$2$/8\n", lpszSpan);
                strText += LoadNumbers(bX ? "       = (%.2lf*%.2lf+%.2lf*%.2lf)*%s$2$/8\n"
                                          : "       = (%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$/8\n",
                                       in, strLo);
                strText += result("       = %.3lf kN*m\n", SlabMomentAt(m, nSpanPos));
            } else if (bFixed0 != bFixed1) {
                strText = SlabFormat("       %s = 9*(γG*ｑgk+γQ*ｑqk)*Lo$2$/129\n", lpszSpan);
                strText += LoadNumbers("          = 9*(%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$/129 \n", in, strLo);
                strText += result("          = %.3lf kN*m\n", SlabMomentAt(m, nSpanPos));
            } else {
                strText = SlabFormat("       %s = (γG*ｑgk+γQ*ｑqk)*Lo$2$/24\n", lpszSpan);
                strText += LoadNumbers("          = (%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$/24\n", in, strLo);
                strText += result("          = %.3lf kN*m\n", SlabMomentAt(m, nSpanPos));
            }
            rows.Write(strText);
            rows.Design(nCode, nSpanPos, nStep);
            // The y span's own scheme line, except where its bottom edge is fixed.
            rows.Scheme(nSpanPos, !bX && !bFixed0 ? kSchemeLineY : kSchemeLine, kOverflowOneWay);

            // The support blocks at the fixed ends.
            auto supportBlock = [&](LPCTSTR lpszHead, LPCTSTR lpszStep, int nPosition, int nDivisor) {
                CString strBlock = SlabFormat(lpszHead, nBlock++) + SlabFormat(lpszStep, 1);
                strBlock += SlabFormat("       %s = (γG*ｑgk+γQ*ｑqk)*Lo$2$/%d\n", lpszSupport, nDivisor);
                strBlock += SlabFormat("           = (%.3lf*%.3lf+%.3lf*%.3lf)*%s$2$/%d\n", in.dRg, in.dQgk, in.dRq,
                                       in.dQqk, static_cast<LPCTSTR>(strLo), nDivisor);
                strBlock += result("           = %.3lf kN*m\n", SlabMomentAt(m, nPosition));
                rows.Write(strBlock);
                int nSupportStep = 2;
                rows.Design(nCode, nPosition, nSupportStep);
                rows.Scheme(nPosition, kSchemeLine, kOverflowOneWay);
                bHasBlock[nPosition] = true;
            };
            LPCTSTR lpszStep0 = bX ? "     %d) 确定左端支座弯距\n" : "     %d) 确定下端支座弯距\n";
            LPCTSTR lpszStep1 = bX ? "     %d) 确定右端支座弯距\n" : "     %d) 确定上端支座弯距\n";
            if (bFixed0 && bFixed1) {
                // Across y the top comes first.
                if (bX) {
                    supportBlock("   %d.X向左端支座钢筋\n", lpszStep0, nPos0, 12);
                    supportBlock("   %d.X向右端支座钢筋\n", lpszStep1, nPos1, 12);
                } else {
                    supportBlock("   %d.Y向上端支座钢筋\n", "     1) 确定上端支座弯距\n", nPos1, 12);
                    supportBlock("   %d.Y向下端支座钢筋\n", lpszStep0, nPos0, 12);
                }
            } else if (bFixed0 || bFixed1) {
                supportBlock(bX ? "   %d.X向支座钢筋\n" : "   %d.Y向支座钢筋\n", bFixed0 ? lpszStep0 : lpszStep1,
                             bFixed0 ? nPos0 : nPos1, 8);
            }
        }
    }

    // The supports without a block of their own.
    for (int nPosition : {POS_TOP, POS_BOTTOM, POS_LEFT, POS_RIGHT}) {
        if (bHasBlock[nPosition] || SlabAreaAt(m_nAreas, nPosition) < 1) continue;
        if (nMethod != SLAB_STEP_FREE_STRIP) {
            static const LPCTSTR kHeads[] = {"   %d.上边支座配筋\n", "   %d.下边支座配筋\n", "   %d.左边支座配筋\n",
                                             "   %d.右边支座配筋\n"};
            rows.Write(SlabFormat(kHeads[nPosition - POS_TOP], nBlock++));
            int nStep = 1;
            rows.Design(nCode, nPosition, nStep);
        }
        if (SlabEdgeAt(in, nPosition) == SLAB_FIXED) rows.Scheme(nPosition, kSchemeLine, kOverflow);
    }
    rows.Flush();
}
