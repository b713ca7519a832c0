#include "checks/flexural/FlexNormalDlg.h"

#include <cstdlib>

#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "resources/FlexuralResource.h"

namespace {

const char kDesign[] = "已知弯矩求配筋";
const char kCapacity[] = "已知配筋求弯矩";
const char kSingle[] = "单筋";
const char kDouble[] = "双筋";
const char kKnownPs[] = "双筋(已知受压钢筋)";
const char kRectangle[] = "矩形";
const char kPromptCaption[] = "QELT构件计算提示您";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnFlexNormalDlg, CStlcnMemberDlg)

BEGIN_MESSAGE_MAP(CStlcnFlexNormalDlg, CStlcnMemberDlg)
    ON_CBN_SELCHANGE(IDC_FN_SECTION, OnSelChangeSection)
    ON_CBN_SELCHANGE(IDC_FN_MATCHBAR, OnSelChangeMatchBar)
    ON_EN_KILLFOCUS(IDC_FN_M, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_AREAS_PL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_AREAS_PS, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_BF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_HF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_AS_PL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FN_AS_PS, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FN_GO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FN_PMIN_PL, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FN_STEEL_PS, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FN_PMIN_PS, OnEditKillFocus)
    ON_BN_CLICKED(IDC_FN_DESIGN, OnRadioDesign)
    ON_BN_CLICKED(IDC_FN_CAPACITY, OnRadioCapacity)
END_MESSAGE_MAP()

CStlcnFlexNormalDlg::CStlcnFlexNormalDlg(CWnd* pParent) : CStlcnMemberDlg(IDD, IDC_FN_DESIGN, pParent) {
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGradePl);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGradePs);
}

CStlcnFlexNormalDlg::~CStlcnFlexNormalDlg() = default;

void CStlcnFlexNormalDlg::InitControlState() {
    EnableControl(IDC_FN_M, TRUE);
    EnableControl(IDC_FN_AREAS_PL, FALSE);
    ShowControl(IDC_FN_AREAS_PS_LABEL, FALSE);
    ShowControl(IDC_FN_AREAS_PS, FALSE);
}

void CStlcnFlexNormalDlg::FillGradeLists() {
    FillComboBox(IDC_FN_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_FN_STEEL_PL, m_arrSteelGradePl);
    FillComboBox(IDC_FN_STEEL_PS, m_arrSteelGradePs);
}

void CStlcnFlexNormalDlg::UpdateModeState() {
    if (m_nCaltType != 0 && m_nCaltType != 1) return;
    BOOL bDesign = m_nCaltType == 0;
    CString strType = GetComboBoxText(IDC_FN_MATCHBAR);
    EnableControl(IDC_FN_M, bDesign);
    EnableControl(IDC_FN_AREAS_PL, !bDesign);
    BOOL bSingle = strType == kSingle;
    ShowControl(IDC_FN_AREAS_PS_LABEL, !bSingle);
    ShowControl(IDC_FN_AREAS_PS, !bSingle);
    // A's is an input when it is given, or in the capacity mode; a result of the double design.
    EnableControl(IDC_FN_AREAS_PS, !bSingle && (!bDesign || strType != kDouble));
}

void CStlcnFlexNormalDlg::OnRadioDesign() {
    m_nCaltType = 0;
    UpdateModeState();
}

void CStlcnFlexNormalDlg::OnRadioCapacity() {
    m_nCaltType = 1;
    UpdateModeState();
}

void CStlcnFlexNormalDlg::OnSelChangeMatchBar() {
    CString strType = GetComboBoxText(IDC_FN_MATCHBAR);
    BOOL bSingle = strType == kSingle;
    EnableControl(IDC_FN_PMIN_PL, TRUE);
    EnableControl(IDC_FN_PMIN_PS, !bSingle);
    EnableControl(IDC_FN_AS_PS, !bSingle);
    EnableControl(IDC_FN_STEEL_PS, !bSingle);
    if (bSingle) {
        ShowControl(IDC_FN_AREAS_PS_LABEL, FALSE);
        ShowControl(IDC_FN_AREAS_PS, FALSE);
        EnableControl(IDC_FN_AREAS_PS, FALSE);
    } else if (strType != kKnownPs) {
        ShowControl(IDC_FN_AREAS_PS_LABEL, TRUE);
        ShowControl(IDC_FN_AREAS_PS, TRUE);
    }
    if (m_nCaltType != 0 && m_nCaltType != 1) return;
    BOOL bDesign = m_nCaltType == 0;
    if (strType == kKnownPs) {
        ShowControl(IDC_FN_AREAS_PS_LABEL, TRUE);
        ShowControl(IDC_FN_AREAS_PS, TRUE);
        EnableControl(IDC_FN_AREAS_PS, TRUE);
    } else if (!bSingle) {
        EnableControl(IDC_FN_AREAS_PS, !bDesign);
    }
    EnableControl(IDC_FN_M, bDesign);
    EnableControl(IDC_FN_AREAS_PL, !bDesign);
}

