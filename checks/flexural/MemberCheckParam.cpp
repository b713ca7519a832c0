#include "checks/flexural/MemberCheckParam.h"

#include "framework/ParamExchange.h"
#include "host/Help.h"
#include "host/Numbers.h"

namespace {

// Style of every text row of the member-check reports: plain, size 10.5, "宋体".
const double kTextSize = 10.5;
const char kTextFont[] = "宋体";

// The most significant digits a report prints of a number.
const int kSignificantDigits = 15;

}  // namespace

CStlcnMemberParam::CStlcnMemberParam() = default;

CStlcnMemberParam::~CStlcnMemberParam() = default;

BOOL CStlcnMemberParam::ExchangeAll(const CString& strPrefix, BOOL bSave) {
    BOOL bResult = bSave ? CVuskParam::WriteParam(strPrefix) : CVuskParam::ReadParam(strPrefix);
    CParamExchange px(strPrefix, bSave);
    ExchangeParams(px);
    return bResult && px.IsWriteOk();
}

BOOL CStlcnMemberParam::ReadParam(const CString& strPrefix) { return ExchangeAll(strPrefix, FALSE); }

BOOL CStlcnMemberParam::WriteParam(const CString& strPrefix) { return ExchangeAll(strPrefix, TRUE); }

CStringArray& CStlcnMemberParam::GetBasisText() {
    m_arrBasisText.RemoveAll();
    m_arrBasisText.Add("\t《混凝土结构设计规范》 GB50010-2002 ");
    return m_arrBasisText;
}

CString CStlcnMemberParam::FormatNum(double dValue, int nDecimals) {
    // A double holds 15 significant digits: a large number gives up decimals for them, and one of
    // more whole digits is written as a power of ten.
    for (int nPlaces = nDecimals; nPlaces >= 0; nPlaces--) {
        CString strNumber = ftosp(dValue, nPlaces, 0, 0);
        int nDigits = 0;
        BOOL bLeading = TRUE;
        for (int i = 0; i < strNumber.GetLength(); i++) {
            char ch = strNumber[i];
            if (ch < '0' || ch > '9' || (bLeading && ch == '0')) continue;
            bLeading = FALSE;
            nDigits++;
        }
        if (nDigits <= kSignificantDigits) return strNumber;
    }
    return ftosp(dValue, 3, 1, 0);
}

double CStlcnMemberParam::GetCodeMinRatio(double dFt, double dFy) {
    double dRatio = 0.45 * dFt / dFy;
    return 0.002 > dRatio ? 0.002 : dRatio;
}

CString CStlcnMemberParam::AsInfoLine(double dAs, double dH) {
    CString strLine;
    if (dAs == 0.1 * dH)
        strLine.Format("\t\t纵筋合力点至近边距离: as=0.1h=0.1*%s=%smm ", (LPCTSTR)FormatNum(dH, 0), (LPCTSTR)FormatNum(dAs, 0));
    else if (dAs == 0.2 * dH)
        strLine.Format("\t\t纵筋合力点至近边距离: as=0.2h=0.2*%s=%smm ", (LPCTSTR)FormatNum(dH, 0), (LPCTSTR)FormatNum(dAs, 0));
    else
        strLine.Format("\t\t纵筋合力点至近边距离: as=%smm ", (LPCTSTR)FormatNum(dAs, 0));
    return strLine;
}

void CStlcnMemberParam::WriteShortText(LPCTSTR lpszText) {
    wordS.WriteText(lpszText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
}

int CStlcnMemberParam::BuildWordC() {
    GetBasisText();
    FillReportText();
    wordC.WriteTitleInfo(GetReportTitle());
    wordC.WriteSectionTitle("项目名称_____________日    期_____________");
    wordC.WriteSectionTitle("设 计 者_____________校 对 者_____________\n");
    wordC.WriteSectionTitle("一、构件编号: \t" + strNumber);
    wordC.WriteSectionTitle("二、设计依据");
    wordC.WriteParagraph(m_arrBasisText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
    wordC.WriteSectionTitle("三、计算信息");
    wordC.WriteParagraph(m_arrInfoText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
    wordC.WriteSectionTitle("四、计算过程");
    wordC.WriteParagraph(m_arrProcessText, 0, 0, 0, 0, 0, kTextSize, kTextFont);
    return 1;
}

int CStlcnMemberParam::BuildWordS() {
    CStringArray arrLoads;
    CStringArray arrResults;
    GetShortReportText(arrLoads, arrResults);

    wordS.WriteTitleInfo(GetReportTitle());
    wordS.WriteSectionTitle("一、构件编号: \t" + strNumber);
    wordS.WriteSectionTitle("二、尺寸参数");
    CString strLine;
    strLine.Format("\tb=%smm\n", (LPCTSTR)FormatNum(GetSectionWidth(), 0));
    WriteShortText(strLine);
    strLine.Format("\th=%smm\n", (LPCTSTR)FormatNum(GetSectionHeight(), 0));
    WriteShortText(strLine);
    wordS.WriteSectionTitle("三、荷载参数");
    for (int i = 0; i < arrLoads.GetSize(); i++) WriteShortText(arrLoads[i]);
    wordS.WriteSectionTitle("四、计算结果");
    for (int i = 0; i < arrResults.GetSize(); i++) WriteShortText(arrResults[i]);
    return 1;
}

void CStlcnMemberParam::GetListData() {
    FillListText();
    CVuskParam::GetListData();
}

BOOL CStlcnMemberParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", GetHelpTopic(), 0);
    return TRUE;
}
