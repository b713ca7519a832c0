#include "checks/members/PillarDlg.h"

#include "checks/members/PillarParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

namespace {

const char kDesign[] = "已知压力求配筋";
const char kCapacity[] = "已知配筋求压力";
const char kRectangle[] = "矩形";
const char kCircle[] = "圆形";

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnPillarDlg, CStlcnCheckDlg)

BEGIN_MESSAGE_MAP(CStlcnPillarDlg, CStlcnCheckDlg)
    ON_BN_CLICKED(IDC_PL_DESIGN, OnRadioDesign)
    ON_BN_CLICKED(IDC_PL_CAPACITY, OnRadioCapacity)
    ON_CBN_SELCHANGE(IDC_PL_SECTION, OnSelChangeSectionType)
    ON_CBN_KILLFOCUS(IDC_CHECK_GO, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_PL_N, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_PL_AS, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_PL_B, OnKillFocusSide)
    ON_EN_KILLFOCUS(IDC_PL_H, OnKillFocusSide)
    ON_EN_KILLFOCUS(IDC_PL_D, OnKillFocusDiameter)
    ON_EN_KILLFOCUS(IDC_PL_LO, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_PL_PGMIN, OnEditKillFocus)
END_MESSAGE_MAP()

CStlcnPillarDlg::CStlcnPillarDlg(CWnd* pParent) : CStlcnCheckDlg(IDD, pParent) {}

CStlcnPillarDlg::~CStlcnPillarDlg() = default;

void CStlcnPillarDlg::FillLists() {
    FillComboBox(IDC_PL_SECTION, {kRectangle, kCircle});
    FillImportanceList();
    FillComboBox(IDC_CHECK_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_PL_STEEL, m_arrSteelGrade);
}

void CStlcnPillarDlg::GetSlideNames(CStringArray& arrSlides) const {
    arrSlides.Add("STLCNPILLARPARAM_C");
    arrSlides.Add("STLCNPILLARPARAM_R");
}

void CStlcnPillarDlg::SetData(CVuskParam* pParam) {
    CStlcnPillarParam* p = static_cast<CStlcnPillarParam*>(pParam);
    if (p == NULL) return;
    SetEditText(IDC_CHECK_NUMBER, p->strNumber);
    SetComboBoxText(IDC_PL_SECTION, p->m_strSectionType);
    SetComboBoxText(IDC_CHECK_GO, p->m_dImportantModulus);
    SetComboBoxText(IDC_CHECK_CONCRETE, p->m_strGrade);
    SetComboBoxText(IDC_PL_STEEL, p->m_strSteelType);
    SetEditText(IDC_PL_PGMIN, p->m_dPgMin);
    SetEditText(IDC_PL_B, p->m_dSectionWidth);
    SetEditText(IDC_PL_H, p->m_dSectionHeight);
    SetEditText(IDC_PL_D, p->m_dSectionDiameter);
    SetEditText(IDC_PL_LO, p->m_dCaltLength);
    SetEditText(IDC_PL_N, ftosp(p->m_dAxialForce, 3, 0, 0));
    SetEditText(IDC_PL_AS, ftosp(p->m_dPressedSteelArea, 0, 0, 0));
    if (p->m_strCaltType == kDesign) {
        SetChecked(IDC_PL_DESIGN, TRUE);
        SetChecked(IDC_PL_CAPACITY, FALSE);
        EnableControl(IDC_PL_AS, FALSE);
        EnableControl(IDC_PL_N, TRUE);
    } else if (p->m_strCaltType == kCapacity) {
        SetChecked(IDC_PL_DESIGN, FALSE);
        SetChecked(IDC_PL_CAPACITY, TRUE);
        EnableControl(IDC_PL_AS, TRUE);
        EnableControl(IDC_PL_N, FALSE);
    }
    UpdateData(FALSE);
    OnSelChangeSectionType();
    // The stored choice wins over the offer the section size just made.
    SetChecked(IDC_PL_MULTCOEF, p->m_bIsMultCoef != 0);
}

void CStlcnPillarDlg::GetData(CVuskParam* pParam) {
    CStlcnPillarParam* p = static_cast<CStlcnPillarParam*>(pParam);
    if (p == NULL) return;
    p->strNumber = GetEditText(IDC_CHECK_NUMBER);
    p->m_strSectionType = GetText(IDC_PL_SECTION);
    p->m_dImportantModulus = GetTextDouble(IDC_CHECK_GO);
    p->m_strGrade = GetText(IDC_CHECK_CONCRETE);
    p->m_strSteelType = GetText(IDC_PL_STEEL);
    p->m_dPgMin = GetTextDouble(IDC_PL_PGMIN);
    p->m_dSectionWidth = GetTextDouble(IDC_PL_B);
    p->m_dSectionHeight = GetTextDouble(IDC_PL_H);
    p->m_dSectionDiameter = GetTextDouble(IDC_PL_D);
    p->m_dCaltLength = GetTextDouble(IDC_PL_LO);
    p->m_dAxialForce = GetTextDouble(IDC_PL_N);
    p->m_dPressedSteelArea = GetTextDouble(IDC_PL_AS);
    if (IsChecked(IDC_PL_DESIGN)) p->m_strCaltType = kDesign;
    if (IsChecked(IDC_PL_CAPACITY)) p->m_strCaltType = kCapacity;

    // The factor counts only while it is offered: a size of 300 mm or more clears it.
    BOOL bOffered = IsControlEnabled(IDC_PL_MULTCOEF) && IsChecked(IDC_PL_MULTCOEF);
    if (p->m_strSectionType == kRectangle) {
        double dLarger = p->m_dSectionHeight < p->m_dSectionWidth ? p->m_dSectionWidth : p->m_dSectionHeight;
        p->m_bIsMultCoef = dLarger < 300 && bOffered ? 1 : 0;
    } else if (p->m_strSectionType == kCircle) {
        p->m_bIsMultCoef = p->m_dSectionDiameter < 300 && bOffered ? 1 : 0;
    }
}

