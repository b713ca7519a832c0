// The plate stair's calculation: geometry, span, loads on a strip 1 m wide, reactions and the largest
// moment of the simply supported strip, the bar areas, the bar-scheme options and the first choice
// of the six bars; with a report, the process lines of the full report.
#include <algorithm>
#include <cmath>
#include <cstdarg>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"

namespace {

const double kZeroShear = 1e-6;

// The larger of the permanent-load and the variable-load combination; the second on a tie.
double DesignLoad(double dGk, double dQ, double dRg, double dRq, double& dByG, double& dByL) {
    dByG = 1.35 * dGk + 0.7 * dRq * dQ;
    dByL = dRg * dGk + dRq * dQ;
    return dByG > dByL ? dByG : dByL;
}

}  // namespace

int StairTruncate(double dValue) {
    if (!std::isfinite(dValue) || dValue >= 2147483647.0 || dValue <= -2147483648.0) return 0;
    return static_cast<int>(dValue);
}

int StairDistributionSpacing(double dL1, int nSteps) {
    const int w = nSteps > 0 ? StairTruncate(dL1 / nSteps) : 0;
    if (w < 200) return 150;
    if (w > 400) return w;
    return w / 50 * 50;
}

StairBoardSpan StairBoardSpanOf(int nKind, double L1, double L2, double L3, double b1, double b2, int nSteps) {
    StairBoardSpan span;
    const double b = nSteps > 1 ? L1 / (nSteps - 1) : 0;
    switch (nKind) {
    case STAIR_KIND_B:
        span.Lf = L1 + b1 / 2 - b;
        break;
    case STAIR_KIND_C:
        span.a2 = L2 + b2 / 2;
        span.Lf = L1 + b1 / 2;
        break;
    case STAIR_KIND_D:
        span.a3 = L3 + b1 / 2;
        span.Lf = L1 + b2 / 2;
        break;
    case STAIR_KIND_E:
        span.a3 = L3 + b1 / 2;
        span.a2 = L2 + b2 / 2;
        span.Lf = L1;
        break;
    default:
        span.Lf = L1 + (b1 + b2) / 2;
        break;
    }
    return span;
}

void CStairBoardParam::WriteRow(CWordObject* pReport, LPCTSTR lpszText, int nColor) {
    StairWriteRow(pReport, lpszText, nColor);
}

void CStairBoardParam::WriteFormat(CWordObject* pReport, LPCTSTR lpszFormat, ...) {
    if (!pReport) return;
    va_list args;
    va_start(args, lpszFormat);
    m_strText.FormatV(lpszFormat, args);
    va_end(args);
    WriteRow(pReport, m_strText);
}

// Stored values reach the calculation only as the input page would have let them through.
int CStairBoardParam::Calculate() { return LimitsHold() ? CalStairBoard(NULL) : FALSE; }

