#include "checks/flexural/DeepFlexObliqueDlg.h"

#include <cstdlib>

#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/Tolerance.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace {

// The mode texts by the index of their radio.
const char* const kModes[] = {"已知剪力、Asv求Ash", "已知剪力、Ash求Asv", "已知Asv、Ash求剪力"};

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnDeepFlexObliqueDlg, CStlcnMemberDlg)

BEGIN_MESSAGE_MAP(CStlcnDeepFlexObliqueDlg, CStlcnMemberDlg)
    ON_EN_KILLFOCUS(IDC_DO_V, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_AREAS_SH, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_AREAS_SV, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_LO, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_A, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_SV, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DO_SH, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DO_GO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DO_AS, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DO_PMIN_SH, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_DO_PMIN_SV, OnEditKillFocus)
    ON_BN_CLICKED(IDC_DO_FIND_ASH, OnModeFindAsh)
    ON_BN_CLICKED(IDC_DO_FIND_ASV, OnModeFindAsv)
    ON_BN_CLICKED(IDC_DO_FIND_V, OnModeFindV)
    ON_CBN_SELCHANGE(IDC_DO_FTYPE, OnLoadTypeChange)
END_MESSAGE_MAP()

CStlcnDeepFlexObliqueDlg::CStlcnDeepFlexObliqueDlg(CWnd* pParent)
    : CStlcnMemberDlg(IDD, IDC_DO_FIND_ASH, pParent) {
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGradeHor);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteelGradeVer);
}

CStlcnDeepFlexObliqueDlg::~CStlcnDeepFlexObliqueDlg() = default;

void CStlcnDeepFlexObliqueDlg::InitControlState() {
    EnableControl(IDC_DO_V, TRUE);
    EnableControl(IDC_DO_AREAS_SH, FALSE);
    EnableControl(IDC_DO_AREAS_SV, TRUE);
}

void CStlcnDeepFlexObliqueDlg::FillGradeLists() {
    FillComboBox(IDC_DO_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_DO_STEEL_HOR, m_arrSteelGradeHor);
    FillComboBox(IDC_DO_STEEL_VER, m_arrSteelGradeVer);
}

void CStlcnDeepFlexObliqueDlg::EnableByMode() {
    if (m_nCaltType < 0 || m_nCaltType > 2) return;
    EnableControl(IDC_DO_V, m_nCaltType != 2);
    EnableControl(IDC_DO_AREAS_SH, m_nCaltType != 0);
    EnableControl(IDC_DO_AREAS_SV, m_nCaltType != 1);
}

void CStlcnDeepFlexObliqueDlg::OnModeFindAsh() {
    m_nCaltType = 0;
    EnableByMode();
}

void CStlcnDeepFlexObliqueDlg::OnModeFindAsv() {
    m_nCaltType = 1;
    EnableByMode();
}

void CStlcnDeepFlexObliqueDlg::OnModeFindV() {
    m_nCaltType = 2;
    EnableByMode();
}

void CStlcnDeepFlexObliqueDlg::OnLoadTypeChange() {
    EnableControl(IDC_DO_A, GetComboBoxText(IDC_DO_FTYPE) != "均布荷载一般梁");
}

