// The plate stair's full and short reports, the schematic of the full report and the list entry.
#include "host/VuskMainInfo.h"
#include "mfc/gdi/DC.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"

namespace {

const char kShortBars[] = "\t\t实配面积小于计算面积\n";

}  // namespace

// An over-reinforced flight has no bars to report, and a limit out of its range no checks: both
// reports stay empty.
BOOL CStairBoardParam::HasResults() const { return !m_bOverReinforced && LimitsHold(); }

int CStairBoardParam::BuildWordC() {
    if (!HasResults()) return FALSE;
    WriteFullReport(&wordC);
    return TRUE;
}

int CStairBoardParam::BuildWordS() {
    if (!HasResults()) return FALSE;
    WriteShortReport(&wordS);
    return TRUE;
}

void CStairBoardParam::WriteBarBlocks(CWordObject* pReport, BOOL bShort) {
    static const struct {
        int nBar;
        const char* pszHeading;
        int nFirstKind;  // the first type that has the bar
    } kBlocks[] = {{1, "\t1.1号钢筋计算结果(跨中)\n", STAIR_KIND_A},
                   {2, "\t2.2/3号钢筋计算结果(支座)\n", STAIR_KIND_A},
                   {4, "\t3.4号钢筋计算结果\n", STAIR_KIND_A},
                   {5, "\t4.5号钢筋计算结果\n", STAIR_KIND_C},
                   {6, "\t5.6号钢筋计算结果\n", STAIR_KIND_E}};
    for (const auto& block : kBlocks) {
        if (M_STAIR_KIND < block.nFirstKind) continue;
        WriteRow(pReport, block.pszHeading);
        if (block.nBar == 1) WriteFormat(pReport, "\t\t计算面积A~s~：%.2f mm$2$\n", m_dAs1);
        if (block.nBar == 2) WriteFormat(pReport, "\t\t计算面积A~s~'：%.2f mm$2$\n", m_dAs23);
        WriteRow(pReport, "\t\t采用方案：");
        WriteRow(pReport, BarText(block.nBar, bShort && block.nBar == 2) + "\n");
        WriteFormat(pReport, "\t\t实配面积：%4.0f mm$2$\n", BarArea(block.nBar));
        if (IsBarShort(block.nBar) || (block.nBar == 2 && IsBarShort(3))) WriteRow(pReport, kShortBars, 6);
    }
}