void CStlcnFlexNormalDlg::OnSelChangeSection() {
    BOOL bRectangle = GetComboBoxText(IDC_FN_SECTION) == kRectangle;
    EnableControl(IDC_FN_PMIN_PL, TRUE);
    if (bRectangle) {
        BOOL bCompression = GetComboBoxText(IDC_FN_MATCHBAR) != kSingle;
        EnableControl(IDC_FN_PMIN_PS, bCompression);
        EnableControl(IDC_FN_AS_PS, bCompression);
        EnableControl(IDC_FN_STEEL_PS, bCompression);
        ShowControl(IDC_FN_AREAS_PS_LABEL, bCompression);
        ShowControl(IDC_FN_AREAS_PS, bCompression);
        EnableControl(IDC_FN_MATCHBAR, TRUE);
    } else {
        // A T section is calculated with tension steel only.
        if (CWnd* pMatchBar = GetDlgItem(IDC_FN_MATCHBAR)) pMatchBar->SendMessage(CB_SETCURSEL, 0);
        EnableControl(IDC_FN_MATCHBAR, FALSE);
        ShowControl(IDC_FN_AREAS_PS_LABEL, FALSE);
        ShowControl(IDC_FN_AREAS_PS, FALSE);
        EnableControl(IDC_FN_PMIN_PS, FALSE);
        EnableControl(IDC_FN_AS_PS, FALSE);
        EnableControl(IDC_FN_STEEL_PS, FALSE);
    }
    EnableControl(IDC_FN_BF, !bRectangle);
    EnableControl(IDC_FN_HF, !bRectangle);
    m_ctrlSlide.SetCurSel(bRectangle ? 0 : 1);
}

void CStlcnFlexNormalDlg::SetData(CVuskParam* pParam) {
    CStlcnFlexNormalParam* p = static_cast<CStlcnFlexNormalParam*>(pParam);
    if (p == NULL) return;
    if (p->m_strCaltType == kDesign)
        m_nCaltType = 0;
    else if (p->m_strCaltType == kCapacity)
        m_nCaltType = 1;
    SetEditText(IDC_FN_NUMBER, p->strNumber);
    SetComboBoxText(IDC_FN_SECTION, p->m_strSectionType);
    SetComboBoxText(IDC_FN_MATCHBAR, p->m_strMatchBarType);
    SetComboBoxText(IDC_FN_GO, ftos(p->m_dGo));
    SetComboBoxText(IDC_FN_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_FN_STEEL_PL, p->m_strSteelBarGradePl);
    SetComboBoxText(IDC_FN_STEEL_PS, p->m_strSteelBarGradePs);
    SetEditText(IDC_FN_AS_PL, ftos(p->m_dAsPl));
    SetEditText(IDC_FN_AS_PS, ftos(p->m_dAsPs));
    SetRatioCombo(IDC_FN_PMIN_PL, p->m_bIsAutoCalt, p->m_dPminPl);
    SetRatioCombo(IDC_FN_PMIN_PS, p->m_bIsAutoCaltPs, p->m_dPminPs);
    SetEditText(IDC_FN_B, ftos(p->m_dB));
    SetEditText(IDC_FN_H, ftos(p->m_dH));
    SetEditText(IDC_FN_BF, ftos(p->m_dBf));
    SetEditText(IDC_FN_HF, ftos(p->m_dHf));
    SetEditText(IDC_FN_M, ftosp(p->m_dM, 3, 0, 0));
    SetEditText(IDC_FN_AREAS_PL, ftosp(p->m_dAreasPl, 0, 0, 0));
    SetEditText(IDC_FN_AREAS_PS, ftosp(p->m_dAreasPs, 0, 0, 0));

    UpdateModeState();
    OnSelChangeSection();
    OnSelChangeMatchBar();
    UpdateData(FALSE);
}