void CStlcnDeepFlexObliqueDlg::SetData(CVuskParam* pParam) {
    CStlcnDeepFlexObliqueParam* p = static_cast<CStlcnDeepFlexObliqueParam*>(pParam);
    if (p == NULL) return;
    for (int i = 0; i < 3; i++)
        if (p->m_strDeepCaltType == kModes[i]) m_nCaltType = i;
    SetEditText(IDC_DO_NUMBER, p->strNumber);
    SetComboBoxText(IDC_DO_DEEPTYPE, p->m_strDeepType);
    SetComboBoxText(IDC_DO_FTYPE, p->m_strDeepFType);
    SetComboBoxText(IDC_DO_SECTPOSIT, p->m_strDeepSectPosit);
    SetComboBoxText(IDC_DO_GO, ftos(p->m_dGo));
    SetComboBoxText(IDC_DO_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_DO_STEEL_HOR, p->m_strSteelBarGradeHor);
    SetEditText(IDC_DO_SV, ftos(p->m_dSv));
    SetComboBoxText(IDC_DO_STEEL_VER, p->m_strSteelBarGradeVer);
    SetEditText(IDC_DO_SH, ftos(p->m_dSh));
    SetAsCombo(IDC_DO_AS, p->m_dAs, p->m_dH);
    SetRatioCombo(IDC_DO_PMIN_SH, p->m_bIsAutoCaltSh != 0, p->m_dPminSh);
    SetRatioCombo(IDC_DO_PMIN_SV, p->m_bIsAutoCaltSv != 0, p->m_dPminSv);
    SetEditText(IDC_DO_B, ftos(p->m_dB));
    SetEditText(IDC_DO_H, ftos(p->m_dH));
    SetEditText(IDC_DO_LO, ftos(p->m_dLo));
    SetEditText(IDC_DO_A, ftos(p->m_dA));
    SetForceEdit(IDC_DO_V, p->m_dV);
    SetEditText(IDC_DO_AREAS_SH, ftosp(p->m_dAreasSh, 0, 0, 0));
    SetEditText(IDC_DO_AREAS_SV, ftosp(p->m_dAreasSv, 0, 0, 0));
    OnLoadTypeChange();
    EnableByMode();
    UpdateData(FALSE);
}

void CStlcnDeepFlexObliqueDlg::GetData(CVuskParam* pParam) {
    CStlcnDeepFlexObliqueParam* p = static_cast<CStlcnDeepFlexObliqueParam*>(pParam);
    if (p == NULL) return;
    if (m_nCaltType >= 0 && m_nCaltType <= 2) p->m_strDeepCaltType = kModes[m_nCaltType];
    p->strNumber = GetEditText(IDC_DO_NUMBER);
    p->m_strDeepType = GetComboBoxText(IDC_DO_DEEPTYPE);
    p->m_strDeepFType = GetComboBoxText(IDC_DO_FTYPE);
    p->m_strDeepSectPosit = GetComboBoxText(IDC_DO_SECTPOSIT);
    p->m_dB = GetEditDouble(IDC_DO_B);
    p->m_dH = GetEditDouble(IDC_DO_H);
    p->m_dLo = GetEditDouble(IDC_DO_LO);
    p->m_dA = GetEditDouble(IDC_DO_A);
    p->m_dGo = std::atof(GetComboBoxText(IDC_DO_GO));
    p->m_strConcreteGrade = GetComboBoxText(IDC_DO_CONCRETE);
    p->m_strSteelBarGradeHor = GetComboBoxText(IDC_DO_STEEL_HOR);
    p->m_dSv = GetEditDouble(IDC_DO_SV);
    p->m_strSteelBarGradeVer = GetComboBoxText(IDC_DO_STEEL_VER);
    p->m_dSh = GetEditDouble(IDC_DO_SH);
    p->m_dAs = GetAsCombo(IDC_DO_AS, IDC_DO_H);
    GetRatioCombo(IDC_DO_PMIN_SH, p->m_bIsAutoCaltSh, p->m_dPminSh, p->GetMinSteelRatioSh());
    GetRatioCombo(IDC_DO_PMIN_SV, p->m_bIsAutoCaltSv, p->m_dPminSv, p->GetMinSteelRatioSv());
    p->m_dV = GetForceEdit(IDC_DO_V);
    p->m_dAreasSh = GetEditDouble(IDC_DO_AREAS_SH);
    p->m_dAreasSv = GetEditDouble(IDC_DO_AREAS_SV);
}

