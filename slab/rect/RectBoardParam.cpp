// Fields, defaults, stored keys, calculation driver and list entry of the rectangular slab.
#include "slab/rect/RectBoardParam.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/ParamExchange.h"
#include "framework/CheckPromptDlg.h"
#include "host/Help.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "host/VuskMainInfo.h"
#include "mfc/user/MessageBox.h"
#include "slab/rect/BoardReinList.h"
#include "slab/rect/SlabInputRanges.h"
#include "slab/rect/SlabRecords.h"

IMPLEMENT_DYNAMIC(CRectBoardParam, CVuskParam)

namespace {

// A grade text held in a fixed buffer, exchanged as a text; a longer stored text is cut to fit.
void ExchangeGrade(CParamExchange& px, LPCTSTR lpszKey, char (&szGrade)[10]) {
    CString strGrade(szGrade);
    px.Exchange(lpszKey, strGrade);
    if (px.m_bSave) return;
    std::strncpy(szGrade, strGrade, sizeof(szGrade) - 1);
    szGrade[sizeof(szGrade) - 1] = '\0';
}

}  // namespace

CRectBoardParam::CRectBoardParam() : m_bCalculated(0) { InitDefaultParam(); }

void CRectBoardParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strNumber = "LB-1";
    m_nTop = m_nBottom = m_nLeft = m_nRight = 0;
    m_nTopLeft = m_nTopRight = m_nBottomLeft = m_nBottomRight = 0;
    m_nLength = 6000;
    m_nWidth = 4200;
    m_nThick = 100;
    m_nAs = 20;
    std::strcpy(m_szConcrete, "C20");
    std::strcpy(m_szSteelBar, "HRB335");
    m_dFc = CQeltConcrete::GetFc(m_szConcrete);
    m_dFt = CQeltConcrete::GetFt(m_szConcrete);
    m_dFtk = CQeltConcrete::GetFtk(m_szConcrete);
    m_dEc = CQeltConcrete::GetEc(m_szConcrete);
    m_dFy = CQeltSteelBar::GetFy(m_szSteelBar);
    m_dEs = CQeltSteelBar::GetEs(m_szSteelBar);
    m_dP = 0.002;
    m_bAutoP = 0;
    m_dImpro = 1.0;
    m_dRg = 1.2;
    m_dRq = 1.4;
    m_dQgk = 7.0;
    m_dQqk = 4.0;
    m_dWq = 1.0;
    m_nThickLim = 200;
    m_bThickLim = 0;
    m_nBoardKind = 0;
    m_dBS = 0.2;
    m_dEb = CQeltConcrete::GetEb(m_szSteelBar, m_szConcrete);
    m_dA1 = CQeltConcrete::GetAlpha1(m_szConcrete);
    m_dB = 1.8;
    m_dUserValue = 2.0;
    m_nAs1 = m_nAs2 = 0;
    m_bSteelSel = 0;
    m_nSteelSel = 12;
    m_nMagnify1 = 0;
    m_dMagnifyValue1 = 1.0;
    m_nMagnify2 = 0;
    m_dMagnifyValue2 = 1.0;
    m_nHalfArea = 0;
    m_nC = 10;
    m_nKindSteel = 0;
    m_dCrackWidth = 0.3;
    m_dFleLim1 = 200;
    m_dFleLim2 = 250;
    m_dFleLim3 = 300;
    m_nSteelLimDia = 8;
}

void CRectBoardParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/Top", m_nTop);
    px.Exchange("/Bottom", m_nBottom);
    px.Exchange("/Left", m_nLeft);
    px.Exchange("/Right", m_nRight);
    px.Exchange("/TopLeft", m_nTopLeft);
    px.Exchange("/BottomLeft", m_nBottomLeft);
    px.Exchange("/TopRight", m_nTopRight);
    px.Exchange("/BottomRight", m_nBottomRight);
    px.Exchange("/Length", m_nLength);
    px.Exchange("/Width", m_nWidth);
    px.Exchange("/Thick", m_nThick);
    px.Exchange("/As", m_nAs);
    px.Exchange("/bSteelSel", m_bSteelSel);
    // A store from before the grade switch has no switch diameter: it takes the usual one.
    if (!px.m_bSave) m_nSteelSel = 12;
    px.Exchange("/nSteelSel", m_nSteelSel);
    ExchangeGrade(px, "/Concrete", m_szConcrete);
    ExchangeGrade(px, "/SteelBar", m_szSteelBar);
    px.Exchange("/Fc", m_dFc);
    px.Exchange("/Ft", m_dFt);
    px.Exchange("/Ftk", m_dFtk);
    px.Exchange("/Ec", m_dEc);
    px.Exchange("/Fy", m_dFy);
    px.Exchange("/Es", m_dEs);
    px.Exchange("/P", m_dP);
    px.Exchange("/Impro", m_dImpro);
    px.Exchange("/Rg", m_dRg);
    px.Exchange("/Rq", m_dRq);
    px.Exchange("/Qgk", m_dQgk);
    px.Exchange("/Qqk", m_dQqk);
    px.Exchange("/Wq", m_dWq);
    px.Exchange("/nThickLim", m_nThickLim);
    px.Exchange("/bThickLim", m_bThickLim);
    px.Exchange("/BoardKind", m_nBoardKind);
    px.Exchange("/BS", m_dBS);
    px.Exchange("/Eb", m_dEb);
    px.Exchange("/A1", m_dA1);
    px.Exchange("/dB", m_dB);
    px.Exchange("/UserValue", m_dUserValue);
    px.Exchange("/As1", m_nAs1);
    px.Exchange("/As2", m_nAs2);
    px.Exchange("/Magnify1", m_nMagnify1);
    px.Exchange("/Magnify2", m_nMagnify2);
    px.Exchange("/MagnifyValue1", m_dMagnifyValue1);
    px.Exchange("/MagnifyValue2", m_dMagnifyValue2);
    px.Exchange("/HalfArea", m_nHalfArea);
    px.Exchange("/nC", m_nC);
    px.Exchange("/KindSteel", m_nKindSteel);
    px.Exchange("/CrackWidth", m_dCrackWidth);
    px.Exchange("/FleLim1", m_dFleLim1);
    px.Exchange("/FleLim2", m_dFleLim2);
    px.Exchange("/FleLim3", m_dFleLim3);
    px.Exchange("/SteelLimDia", m_nSteelLimDia);
}

BOOL CRectBoardParam::ReadParam(const CString& strPrefix) {
    CVuskParam::ReadParam(strPrefix);
    CParamExchange px(strPrefix, FALSE);
    ExchangeParams(px);
    return TRUE;
}

BOOL CRectBoardParam::WriteParam(const CString& strPrefix) {
    CVuskParam::WriteParam(strPrefix);
    CParamExchange px(strPrefix, TRUE);
    ExchangeParams(px);
    return TRUE;
}

int CRectBoardParam::Calculate() {
    CalBoard();
    return 1;
}

BOOL CRectBoardParam::CheckServiceability(BOOL bPrompt) {
    m_calc.CalDeflection();
    if (m_calc.CalCrack() != SLAB_CRACK_TOO_WIDE) return TRUE;
    if (!bPrompt) return FALSE;
    CCheckPromptDlg prompt;
    prompt.m_nMode = CHECK_PROMPT_ERRORS;
    prompt.m_strMessage = "计算裂缝宽度超过最大裂缝宽度";
    prompt.DoModal();
    return FALSE;
}

// The work dialog builds the full report first: its check tells a crack that is too wide once,
// and the brief report's check, which finds the same, says nothing more.
int CRectBoardParam::BuildWordS() {
    if (m_bCalculated == 1 && CheckServiceability(FALSE)) m_calc.WriteBriefReport(&wordS, strNumber);
    return 1;
}

