#include "checks/flexural/DeepFlexNormalDlg.h"

#include <cmath>
#include <cstdlib>

#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

const char kDesign[] = "已知弯矩求配筋";
const char kCapacity[] = "已知配筋求弯矩";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnDeepFlexNormalDlg, CStlcnMemberDlg)

BEGIN_MESSAGE_MAP(CStlcnDeepFlexNormalDlg, CStlcnMemberDlg)
    ON_EN_KILLFOCUS(IDC_DN_M, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DN_AREAS, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DN_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DN_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DN_LO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DN_GO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DN_CONCRETE, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DN_STEEL, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DN_AS, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DN_PMIN, OnEditKillFocus)
    ON_BN_CLICKED(IDC_DN_DESIGN, OnModeDesign)
    ON_BN_CLICKED(IDC_DN_CAPACITY, OnModeCapacity)
END_MESSAGE_MAP()

CStlcnDeepFlexNormalDlg::CStlcnDeepFlexNormalDlg(CWnd* pParent) : CStlcnMemberDlg(IDD, IDC_DN_DESIGN, pParent) {
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGrade);
}

CStlcnDeepFlexNormalDlg::~CStlcnDeepFlexNormalDlg() = default;

void CStlcnDeepFlexNormalDlg::InitControlState() {
    m_nCaltType = 0;
    EnableControl(IDC_DN_M, TRUE);
    EnableControl(IDC_DN_AREAS, FALSE);
}

void CStlcnDeepFlexNormalDlg::FillGradeLists() {
    FillComboBox(IDC_DN_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_DN_STEEL, m_arrSteelGrade);
}

void CStlcnDeepFlexNormalDlg::EnableByMode() {
    if (m_nCaltType != 0 && m_nCaltType != 1) return;
    EnableControl(IDC_DN_M, m_nCaltType == 0);
    EnableControl(IDC_DN_AREAS, m_nCaltType == 1);
}

void CStlcnDeepFlexNormalDlg::OnModeDesign() {
    m_nCaltType = 0;
    EnableByMode();
}

void CStlcnDeepFlexNormalDlg::OnModeCapacity() {
    m_nCaltType = 1;
    EnableByMode();
}

void CStlcnDeepFlexNormalDlg::SetData(CVuskParam* pParam) {
    CStlcnDeepFlexNormalParam* p = static_cast<CStlcnDeepFlexNormalParam*>(pParam);
    if (p == NULL) return;
    m_nCaltType = p->m_strCalType == kDesign ? 0 : 1;
    SetEditText(IDC_DN_NUMBER, p->strNumber);
    SetComboBoxText(IDC_DN_GENTYPE, p->m_strGenType);
    SetComboBoxText(IDC_DN_SECTPOSIT, p->m_strSectPosit);
    SetEditText(IDC_DN_H, ftos(p->m_dH));
    SetEditText(IDC_DN_B, ftos(p->m_dB));
    SetEditText(IDC_DN_LO, ftos(p->m_dLo));
    SetComboBoxText(IDC_DN_GO, ftos(p->m_dGo));
    SetComboBoxText(IDC_DN_STEEL, p->m_strSteelBarGrade);
    SetComboBoxText(IDC_DN_CONCRETE, p->m_strConcreteGrade);
    SetAsCombo(IDC_DN_AS, p->m_dAs, p->m_dH);
    SetRatioCombo(IDC_DN_PMIN, p->m_bIsAutoCalt != 0, p->m_dPmin);
    SetEditText(IDC_DN_M, ftosp(p->m_dM, 3, 0, 0));
    SetEditText(IDC_DN_AREAS, ftosp(p->m_dAreas, 0, 0, 0));
    EnableByMode();
    UpdateData(FALSE);
}

void CStlcnDeepFlexNormalDlg::GetData(CVuskParam* pParam) {
    CStlcnDeepFlexNormalParam* p = static_cast<CStlcnDeepFlexNormalParam*>(pParam);
    if (p == NULL) return;
    if (m_nCaltType == 0)
        p->m_strCalType = kDesign;
    else if (m_nCaltType == 1)
        p->m_strCalType = kCapacity;
    p->strNumber = GetEditText(IDC_DN_NUMBER);
    p->m_strGenType = GetComboBoxText(IDC_DN_GENTYPE);
    p->m_strSectPosit = GetComboBoxText(IDC_DN_SECTPOSIT);
    p->m_dB = GetEditDouble(IDC_DN_B);
    p->m_dH = GetEditDouble(IDC_DN_H);
    p->m_dLo = GetEditDouble(IDC_DN_LO);
    p->m_dGo = std::atof(GetComboBoxText(IDC_DN_GO));
    p->m_strSteelBarGrade = GetComboBoxText(IDC_DN_STEEL);
    p->m_strConcreteGrade = GetComboBoxText(IDC_DN_CONCRETE);
    p->m_dAs = GetAsCombo(IDC_DN_AS, IDC_DN_H);
    GetRatioCombo(IDC_DN_PMIN, p->m_bIsAutoCalt, p->m_dPmin, p->GetMinSteelRatio());
    p->m_dM = GetEditDouble(IDC_DN_M);
    p->m_dAreas = GetEditDouble(IDC_DN_AREAS);
}

