#include "checks/flexural/FlexObliqueDlg.h"

#include <cstdlib>

#include "checks/flexural/FlexObliqueParam.h"
#include "host/Help.h"
#include "host/Numbers.h"
#include "host/QeltPath.h"
#include "host/QeltSteelBar.h"

namespace {

const char kDesign[] = "已知剪力求配筋";
const char kCapacity[] = "已知配筋求剪力";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnFlexObliqueDlg, CStlcnMemberDlg)

BEGIN_MESSAGE_MAP(CStlcnFlexObliqueDlg, CStlcnMemberDlg)
    ON_CBN_SELCHANGE(IDC_FO_SECTION, OnSectionChange)
    ON_CBN_SELCHANGE(IDC_FO_FTYPE, OnLoadTypeChange)
    ON_EN_KILLFOCUS(IDC_FO_V, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_AREAS_SV, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_BF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_HF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_A, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_S, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_FO_AS, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FO_GO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_FO_PMIN, OnEditKillFocus)
    ON_BN_CLICKED(IDC_FO_DESIGN, OnModeDesign)
    ON_BN_CLICKED(IDC_FO_CAPACITY, OnModeCapacity)
END_MESSAGE_MAP()

CStlcnFlexObliqueDlg::CStlcnFlexObliqueDlg(CWnd* pParent) : CStlcnMemberDlg(IDD, IDC_FO_DESIGN, pParent) {
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGrade);
    // This page's slide control lays its slides out two by two.
    m_nSlideCols = 2;
    m_nSlideRows = 2;
}

CStlcnFlexObliqueDlg::~CStlcnFlexObliqueDlg() = default;

void CStlcnFlexObliqueDlg::InitControlState() {
    EnableControl(IDC_FO_BF, FALSE);
    EnableControl(IDC_FO_A, FALSE);
    EnableControl(IDC_FO_AREAS_SV, FALSE);
    EnableControl(IDC_FO_V, TRUE);
}

void CStlcnFlexObliqueDlg::FillGradeLists() {
    FillComboBox(IDC_FO_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_FO_STEEL, m_arrSteelGrade);
}

void CStlcnFlexObliqueDlg::EnableByMode() {
    if (m_nCaltType != 0 && m_nCaltType != 1) return;
    EnableControl(IDC_FO_V, m_nCaltType == 0);
    EnableControl(IDC_FO_AREAS_SV, m_nCaltType == 1);
}

void CStlcnFlexObliqueDlg::OnModeDesign() {
    m_nCaltType = 0;
    EnableByMode();
}

void CStlcnFlexObliqueDlg::OnModeCapacity() {
    m_nCaltType = 1;
    EnableByMode();
}

void CStlcnFlexObliqueDlg::OnSectionChange() {
    BOOL bRectangle = GetComboBoxText(IDC_FO_SECTION) == "矩形";
    EnableControl(IDC_FO_BF, !bRectangle);
    EnableControl(IDC_FO_HF, !bRectangle);
    m_ctrlSlide.SetCurSel(bRectangle ? 0 : 1);
}

void CStlcnFlexObliqueDlg::OnLoadTypeChange() {
    EnableControl(IDC_FO_A, GetComboBoxText(IDC_FO_FTYPE) != "均布荷载一般梁");
}

void CStlcnFlexObliqueDlg::SetData(CVuskParam* pParam) {
    CStlcnFlexObliqueParam* p = static_cast<CStlcnFlexObliqueParam*>(pParam);
    if (p == NULL) return;
    if (p->m_strCaltType == kDesign)
        m_nCaltType = 0;
    else if (p->m_strCaltType == kCapacity)
        m_nCaltType = 1;
    SetEditText(IDC_FO_NUMBER, p->strNumber);
    SetComboBoxText(IDC_FO_FTYPE, p->m_strFType);
    SetComboBoxText(IDC_FO_SECTION, p->m_strSectionType);
    SetComboBoxText(IDC_FO_GO, ftos(p->m_dGo));
    SetComboBoxText(IDC_FO_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_FO_STEEL, p->m_strSteelBarGrade);
    SetEditText(IDC_FO_S, ftos(p->m_dS));
    SetRatioCombo(IDC_FO_PMIN, p->m_bIsAutoCalt != 0, p->m_dPmin);
    SetEditText(IDC_FO_AS, ftos(p->m_dAs));
    SetEditText(IDC_FO_B, ftos(p->m_dB));
    SetEditText(IDC_FO_H, ftos(p->m_dH));
    SetEditText(IDC_FO_A, ftos(p->m_dA));
    SetEditText(IDC_FO_BF, ftos(p->m_dBf));
    SetEditText(IDC_FO_HF, ftos(p->m_dHf));
    SetForceEdit(IDC_FO_V, p->m_dV);
    SetEditText(IDC_FO_AREAS_SV, ftosp(p->m_dAreasSv, 0, 0, 0));

    OnSectionChange();
    OnLoadTypeChange();
    EnableByMode();
    UpdateData(FALSE);
}

