// The beam stair's short report and its entry in the host's calculation list.
#include <cmath>

#include "host/VuskMainInfo.h"
#include "host/WordObject.h"
#include "stair/BeamStairParam.h"
#include "stair/BeamStairReportRows.h"

namespace {

int Truncated(double dValue) { return std::isfinite(dValue) && std::fabs(dValue) < 1e9 ? static_cast<int>(dValue) : 0; }

}  // namespace

int CBeamStairParam::BuildWordS() {
    if (!LimitsHold()) return FALSE;
    WriteShortReport(&wordS);
    return 1;
}

void CBeamStairParam::WriteShortReport(CWordObject* r) {
    const double L = l1 + l2 + l3, h0 = h3 - as2;
    const BOOL bBar4 = nStairType == BEAM_STAIR_C || nStairType == BEAM_STAIR_D;
    r->WriteTitleInfo(strTitle);
    CString strText;
    strText.Format("一、构件编号: %s", (LPCTSTR)strNumber);
    r->WriteSectionTitle(strText);
    r->WriteSectionTitle("二、尺寸参数");
    BeamStairWriteFormat(r, 0, "\t\tL1=%dmm\n", Truncated(l1));
    BeamStairWriteFormat(r, 0, "\t\tL2=%dmm\n", Truncated(l2));
    BeamStairWriteFormat(r, 0, "\t\tL3=%dmm\n", Truncated(l3));
    BeamStairWriteFormat(r, 0, "\t\tH=%dmm\n", Truncated(nSteps * h));
    BeamStairWriteFormat(r, 0, "\t\tW=%dmm\n", Truncated(w));
    BeamStairWriteFormat(r, 0, "\t\tt=%dmm\n", Truncated(t));
    BeamStairWriteFormat(r, 0, "\t\tn=%d(阶)\n", nSteps);
    r->WriteSectionTitle("三、荷载参数");
    BeamStairWriteFormat(r, 0, "\t\t可变荷载：q = %.3lfkN/m$2$", lv);
    BeamStairWriteFormat(r, 0, "\t\t面层荷载：qm = %.3lfkN/m$2$", lm);
    BeamStairWriteFormat(r, 0, "\t\t栏杆荷载：qf = %.3lfkN/m\n", lx);
    r->WriteSectionTitle("四、计算结果");
    BeamStairWriteFormat(r, 0, "1．纵筋①计算结果：\n");
    BeamStairWriteFormat(r, 0, "\t\t计算面积：%.2f mm$2$\n", XLSteelAs);
    BeamStairWriteFormat(r, 0, BeamStairSchemeFormat(strSteelLevel, FALSE, TRUE), shpbar1_Int, shpbar1_Dia,
                         SchemeArea(1));
    BeamStairWriteFormat(r, 0, "\t\t实际配筋率：ρ = %.4f%%\n", 100 * SchemeArea(1) / ((L / 6) * h0));
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
    if (bBar4) {
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
    if (m_bIsCalRAL != 1) return;
    r->WriteSectionTitle("五、挠度和裂缝计算结果");
    const struct {
        int bOk;
        const char* pass;
        const char* fail;
    } verdicts[4] = {
        {bPassed, "\t\t1.梯梁挠度计算满足规范要求!\n", "\t\t1.梯梁挠度计算不满足规范要求!\n"},
        {m_bBeamCrackOK, "\t\t2.梯梁裂缝计算满足规范要求!\n", "\t\t2.梯梁裂缝不满足规范要求!\n"},
        {m_bFlexOK, "\t\t3.斜板挠度验算满足规范要求!\n", "\t\t3.斜板挠度验算不满足规范要求!\n"},
        {m_bCrackOK, "\t\t4.斜板裂缝验算满足规范要求!\n", "\t\t4.斜板裂缝验算不满足规范要求!\n"},
    };
    for (const auto& v : verdicts) StairWriteRow(r, v.bOk == 1 ? v.pass : v.fail, v.bOk == 1 ? 0 : 6);
    // The serviceability verdicts do not speak for bars that fall short of their area.
    if (HasShortSchemes()) StairWriteRow(r, "\t\t实配面积小于计算面积，不满足规范要求!\n", 6);
}

void CBeamStairParam::GetListData() {
    strResultInfo.Empty();
    g_VuskMainInfo.SetCurCmdType("梁式楼梯计算");
    g_VuskMainInfo.SetCurCmdNumber(strNumber);
    CString strText;
    strText.Format("n=%d阶, t=%.1lfmm\nh1=%.1lfmm, h2=%.1lfmm\nh3=%.1lfmm, h4= %.1lfmm\nL2=%.1lfmm, L3=%.1lfmm\nW=%.1lfmm",
                   nSteps, t, h1, h2, h3, h4, l2, l3, w);
    g_VuskMainInfo.SetCurCmdDimInfo(strText);
    strText.Format("q=%.1lfkN/m*m\nqm=%.1lfkN/m*m\nqf=%.1lfkN/m", lv, lm, lx);
    g_VuskMainInfo.SetCurCmdLoadInfo(strText);
    strResultInfo.AppendFormat("钢筋1实配面积:%.0fmm2\n", SchemeArea(1));
    strResultInfo.AppendFormat("钢筋2实配面积:%.0fmm2\n", SchemeArea(2));
    strResultInfo.AppendFormat("钢筋3采用方案：2d%d@%d\n", shpbar3_Dia, shpbar3_Int);
    if (nStairType == BEAM_STAIR_C || nStairType == BEAM_STAIR_D) {
        CString strFormat = BeamStairSchemeFormat(strSteelLevel, TRUE, FALSE);
        strFormat.Replace("\t\t采用方案：", "钢筋4采用方案：");
        strResultInfo.AppendFormat(strFormat, shpbar4_Int, shpbar4_Dia);
        strResultInfo.AppendFormat("钢筋5实配面积:%.0fmm2\n", SchemeArea(5));
    }
    strResultInfo.AppendFormat("钢筋6/7实配面积:%.0lfmm2\n", SchemeArea(6));
    g_VuskMainInfo.SetCurCmdResultInfo(strResultInfo);
    g_VuskMainInfo.SetCurCmdBPrint(1);
}