int CStairBoardParam::CalStairBoard(CWordObject* pReport) {
    m_bOverReinforced = 0;

    const double dFy = CQeltSteelBar::GetFy(M_STRSTEEL);
    const double dEs = CQeltSteelBar::GetEs(M_STRSTEEL);
    m_dFy = 1000 * dFy;
    m_dFc = 1000 * CQeltConcrete::GetFc(M_STRCONCRETE);
    m_dFt = 1000 * CQeltConcrete::GetFt(M_STRCONCRETE);
    m_dAlpha1Fc = CQeltConcrete::GetAlpha1(M_STRCONCRETE) * m_dFc;
    m_dFtk = CQeltConcrete::GetFtk(M_STRCONCRETE);
    m_dEc = CQeltConcrete::GetEc(M_STRCONCRETE);
    m_dEs5 = dEs * 1e-5;

    ClearMissingLandings();
    const int nKind = M_STAIR_KIND;
    const double t = 0.001 * M_T, L3 = 0.001 * M_LL, L1 = 0.001 * M_LN, L2 = 0.001 * M_LR;
    const double dAs = 0.001 * M_AS, b1 = 0.001 * M_FB1, b2 = 0.001 * M_FB2;
    const double q = M_P, qm = M_PM, qf = M_PF;

    const double h = 0.001 * M_H / M_N;
    const double b = L1 / (M_N - 1);
    const double dCos = b / std::sqrt(b * b + h * h);

    const StairBoardSpan span = StairBoardSpanOf(nKind, L1, L2, L3, b1, b2, M_N);
    const double a3 = span.a3, Lf = span.Lf, a2 = span.a2;
    const double L0 = span.L0();
    m_dL0 = L0;

    const double gkm = (1 + h / b) * qm;
    const double gkt = 25 * (t / dCos + h / 2);
    const double gks = 0.4 / dCos;
    const double Pk = gkm + gkt + gks + qf;
    m_dGk = Pk;
    double PnG = 0, PnL = 0;
    const double Pn = DesignLoad(Pk, q, m_dRg, m_dRq, PnG, PnL);
    const double PkL = qm + 25 * t + 0.4 + qf;
    double PlG = 0, PlL = 0;
    const double Pl = DesignLoad(PkL, q, m_dRg, m_dRq, PlG, PlL);

    WriteRow(pReport, "\t1. 楼梯几何参数：\n");
    WriteFormat(pReport, "\t\t踏步高度：h = %.4f m\n", h);
    WriteFormat(pReport, "\t\t踏步宽度：b = %.4f m\n", b);
    switch (nKind) {
    case STAIR_KIND_B:
        WriteFormat(pReport, "\t\t计算跨度：L~0~ = L~1~＋b~1~/2－b = %.2f＋%.2f/2－%.2f = %.2f m\n", L1, b1, b, L0);
        break;
    case STAIR_KIND_C:
        WriteFormat(pReport, "\t\t计算跨度：L~0~ = L~1~＋L~2~＋(b~1~＋b~2~)/2 = %.2f＋%.2f＋(%.2f＋%.2f)/2 = %.2f m\n", L1, L2,
                    b1, b2, L0);
        break;
    case STAIR_KIND_D:
        WriteFormat(pReport, "\t\t计算跨度：L~0~ = L~1~＋L~3~＋(b~1~＋b~2~)/2 = %.2f＋%.2f＋(%.2f＋%.2f)/2 = %.2f m\n", L1, L3,
                    b1, b2, L0);
        break;
    case STAIR_KIND_E:
        WriteFormat(pReport,
                    "\t\t计算跨度：L~0~ = L~1~＋L~2~＋L~3~＋(b~1~＋b~2~)/2 = %.2f＋%.2f＋%.2f＋(%.2f＋%.2f)/2 = %.2f m\n", L1,
                    L2, L3, b1, b2, L0);
        break;
    default:
        WriteFormat(pReport, "\t\t计算跨度：L~0~ = L~1~＋(b~1~＋b~2~)/2 = %.2f＋(%.2f＋%.2f)/2 = %.2f m\n", L1, b1, b2, L0);
        break;
    }
    WriteFormat(pReport, "\t\t梯段板与水平方向夹角余弦值：cosα = %.3f \n", dCos);
    WriteRow(pReport, "\t2. 荷载计算( 取 B = 1m 宽板带)：\n");
    WriteFormat(pReport, "\t(1) 梯段板：\n\t\t面层：g~km~ = (B＋B*h/b)*q~m~ = (1＋1*%.2f/%.2f)*%.2f = %.2f kN/m\n", h, b, qm, gkm);
    WriteFormat(pReport,
                "\t\t自重：g~kt~ = R~c~*B*(t/cosα＋h/2) = 25*1*(%.2f/%.3f＋%.2f/2) = %.2f kN/m\n"
                "\t\t抹灰：g~ks~ = R~S~*B*c/cosα = 20*1*0.02/%.3f = %.2f kN/m\n",
                t, dCos, h, gkt, dCos, gks);
    WriteFormat(pReport, "\t\t恒荷标准值：P~k~ = g~km~＋g~kt~＋g~ks~＋q~f~ = %.2f＋%.2f＋%.2f＋%.2f = %.2f kN/m\n", gkm, gkt, gks,
                qf, Pk);
    WriteFormat(pReport, "\t\t恒荷控制：\n\t\tP~n~(G) = 1.35*P~k~＋γ~Q~*0.7*B*q = 1.35*%.2f＋%.2lf*0.7*1*%.2f = %.2f kN/m\n", Pk,
                m_dRq, q, PnG);
    WriteFormat(pReport,
                "\t\t活荷控制：P~n~(L) = γ~G~*P~k~＋γ~Q~*B*q = %.2lf*%.2f＋%.2lf*1*%.2f = %.2f kN/m\n"
                "\t\t荷载设计值：P~n~ = max{ P~n~(G) , P~n~(L) } = %.2f kN/m\n",
                m_dRg, Pk, m_dRq, q, PnL, Pn);
    if (nKind >= STAIR_KIND_C) {
        WriteFormat(pReport, "\t(2) 平台板：\n\t\t面层：g~km~' = B*q~m~ = 1*%.2f = %.2f kN/m\n", qm, qm);
        WriteFormat(pReport,
                    "\t\t自重：g~kt~' = R~c~*B*t = 25*1*%.2f = %.2f kN/m\n"
                    "\t\t抹灰：g~ks~' = R~S~*B*c = 20*1*0.02 = %.2f kN/m\n",
                    t, 25 * t, 0.4);
        WriteFormat(pReport, "\t\t恒荷标准值：P~k~' = g~km~'＋g~kt~'＋g~ks~'＋q~f~ = %.2f＋%.2f＋%.2f＋%.2f = %.2f kN/m\n", qm,
                    25 * t, 0.4, qf, PkL);
        WriteFormat(pReport, "\t\t恒荷控制：\n\t\tP~l~(G) = 1.35*P~k~'＋γ~Q~*0.7*B*q = 1.35*%.2f＋%.2lf*0.7*1*%.2f = %.2f kN/m\n",
                    PkL, m_dRq, q, PlG);
        WriteFormat(pReport,
                    "\t\t活荷控制：P~l~(L) = γ~G~*P~k~＋γ~Q~*B*q = %.2lf*%.2f＋%.2lf*1*%.2f = %.2f kN/m\n"
                    "\t\t荷载设计值：P~l~ = max{ P~l~(G) , P~l~(L) } = %.2f kN/m\n",
                    m_dRg, PkL, m_dRq, q, PlL, Pl);
    }

    // Reactions of the strip simply supported over L0: upper segment on the left.
    const double Rr = (Pl * a2 * (a3 + Lf + a2 / 2) + Pn * Lf * (a3 + Lf / 2) + Pl * a3 * a3 / 2) / L0;
    const double Rl = Pn * Lf + Pl * a2 + Pl * a3 - Rr;
    const double V1 = Rl - Pl * a3;
    const double V2 = Rr - Pl * a2;
    WriteRow(pReport, "\t3. 正截面受弯承载力计算：\n");
    WriteFormat(pReport, "\t\t左端支座反力: R~l~ = %.2f kN\n\t\t右端支座反力: R~r~ = %.2f kN\n", Rl, Rr);

    double dLmax = 0, dMmax = 0;
    if (V1 <= kZeroShear) {
        // Zero shear in the upper segment.
        dLmax = Rl * a3 / (Rl - V1);
        dMmax = Rl * dLmax - Pl * dLmax * dLmax / 2;
        WriteFormat(pReport,
                    "\t\t最大弯矩截面距左支座的距离: L~max~ = %.2f m\n"
                    "\t\t最大弯矩: M~max~ = R~l~*L~max~－(P~l~*L~max~$2$/2.0)\n",
                    dLmax);
        WriteFormat(pReport, "\t\t\t = %s*%s－(%s*%s$2$/2)\n\t\t\t = %.2f kN·m\n", (LPCTSTR)CWordObject::NumToStrLv(Rl, 2),
                    (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2), (LPCTSTR)CWordObject::NumToStrLv(Pl, 2),
                    (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2), dMmax);
    } else if (V2 <= kZeroShear) {
        // Zero shear in the lower segment, measured from the right support.
        dLmax = Rr * a2 / (Rr - V2);
        dMmax = Rr * dLmax - Pl * dLmax * dLmax / 2;
        WriteFormat(pReport,
                    "\t\t最大弯矩截面距右支座的距离: L~max~ = %.2f m\n"
                    "\t\t最大弯矩: M~max~ = R~r~*L~max~－(P~l~*L~max~$2$/2.0)\n",
                    dLmax);
        WriteFormat(pReport, "\t\t\t = %s*%s－(%s*%s$2$/2)\n\t\t\t = %.2f kN·m\n", (LPCTSTR)CWordObject::NumToStrLv(Rr, 2),
                    (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2), (LPCTSTR)CWordObject::NumToStrLv(Pl, 2),
                    (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2), dMmax);
    } else {
        const double x = V1 * Lf / (V1 + V2);
        dLmax = a3 + x;
        dMmax = Rl * dLmax - (Pl * a3 * (x + a3 / 2) + Pn * x * x / 2);
        WriteFormat(pReport,
                    "\t\t最大弯矩截面距左支座的距离: L~max~ = %.2f m\n"
                    "\t\t最大弯矩截面距左边弯折处的距离: x = %.2f m\n",
                    dLmax, x);
        if (nKind <= STAIR_KIND_C) {
            WriteFormat(pReport, "\t\tM~max~ = R~l~*L~max~－P~n~*x$2$/2\n\t\t\t = %s*%s－%s*%s$2$/2\n\t\t\t = %.2f kN·m\n",
                        (LPCTSTR)CWordObject::NumToStrLv(Rl, 2), (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2),
                        (LPCTSTR)CWordObject::NumToStrLv(Pn, 2), (LPCTSTR)CWordObject::NumToStrLv(x, 2), dMmax);
        } else {
            WriteFormat(pReport,
                        "\t\tM~max~ = R~l~*L~max~－[P~l~*L~3~*(x＋L~3~/2)＋P~n~*x$2$/2]\n"
                        "\t\t\t = %s*%s－[%s*%s*(%s＋%s/2)＋%s*%s$2$/2]\n\t\t\t = %.2f kN·m\n",
                        (LPCTSTR)CWordObject::NumToStrLv(Rl, 2), (LPCTSTR)CWordObject::NumToStrLv(dLmax, 2),
                        (LPCTSTR)CWordObject::NumToStrLv(Pl, 2), (LPCTSTR)CWordObject::NumToStrLv(a3, 2),
                        (LPCTSTR)CWordObject::NumToStrLv(x, 2), (LPCTSTR)CWordObject::NumToStrLv(a3, 2),
                        (LPCTSTR)CWordObject::NumToStrLv(Pn, 2), (LPCTSTR)CWordObject::NumToStrLv(x, 2), dMmax);
        }
    }

    const double k = M_BUILDING == 1 ? 0.8 : 1.0;
    m_dMmax = k * dMmax;
    if (M_BUILDING == 1)
        WriteFormat(pReport, "\t\t考虑支座嵌固折减后的最大弯矩: \n\t\tM~max~' = 0.8*M~max~ = %.2f*%.2f = %.2f kN·m\n", 0.8,
                    dMmax, m_dMmax);

    m_dAs1 = CalBarArea(m_dMmax, m_dFy, m_dAlpha1Fc, m_dFt, t, t - dAs, 1.0, pReport);
    m_dAs23 = M_BUILDING != 0 ? m_dAs1 : M_DSACLE * m_dAs1;
    WriteFormat(pReport, "\t\t纵筋(1号)计算面积：A~s~ = %.2f mm$2$\n", m_dAs1);
    if (M_BUILDING != 0)
        WriteFormat(pReport, "\t\t支座负筋(2、3号)计算面积：A~s~'=A~s~ = %.2f mm$2$\n", m_dAs23);
    else
        WriteFormat(pReport, "\t\t支座负筋(2、3号)计算面积：A~s~'=α*A~s~ = %.2f*%.2f = %.2f mm$2$\n", M_DSACLE, m_dAs1, m_dAs23);

    MakeBarOptions(1, m_dAs1, 1000);
    MakeBarOptions(2, m_dAs23, 1000);
    if (m_nBarDia[0] == 0 || m_nBarSpace[0] == 0) ChooseFirstBars();
    return m_bOverReinforced ? FALSE : TRUE;
}