int CRectBoardParam::BuildWordC() {
    if (m_bCalculated == 1 && CheckServiceability(TRUE)) m_calc.WriteFullReport(&wordC, strNumber);
    return 1;
}

BOOL CRectBoardParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "JXBJS", 0);
    return TRUE;
}

double CRectBoardParam::GetMinRatioLimit() const { return std::max(0.2, 45 * m_dFt / m_dFy) * 0.01; }

RectBoardInputs CRectBoardParam::MakeInputs() const {
    RectBoardInputs in{};
    in.nTop = m_nTop;
    in.nBottom = m_nBottom;
    in.nLeft = m_nLeft;
    in.nRight = m_nRight;
    in.nTopLeft = m_nTopLeft;
    in.nTopRight = m_nTopRight;
    in.nBottomLeft = m_nBottomLeft;
    in.nBottomRight = m_nBottomRight;
    in.nLength = m_nLength;
    in.nWidth = m_nWidth;
    in.nThick = m_nThick;
    in.nAs = m_nAs;
    in.nBoardKind = m_nBoardKind;
    std::memcpy(in.szConcrete, m_szConcrete, sizeof(in.szConcrete));
    std::memcpy(in.szSteelBar, m_szSteelBar, sizeof(in.szSteelBar));
    in.dP = m_dP;
    in.dImpro = m_dImpro;
    in.dQgk = m_dQgk;
    in.dQqk = m_dQqk;
    in.dBS = m_dBS;
    in.dWq = m_dWq;
    in.dB = m_dB;
    in.nC = m_nC;
    in.nKindSteel = m_nKindSteel;
    in.nMagnify1 = m_nMagnify1;
    in.nMagnify2 = m_nMagnify2;
    in.dFleLim1 = m_dFleLim1;
    in.dFleLim2 = m_dFleLim2;
    in.dFleLim3 = m_dFleLim3;
    in.dMagnifyValue1 = m_dMagnifyValue1;
    in.dMagnifyValue2 = m_dMagnifyValue2;
    in.dRg = m_dRg;
    in.dRq = m_dRq;
    in.nHalfArea = m_nHalfArea;
    in.bThickLim = m_bThickLim;
    in.nThickLim = m_nThickLim;
    in.dUserValue = m_dUserValue;
    in.nAs1 = m_nAs1;
    in.nAs2 = m_nAs2;
    in.dCrackWidth = m_dCrackWidth;
    return in;
}

void CRectBoardParam::PickScheme(CBoardReinList& list, BoardReinScheme& scheme, int nArea) const {
    list.Build(nArea);
    BoardReinScheme picked = list.Pick(nArea);
    // A plain bar from the switch diameter upwards is replaced by a ribbed one for the area scaled
    // by the ratio of their strengths.
    if (m_bSteelSel && scheme.strGrade == "HPB235" && picked.nDiameter >= m_nSteelSel) {
        nArea = nArea * 210 / 300;
        scheme.strGrade = "HRB335";
        list.Build(nArea);
        picked = list.Pick(nArea);
    }
    scheme.nDiameter = picked.nDiameter;
    scheme.nSpacing = picked.nSpacing;
    scheme.nArea = picked.nArea;
}