void CStairBoardParam::WriteFullReport(CWordObject* pReport) {
    pReport->WriteTitleInfo("板式楼梯计算书\n");
    WriteRow(pReport, "项目名称_____________日    期_____________\n");
    WriteRow(pReport, "设 计 者_____________校 对 者_____________\n");
    m_strText.Format("一、构件编号:%s", (LPCTSTR)strNumber);
    pReport->WriteSectionTitle(m_strText);
    WritePicture(pReport);

    pReport->WriteSectionTitle("三、基本资料：");
    WriteRow(pReport, "\t1.依据规范：\n");
    WriteRow(pReport, "\t\t《建筑结构荷载规范》（GB 50009－2001）\n");
    WriteRow(pReport, "\t\t《混凝土结构设计规范》（GB 50010－2002）\n");
    WriteRow(pReport, "\t2.几何参数：\n");
    WriteFormat(pReport, "\t\t楼梯净跨: L~1~ = %.0f mm\t\t\t楼梯高度: H = %.0f mm\n", M_LN, M_H);
    WriteFormat(pReport, "\t\t梯板厚: t = %.0f mm\t\t\t\t踏步数: n = %d(阶)\n", M_T, M_N);
    WriteFormat(pReport, "\t\t上平台楼梯梁宽度: b~1~ = %.0f mm\n", M_FB1);
    if (M_STAIR_KIND != STAIR_KIND_B) WriteFormat(pReport, "\t\t下平台楼梯梁宽度: b~2~ = %.0f mm\n", M_FB2);
    if (M_STAIR_KIND == STAIR_KIND_E)
        WriteFormat(pReport, "\t\t下平台宽: L~2~ = %.0f mm\t\t\t\t上平台宽: L~3~ = %.0f mm\n", M_LR, M_LL);
    else if (M_STAIR_KIND == STAIR_KIND_D)
        WriteFormat(pReport, "\t\t上平台宽: L~3~ = %.0f mm\n", M_LL);
    else if (M_STAIR_KIND == STAIR_KIND_C)
        WriteFormat(pReport, "\t\t下平台宽: L~2~ = %.0f mm\n", M_LR);

    WriteRow(pReport, "\t3.荷载标准值：\n");
    WriteFormat(pReport, "\t\t可变荷载：q = %.2fkN/m$2$\t\t\t面层荷载：q~m~ = %.2fkN/m$2$\n\t\t栏杆荷载：q~f~ = %.2fkN/m\n", M_P,
                M_PM, M_PF);
    WriteFormat(pReport,
                "\t\t永久荷载分项系数: γ~G~ = %.2f\t\t可变荷载分项系数: γ~Q~ = %.2f\n\t\t准永久值系数: ψ~q~ = %.2f\n",
                m_dRg, m_dRq, m_dWq);

    WriteRow(pReport, "\t4.材料信息：\n");
    WriteRow(pReport, "\t\t混凝土强度等级: ");
    WriteFormat(pReport, "%s\t\t\t\tf~c~ = %.2f N/mm$2$\n\t\tf~t~ = %.2f N/mm$2$\t\t\t\t\tR~c~=25.0 kN/m$3$\n",
                (LPCTSTR)M_STRCONCRETE, m_dFc / 1000, m_dFt / 1000);
    WriteFormat(pReport, "\t\tf~t~~k~ = %.2f N/mm$2$\t\t\t\t\tE~c~ = %.2f×10$4$ N/mm$2$\n", m_dFtk, m_dEc * 1e-4);
    WriteRow(pReport, "\t\t钢筋强度等级: ");
    WriteRow(pReport, M_STRSTEEL);
    WriteFormat(pReport, " \t\t\t\tf~y~ = %.0lf N/mm$2$\n", m_dFy / 1000);
    WriteFormat(pReport, " \t\tE~s~ = %.2f×10$5$ N/mm$2$\n\t\t保护层厚度：c = %.1lf mm\t\t\t\tR~s~=20 kN/m$3$\n", m_dEs5, m_dC);
    WriteFormat(pReport, "\t\t受拉区纵向钢筋类别：%s\n", (LPCTSTR)m_strSteelStypeVor);
    WriteFormat(pReport, "\t\t梯段板纵筋合力点至近边距离：a~s~ = %.2lf mm\n", M_AS);
    if (M_BUILDING == 0)
        WriteFormat(pReport, "\t\t支座负筋系数：α = %.2f\n", M_DSACLE);
    else
        WriteRow(pReport, "\t\t考虑支座嵌固作用\n");

    pReport->WriteSectionTitle("四、计算过程：");
    CalStairBoard(pReport);

    pReport->WriteSectionTitle("五、计算结果：(为每米宽板带的配筋)");
    WriteBarBlocks(pReport, FALSE);

    if (m_bIsCalRAL) {
        pReport->WriteSectionTitle("六、跨中挠度计算: ");
        CalFlexibility(pReport);
        pReport->WriteSectionTitle("七、裂缝宽度验算: ");
        CalCrackWidth(pReport);
    }
}

void CStairBoardParam::WriteShortReport(CWordObject* pReport) {
    pReport->WriteTitleInfo("板式楼梯计算书\n");
    WriteRow(pReport, "项目名称_____________日    期_____________\n");
    WriteRow(pReport, "设 计 者_____________校 对 者_____________\n");
    WriteRow(pReport, CString("一. 构件编号: ") + strNumber + "\n");
    WriteRow(pReport, "二. 尺寸参数\n");
    WriteFormat(pReport, "    L1 = %.2lf mm\n    L2 = %.2lf mm\n    L3 = %.2lf mm\n", M_LN, M_LR, M_LL);
    WriteFormat(pReport, "    H = %.2lfmm\n    t = %.2lfmm\n    n = %d(阶)\n", M_H, M_T, M_N);
    WriteRow(pReport, "三. 荷载参数\n");
    WriteFormat(pReport, "    可变荷载：q = %.2lfkN/m$2$\n", M_P);
    WriteFormat(pReport, "    面层荷载：qm = %.2lfkN/m$2$\n", M_PM);
    WriteFormat(pReport, "    栏杆荷载：qf = %.2lfkN/m\n", M_PF);
    WriteRow(pReport, "四. 计算结果\n");
    WriteBarBlocks(pReport, TRUE);
    if (m_bIsCalRAL) {
        WriteRow(pReport, "六、跨中挠度计算: \n");
        if (CalFlexibility(NULL))
            WriteRow(pReport, "\t\t挠度计算满足规范要求!\n");
        else
            WriteRow(pReport, "\t\t挠度计算不满足规范要求!\n", 6);
        WriteRow(pReport, "七、裂缝宽度验算: \n");
        if (CalCrackWidth(NULL))
            WriteRow(pReport, "\t\t裂缝宽度验算满足规范要求!\n");
        else
            WriteRow(pReport, "\t\t裂缝宽度验算不满足规范要求!\n", 6);
    }
    // The serviceability verdicts do not speak for bars that fall short of their area.
    if (HasShortBars()) WriteRow(pReport, "\t\t实配面积小于计算面积，不满足规范要求!\n", 6);
}

