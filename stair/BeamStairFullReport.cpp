// The beam stair's full calculation report: head, picture, basic data, the calculation process, the
// chosen bars and, with the serviceability option, the stair beam's deflection and crack width and
// the slab's checks.
#include <cmath>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "host/WordObject.h"
#include "resources/BeamStairResource.h"
#include "stair/BeamStairParam.h"
#include "stair/BeamStairReportRows.h"

namespace {

const char kNoBeamBars[] = "\t\t未选定钢筋①(直径或根数为0)，无法验算\n";

const char* RestraintText(int nRestraint) {
    static const char* const kTexts[4] = {"两端铰支\n", "上端铰支下端固定\n", "上端固定下端铰支\n", "两端固定\n"};
    return nRestraint >= 0 && nRestraint <= 3 ? kTexts[nRestraint] : "";
}

}  // namespace

int CBeamStairParam::BuildWordC() {
    if (!LimitsHold()) return FALSE;
    WriteFullReport(&wordC);
    return TRUE;
}

void CBeamStairParam::WriteFullReport(CWordObject* r) {
    const double L0 = l1 + l2 + l3, B0 = w - 2 * b3, dCos = b / std::sqrt(b * b + h * h);
    const BOOL bPlatform = nStairType != BEAM_STAIR_A;

    r->WriteTitleInfo(strTitle);
    r->WriteSectionTitle("项目名称_____________日    期_____________");
    r->WriteSectionTitle("设 计 者_____________校 对 者_____________\n");
    CString strText;
    strText.Format("一、工程名称: %s", (LPCTSTR)strNumber);
    r->WriteSectionTitle(strText);

    r->WriteSectionTitle("二、示意图");
    static const UINT kPictures[4] = {IDB_BEAM_STAIR_A, IDB_BEAM_STAIR_B, IDB_BEAM_STAIR_C, IDB_BEAM_STAIR_D};
    if (nStairType >= 0 && nStairType <= 3) r->WritePhotograph(GetResHandle(), kPictures[nStairType], 0, 0);

    r->WriteSectionTitle("三、基本资料");
    BeamStairWriteFormat(r, 0, "1．依据规范：\n");
    BeamStairWriteFormat(r, 0, "\t\t《建筑结构荷载规范》（GB 50009－2001）\n\t\t《混凝土结构设计规范》（GB 50010－2002）\n");
    BeamStairWriteFormat(r, 0, "2．几何参数：\n");
    const char* lpszRestraint = RestraintText(nRestrictionType);
    switch (nStairType) {
    case BEAM_STAIR_A:
        BeamStairWriteFormat(r, 0, "\t\t楼梯类型： 梁式楼梯（ ╱ 型）\t\t支座条件： %s", lpszRestraint);
        BeamStairWriteFormat(r, 0, "\t\t斜梯段水平长度： L~1~ = %.0f mm\n\t\t梯段净跨： L~n~ = L~1~ = %.0f mm\n", l1, L0);
        break;
    case BEAM_STAIR_B:
        BeamStairWriteFormat(r, 0, "\t\t楼梯类型： 梁式楼梯（ __╱ 型）\t\t支座条件： %s", lpszRestraint);
        BeamStairWriteFormat(r, 0,
                             "\t\t斜梯段水平长度： L~1~ = %.0f mm\t\t\t下平台长度： L~3~ = %.0f mm\n\t\t梯段净跨： L~n~ = "
                             "L~1~＋L~3~ = %.0f＋%.0f = %.0f mm\n",
                             l1, l3, l1, l3, L0);
        break;
    case BEAM_STAIR_C:
        BeamStairWriteFormat(r, 0, "\t\t楼梯类型： 梁式楼梯（ ╱￣ 型）\t\t支座条件： %s", lpszRestraint);
        BeamStairWriteFormat(r, 0,
                             "\t\t斜梯段水平长度： L~1~ = %.0f mm\t\t\t上平台长度： L~2~ = %.0f mm\n\t\t梯段净跨： L~n~ = "
                             "L~1~＋L~2~ = %.0f＋%.0f = %.0f mm\n",
                             l1, l2, l1, l2, L0);
        break;
    case BEAM_STAIR_D:
        BeamStairWriteFormat(r, 0, "\t\t楼梯类型： 梁式楼梯（ __╱￣ 型）\t\t支座条件： %s", lpszRestraint);
        BeamStairWriteFormat(r, 0,
                             "\t\t斜梯段水平长度： L~1~ = %.0f mm\t\t\t上平台长度： L~2~ = %.0f mm\n\t\t下平台长度： L~3~ = "
                             "%.0f mm\n\t\t梯段净跨：\tL~n~ = L~1~＋L~2~＋L~3~ = %.0f＋%.0f＋%.0f = %.0f mm\n",
                             l1, l2, l3, l1, l2, l3, L0);
        break;
    default:
        break;
    }
    BeamStairWriteFormat(r, 0,
                         "\t\t楼梯高度：\tH = %.0fmm\t\t\t\t\t楼梯宽度：W = %.0f mm\n\t\t梯板厚：\tt = %.0f mm\t\t\t\t\t楼梯级"
                         "数：n = %d(阶)\n",
                         nSteps * h, w, t, nSteps);
    BeamStairWriteFormat(r, 0,
                         "\t\t踏步宽度：\tb = %.0f mm\t\t\t\t\t踏步高度：h = %.0f mm\n\t\t上平台楼梯梁宽度: b~1~ = %.0f "
                         "mm\t\t\t\t下平台楼梯梁宽度: b~2~ = %.0f mm\n",
                         b, h, b1, b2);
    BeamStairWriteFormat(r, 0, "\t\t楼梯梁高度：h~3~ = %.0f mm\t\t\t\t\t楼梯梁宽度： b~3~ = %.0f mm\n", h3, b3);
    if (nStairType > 0) BeamStairWriteFormat(r, 0, "\t\t水平段楼板厚度： h~4~ = %.0f mm\n", h4);
    BeamStairWriteFormat(r, 0, "3．荷载标准值：\n");
    BeamStairWriteFormat(r, 0,
                         "\t\t可变荷载：q = %.2lfkN/m$2$\t\t\t\t\t面层荷载：q~m~ = %.2lfkN/m$2$\n\t\t栏杆荷载：q~f~ = "
                         "%.2lfkN/m\n",
                         lv, lm, lx);
    BeamStairWriteFormat(r, 0,
                         "\t\t永久荷载分项系数: γ~G~ = %.2f\t\t\t\t\t可变荷载分项系数: γ~Q~ = %.2f\n\t\t准永久值系数: "
                         "ψ~q~ = %.2f\n",
                         m_dRg, m_dRq, m_dWq);
    BeamStairWriteFormat(r, 0, "4．材料信息：\n");
    const double fc = CQeltConcrete::GetFc(strConcreteLevel);
    const double ftk = CQeltConcrete::GetFtk(strConcreteLevel);
    const double ft = CQeltConcrete::GetFt(strConcreteLevel);
    const double a1fc = Alpha1Fc();
    const double Ec = CQeltConcrete::GetEc(strConcreteLevel);
    const double fy = CQeltSteelBar::GetFy(strSteelLevel);
    BeamStairWriteFormat(r, 0,
                         "\t\t混凝土强度等级: %s\t\t\t\t\t\tf~c~ = %.2f N/mm$2$\n\t\tf~tk~ = %.2f N/mm$2$\t\t\t\t\t\tf~t~ = "
                         "%.2f N/mm$2$\n",
                         (LPCTSTR)strConcreteLevel, fc, ftk, ft);
    BeamStairWriteFormat(r, 0, "\t\t梯梁纵筋强度等级: %s\t\t\t\t\tE~S~ = %.0lf N/mm$2$\n\t\tf~y~ = %.1f N/mm$2$\n",
                         (LPCTSTR)strSteelLevel, m_dEs, fy);
    BeamStairWriteFormat(r, 0, "\t\t受拉区纵向钢筋类别：%s\n", (LPCTSTR)m_strSteelStypeVor);
    BeamStairWriteFormat(r, 0, "\t\t其余钢筋选用HPB235钢\t\t\t\t\t\tf~yv~ = 210.0 N/mm$2$\n");
    BeamStairWriteFormat(r, 0, "\t\t保护层厚度: c = %.0lf mm\n", m_dC);
    BeamStairWriteFormat(r, 0, "\t\t顶棚厚度 c~1~ ＝ 20mm\t\t\t\t\t\t顶棚容重 R~s~ ＝20.0 kN/m$3$\n");
    BeamStairWriteFormat(r, 0,
                         "\t\t混凝土容重 R~c~ ＝25.0 kN/m$3$\t\t\t\t\t混凝土弹性模量 E~c~ = %.2f×10$4$ N/mm$2$\n\t\t钢"
                         "筋弹性模量 E~s~ = 2.1×10$5$ N/mm$2$\n",
                         Ec / 1e4);
    BeamStairWriteFormat(r, 0,
                         "\t\t梯段板纵向受力钢筋合力点至近边距离\t\ta~s1~ = %.0f mm\n\t\t梯梁纵向受力钢筋合力点至近边距离\t"
                         "\ta~s2~ = %.0f mm\n",
                         as1, as2);

    // 四: geometry and design loads.
    r->WriteSectionTitle("四、计算过程：");
    BeamStairWriteFormat(r, 0,
                         "\t说明：本计算书中所有的剪力、弯矩、挠度均由《建筑结构静力计算手册》中\n\t\t  单跨梁的内力及"
                         "变位计算公式所得。\n");
    BeamStairWriteFormat(r, 0, "1．楼梯几何参数：\n");
    BeamStairWriteFormat(r, 0,
                         "\t\t梯段倾角余弦值：cosα = b/sqrt(b$2$＋h$2$) = %.2f/sqrt(%.2f$2$＋%.2f$2$) =%.2f\n\t\t梯梁计算"
                         "跨度:\tL~0~ = L~n~ = %.0f mm\n",
                         b, b, h, dCos, L0);
    BeamStairWriteFormat(r, 0, "\t\t梯段板计算跨度:\tB~0~ = W－2*b~3~ = %.0f－2*%.0f =%.0f mm\n", w, b3, B0);
    BeamStairWriteFormat(r, 0, "\t\t梯段板平均厚度:\th~t~ = (h＋2t/cosα)/2 = (%.2f＋2*%.2f/%.2f)/2 = %.2f mm\n", h, t,
                         dCos, ht);
    BeamStairWriteFormat(r, 0, "2．荷载设计值：\n");
    const double gkb = 25 * ht * b / 1e6, gkm = lm * (b + h) / 1000, gks = 0.4 * b / (1000 * dCos);
    const double Pkb = gkb + gkm + gks;
    const double PbG = 1.35 * Pkb + 0.7 * m_dRq * lv * b / 1000, PbL = m_dRg * Pkb + m_dRq * lv * b / 1000;
    BeamStairWriteFormat(r, 0,
                         "\t(1)  梯段板荷载设计值（取一个踏步宽板带）：\n\t\t自重：g~kb~ = R~c~*h~t~*b = 25.0*%.2f*%.2f = "
                         "%.2f kN/m\n",
                         ht / 1000, b / 1000, gkb);
    BeamStairWriteFormat(r, 0, "\t\t面层：g~km~ = q~m~*(h＋b) = %.2f*(%.2f＋%.2f) = %.2f kN/m\n", lm, h / 1000, b / 1000,
                         gkm);
    BeamStairWriteFormat(r, 0,
                         "\t\t抹灰：g~ks~ = R~s~*c~1~*b/cosα = 20.0*0.02*%.2f/%.2f = %.2f kN/m\n\t\t恒荷标准值：P~kb~ = "
                         "g~kb~＋g~km~＋g~ks~ = %.2f＋%.2f＋%.2f = %.2f kN/m\n",
                         b / 1000, dCos, gks, gkb, gkm, gks, Pkb);
    BeamStairWriteFormat(r, 0,
                         "\t\t恒荷控制：\n\t\tP~b~(G) = 1.35*P~kb~＋γ~Q~*0.7*b*q\n\t\t\t = 1.35*%.2f＋%.2lf*0.7*%.2f*%.2f "
                         "= %.2f kN/m\n",
                         Pkb, m_dRq, b / 1000, lv, PbG);
    BeamStairWriteFormat(r, 0,
                         "\t\t活荷控制：\n\t\tP~b~(L) = γ~G~*P~kb~＋γ~Q~*b*q = %.2lf*%.2f＋%.2lf*%.2f*%.2f = %.2f "
                         "kN/m\n\t\t荷载设计值：P~b~ = max{ P~b~(G) , P~b~(L) } = %.2f kN/m\n",
                         m_dRg, Pkb, m_dRq, b / 1000, lv, PbL, PbG > PbL ? PbG : PbL);
    const double gkl = 1.1 * 25 * b3 * h3 / (1e6 * dCos);
    const double Pkl = Pkb * w / (2 * b) + gkl + lx;
    const double PlG = 1.35 * Pkl + 0.7 * m_dRq * lv * w / 2000, PlL = m_dRg * Pkl + m_dRq * lv * w / 2000;
    BeamStairWriteFormat(r, 0, "\t(2)  斜梯段梯梁荷载设计值：\n\t\t自重放大系数（考虑面层）:λ~b~=1.1\n");
    BeamStairWriteFormat(r, 0, "\t\t自重：g~kl~ = λ~b~*R~c~*b~3~*h~3~/cosα = 1.1*25.0*%.2f*%.2f/%.2f = %.2f kN/m\n",
                         b3 / 1000, h3 / 1000, dCos, gkl);
    BeamStairWriteFormat(r, 0,
                         "\t\t恒荷标准值：\n\t\tP~kl~ = P~kb~/b*W/2＋g~kl~＋q~f~  = %.2f/%.2f*%.2f/2＋%.2f＋%.2f = %.2f "
                         "kN/m\n",
                         Pkb, b / 1000, w / 1000, gkl, lx, Pkl);
    BeamStairWriteFormat(r, 0,
                         "\t\t恒荷控制：\n\t\tP~l~(G) = 1.35*P~kl~＋γ~Q~*0.7*q*W/2\n\t\t\t = 1.35*%.2f＋%.2lf*0.7*%.2f*%.2f/2 "
                         "= %.2f kN/m\n",
                         Pkl, m_dRq, lv, w / 1000, PlG);
    BeamStairWriteFormat(r, 0,
                         "\t\t活荷控制：\n\t\tP~l~(L) = γ~G~*P~kl~＋γ~Q~*q*W/2 = %.2lf*%.2f＋%.2lf*%.2f*%.2f/2 = %.2f "
                         "kN/m\n\t\t荷载设计值：P~l~ = max{ P~l~(G) , P~l~(L) } = %.2f kN/m\n",
                         m_dRg, Pkl, m_dRq, lv, w / 1000, PlL, PlG > PlL ? PlG : PlL);
    if (bPlatform) {
        const double gkb2 = 25 * h4 / 1000, gkm2 = lm, gks2 = 0.4;
        const double Pkb2 = gkb2 + gkm2 + gks2;
        const double Pb2G = 1.35 * Pkb2 + 0.7 * m_dRq * lv, Pb2L = m_dRg * Pkb2 + m_dRq * lv;
        BeamStairWriteFormat(r, 0, "\t(3)  平台板荷载设计值（取 B = 1m 宽板带）：\n");
        BeamStairWriteFormat(r, 0,
                             "\t\t自重：g~kb~' = R~c~*h~4~*B = 25.0*%.2f*1.0 = %.2f kN/m\n\t\t面层：g~km~' = q~m~*B = "
                             "%.2f*1 = %.2f kN/m\n",
                             h4 / 1000, gkb2, lm, gkm2);
        BeamStairWriteFormat(r, 0,
                             "\t\t抹灰：g~ks~' = R~s~*c~1~*B = 20.0*0.02*1 = %.2f kN/m\n\t\t恒荷标准值：P~kb~' = "
                             "g~kb~'＋g~km~'＋g~ks~' = %.2f＋%.2f＋%.2f = %.2f kN/m\n",
                             gks2, gkb2, gkm2, gks2, Pkb2);
        BeamStairWriteFormat(r, 0,
                             "\t\t恒荷控制：\n\t\tP~b~(G)' = 1.35*P~kb~'＋γ~Q~*0.7*B*q\n\t\t\t = 1.35*%.2f＋%.2lf*0.7*1.0*%.2f "
                             "= %.2f kN/m\n",
                             Pkb2, m_dRq, lv, Pb2G);
        BeamStairWriteFormat(r, 0,
                             "\t\t活荷控制：\n\t\tP~b~(L)' = γ~G~*P~kb~'＋γ~Q~*B*q = %.2lf*%.2f＋%.2lf*1.0*%.2f = %.2f "
                             "kN/m\n\t\t荷载设计值：P~b~' = max{ P~b~(G)' , P~b~(L)' } = %.2f kN/m\n",
                             m_dRg, Pkb2, m_dRq, lv, Pb2L, Pb2G > Pb2L ? Pb2G : Pb2L);
        const double gkl2 = 1.1 * 25 * b3 * h3 / 1e6;
        const double Pkl2 = Pkb2 * w / 2000 + gkl2 + lx;
        const double Pl2G = 1.35 * Pkl2 + 0.7 * m_dRq * lv * w / 2000, Pl2L = m_dRg * Pkl2 + m_dRq * lv * w / 2000;
        BeamStairWriteFormat(r, 0, "\t(4)  平台段梯梁荷载设计值：\n\t\t自重放大系数（考虑面层）:λ~b~=1.1\n");
        BeamStairWriteFormat(r, 0, "\t\t自重：g~kl~' = λ~b~*R~c~*b~3~*h~3~ = 1.1*25.0*%.2f*%.2f = %.2f kN/m\n", b3 / 1000,
                             h3 / 1000, gkl2);
        BeamStairWriteFormat(r, 0,
                             "\t\t恒荷标准值：\n\t\tP~kl~' = P~kb~'/B*W/2＋g~kl~'＋q~f~  = %.2f/1.0*%.2f/2＋%.2f＋%.2f = "
                             "%.2f kN/m\n",
                             Pkb2, w / 1000, gkl2, lx, Pkl2);
        BeamStairWriteFormat(r, 0,
                             "\t\t恒荷控制：\n\t\tP~l~(G)' = 1.35*P~kl~'＋γ~Q~*0.7*q*W/2\n\t\t\t = "
                             "1.35*%.2f＋%.2lf*0.7*%.2f*%.2f/2 = %.2f kN/m\n",
                             Pkl2, m_dRq, lv, w / 1000, Pl2G);
        BeamStairWriteFormat(r, 0,
                             "\t\t活荷控制：\n\t\tP~l~(L)' = γ~G~*P~kl~'＋γ~Q~*q*W/2 = %.2lf*%.2f＋%.2lf*%.2f*%.2f/2 = "
                             "%.2f kN/m\n\t\t荷载设计值：P~l~' = max{ P~l~(G)' , P~l~(L)' } = %.2f kN/m\n",
                             m_dRg, Pkl2, m_dRq, lv, w / 1000, Pl2L, Pl2G > Pl2L ? Pl2G : Pl2L);
    }

    // 四: shear of the stair beam.
    const double h0 = h3 - as2;
    BeamStairWriteFormat(r, 0, "3．梯梁斜截面受剪承载力计算：\n");
    BeamStairWriteFormat(r, 0, "\t\tV~max~ = %.2f kN\n", beamVmax / 1000);
    const double Vc = 0.7 * ft * b3 * h0;
    if (Vc < beamVmax)
        BeamStairWriteFormat(r, 0, "\t\tA~sv~/~s~ = %.3f mm\n", XLGJSteelAs);
    else
        BeamStairWriteFormat(r, 0,
                             "\t\tV~max~≤0.7*f~t~*b~3~*(h~3~－a~s2~)\n\t\t\t= 0.7*%.2f*%.2f*(%.2f－%.2f)\n\t\t\t= %.2f "
                             "kN\n\t\t按构造配置箍筋。\n",
                             1000 * ft, b3 / 1000, h3 / 1000, as2 / 1000, Vc / 1000);

    // 四: flexure.
    BeamStairWriteFormat(r, 0, "4．正截面受弯承载力计算：\n");
    const double H = (t + h * dCos) / 2, b0 = b / dCos;
    const double dAlphaS = Mmax1 / (a1fc * b0 * H * H);
    const double dRoot = 1 - 2 * dAlphaS;
    const double dSlabRho =
        dRoot >= 0 ? 100 * (Mmax1 / (210 * (1 + std::sqrt(dRoot)) / 2 * H)) / (b0 * H) : 0;
    BeamStairWriteFormat(r, 0,
                         "\t(1)  梯段斜板计算：\n\t\t计算高度：H = (t+h*cosα)/2 = %.2f mm\n\t\t计算宽度：b~0~ = b/cosα = "
                         "%.2f mm\n\t\tM~max~ = P~b~*B~0~$2$/8 = %.2f*%.2f$2$/8 = %.2f kN·m    ρ = %.4f%%\n",
                         H, b0, PbG > PbL ? PbG : PbL, B0 / 1000, Mmax1 / 1e6, dSlabRho);
    const double dSlabRhoMin = std::max(0.002, 0.45 * ft / 210);
    if (dSlabRho < 100 * dSlabRhoMin)
        BeamStairWriteFormat(r, 0, "\t\tρ＜ρ~min~ = max{0.002,(0.45*f~t~/f~yv~)} = %.4f%%    ρ = ρ~min~ = %.4f%%\n",
                             100 * dSlabRhoMin, 100 * dSlabRhoMin);
    BeamStairWriteFormat(r, 0, "\t\t纵筋⑥/⑦计算面积：A~s~ = %.2f mm$2$\n", TDBSteelAs);

    BeamStairWriteFormat(r, 0, "\t(2)  梯梁计算：\n\t\tM~中~ =  %.2f kN·m    ρ = %.4f%%\n", Mmax2, 100 * XLRho);
    const double dRhoMin = std::max(0.002, 0.45 * ft / fy);
    if (dRhoMin > XLRho)
        BeamStairWriteFormat(r, 0, "\t\tρ＜ρ~min~ = max{0.002,(0.45*f~t~/f~y~)} = %.4f%%    ρ = ρ~min~ = %.4f%%\n",
                             100 * dRhoMin, 100 * dRhoMin);
    BeamStairWriteFormat(r, 0, "\t\t纵筋①计算面积：A~s~ = %.2f mm$2$\n", XLSteelAs);

    const double dRhoMinS = std::max(0.002, 0.25 * XLSteelAs / (b3 * h0));
    const struct {
        const char* head;
        BOOL bFixed;
        const char* moment;
        double M, rho;
        const char* area;
        double As;
    } supports[2] = {
        {"\t\t左支座：\n", nRestrictionType == 2 || nRestrictionType == 3, "\t\tM~左~ = %.2f kN·m    ρ = %.4f%%\n",
         MmaxL, LXLZHZRho, "钢筋②计算面积：A~s~ = %.2f mm$2$\n", LXLZHZSteelAs},
        {"\t\t右支座：\n", nRestrictionType == 1 || nRestrictionType == 3, "\t\tM~右~ = %.2f kN·m    ρ = %.4f%%\n",
         MmaxR, RXLZHZRho, "钢筋⑤计算面积：A~s~ = %.2f mm$2$\n", RXLZHZSteelAs},
    };
    for (const auto& s : supports) {
        BeamStairWriteFormat(r, 0, s.head);
        if (s.bFixed) {
            BeamStairWriteFormat(r, 0, s.moment, s.M / 1e6, 100 * s.rho);
            if (dRhoMinS > s.rho)
                BeamStairWriteFormat(r, 0,
                                     "\t\tρ＜ρ~min~ = max{0.002,(0.25*ρ~跨中~)} = %.4f%%    ρ = ρ~min~ = %.4f%%\n",
                                     100 * dRhoMinS, 100 * dRhoMinS);
            BeamStairWriteFormat(r, 0, "\t\t");
        } else {
            BeamStairWriteFormat(r, 0, "\t\t按构造配筋。");
        }
        BeamStairWriteFormat(r, 0, s.area, s.As);
    }

    WriteResultRows(r);
    if (m_bIsCalRAL == 1) WriteServiceability(r);
}

