#include "stair/StairSlabCase.h"

#include "host/WordObject.h"

namespace {

const double kQuarterPi = 0.7853981633974483;
const double kCrackAlpha = 2.1;                   // αcr of a flexural member
const double kTheta = 2.0;                        // θ with no compression steel
const char kNoBars[] = "\t\t未选定钢筋(直径或间距为0)，无法验算\n";

double Bounded(double dPsi) {
    if (dPsi < 0.2) return 0.2;
    if (dPsi > 1.0) return 1.0;
    return dPsi;
}

// The line that tells how ψ was bounded, or nothing.
void AddPsiBound(CString& strText, double dPsi, LPCTSTR lpszIndent) {
    if (dPsi < 0.2)
        strText.AppendFormat("%s因为ψ < 0.2，所以取ψ = 0.2\n", lpszIndent);
    else if (dPsi > 1.0)
        strText.AppendFormat("%s因为ψ > 1，所以取ψ = 1\n", lpszIndent);
}

// The line that tells that ρte below 1 % counts as 1 %, or nothing.
void AddRhoTeFloor(CString& strText, double dRhoTe, LPCTSTR lpszIndent) {
    if (dRhoTe < 0.01) strText.AppendFormat("%s因为ρ~te~ < 1.000%%，所以取ρ~te~ = 1.000%%\n", lpszIndent);
}

}  // namespace

double StairCrackCover(double dCover) {
    if (dCover < 20) return 20;
    if (dCover > 65) return 65;
    return dCover;
}

CString StairCrackCoverText(double dCover) {
    CString strText;
    if (dCover < 20)
        strText = "因为C < 20，所以取C = 20";
    else if (dCover > 65)
        strText = "因为C > 65，所以取C = 65";
    else
        strText.Format("C = %.0lf", dCover);
    return strText;
}

void StairWriteRow(CWordObject* pReport, LPCTSTR lpszText, int nColor) {
    if (pReport) pReport->WriteText(lpszText, 0, 0, 0, 0, nColor, 10.5, "宋体");
}

StairSlabCheck StairSlabEvaluate(const StairSlabCase& slab) {
    StairSlabCheck r;
    r.bHasBars = slab.nDia > 0 && slab.nSpace > 0;
    r.dH0 = slab.dH - slab.dAs;
    r.dMk = (slab.dGk + slab.dQk) * slab.dL0 * slab.dL0 / 8;
    r.dMq = (slab.dGk + slab.dPsiQ * slab.dQk) * slab.dL0 * slab.dL0 / 8;
    r.dNuI = slab.strSurface == "光面钢筋" ? 0.7 : 1.0;
    r.dAte = 0.5 * slab.dB * slab.dH;
    r.dDivisor = slab.dL0 < 7 ? slab.dLim1 : (slab.dL0 > 9 ? slab.dLim3 : slab.dLim2);
    r.dF0 = slab.dL0 * 1000 / r.dDivisor;
    if (!r.bHasBars) return r;

    r.dAreaS = kQuarterPi * slab.nDia * slab.nDia * slab.dB / slab.nSpace;
    r.dSigmaSk = r.dMk * 1e6 / (0.87 * r.dH0 * r.dAreaS);
    r.dRhoTe = r.dAreaS / r.dAte;
    r.dRhoTeUsed = r.dRhoTe < 0.01 ? 0.01 : r.dRhoTe;

    r.dPsiRaw = 1.1 - 0.65 * slab.dFtk / (r.dRhoTeUsed * r.dSigmaSk);
    r.dPsi = Bounded(r.dPsiRaw);
    r.nBars = 1000 / slab.nSpace;
    r.nDeq = static_cast<int>(slab.nDia / r.dNuI);
    r.dCover = StairCrackCover(slab.dCover);
    r.dWmax = kCrackAlpha * r.dPsi * r.dSigmaSk / (slab.dEs5 * 1e5) *
              (1.9 * r.dCover + 0.08 * r.nDeq / r.dRhoTeUsed);

    r.dAlphaE = slab.dEs5 * 1e5 / slab.dEc;
    r.dRho = r.dAreaS / (slab.dB * r.dH0);
    r.dBs = slab.dEs5 * 1e5 * r.dAreaS * r.dH0 * r.dH0 / (1.15 * r.dPsi + 0.2 + 6 * r.dAlphaE * r.dRho) * 1e-9;
    r.dBl = r.dMk / (r.dMq * (kTheta - 1) + r.dMk) * r.dBs;
    r.dFmax = 5 * (slab.dGk + slab.dQk) * slab.dL0 * slab.dL0 * slab.dL0 * slab.dL0 / (384 * r.dBl) * 1000;
    return r;
}

