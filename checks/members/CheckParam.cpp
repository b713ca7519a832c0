#include "checks/members/CheckParam.h"

namespace {

// Style of every text row of these reports: plain, size 10.5, "宋体".
const double kTextSize = 10.5;
const char kTextFont[] = "宋体";

}  // namespace

CStlcnCheckParam::CStlcnCheckParam() = default;

CStlcnCheckParam::~CStlcnCheckParam() = default;

void CStlcnCheckParam::WriteTextRow(CWordObject& word, LPCTSTR lpszText) {
    word.WriteText(lpszText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
}

int CStlcnCheckParam::BuildWordC() {
    FillReportText();
    wordC.WriteTitleInfo(GetReportTitle());
    wordC.WriteSectionTitle("项目名称_____________日    期_____________\n");
    wordC.WriteSectionTitle("设 计 者_____________校 对 者_____________\n");
    wordC.WriteSectionTitle("一、构件编号: " + strNumber);
    wordC.WriteSectionTitle("二、依据规范:");
    WriteTextRow(wordC, "   《混凝土结构设计规范》 (GB 50010-2002)\n");
    wordC.WriteSectionTitle(GetInfoSectionTitle());
    wordC.WriteParagraph(m_arrInfoText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
    wordC.WriteSectionTitle("四、计算过程");
    wordC.WriteParagraph(m_arrProcessText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
    return 1;
}

int CStlcnCheckParam::BuildWordS() {
    CStringArray arrDims, arrLoads, arrResults;
    GetShortReportText(arrLoads, arrResults);
    GetShortDimensionText(arrDims);

    wordS.WriteTitleInfo(GetReportTitle());
    wordS.WriteSectionTitle("一、构件编号: " + strNumber);
    wordS.WriteSectionTitle("二、尺寸参数:");
    for (int i = 0; i < arrDims.GetSize(); i++) WriteTextRow(wordS, arrDims[i]);
    wordS.WriteSectionTitle(GetShortLoadTitle());
    for (int i = 0; i < arrLoads.GetSize(); i++) WriteTextRow(wordS, arrLoads[i]);
    wordS.WriteSectionTitle("四、计算结果");
    for (int i = 0; i < arrResults.GetSize(); i++) WriteTextRow(wordS, arrResults[i]);
    return 1;
}