void CStairBoardParam::ChooseFirstBars() {
    m_nBarDia[0] = m_nBarDia[4] = m_Options1.aDiaSpace[0][0];
    m_nBarSpace[0] = m_nBarSpace[4] = m_Options1.aDiaSpace[0][1];
    for (int i : {1, 2, 5}) {
        m_nBarDia[i] = m_Options23.aDiaSpace[0][0];
        m_nBarSpace[i] = m_Options23.aDiaSpace[0][1];
    }
    m_nBarDia[3] = 6;
    m_nBarSpace[3] = StairDistributionSpacing(M_LN, M_N);
}

double CStairBoardParam::CalBarArea(double dM, double dFy, double dAlpha1Fc, double dFt, double dH, double dH0,
                                    double dB, CWordObject* pReport) {
    // ξb = β1/(1 + fy/(Es·εcu)) of the grades (GB 50010-2002 7.1.4); a moment that needs ξb or more
    // over-reinforces the section.
    const double dXib = CQeltConcrete::GetEb(M_STRSTEEL, M_STRCONCRETE);
    const double dMu = dAlpha1Fc * dB * dH0 * dH0 * dXib * (1 - 0.5 * dXib);
    if (dM >= dMu) {
        m_bOverReinforced = 1;
        return 0;
    }
    m_bOverReinforced = 0;
    const double dAlphaS = dM / (dAlpha1Fc * dB * dH0 * dH0);
    const double dXi = 1 - std::sqrt(1 - 2 * dAlphaS);
    double dArea = dXi * dAlpha1Fc * dB * dH0 / dFy;
    const double dRho = dArea / (dB * dH0);
    WriteRow(pReport, "\t\t相对受压区高度：");
    WriteFormat(pReport, "ζ= %.6f ", dXi);
    WriteRow(pReport, "\t\t配筋率：");
    WriteFormat(pReport, "ρ= %.6f\n", dRho);
    // The minimum ratio of a member in bending over its whole section (GB 50010-2002 9.5.1).
    const double dRhoMin = std::max(0.002, 0.45 * dFt / dFy);
    if (dArea < dRhoMin * dB * dH) {
        dArea = dRhoMin * dB * dH;
        WriteFormat(pReport, "\t\tA~s~ < ρ~min~*b*t，ρ~min~ = max{0.2%%,45*f~t~/f~y~%%} = %.4f%%，取A~s~ = ρ~min~*b*t\n",
                    100 * dRhoMin);
    }
    return dArea * 1e6;
}