int StairCrackWidthCheck(const StairSlabCase& slab, CWordObject* pReport) {
    const StairSlabCheck r = StairSlabEvaluate(slab);
    const int bPass = r.bHasBars && r.dWmax <= slab.dCrackLimit ? 1 : 0;
    if (!pReport) return bPass;
    if (!r.bHasBars) {
        StairWriteRow(pReport, kNoBars, 6);
        return bPass;
    }

    const BOOL bBeam = slab.nWording == STAIR_WORDING_BEAM;
    CString t;
    t += "\t1.计算标准组合弯距值Mk:\n";
    t += "\t\tMk = M~g~~k~+M~q~~k~\n";
    t += "\t\t   = (q~g~~k~ + q~q~~k~)*L~0~$2$/8\n";
    t.AppendFormat("\t\t   = (%.2lf + %.3lf)*%.2lf$2$/8\n", slab.dGk, slab.dQk, slab.dL0);
    t.AppendFormat("\t\t   = %.3lf kN*m\n", r.dMk);
    t.AppendFormat("\t2.%s,所以取值V~i~=%.1lf\n", (LPCTSTR)slab.strSurface, r.dNuI);
    t.AppendFormat("\t3.%s\n", (LPCTSTR)StairCrackCoverText(slab.dCover));
    t += "\t4.计算按荷载荷载效应的标准组合作用下，构件纵向受拉钢筋应力\n";
    t += "\t\tσ~s~~k~ = Mk/(0.87*h~0~*As)  (混凝土规范式 8.1.3－3)\n";
    t.AppendFormat(bBeam ? "\t\t    = %.3lf×10$6$/(0.87*%.0lf*%.0lf)\n" : "\t\t    = %.3lf×10$6$/(0.87*%.2lf*%.0lf)\n",
                   r.dMk, r.dH0, r.dAreaS);
    t.AppendFormat("\t\t    = %.3lf N/mm\n", r.dSigmaSk);
    t += "\t5.计算按有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率\n";
    t.AppendFormat("\t\t矩形截面积: A~t~~e~ = 0.5*b*h = 0.5*%.0lf*%.0lf= %.0lf mm$2$\n", slab.dB, slab.dH, r.dAte);
    t += bBeam ? "\t\tρ~te~ = As/A~t~~e~   (混凝土规范式 8.1.2－4)\n" : "\t\tρ~t~~e~ = As/A~t~~e~   (混凝土规范式 8.1.2－4)\n";
    t.AppendFormat("\t\t    = %.0lf/%.0lf\n", r.dAreaS, r.dAte);
    t.AppendFormat("\t\t    = %.3lf%%\n", 100 * r.dRhoTe);
    AddRhoTeFloor(t, r.dRhoTe, "\t\t");
    t += "\t6.计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n";
    t += "\t\tψ = 1.1-0.65*f~t~~k~/(ρ~t~~e~*σ~s~~k~)    (混凝土规范式 8.1.2－2)\n";
    t.AppendFormat("\t\t   = 1.1-0.65*%.2lf/(%.3lf%%*%.3lf)\n", slab.dFtk, 100 * r.dRhoTeUsed, r.dSigmaSk);
    t.AppendFormat("\t\t   = %.3lf\n", r.dPsiRaw);
    AddPsiBound(t, r.dPsiRaw, "\t\t   ");
    t += "\t7.计算单位面积钢筋根数n\n";
    t += "\t\tn = 1000/s\n";
    t.AppendFormat("\t\t  = 1000/%d\n", slab.nSpace);
    t.AppendFormat("\t\t  = %d\n", r.nBars);
    t += "\t8.计算受拉区纵向钢筋的等效直径d~eq~\n";
    t += "\t\td~eq~= (∑n~i~*d~i~$2$)/(∑n~i~*V~i~*d~i~)\n";
    t.AppendFormat("\t\t  = %d*%d$2$/(%d*%.1lf*%d)\n", r.nBars, slab.nDia, r.nBars, r.dNuI, slab.nDia);
    t.AppendFormat("\t\t  = %d\n", r.nDeq);
    t += "\t9.计算最大裂缝宽度\n";
    t += "\t\tω~max~ =α~cr~*ψ*σ~sk~/E~S~*(1.9*C+0.08*d~eq~/ρ~te~) (混凝土规范式 8.1.2－1)\n";
    t.AppendFormat("\t\t     = %.1lf*%.3lf*%.3lf/%.1lf×10$5$*(1.9*%.0lf+0.08*%d/%.3lf%%)\n", kCrackAlpha, r.dPsi,
                   r.dSigmaSk, slab.dEs5, r.dCover, r.nDeq, 100 * r.dRhoTeUsed);
    t.AppendFormat(bBeam ? "\t\t     = %.4lf mm" : "\t\t     = %.4lf mm\n", r.dWmax);
    StairWriteRow(pReport, t);

    CString strVerdict;
    if (bBeam)
        strVerdict.Format(bPass ? "≤ %.2lf mm,满足规范要求\n" : "＞ %.2lf mm,不满足规范要求\n", slab.dCrackLimit);
    else
        strVerdict.Format(bPass ? "\t\t     ≤ %.2lf mm,满足规范要求\n" : "\t\t     ＞ %.2lf mm,不满足规范要求\n",
                          slab.dCrackLimit);
    StairWriteRow(pReport, strVerdict, bPass ? 0 : 6);
    return bPass;
}