void CRectBoardParam::CheckInputs(CStringArray& arrErrors) const {
    const double values[SLAB_INPUT_COUNT] = {
        static_cast<double>(m_nLength), static_cast<double>(m_nWidth), static_cast<double>(m_nThick),
        static_cast<double>(m_nAs), static_cast<double>(m_nC), m_dQgk, m_dQqk, m_dRg, m_dRq, m_dWq, m_dBS, m_dB,
        m_dP * 100, m_dImpro, m_dCrackWidth, m_dMagnifyValue1, m_dMagnifyValue2, m_dFleLim1, m_dFleLim2,
        m_dFleLim3, m_dUserValue, static_cast<double>(m_nThickLim), static_cast<double>(m_nSteelSel),
        static_cast<double>(m_nSteelLimDia)};
    for (int i = 0; i < SLAB_INPUT_COUNT; ++i) {
        // μ and β: the calculation tells their ranges itself ("泊松比的范围值应为[0,0.3]").
        if (i == SLAB_IN_MU || i == SLAB_IN_BETA) continue;
        CheckSlabRange(i, values[i], arrErrors);
    }
    if (m_nAs >= m_nThick) arrErrors.Add("纵筋合力点至近边距离as应小于板厚h");
    const struct {
        LPCTSTR lpszLabel;
        int nValue, nLast;
    } choices[] = {{"上边", m_nTop, SLAB_FREE},          {"下边", m_nBottom, SLAB_FREE},
                   {"左边", m_nLeft, SLAB_FREE},         {"右边", m_nRight, SLAB_FREE},
                   {"左上角支", m_nTopLeft, 1},          {"右上角支", m_nTopRight, 1},
                   {"左下角支", m_nBottomLeft, 1},       {"右下角支", m_nBottomRight, 1},
                   {"板计算类型", m_nBoardKind, 1},      {"钢筋类别", m_nKindSteel, 1}};
    for (const auto& choice : choices)
        if (choice.nValue < 0 || choice.nValue > choice.nLast) arrErrors.Add(CString(choice.lpszLabel) + "：没有这一选项");
    CStringArray arrConcrete, arrSteel;
    CQeltConcrete::GetConcreteGradeString(arrConcrete);
    CQeltSteelBar::GetSteelBarGradeString(arrSteel);
    auto known = [](const CStringArray& arrGrades, LPCTSTR lpszGrade) {
        for (int i = 0; i < arrGrades.GetSize(); ++i)
            if (arrGrades[i] == lpszGrade) return true;
        return false;
    };
    if (!known(arrConcrete, m_szConcrete)) arrErrors.Add(CString("混凝土等级：没有这一选项"));
    if (!known(arrSteel, m_szSteelBar)) arrErrors.Add(CString("钢筋等级：没有这一选项"));
}

void CRectBoardParam::CalBoard() {
    // Stored values reach the calculation only as the pages would have let them through.
    CStringArray arrErrors;
    CheckInputs(arrErrors);
    if (arrErrors.GetSize() > 0) {
        m_bCalculated = 0;
        CCheckPromptDlg prompt;
        prompt.m_nMode = CHECK_PROMPT_ERRORS;
        for (int i = 0; i < arrErrors.GetSize(); ++i) prompt.m_strMessage.AppendFormat("%d.  %s\r\n", i + 1, (LPCTSTR)arrErrors[i]);
        prompt.DoModal();
        return;
    }
    const double dLimit = GetMinRatioLimit();
    m_bCalculated = 1;
    if (m_dP < dLimit) {
        CCheckPromptDlg prompt;
        prompt.m_nMode = CHECK_PROMPT_ASK;
        prompt.m_strMessage.Format("最小配筋率的值不应小于%.3lf%%", dLimit * 100);
        if (prompt.DoModal() == IDOK) {
            m_bCalculated = 0;
            return;
        }
    }

    m_calc = CRectBoardCalculator(MakeInputs());
    const int nStatus = m_calc.CalStrength();
    if (nStatus != SLAB_DONE) {
        // No result of this input exists: the reports and the list print none.
        m_bCalculated = 0;
        switch (nStatus) {
        case SLAB_OVER_REINFORCED: AfxMessageBox("板超筋，请加大板厚或者提高混凝土强度"); break;
        case SLAB_UNSUPPORTED: AfxMessageBox("均布荷载下四边支撑类型不符合要求"); break;
        case SLAB_RATIO_OUTSIDE: AfxMessageBox("板边长比例不合理，导致查表失败"); break;
        case SLAB_PARAMETER_OUTSIDE:
            AfxMessageBox(m_nBoardKind == 0 ? "泊松比的范围值应为[0,0.3]" : "β范围值应为[1.2,2.0]");
            break;
        default: break;
        }
        return;
    }

    m_calc.ClearResults();
    CBoardReinList list(8);
    list.SetMinDia(m_nSteelLimDia);
    int nAreas[6];  // top, left, right, bottom support, x span, y span
    m_calc.GetAreas(nAreas);
    BoardReinScheme* pSchemes = m_calc.GetSchemes();
    PickScheme(list, pSchemes[SCHEME_XSPAN], nAreas[4]);
    PickScheme(list, pSchemes[SCHEME_YSPAN], nAreas[5]);
    PickScheme(list, pSchemes[SCHEME_LEFT], nAreas[1]);
    PickScheme(list, pSchemes[SCHEME_RIGHT], nAreas[2]);
    PickScheme(list, pSchemes[SCHEME_BOTTOM], nAreas[3]);
    PickScheme(list, pSchemes[SCHEME_TOP], nAreas[0]);
    m_bCalculated = 1;
}