void CStairBoardParam::WritePicture(CWordObject* pReport) {
    CDC dcScreen;
    dcScreen.CreateDC("DISPLAY", NULL, NULL, NULL);

    const CWorRect& rcWorld = m_wndSlide.GetWorldExt();
    const int nHeight = StairTruncate(500 * rcWorld.Height() / rcWorld.Width());
    const CLogRect rcBorder(0, 0, 500, nHeight > 0 ? nHeight : 500);

    // The metafile's frame is the border, in 0.01 mm of the screen, so that playing it back into
    // the border keeps the slide's proportions.
    const int nDpiX = dcScreen.GetDeviceCaps(LOGPIXELSX), nDpiY = dcScreen.GetDeviceCaps(LOGPIXELSY);
    CRect rcFrame(0, 0, rcBorder.right * 2540 / nDpiX, rcBorder.bottom * 2540 / nDpiY);
    CMetaFileDC dcMeta;
    dcMeta.CreateEnhanced(NULL, NULL, &rcFrame, NULL);
    m_wndSlide.SetDC(&dcMeta);
    m_wndSlide.SetLogicBorder(rcBorder);
    m_wndSlide.m_bDrawToPicture = 1;
    m_wndSlide.ShowSlide(StairSlideLibrary(), StairBoardSlideName(M_STAIR_KIND, "X"));
    m_wndSlide.SetLogicBorder(CLogRect(m_rcSlide));
    HENHMETAFILE hMeta = dcMeta.CloseEnhanced();
    m_wndSlide.SetDC(NULL);

    m_bmpPicture.DeleteObject();
    CDC dcMemory;
    dcMemory.CreateCompatibleDC(&dcScreen);
    m_bmpPicture.CreateCompatibleBitmap(&dcScreen, rcBorder.Width(), rcBorder.Height());
    CBitmap* pOldBitmap = dcMemory.SelectObject(&m_bmpPicture);
    dcMemory.FillSolidRect(&rcBorder, RGB(255, 255, 255));
    dcMemory.PlayMetaFile(hMeta, &rcBorder);
    dcMemory.SelectObject(pOldBitmap);

    pReport->WriteSectionTitle("二、示意图：");
    pReport->WritePhotograph(static_cast<HBITMAP>(m_bmpPicture.GetSafeHandle()), 0, 0);

    ::DeleteEnhMetaFile(hMeta);
    dcMemory.DeleteDC();
    dcScreen.DeleteDC();
}

void CStairBoardParam::GetListData() {
    g_VuskMainInfo.SetCurCmdType("板式楼梯计算");
    g_VuskMainInfo.SetCurCmdNumber(strNumber);
    CString strText;
    strText.Format("n=%d阶, L1=%.1lfmm\nH=%.1lfmm, L2=%.1lfmm\nt=%.1lfmm, L3=%.1lfmm", M_N, M_LN, M_H, M_LR, M_T, M_LL);
    g_VuskMainInfo.SetCurCmdDimInfo(strText);
    strText.Format("q=%.1lfkN/m*m\nqm=%.1lfkN/m*m\nqf=%.1lfkN/m", M_P, M_PM, M_PF);
    g_VuskMainInfo.SetCurCmdLoadInfo(strText);

    strResultInfo.Empty();
    strResultInfo.AppendFormat("钢筋1实配面积:%4.0f mm2\n", BarArea(1));
    strResultInfo.AppendFormat("钢筋2/3实配面积:%4.0f mm2\n", BarArea(2));
    strResultInfo.AppendFormat("钢筋4实配面积:%4.0f mm2\n", BarArea(4));
    if (M_STAIR_KIND >= STAIR_KIND_C) strResultInfo.AppendFormat("钢筋5实配面积:%4.0f mm2\n", BarArea(5));
    if (M_STAIR_KIND == STAIR_KIND_E) strResultInfo.AppendFormat("钢筋6实配面积:%4.0f mm2\n", BarArea(6));
    g_VuskMainInfo.SetCurCmdResultInfo(strResultInfo);
    g_VuskMainInfo.SetCurCmdBPrint(1);
}