int StairDeflectionCheck(const StairSlabCase& slab, CWordObject* pReport) {
    const StairSlabCheck r = StairSlabEvaluate(slab);
    const int bPass = r.bHasBars && r.dFmax <= r.dF0 ? 1 : 0;
    if (!pReport) return bPass;
    if (!r.bHasBars) {
        StairWriteRow(pReport, kNoBars, 6);
        return bPass;
    }

    CString t;
    t += "\tMk --------  按荷载效应的标准组合计算的弯矩值\n";
    t += "\tMq --------  按荷载效应的准永久组合计算的弯矩值\n";
    t += "\t1.计算标准组合弯距值Mk:\n";
    t += "\t\tMk = M~g~~k~+M~q~~k~\n";
    t += "\t\t   = (q~g~~k~ + q~q~~k~)*L~0~$2$/8\n";
    t.AppendFormat("\t\t   = (%.2lf + %.3lf)*%.2lf$2$/8\n", slab.dGk, slab.dQk, slab.dL0);
    t.AppendFormat("\t\t   = %.3lf kN*m\n", r.dMk);
    t += "\t2.计算永久组合弯距值Mq:\n";
    t += "\t\tMq = M~g~~k~+ψ~q~*M~q~~k~\n";
    t += "\t\t   = (q~g~~k~ + ψ~q~*q~q~~k~)*L~0~$2$/8\n";
    t.AppendFormat("\t\t   = (%.2lf + %.2lf*%.3lf)*%.2lf$2$/8\n", slab.dGk, slab.dPsiQ, slab.dQk, slab.dL0);
    t.AppendFormat("\t\t   = %.3lf kN*m\n", r.dMq);
    t += "\t3.计算受弯构件的短期刚度 B~s~\n";
    t += "\t\t1) 计算按荷载荷载效应的标准组合作用下，构件纵向受拉钢筋应力\n";
    t += "\t\t   σ~s~~k~ = Mk/(0.87*h~0~*As)  (混凝土规范式 8.1.3－3)\n";
    t.AppendFormat("\t\t       = %.3lf×10$6$/(0.87*%.0lf*%.0lf)\n", r.dMk, r.dH0, r.dAreaS);
    t.AppendFormat("\t\t       = %.3lf N/mm\n", r.dSigmaSk);
    t += "\t\t2) 计算按有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率\n";
    t.AppendFormat("\t\t   矩形截面积: A~t~~e~ = 0.5*b*h = 0.5*%.0lf*%.0lf= %.0lf mm$2$\n", slab.dB, slab.dH, r.dAte);
    t += "\t\t   ρ~t~~e~ = As/A~t~~e~   (混凝土规范式 8.1.2－4)\n";
    t.AppendFormat("\t\t       = %.0lf/%.0lf\n", r.dAreaS, r.dAte);
    t.AppendFormat("\t\t       = %.3lf%%\n", 100 * r.dRhoTe);
    AddRhoTeFloor(t, r.dRhoTe, "\t\t   ");
    t += "\t\t3) 计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n";
    t += "\t\t   ψ = 1.1-0.65*f~t~~k~/(ρ~t~~e~*σ~s~~k~)    (混凝土规范式 8.1.2－2)\n";
    t.AppendFormat("\t\t      = 1.1-0.65*%.2lf/(%.3lf%%*%.3lf)\n", slab.dFtk, 100 * r.dRhoTeUsed, r.dSigmaSk);
    t.AppendFormat("\t\t      = %.3lf\n", r.dPsiRaw);
    AddPsiBound(t, r.dPsiRaw, "\t\t   ");
    t += "\t\t4) 计算钢筋弹性模量与混凝土模量的比值 α~E~\n";
    t += "\t\t  αE = E~S~/E~C~\n";
    t.AppendFormat("\t\t      = %.2lf×10$5$/(%.2lf×10$4$)\n", slab.dEs5, slab.dEc * 1e-4);
    t.AppendFormat("\t\t      = %.3lf\n", r.dAlphaE);
    t += "\t\t5) 计算受压翼缘面积与腹板有效面积的比值 γ~f~\n";
    t.AppendFormat("\t\t   矩形截面，γ~f~ = %.0lf\n", 0.0);
    t += "\t\t6) 计算纵向受拉钢筋配筋率ρ\n";
    t += "\t\t  ρ = As/(b*h~0~)\n";
    t.AppendFormat("\t\t     = %.0lf/(%.0lf*%.0lf)\n", r.dAreaS, slab.dB, r.dH0);
    t.AppendFormat("\t\t     = %.3lf%%\n", 100 * r.dRho);
    t += "\t\t7) 计算受弯构件的短期刚度 B~S~\n";
    t += "\t\t   B~S~ = E~S~*As*h~0~$2$/[1.15*ψ+0.2+6*αE*ρ/(1+ 3.5*γ~f~)](混凝土规范式8.2.3--1)\n";
    t.AppendFormat("\t\t     = %.2lf×10$5$*%.0lf*%.0lf$2$/[1.15*%.3lf+0.2+6*%.3lf*%.3lf%%/(1+3.5*%.1lf)]\n", slab.dEs5,
                   r.dAreaS, r.dH0, r.dPsi, r.dAlphaE, 100 * r.dRho, 0.0);
    t.AppendFormat("\t\t     = %.3lf×10$2$ kN*m$2$\n", r.dBs / 100);
    t += "\t4.计算受弯构件的长期刚度B\n";
    t += "\t\t1) 确定考虑荷载长期效应组合对挠度影响增大影响系数θ\n";
    t += "\t\t   当ρ`=0时，θ=2.0  (混凝土规范第 8.2.5 条)\n";
    t += "\t\t2) 计算受弯构件的长期刚度 B\n";
    t += "\t\t   B = Mk/(Mq*(θ-1)+Mk)*B~S~ (混凝土规范式 8.2.2)\n";
    t.AppendFormat("\t\t     = %.3lf/(%.3lf*(%.1lf-1)+%.3lf)*%.3lf×10$2$\n", r.dMk, r.dMq, kTheta, r.dMk, r.dBs / 100);
    t.AppendFormat("\t\t     = %.3lf×10$2$ kN*m$2$\n", r.dBl / 100);
    t += "\t5.计算受弯构件挠度\n";
    t += "\t\tf~max~ = 5*(q~g~~k~+q~q~~k~)*L~0~$4$/(384*B)\n";
    t.AppendFormat("\t\t   = 5*(%.2lf+%.3lf)*%.2lf$4$/(384*%.3lf×10$2$)\n", slab.dGk, slab.dQk, slab.dL0, r.dBl / 100);
    t.AppendFormat("\t\t   = %.3lf mm\n", r.dFmax);
    t += "\t6.验算挠度\n";
    // The beam stair prints the span in mm here.
    const double dSpanShown = slab.nWording == STAIR_WORDING_BEAM ? slab.dL0 * 1000 : slab.dL0;
    t.AppendFormat("\t\t挠度限值f~0~=L~0~/%.0lf=%.2lf/%.0lf=%.3lf mm\n", r.dDivisor, dSpanShown, r.dDivisor, r.dF0);
    StairWriteRow(pReport, t);

    CString strVerdict;
    strVerdict.Format(bPass ? "\t\tf~max~=%.3lfmm≤f~0~=%.3lfmm，满足规范要求!\n" : "\t\tf~max~=%.3lfmm＞f~0~=%.3lfmm，不满足规范要求!\n",
                      r.dFmax, r.dF0);
    StairWriteRow(pReport, strVerdict, bPass ? 0 : 6);
    return bPass;
}