void CStlcnFlexNormalDlg::GetData(CVuskParam* pParam) {
    CStlcnFlexNormalParam* p = static_cast<CStlcnFlexNormalParam*>(pParam);
    if (p == NULL) return;
    if (m_nCaltType == 0)
        p->m_strCaltType = kDesign;
    else if (m_nCaltType == 1)
        p->m_strCaltType = kCapacity;
    p->strNumber = GetEditText(IDC_FN_NUMBER);
    p->m_strSectionType = GetComboBoxText(IDC_FN_SECTION);
    p->m_strMatchBarType = GetComboBoxText(IDC_FN_MATCHBAR);
    p->m_dGo = std::atof(GetComboBoxText(IDC_FN_GO));
    p->m_strConcreteGrade = GetComboBoxText(IDC_FN_CONCRETE);
    p->m_strSteelBarGradePl = GetComboBoxText(IDC_FN_STEEL_PL);
    p->m_strSteelBarGradePs = GetComboBoxText(IDC_FN_STEEL_PS);
    p->m_dAsPl = GetEditDouble(IDC_FN_AS_PL);
    p->m_dAsPs = GetEditDouble(IDC_FN_AS_PS);
    GetRatioCombo(IDC_FN_PMIN_PL, p->m_bIsAutoCalt, p->m_dPminPl, p->GetMinSteelRatio());
    GetRatioCombo(IDC_FN_PMIN_PS, p->m_bIsAutoCaltPs, p->m_dPminPs, p->GetMinSteelRatioPs());
    p->m_dB = GetEditDouble(IDC_FN_B);
    p->m_dH = GetEditDouble(IDC_FN_H);
    p->m_dBf = GetEditDouble(IDC_FN_BF);
    p->m_dHf = GetEditDouble(IDC_FN_HF);
    p->m_dM = GetEditDouble(IDC_FN_M);
    p->m_dAreasPl = GetEditDouble(IDC_FN_AREAS_PL);
    p->m_dAreasPs = GetEditDouble(IDC_FN_AREAS_PS);
}

BOOL CStlcnFlexNormalDlg::OnDataChange() {
    CStlcnFlexNormalParam* p = static_cast<CStlcnFlexNormalParam*>(GetParam());
    if (p == NULL) return TRUE;
    const MEMBERRANGE ranges[] = {
        {IDC_FN_B, MEMBER_RANGE_NUMBER, &p->m_dB, 10000, 1e-6},
        {IDC_FN_H, MEMBER_RANGE_NUMBER, &p->m_dH, 10000, 1e-6},
        {IDC_FN_BF, MEMBER_RANGE_NUMBER, &p->m_dBf, 10000, 1e-6},
        {IDC_FN_HF, MEMBER_RANGE_NUMBER, &p->m_dHf, 10000, 1e-6},
        {IDC_FN_GO, MEMBER_RANGE_NUMBER, &p->m_dGo, 10, 1e-6},
        {IDC_FN_PMIN_PL, MEMBER_RANGE_PERCENT, &p->m_dPminPl, 10, 0},
        {IDC_FN_PMIN_PS, MEMBER_RANGE_PERCENT, &p->m_dPminPs, 10, 0},
        {IDC_FN_AS_PL, MEMBER_RANGE_NUMBER, &p->m_dAsPl, 1000, 0},
        {IDC_FN_AS_PS, MEMBER_RANGE_NUMBER, &p->m_dAsPs, 1000, 0},
        {IDC_FN_M, MEMBER_RANGE_NUMBER, &p->m_dM, 500000, 1e-6},
        {IDC_FN_AREAS_PL, MEMBER_RANGE_NUMBER, &p->m_dAreasPl, 20000, 1e-6},
        {IDC_FN_AREAS_PS, MEMBER_RANGE_NUMBER, &p->m_dAreasPs, 20000, 1e-6},
    };
    return CheckRanges(ranges);
}

void CStlcnFlexNormalDlg::AskSingleReinforcement(int& bIsSingleRein) {
    int nAnswer = MessageBox("不需配置受压钢筋，是否按单筋矩形构件进行计算?", kPromptCaption, MB_YESNO);
    bIsSingleRein = nAnswer == IDYES ? 1 : 0;
}