void CStairBoardParam::MakeBarOptions(int nList, double dA, double dW) {
    int nFirst = 6, nLast = 25;
    if (M_STRSTEEL == "HPB235") {
        nLast = 20;
    } else if (M_STRSTEEL == "HRB335" || M_STRSTEEL == "HRB400" || M_STRSTEEL == "RRB400") {
        nFirst = 10;
    }
    StairBarOptionList list;
    for (int d = nFirst; d <= nLast; d = d == 22 ? 25 : d + 2) {
        for (int s = 100; s <= 200; s += 10) {
            const double dArea = M_PI / 4 * d * d * dW / s;
            if (dA <= dArea && dArea <= 1.5 * dA && list.nCount < StairBarOptionList::MaxCount) {
                list.aDiaSpace[list.nCount][0] = d;
                list.aDiaSpace[list.nCount][1] = s;
                list.aArea[list.nCount] = dArea;
                list.nCount++;
            }
        }
    }
    if (list.nCount == 0) {
        list.aDiaSpace[0][0] = 12;
        list.aDiaSpace[0][1] = 200;
        list.aArea[0] = StairTruncate(0.005 * dW) * 113.09733552923255;
        list.nCount = 1;
    }
    (nList == 1 ? m_Options1 : m_Options23) = list;
}