void CStlcnFlexObliqueDlg::GetData(CVuskParam* pParam) {
    CStlcnFlexObliqueParam* p = static_cast<CStlcnFlexObliqueParam*>(pParam);
    if (p == NULL) return;
    if (m_nCaltType == 0)
        p->m_strCaltType = kDesign;
    else if (m_nCaltType == 1)
        p->m_strCaltType = kCapacity;
    p->strNumber = GetEditText(IDC_FO_NUMBER);
    p->m_strFType = GetComboBoxText(IDC_FO_FTYPE);
    p->m_strSectionType = GetComboBoxText(IDC_FO_SECTION);
    p->m_dGo = std::atof(GetComboBoxText(IDC_FO_GO));
    p->m_strConcreteGrade = GetComboBoxText(IDC_FO_CONCRETE);
    p->m_strSteelBarGrade = GetComboBoxText(IDC_FO_STEEL);
    p->m_dS = GetEditDouble(IDC_FO_S);
    GetRatioCombo(IDC_FO_PMIN, p->m_bIsAutoCalt, p->m_dPmin, p->GetMinSteelRatio());
    p->m_dAs = GetEditDouble(IDC_FO_AS);
    p->m_dB = GetEditDouble(IDC_FO_B);
    p->m_dH = GetEditDouble(IDC_FO_H);
    p->m_dA = GetEditDouble(IDC_FO_A);
    p->m_dBf = GetEditDouble(IDC_FO_BF);
    p->m_dHf = GetEditDouble(IDC_FO_HF);
    p->m_dV = GetForceEdit(IDC_FO_V);
    p->m_dAreasSv = GetEditDouble(IDC_FO_AREAS_SV);
}

BOOL CStlcnFlexObliqueDlg::OnDataChange() {
    CStlcnFlexObliqueParam* p = static_cast<CStlcnFlexObliqueParam*>(GetParam());
    if (p == NULL) return TRUE;
    const MEMBERRANGE ranges[] = {
        {IDC_FO_B, MEMBER_RANGE_NUMBER, &p->m_dB, 10000, 1e-6},
        {IDC_FO_H, MEMBER_RANGE_NUMBER, &p->m_dH, 10000, 1e-6},
        {IDC_FO_A, MEMBER_RANGE_NUMBER, &p->m_dA, 10000, 1e-6},
        {IDC_FO_BF, MEMBER_RANGE_NUMBER, &p->m_dBf, 10000, 1e-6},
        {IDC_FO_HF, MEMBER_RANGE_NUMBER, &p->m_dHf, 10000, 1e-6},
        {IDC_FO_GO, MEMBER_RANGE_NUMBER, &p->m_dGo, 10, 1e-6},
        {IDC_FO_S, MEMBER_RANGE_NUMBER, &p->m_dS, 1000, 1e-6},
        {IDC_FO_PMIN, MEMBER_RANGE_PERCENT, &p->m_dPmin, 10, 0},
        {IDC_FO_AS, MEMBER_RANGE_NUMBER, &p->m_dAs, 1000, 0},
        {IDC_FO_V, MEMBER_RANGE_KN, &p->m_dV, 500000, 1e-6},
        {IDC_FO_AREAS_SV, MEMBER_RANGE_NUMBER, &p->m_dAreasSv, 20000, 1e-6},
    };
    return CheckRanges(ranges);
}

BOOL CStlcnFlexObliqueDlg::CheckData(CVuskParam* pParam, CStringArray&, CStringArray& arrErrors) {
    CStlcnFlexObliqueParam* p = static_cast<CStlcnFlexObliqueParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    int nErrors = arrErrors.GetSize();
    if (!CheckGrades(arrErrors, p->m_strConcreteGrade, p->m_strSteelBarGrade)) return FALSE;
    if (p->m_dH < 2 * p->m_dAs) arrErrors.Add("要求2*as<h。");
    if (m_nCaltType == 0 && p->m_dV > p->CalSectionLimit())
        arrErrors.Add("受剪截面不符合条件,请加大截面尺寸或提高混凝土强度等级。");
    if (GetComboBoxText(IDC_FO_SECTION) == "T形" && p->m_dH < p->m_dHf) arrErrors.Add("要求上翼缘高度h'f≤截面高度h。");
    return arrErrors.GetSize() == nErrors;
}

void CStlcnFlexObliqueDlg::OpenPageHelp() {
    CString strFile = gVusk_GetQeltPath(2) + "VUSK20.chm";
    HtmlHelp(GetSafeHwnd(), strFile, HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>("1/受弯构件斜截面承载力计算.htm"));
}