BOOL CStlcnFlexNormalDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CStlcnFlexNormalParam* p = static_cast<CStlcnFlexNormalParam*>(pParam);
    if (p == NULL) return TRUE;
    CString strSection = GetComboBoxText(IDC_FN_SECTION);
    CString strType = GetComboBoxText(IDC_FN_MATCHBAR);
    BOOL bRectangle = strSection == kRectangle;
    BOOL bSingle = strType == kSingle;
    int nMode = m_nCaltType;
    int nErrors = arrErrors.GetSize();
    int nWarnings = arrWarnings.GetSize();

    // A value out of its range stops here, and a grade that the tables do not hold: every formula
    // divides by the strengths.
    if (!CheckRangesBeforeCalculation(arrErrors) ||
        !CheckGrades(arrErrors, p->m_strConcreteGrade, p->m_strSteelBarGradePl,
                     bRectangle && !bSingle ? (LPCTSTR)p->m_strSteelBarGradePs : NULL)) {
        ClearDesignResults(nMode, strType);
        return FALSE;
    }

    double dXib = p->GetXib();
    if ((nMode == 0 || nMode == 1) && bSingle && bRectangle) {
        double dXi = nMode == 0 ? p->CalXi() : p->CalXiCapacity();
        if (dXi > dXib) {
            if (nMode == 0) {
                arrErrors.Add(kXiError);
            } else {
                double dMaxAs = dXib * CQeltConcrete::GetAlpha1(p->m_strConcreteGrade) *
                                CQeltConcrete::GetFc(p->m_strConcreteGrade) * p->m_dB * p->CalHo() /
                                CQeltSteelBar::GetFy(p->m_strSteelBarGradePl);
                CString strError;
                strError.Format("已超筋，相对受压区高度不满足要求，请加大截面尺寸或\r\n提高混凝土强度等级或减少受拉纵筋面积。\r\n"
                                "最大受拉纵筋面积为%.0fmm^2",
                                dMaxAs);
                arrErrors.Add(strError);
            }
        }
    }
    if (nMode == 0 && strType == kDouble && bRectangle && IsLessEqual(p->CalAsPsDouble(), 0))
        AskSingleReinforcement(p->m_bIsSingleRein);
    if (nMode == 0 && strType == kKnownPs && bRectangle) {
        if (IsLessEqual(p->CalAsPsOver(), 0)) AskSingleReinforcement(p->m_bIsSingleRein);
        if (dXib * p->CalHo() < p->CalX1())
            MessageBox("受压钢筋A's太小，按A's未知，重新计算A's和As。", kPromptCaption, MB_OK);
    }
    if (p->m_dH < 2 * p->m_dAsPl) arrErrors.Add("要求2*as<h。");
    if (bRectangle && !bSingle) {
        if (p->m_dH < 2 * p->m_dAsPs)
            arrErrors.Add("要求2*as'<h。");
        else if (IsLessEqual(p->CalHo() - p->m_dAsPs, 0))
            // The compression steel's lever arm ho - as' divides the compression steel's formulas.
            arrErrors.Add("要求as+as'<h。");
    }
    // The T design's own ξ against ξb, as the rectangular design is tested.
    if (nMode == 0 && bSingle && strSection == "T形" && p->CalXiT() > dXib) arrErrors.Add(kXiError);

    CString strMessage;
    double dCodeMin = p->GetMinSteelRatio();
    if (bRectangle && bSingle) {
        if (p->m_dPminPl < dCodeMin) {
            strMessage.Format("最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMin * 100, 3, 0, 0));
            arrWarnings.Add(strMessage);
        }
    } else if (bRectangle) {
        if (p->m_dPminPl < dCodeMin) {
            strMessage.Format("受拉钢筋最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMin * 100, 3, 0, 0));
            arrWarnings.Add(strMessage);
        }
        double dCodeMinPs = p->GetMinSteelRatioPs();
        if (p->m_dPminPs < dCodeMinPs) {
            strMessage.Format("受压钢筋最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMinPs * 100, 3, 0, 0));
            arrWarnings.Add(strMessage);
        }
    } else if (strSection == "T形") {
        if (p->m_dPminPl < dCodeMin) {
            strMessage.Format("最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMin * 100, 3, 0, 0));
            arrWarnings.Add(strMessage);
        }
        if (p->m_dH < p->m_dHf) arrErrors.Add("要求h'f≤h。");
    }
    if (arrErrors.GetSize() > nErrors) ClearDesignResults(nMode, strType);
    return arrErrors.GetSize() == nErrors && arrWarnings.GetSize() == nWarnings;
}

void CStlcnFlexNormalDlg::ClearDesignResults(int nMode, const CString& strType) {
    if (nMode != 0) return;
    SetEditText(IDC_FN_AREAS_PL, "");
    if (strType == kDouble) SetEditText(IDC_FN_AREAS_PS, "");
}