void CBeamStairParam::WriteResultRows(CWordObject* r) {
    const double L0 = l1 + l2 + l3, h0 = h3 - as2;
    r->WriteSectionTitle("五、计算结果：");
    BeamStairWriteFormat(r, 0, "1．纵筋①计算结果：\n");
    BeamStairWriteFormat(r, 0, "\t\t计算面积：%.2f mm$2$\n", XLSteelAs);
    BeamStairWriteFormat(r, 0, BeamStairSchemeFormat(strSteelLevel, FALSE, TRUE), shpbar1_Int, shpbar1_Dia,
                         SchemeArea(1));
    BeamStairWriteFormat(r, 0, "\t\t实际配筋率：ρ = %.4f%%\n", 100 * SchemeArea(1) / (h0 * L0 / 6));
    WriteShortfall(r, 1);
    BeamStairWriteFormat(r, 0, "2．钢筋②计算结果：\n");
    BeamStairWriteFormat(r, 0, "\t\t计算面积：%.2f mm$2$\n", LXLZHZSteelAs);
    BeamStairWriteFormat(r, 0, BeamStairSchemeFormat(strSteelLevel, TRUE, TRUE), shpbar2_Int, shpbar2_Dia,
                         SchemeArea(2));
    BeamStairWriteFormat(r, 0, "\t\t实际配筋率：ρ = %.4f%%\n", 100 * SchemeArea(2) / (h0 * b3));
    WriteShortfall(r, 2);
    BeamStairWriteFormat(r, 0, "3．箍筋③计算结果：\n");
    BeamStairWriteFormat(r, 0, "\t\t采用方案：2d%d@%d\n", shpbar3_Dia, shpbar3_Int);
    WriteShortfall(r, 3);
    int nNext = 4;
    if (nStairType == BEAM_STAIR_C || nStairType == BEAM_STAIR_D) {
        BeamStairWriteFormat(r, 0, "%d．钢筋④计算结果：\n", nNext++);
        BeamStairWriteFormat(r, 0, BeamStairSchemeFormat(strSteelLevel, TRUE, FALSE), shpbar4_Int, shpbar4_Dia);
    }
    BeamStairWriteFormat(r, 0, "%d．钢筋⑤计算结果：\n", nNext++);
    BeamStairWriteFormat(r, 0, "\t\t计算面积：%.2f mm$2$\n", RXLZHZSteelAs);
    BeamStairWriteFormat(r, 0, BeamStairSchemeFormat(strSteelLevel, TRUE, TRUE), shpbar5_Int, shpbar5_Dia,
                         SchemeArea(5));
    WriteShortfall(r, 5);
    BeamStairWriteFormat(r, 0, "%d．纵筋⑥/⑦计算结果：\n", nNext);
    BeamStairWriteFormat(r, 0, "\t\t计算面积：A~s~ = %.2f mm$2$\n", TDBSteelAs);
    BeamStairWriteFormat(r, 0, "\t\t采用方案：d%d@%d\n\t\t实配面积：A~g~ = %.0fmm$2$\n", shpbar6_Dia, shpbar6_Int,
                         SchemeArea(6));
    WriteShortfall(r, 6);
}