BOOL CStlcnDeepFlexObliqueDlg::OnDataChange() {
    CStlcnDeepFlexObliqueParam* p = static_cast<CStlcnDeepFlexObliqueParam*>(GetParam());
    if (p == NULL) return TRUE;
    const MEMBERRANGE ranges[] = {
        {IDC_DO_B, MEMBER_RANGE_NUMBER, &p->m_dB, 10000, 1e-6},
        {IDC_DO_H, MEMBER_RANGE_NUMBER, &p->m_dH, 10000, 1e-6},
        {IDC_DO_LO, MEMBER_RANGE_NUMBER, &p->m_dLo, 100000, 1e-6},
        {IDC_DO_A, MEMBER_RANGE_NUMBER, &p->m_dA, 10000, 1e-6},
        {IDC_DO_GO, MEMBER_RANGE_NUMBER, &p->m_dGo, 10, 1e-6},
        {IDC_DO_SV, MEMBER_RANGE_NUMBER, &p->m_dSv, 1000, 1e-6},
        {IDC_DO_SH, MEMBER_RANGE_NUMBER, &p->m_dSh, 1000, 1e-6},
        {IDC_DO_PMIN_SH, MEMBER_RANGE_PERCENT, &p->m_dPminSh, 10, 0},
        {IDC_DO_PMIN_SV, MEMBER_RANGE_PERCENT, &p->m_dPminSv, 10, 0},
        {IDC_DO_AS, MEMBER_RANGE_AS, &p->m_dAs, 1000, 0},
        {IDC_DO_V, MEMBER_RANGE_KN, &p->m_dV, 500000, 1e-6},
        {IDC_DO_AREAS_SH, MEMBER_RANGE_NUMBER, &p->m_dAreasSh, 20000, 1e-6},
        {IDC_DO_AREAS_SV, MEMBER_RANGE_NUMBER, &p->m_dAreasSv, 20000, 1e-6},
    };
    return CheckRanges(ranges);
}

BOOL CStlcnDeepFlexObliqueDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CStlcnDeepFlexObliqueParam* p = static_cast<CStlcnDeepFlexObliqueParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    int nErrors = arrErrors.GetSize();
    int nWarnings = arrWarnings.GetSize();
    if (!CheckGrades(arrErrors, p->m_strConcreteGrade, p->m_strSteelBarGradeHor, p->m_strSteelBarGradeVer))
        return FALSE;
    double r = p->m_dLo / p->m_dH;
    BOOL bDeepBeam = p->GetDeepType() == 0;
    CString strMessage;
    if (IsGreaterEqual(r, 5)) arrWarnings.Add("lo/h≥5.0,不宜按深受弯构件进行设计。");
    if (p->m_dH < 2 * p->m_dAs) arrErrors.Add("要求2*as<h。");
    if (bDeepBeam && IsGreaterEqual(r, 1) && p->m_dH / p->m_dB > 25) arrWarnings.Add("作为深梁，当lo/h≥1时，h/b不宜大于25。");
    if (bDeepBeam && r < 1 - 1e-6 && p->m_dLo / p->m_dB > 25) arrWarnings.Add("作为深梁，当lo/h<1时，lo/b不宜大于25。");
    double dCodeMinSh = p->GetMinSteelRatioSh();
    if (dCodeMinSh > p->m_dPminSh) {
        strMessage.Format("水平分布钢筋最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMinSh * 100, 3, 0, 0));
        arrWarnings.Add(strMessage);
    }
    double dCodeMinSv = p->GetMinSteelRatioSv();
    if (dCodeMinSv > p->m_dPminSv) {
        strMessage.Format("竖向分布钢筋最小配筋率取值不宜小于%s%%。", (LPCTSTR)ftosp(dCodeMinSv * 100, 3, 0, 0));
        arrWarnings.Add(strMessage);
    }
    if (bDeepBeam && CQeltConcrete::GetFcuk(p->m_strConcreteGrade) < 20) arrErrors.Add("深梁的混凝土强度等级不应低于C20。");
    if (bDeepBeam && p->m_dB < 140) arrWarnings.Add("深梁的截面宽度不应小于140mm。");
    if (IsLessEqual(r, 2) && p->m_strDeepSectPosit == "跨中截面" && p->m_dAs != 0.1 * p->m_dH)
        arrWarnings.Add("当lo/h≤2时，跨中截面，as应取0.1h。");
    if (IsLessEqual(r, 2) && p->m_strDeepSectPosit == "支座截面" && p->m_dAs != 0.2 * p->m_dH)
        arrWarnings.Add("当lo/h≤2时，支座截面，as应取0.2h。");
    if ((m_nCaltType == 0 || m_nCaltType == 1) && p->m_dV > p->CalSectionLimit())
        arrErrors.Add("受剪截面不符合条件,请加大截面尺寸或提高混凝土强度等级。");
    return arrErrors.GetSize() == nErrors && arrWarnings.GetSize() == nWarnings;
}