void CRectBoardParam::GetListData() {
    g_VuskMainInfo.SetCurCmdType("矩形板计算");
    const BOOL bElastic = m_nBoardKind == 0;
    CString strText;
    strText.Format(bElastic ? "板计算类型:%s\nh=%dmm Lx=%dmm\nLy=%dmm ρmin=%.3lf%%\nμ=%.1lf γo=%.1lf\n混凝土等级=%s\n"
                              "钢筋等级= %s\n钢筋类别=%s\nas=%dmm c=%dmm"
                            : "板计算类型:%s\nh=%dmm Lx=%dmm\nLy=%dmm ρmin=%.3lf%%\nβ=%.1lf γo=%.1lf\n混凝土等级=%s\n"
                              "钢筋等级= %s\n钢筋类别=%s\nas=%dmm c=%dmm",
                   bElastic ? "弹性板" : "塑性板", m_nThick, m_nLength, m_nWidth, m_dP * 100, bElastic ? m_dBS : m_dB,
                   m_dImpro, m_szConcrete, m_szSteelBar, m_nKindSteel == 0 ? "光面钢筋" : "带肋钢筋", m_nAs, m_nC);
    g_VuskMainInfo.SetCurCmdDimInfo(strText);
    g_VuskMainInfo.SetCurCmdNumber(strNumber);
    strText.Format("Qgk=%.1lfkN/m2\nQqk=%.1lfkN/m2\nγG=%.1lf\nγQ=%.1lf\nψq=%.1lf", m_dQgk, m_dQqk, m_dRg, m_dRq, m_dWq);
    g_VuskMainInfo.SetCurCmdLoadInfo(strText);

    CString strResult;
    if (m_bCalculated) {
        SlabMomentList list;
        m_calc.GetMomentList(list);
        const struct {
            LPCTSTR lpszFormat;
            double dValue;
        } lines[] = {{"Mx=%.3lfkN*m\n", list.Mx},     {"My=%.3lfkN*m\n", list.My},
                     {"Mxmax=%.3lfkN*m\n", list.Mxmax}, {"Mymax=%.3lfkN*m\n", list.Mymax},
                     {"M0x=%.3lfkN*m\n", list.M0x},   {"M0y=%.3lfkN*m\n", list.M0y},
                     {"Mox=%.3lfkN*m\n", list.Mox},   {"Moy=%.3lfkN*m\n", list.Moy},
                     {"M0xz=%.3lfkN*m\n", list.M0xz}, {"M0yz=%.3lfkN*m\n", list.M0yz}};
        for (const auto& line : lines)
            if (std::fabs(line.dValue) > 0.000001) strResult.AppendFormat(line.lpszFormat, line.dValue * 0.000001);
    }
    g_VuskMainInfo.SetCurCmdResultInfo(strResult);
    g_VuskMainInfo.SetCurCmdBPrint(1);
}