void CBeamStairParam::WriteShortfall(CWordObject* r, int nScheme) const {
    if (IsSchemeShort(nScheme)) StairWriteRow(r, "\t\t实配面积小于计算面积\n", 6);
}

void CBeamStairParam::WriteServiceability(CWordObject* r) {
    const BeamStairLoads ld = Loads();
    const double L0 = l1 + l2 + l3, h0 = h3 - as2;
    const BOOL bPlatform = nStairType != BEAM_STAIR_A;
    const double Pkl = ld.gk2, Pkl2 = ld.gk4;
    const double q2 = lv * w / 2000;
    const double Qk = Pkl + q2, Qq = Pkl + 0.5 * q2;
    const double Qk2 = bPlatform ? Pkl2 + q2 : 0, Qq2 = bPlatform ? Pkl2 + 0.5 * q2 : 0;
    const double Mk = CalMidMoment(Qk, Qk2), Mq = CalMidMoment(Qq, Qq2);

    r->WriteSectionTitle("六、跨中挠度验算：");
    BeamStairWriteFormat(r, 0,
                         "\t\tM~k~ --------  按荷载效应的标准组合计算的弯矩值\n\t\tM~q~ --------  按荷载效应的准永久组合计"
                         "算的弯矩值\n");
    BeamStairWriteFormat(r, 0,
                         "\t\t取准永久值系数 ψ~q~ = 0.5\n\t\t梯段梯梁标准荷载：Q~k~ =P~kl~＋q*W/2=%.2f＋%.2f*%.2f/2=%.2f "
                         "kN/m\n",
                         Pkl, lv, w / 1000, Qk);
    BeamStairWriteFormat(r, 0, "\t\t梯段梯梁准永久荷载：Q~q~ =P~kl~＋ψ~q~*q*W/2=%.2f＋0.5*%.2f*%.2f/2=%.2f kN/m\n", Pkl,
                         lv, w / 1000, Qq);
    if (bPlatform) {
        BeamStairWriteFormat(r, 0, "\t\t平台梯梁标准荷载：Q~k~' =P~kl~'＋q*W/2=%.2f＋%.2f*%.2f/2=%.2f kN/m\n", Pkl2, lv,
                             w / 1000, Qk2);
        BeamStairWriteFormat(r, 0, "\t\t平台梯梁准永久荷载：Q~q~' =P~kl~'＋ψ~q~*q*W/2=%.2f＋0.5*%.2f*%.2f/2=%.2f kN/m\n",
                             Pkl2, lv, w / 1000, Qq2);
    }
    BeamStairWriteFormat(r, 0, "\t(1)  挠度验算参数：\n\t\tM~k~ = %.2f kN·m\n\t\tM~q~ = %.2f kN·m\n", Mk, Mq);
    const BeamStairBeamCheck c = EvaluateBeam(Mk, Mq);
    if (!c.bValid) {
        // Without bars ① there is no stiffness and no crack width to print.
        StairWriteRow(r, kNoBeamBars, 6);
        m_bBeamCrackOK = 0;
        r->WriteSectionTitle("七、梯梁裂缝宽度验算:");
        StairWriteRow(r, kNoBeamBars, 6);
    } else {
        BeamStairWriteFormat(r, 0,
                             "\t(2)  短期刚度B~s~与长期刚度B：\n\t\t按《混凝土结构设计规范》(GB 50010--2002)下列公式计算："
                             "\n\t\tψ ＝ 1.1－0.65*f~tk~/(ρ~te~*σ~sk~)\t\t\t\t\t\t\t\t(8.1.2－2)\n");
        BeamStairWriteFormat(r, 0,
                             "\t\tσ~sk~ = M~k~/(0.87*h~0~*A~S~)\t\t\t\t\t\t\t\t\t\t(8.1.3－3)\n\t\tρ~te~ = "
                             "(A~s~＋A~p~)/A~te~ \t\t\t\t\t\t\t\t\t\t\t(8.1.2－4)\n");
        BeamStairWriteFormat(r, 0,
                             "\t\tB~s~ = E~s~*A~s~*h~0~$2$/[1.15ψ＋0.2＋6*α~E~*ρ/(1＋3.5γ~f~')]\t\t\t(8.2.3－1)\n\t\tB = "
                             "M~k~/[M~q~*(θ－1)＋M~k~]*B~s~\t\t\t\t\t\t\t\t(8.2.2)\n");
        BeamStairWriteFormat(r, 0,
                             "\t\tσ~sk~ = M~k~/(0.87*h~0~*A~g~) = %.2f*10$6$/(0.87*%.0f*%.0f)  = %.2f N/mm\n\t\tρ~te~ = "
                             "A~g~/(0.5h~3~*b~3~) = %.0f/(0.5*%.0f*%.0f) = %.2f%% \n",
                             Mk, h0, c.dA1, c.dSigmaSk, c.dA1, h3, b3, 100 * c.dRhoTeRaw);
        if (c.dRhoTeRaw < 0.01) BeamStairWriteFormat(r, 0, "\t\tρ~te~ < 1%%，取ρ~te~ ＝1 %%\n");
        BeamStairWriteFormat(r, 0, "\t\tψ = 1.1－0.65*f~tk~/(ρ~te~*σ~sk~) = 1.1－0.65*%.2f/(%.2f%%*%.2f) = %.2f\n",
                             m_dFtk, 100 * c.dRhoTe, c.dSigmaSk, c.dPsiRaw);
        if (c.dPsiRaw < 0.2)
            BeamStairWriteFormat(r, 0, "\t\t当 ψ＜0.2 时，取ψ ＝ 0.2\n");
        else if (c.dPsiRaw > 1.0)
            BeamStairWriteFormat(r, 0, "\t\t当 ψ>1.0 时，取ψ ＝ 1.0\n");
        BeamStairWriteFormat(r, 0,
                             "\t\t钢筋弹性模量与混凝土模量的比值α~E~ = E~s~/E~c~ = %.2f\n\t\t受拉翼缘面积与腹板有效面积的"
                             "比值：γ~f~'＝ 0\n",
                             c.dAlphaE);
        BeamStairWriteFormat(r, 0, "\t\t纵向受拉钢筋配筋率 ρ = %.4f%%\n", 100 * c.dRho);
        BeamStairWriteFormat(r, 0,
                             "\t\tB~s~ = E~s~*A~g~*h~0~$2$/[1.15ψ＋0.2＋6*α~E~*ρ/(1＋3.5γ~f'~')]\n\t\t  = "
                             "210*%.0f*%.2f$2$/[1.15*%.2f＋0.2＋6*%.2f*%.4f%%/(1＋3.5*0)]\n\t\t  = %.2f kN·m$2$\n",
                             c.dA1, h0 / 1000, c.dPsi, c.dAlphaE, 100 * c.dRho, c.dBs / 1e9);
        BeamStairWriteFormat(r, 0,
                             "\t\t荷载长期作用对挠度增大的影响系数θ：当 ρ' = 0 时，θ = 2.0\n\t\tB = "
                             "M~k~/[M~q~*(θ－1)＋M~k~]*B~s~\n\t\t  = %.2f/[%.2f*(2－1)＋%.2f]*%.2f\n\t\t  = %.2f kN·m$2$\n",
                             Mk, Mq, Mk, c.dBs / 1e9, c.dB / 1e9);
        CString strLimit;
        strLimit.Format("1/%.0lf", BeamDeflectionDivisor(L0));
        if (XLKZHWY > 0)
            BeamStairWriteFormat(r, 0, "\t(3)  跨中挠度：f = %.2f mm\n\t\t梯梁计算长度L~0~ = %.2fm\n\t\tf/L~0~ = 1/%.0f",
                                 XLKZHWY, L0 / 1000, L0 / XLKZHWY);
        else
            BeamStairWriteFormat(r, 0, "\t(3)  跨中挠度：f = %.2f mm\n\t\t梯梁计算长度L~0~ = %.2fm\n\t\tf/L~0~ = 0",
                                 XLKZHWY, L0 / 1000);
        BeamStairWriteFormat(r, 0, bPassed == 1 ? " ≤ %s，满足要求。\n" : " ＞ %s，不满足要求！\n", (LPCTSTR)strLimit);

        m_bBeamCrackOK = c.dWmax <= m_dCrackWidth ? 1 : 0;
        r->WriteSectionTitle("七、梯梁裂缝宽度验算:");
        CString s;
        s += "\t1.计算荷载效应\n";
        s.AppendFormat("\t\tMk = %.2lf\n", Mk);
        s.AppendFormat("\t2.%s mm\n", (LPCTSTR)StairCrackCoverText(m_dC));
        s += "\t3.计算按荷载荷载效应的标准组合作用下，构件纵向受拉钢筋应力\n";
        s += "\t\tσ~s~~k~ = Mk/(0.87*h~0~*As)  (混凝土规范式 8.1.3－3)\n";
        s.AppendFormat("\t\t    = %.2lf×10$6$/(0.87*%.0lf*%.0lf)\n", Mk, h0, c.dA1);
        s.AppendFormat("\t\t    = %.3lf N/mm\n", c.dSigmaSk);
        s += "\t4.计算按有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率\n";
        s.AppendFormat("\t\t矩形截面积: A~t~~e~ = 0.5*b3*h3 = 0.5*%.0lf*%.0lf= %.0lf mm$2$\n", b3, h3, 0.5 * b3 * h3);
        s += "\t\tρ~t~~e~ = As/A~t~~e~   (混凝土规范式 8.1.2－4)\n";
        s.AppendFormat("\t\t    = %.0lf/%.0lf\n", c.dA1, 0.5 * b3 * h3);
        s.AppendFormat("\t\t    = %.3lf%%\n", 100 * c.dRhoTeRaw);
        s += "\t5.计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n";
        s += "\t\tψ = 1.1-0.65*f~t~~k~/(ρ~t~~e~*σ~s~~k~)    (混凝土规范式 8.1.2－2)\n";
        s.AppendFormat("\t\t   = 1.1-0.65*%.2lf/(%.3lf%%*%.3lf)\n", m_dFtk, 100 * c.dRhoTe, c.dSigmaSk);
        s.AppendFormat("\t\t   = %.3lf\n", c.dPsi);
        s += "\t6.计算最大裂缝宽度\n";
        s += "\t\tω~max~ =α~cr~*ψ*σ~sk~/E~S~*(1.9*C+0.08*d~eq~/ρ~te~) (混凝土规范式 8.1.2－1)\n";
        s.AppendFormat("\t\t     = %.1lf*%.3lf*%.3lf/%.1lf×10$5$*(1.9*%.0lf+0.08*%d/%.3lf%%)\n", 2.1, c.dPsi,
                       c.dSigmaSk, m_dEs * 1e-5, c.dCover, shpbar1_Dia, 100 * c.dRhoTe);
        s.AppendFormat("\t\t     = %.4lf mm\n", c.dWmax);
        StairWriteRow(r, s);
        if (m_bBeamCrackOK)
            BeamStairWriteFormat(r, 0, "\t\t     ≤ %.2lf mm满足规范要求\n", m_dCrackWidth);
        else
            BeamStairWriteFormat(r, 6, "\t\t     ＞ %.2lf mm,不满足规范要求\n", m_dCrackWidth);
    }

    r->WriteSectionTitle("八、跨中挠度计算: ");
    m_bFlexOK = CalSlabFlexibility(r);
    r->WriteSectionTitle("九、裂缝宽度验算: ");
    m_bCrackOK = CalSlabCrackWidth(r);
}