BOOL CStlcnDeepFlexNormalDlg::OnDataChange() {
    CStlcnDeepFlexNormalParam* p = static_cast<CStlcnDeepFlexNormalParam*>(GetParam());
    if (p == NULL) return TRUE;
    const MEMBERRANGE ranges[] = {
        {IDC_DN_AS, MEMBER_RANGE_AS, &p->m_dAs, 1000, 0},
        {IDC_DN_PMIN, MEMBER_RANGE_PERCENT, &p->m_dPmin, 10, 0},
        {IDC_DN_GO, MEMBER_RANGE_NUMBER, &p->m_dGo, 10, 1e-6},
        {IDC_DN_B, MEMBER_RANGE_NUMBER, &p->m_dB, 10000, 1e-6},
        {IDC_DN_H, MEMBER_RANGE_NUMBER, &p->m_dH, 10000, 1e-6},
        {IDC_DN_LO, MEMBER_RANGE_NUMBER, &p->m_dLo, 100000, 1e-6},
        {IDC_DN_M, MEMBER_RANGE_NUMBER, &p->m_dM, 500000, 1e-6},
        {IDC_DN_AREAS, MEMBER_RANGE_NUMBER, &p->m_dAreas, 20000, 1e-6},
    };
    return CheckRanges(ranges);
}

BOOL CStlcnDeepFlexNormalDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CStlcnDeepFlexNormalParam* p = static_cast<CStlcnDeepFlexNormalParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    int nErrors = arrErrors.GetSize();
    int nWarnings = arrWarnings.GetSize();
    GetData(p);
    if (!CheckGrades(arrErrors, p->m_strConcreteGrade, p->m_strSteelBarGrade)) return FALSE;
    p->Calculate();

    double k = p->m_dLo / p->m_dH;
    BOOL bDeepBeam = p->GetDeepTypeText() == "深梁";
    if (IsGreaterEqual(k, 5)) arrWarnings.Add("lo/h≥5.0,不宜按深受弯构件进行设计。");
    if (p->m_dH < 2 * p->m_dAs) arrErrors.Add("要求2*as<h。");
    if (bDeepBeam && k < 1 - 1e-6 && p->m_dLo / p->m_dB > 25) arrWarnings.Add("作为深梁，当lo/h<1时，lo/b不宜大于25。");
    if (bDeepBeam && IsGreaterEqual(k, 1) && p->m_dH / p->m_dB > 25) arrWarnings.Add("作为深梁，当lo/h≥1时，h/b不宜大于25。");
    double dCodeMin = p->GetMinSteelRatio();
    if (dCodeMin > p->m_dPmin) {
        CString strMessage;
        strMessage.Format("最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMin * 100, 3, 0, 0));
        arrWarnings.Add(strMessage);
    }
    if (bDeepBeam && CQeltConcrete::GetFcuk(p->m_strConcreteGrade) < 20) arrErrors.Add("深梁的混凝土强度等级不应低于C20。");
    if (bDeepBeam && p->m_dB < 140) arrWarnings.Add("深梁的截面宽度不应小于140mm。");
    if (IsLessEqual(k, 2) && p->m_strSectPosit == "跨中截面" && p->m_dAs != 0.1 * p->m_dH)
        arrWarnings.Add("当lo/h≤2时，跨中截面，as应取0.1h。");
    if (IsLessEqual(k, 2) && p->m_strSectPosit == "支座截面" && p->m_dAs != 0.2 * p->m_dH)
        arrWarnings.Add("当lo/h≤2时，支座截面，as应取0.2h。");
    // A design needs a compression zone within ξb·ho: without a root, or beyond it, there is none.
    if (p->m_bHasRoot == 0)
        arrErrors.Add("受压区高度无解，修改梁高或弯矩设计值等参数重新计算。");
    else if (p->m_strCalType == kDesign && p->IsOverReinforced())
        arrErrors.Add(kXiError);
    return arrErrors.GetSize() == nErrors && arrWarnings.GetSize() == nWarnings;
}