BOOL CStlcnPillarDlg::OnDataChange() {
    UpdateData(TRUE);
    CStlcnPillarParam* p = static_cast<CStlcnPillarParam*>(GetParam());
    if (p != NULL) {
        CheckRange(IDC_PL_B, p->m_dSectionWidth, 10000, 0.000001);
        CheckRange(IDC_PL_H, p->m_dSectionHeight, 10000, 0.000001);
        CheckRange(IDC_PL_D, p->m_dSectionDiameter, 10000, 0.000001);
        CheckRange(IDC_PL_LO, p->m_dCaltLength, 100000, 0.000001);
        CheckRange(IDC_CHECK_GO, p->m_dImportantModulus, 10, 0.000001);
        CheckRange(IDC_PL_PGMIN, p->m_dPgMin, 10, 0);
        CheckRange(IDC_PL_N, p->m_dAxialForce, 500000, 0.000001);
        CheckRange(IDC_PL_AS, p->m_dPressedSteelArea, 20000, 0.000001);
    }
    UpdateData(FALSE);
    return TRUE;
}

BOOL CStlcnPillarDlg::CheckData(CVuskParam* pParam, CStringArray&, CStringArray& arrErrors) {
    CStlcnPillarParam* p = static_cast<CStlcnPillarParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    // Every formula divides by the steel's strength: a grade that the tables do not hold stops here.
    if (CQeltConcrete::GetFc(p->m_strGrade) <= 0 || CQeltSteelBar::GetFy_(p->m_strSteelType) <= 0) {
        arrErrors.Add("请选择混凝土等级和钢筋种类。");
        return FALSE;
    }
    // Table 7.3.1 ends at lo/b 50 and lo/d 43.5: a member more slender has no stability factor.
    double dSlenderness = p->GetSlenderness();
    BOOL bCircle = p->m_strSectionType == kCircle;
    double dMaxSlenderness = bCircle ? CStlcnPillarParam::kMaxSlendernessD : CStlcnPillarParam::kMaxSlendernessB;
    if (dSlenderness > dMaxSlenderness) {
        CString strError;
        strError.Format(bCircle ? "构件长细比lo/d=%s>%s,超出规范表7.3.1的范围,请返回修改!"
                                : "构件长细比lo/b=%s>%s,超出规范表7.3.1的范围,请返回修改!",
                        (LPCTSTR)ftosp(dSlenderness, 3, 0, 0), (LPCTSTR)ftos(dMaxSlenderness));
        arrErrors.Add(strError);
        return FALSE;
    }
    BOOL bKnownMode = p->m_strCaltType == kDesign || p->m_strCaltType == kCapacity;
    if (!bKnownMode || p->LeavesConcrete()) return TRUE;
    arrErrors.Add(p->m_strCaltType == kCapacity ? "受压纵筋面积不应大于截面面积,请返回修改!"
                                                : "轴向力过大,所需纵筋面积超过截面面积,请加大截面尺寸或提高混凝土强度等级!");
    return FALSE;
}

void CStlcnPillarDlg::OnRadioDesign() {
    BOOL bDesign = IsChecked(IDC_PL_DESIGN);
    EnableControl(IDC_PL_AS, !bDesign);
    EnableControl(IDC_PL_N, bDesign);
}

void CStlcnPillarDlg::OnRadioCapacity() {
    BOOL bCapacity = IsChecked(IDC_PL_CAPACITY);
    EnableControl(IDC_PL_AS, bCapacity);
    EnableControl(IDC_PL_N, !bCapacity);
}

void CStlcnPillarDlg::OfferSmallSectionFactor(double dSize) {
    BOOL bSmall = dSize < 300;
    EnableControl(IDC_PL_MULTCOEF, bSmall);
    SetChecked(IDC_PL_MULTCOEF, bSmall);
}

double CStlcnPillarDlg::GetLargerSide() const {
    double dB = GetTextDouble(IDC_PL_B);
    double dH = GetTextDouble(IDC_PL_H);
    return GetTextDouble(dH < dB ? IDC_PL_B : IDC_PL_H);
}

void CStlcnPillarDlg::OnKillFocusSide() {
    OfferSmallSectionFactor(GetLargerSide());
    OnDataChange();
}

void CStlcnPillarDlg::OnKillFocusDiameter() {
    OfferSmallSectionFactor(GetTextDouble(IDC_PL_D));
    OnDataChange();
}

void CStlcnPillarDlg::OnSelChangeSectionType() {
    CString strSection = GetText(IDC_PL_SECTION);
    if (strSection == kRectangle) {
        EnableControl(IDC_PL_B, TRUE);
        EnableControl(IDC_PL_H, TRUE);
        EnableControl(IDC_PL_D, FALSE);
        SetDlgItemText(IDC_PL_MULTCOEF, "当截面长边小于300mm时,考虑混凝土的强度设计值乘0.8");
        OfferSmallSectionFactor(GetLargerSide());
        m_ctrlSlide.SetCurSel(1);
    } else if (strSection == kCircle) {
        EnableControl(IDC_PL_B, FALSE);
        EnableControl(IDC_PL_H, FALSE);
        EnableControl(IDC_PL_D, TRUE);
        SetDlgItemText(IDC_PL_MULTCOEF, "当截面直径小于300mm时,考虑混凝土的强度设计值乘0.8");
        OfferSmallSectionFactor(GetTextDouble(IDC_PL_D));
        m_ctrlSlide.SetCurSel(0);
    }
}
