#include "checks/members/GeneralDlg.h"

#include <cstdlib>

#include "checks/flexural/Tolerance.h"
#include "checks/members/GeneralParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

namespace {

const char kDesign[] = "已知扭矩求配筋";
const char kCapacity[] = "已知配筋求扭矩";
const char kRectangle[] = "矩形";
const char kTSection[] = "T形";
const char kAutoRatio[] = "自动计算";

const UINT kAreaBoxes[] = {IDC_GN_FLANGE_ASTL, IDC_GN_FLANGE_AST1, IDC_GN_WEB_ASTL,
                           IDC_GN_WEB_AST1,    IDC_GN_RECT_ASTL,   IDC_GN_RECT_AST1};

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnGeneralDlg, CStlcnCheckDlg)

BEGIN_MESSAGE_MAP(CStlcnGeneralDlg, CStlcnCheckDlg)
    ON_BN_CLICKED(IDC_GN_DESIGN, OnRadioDesign)
    ON_BN_CLICKED(IDC_GN_CAPACITY, OnRadioCapacity)
    ON_EN_KILLFOCUS(IDC_GN_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_BF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_HF, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_T, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_WEB_ASTL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_WEB_AST1, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_FLANGE_ASTL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_FLANGE_AST1, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_RECT_ASTL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_RECT_AST1, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_CHECK_GO, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_ZETA, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_HOOP_COUNT, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_HOOP_INTERVAL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_AS, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_GN_COVER, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_GN_PTLMIN, OnKillFocusPtlMin)
    ON_CBN_KILLFOCUS(IDC_GN_PSVMIN, OnKillFocusPsvMin)
    ON_CBN_SELCHANGE(IDC_GN_SECTION, OnSelChangeSectionType)
END_MESSAGE_MAP()

CStlcnGeneralDlg::CStlcnGeneralDlg(CWnd* pParent) : CStlcnCheckDlg(IDD, pParent) {}

CStlcnGeneralDlg::~CStlcnGeneralDlg() = default;

void CStlcnGeneralDlg::FillLists() {
    FillComboBox(IDC_GN_SECTION, {kRectangle, kTSection});
    FillImportanceList();
    FillComboBox(IDC_CHECK_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_GN_VERTI_STEEL, m_arrSteelGrade);
    FillComboBox(IDC_GN_HOOP_STEEL, m_arrSteelGrade);
    FillComboBox(IDC_GN_PTLMIN, {"0.4", kAutoRatio});
    FillComboBox(IDC_GN_PSVMIN, {"0.2", kAutoRatio});
}

void CStlcnGeneralDlg::GetSlideNames(CStringArray& arrSlides) const {
    arrSlides.Add("STLCNFLEXNORMAL_T");
    arrSlides.Add("STLCNFLEXNORMAL_RECT");
}

void CStlcnGeneralDlg::SetData(CVuskParam* pParam) {
    CStlcnGeneralParam* p = static_cast<CStlcnGeneralParam*>(pParam);
    if (p == NULL) return;
    SetEditText(IDC_CHECK_NUMBER, p->strNumber);
    SetComboBoxText(IDC_GN_SECTION, p->m_strSectionType);
    SetComboBoxText(IDC_CHECK_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_GN_VERTI_STEEL, p->m_strVertiBarGrade);
    SetComboBoxText(IDC_GN_HOOP_STEEL, p->m_strHoopBarGrade);
    SetEditText(IDC_GN_B, p->m_dSectionWidth);
    SetEditText(IDC_GN_H, p->m_dSectionHeight);
    SetEditText(IDC_GN_BF, p->m_dTopCaltWidth);
    SetEditText(IDC_GN_HF, p->m_dTopCaltHeight);
    SetEditText(IDC_GN_ZETA, p->m_dSteelGradeRatio);
    SetEditText(IDC_GN_HOOP_COUNT, p->m_dHoopSteelCount);
    SetEditText(IDC_GN_HOOP_INTERVAL, p->m_dHoopSteelInterval);
    SetEditText(IDC_GN_AS, p->m_dDistanceToEdge);
    SetEditText(IDC_GN_COVER, p->m_dGrossPly);
    SetComboBoxText(IDC_CHECK_GO, p->m_dImportantCoef);
    SetComboBoxText(IDC_GN_PSVMIN, p->m_bIsAutoCaltPsv != 0 ? CString(kAutoRatio) : ftos(p->m_dPsvmin));
    SetComboBoxText(IDC_GN_PTLMIN, p->m_bIsAutoCaltPtl != 0 ? CString(kAutoRatio) : ftos(p->m_dPtlmin));
    SetEditText(IDC_GN_T, ftosp(p->m_dTwistMoment, 3, 0, 0));
    SetEditText(IDC_GN_RECT_AST1, ftosp(p->m_dSqrtSimpleHoopAst1Used, 2, 0, 0));
    SetEditText(IDC_GN_WEB_AST1, ftosp(p->m_dBoardHoopAst1Used, 2, 0, 0));
    SetEditText(IDC_GN_FLANGE_AST1, ftosp(p->m_dEdgeHoopAst1Used, 2, 0, 0));
    SetEditText(IDC_GN_RECT_ASTL, ftosp(p->m_dSqrtAllVertiAstlUsed, 0, 0, 0));
    SetEditText(IDC_GN_WEB_ASTL, ftosp(p->m_dBoardAllVertiAstlUsed, 0, 0, 0));
    SetEditText(IDC_GN_FLANGE_ASTL, ftosp(p->m_dEdgeAllVertiAstlUsed, 0, 0, 0));
    if (p->IsSectionRefused()) ClearDesignResults();
    if (p->m_strCaltType == kDesign) {
        SetChecked(IDC_GN_DESIGN, TRUE);
        SetChecked(IDC_GN_CAPACITY, FALSE);
    } else if (p->m_strCaltType == kCapacity) {
        SetChecked(IDC_GN_DESIGN, FALSE);
        SetChecked(IDC_GN_CAPACITY, TRUE);
    }
    OnRadioDesign();
    OnRadioCapacity();
    OnSelChangeSectionType();
}

void CStlcnGeneralDlg::GetData(CVuskParam* pParam) {
    CStlcnGeneralParam* p = static_cast<CStlcnGeneralParam*>(pParam);
    if (p == NULL) return;
    p->strNumber = GetEditText(IDC_CHECK_NUMBER);
    p->m_strSectionType = GetText(IDC_GN_SECTION);
    p->m_dSectionWidth = GetTextDouble(IDC_GN_B);
    p->m_dSectionHeight = GetTextDouble(IDC_GN_H);
    p->m_dTopCaltWidth = GetTextDouble(IDC_GN_BF);
    p->m_dTopCaltHeight = GetTextDouble(IDC_GN_HF);
    p->m_dImportantCoef = GetTextDouble(IDC_CHECK_GO);
    p->m_strConcreteGrade = GetText(IDC_CHECK_CONCRETE);
    p->m_dSteelGradeRatio = GetTextDouble(IDC_GN_ZETA);
    p->m_strVertiBarGrade = GetText(IDC_GN_VERTI_STEEL);
    p->m_strHoopBarGrade = GetText(IDC_GN_HOOP_STEEL);
    p->m_dHoopSteelCount = GetTextDouble(IDC_GN_HOOP_COUNT);
    p->m_dHoopSteelInterval = GetTextDouble(IDC_GN_HOOP_INTERVAL);
    p->m_dDistanceToEdge = GetTextDouble(IDC_GN_AS);
    p->m_dGrossPly = GetTextDouble(IDC_GN_COVER);
    // A ratio box reading "自动计算" sets its flag and keeps the last number.
    CString strText = GetText(IDC_GN_PSVMIN);
    p->m_bIsAutoCaltPsv = strText == kAutoRatio ? 1 : 0;
    if (p->m_bIsAutoCaltPsv == 0) p->m_dPsvmin = std::atof(strText);
    strText = GetText(IDC_GN_PTLMIN);
    p->m_bIsAutoCaltPtl = strText == kAutoRatio ? 1 : 0;
    if (p->m_bIsAutoCaltPtl == 0) p->m_dPtlmin = std::atof(strText);
    p->m_dTwistMoment = GetTextDouble(IDC_GN_T);
    p->m_dSqrtSimpleHoopAst1 = GetTextDouble(IDC_GN_RECT_AST1);
    p->m_dSqrtAllVertiAstl = GetTextDouble(IDC_GN_RECT_ASTL);
    p->m_dBoardHoopAst1 = GetTextDouble(IDC_GN_WEB_AST1);
    p->m_dBoardAllVertiAstl = GetTextDouble(IDC_GN_WEB_ASTL);
    p->m_dEdgeHoopAst1 = GetTextDouble(IDC_GN_FLANGE_AST1);
    p->m_dEdgeAllVertiAstl = GetTextDouble(IDC_GN_FLANGE_ASTL);
    if (IsChecked(IDC_GN_DESIGN)) p->m_strCaltType = kDesign;
    if (IsChecked(IDC_GN_CAPACITY)) p->m_strCaltType = kCapacity;
}

BOOL CStlcnGeneralDlg::OnDataChange() {
    CStlcnGeneralParam* p = static_cast<CStlcnGeneralParam*>(GetParam());
    if (p == NULL) return TRUE;
    CheckRange(IDC_GN_B, p->m_dSectionWidth, 10000, 1e-6);
    CheckRange(IDC_GN_H, p->m_dSectionHeight, 10000, 1e-6);
    CheckRange(IDC_GN_BF, p->m_dTopCaltWidth, 10000, 1e-6);
    CheckRange(IDC_GN_HF, p->m_dTopCaltHeight, 10000, 1e-6);
    CheckRange(IDC_CHECK_GO, p->m_dImportantCoef, 10, 1e-6);
    CheckRange(IDC_GN_ZETA, p->m_dSteelGradeRatio, 1.7, 0.6);
    CheckRange(IDC_GN_HOOP_COUNT, p->m_dHoopSteelCount, 20, 1);
    CheckRange(IDC_GN_HOOP_INTERVAL, p->m_dHoopSteelInterval, 1000, 1e-6);
    CheckRange(IDC_GN_AS, p->m_dDistanceToEdge, 1000, 0);
    CheckRange(IDC_GN_COVER, p->m_dGrossPly, 1000, 0);
    if (GetText(IDC_GN_PSVMIN) != kAutoRatio) CheckRange(IDC_GN_PSVMIN, p->m_dPsvmin, 10, 0);
    if (GetText(IDC_GN_PTLMIN) != kAutoRatio) CheckRange(IDC_GN_PTLMIN, p->m_dPtlmin, 10, 0);
    CheckRange(IDC_GN_T, p->m_dTwistMoment, 500000, 1e-6);
    CheckRange(IDC_GN_RECT_AST1, p->m_dSqrtSimpleHoopAst1, 20000, 1e-6);
    CheckRange(IDC_GN_RECT_ASTL, p->m_dSqrtAllVertiAstl, 20000, 1e-6);
    CheckRange(IDC_GN_WEB_AST1, p->m_dBoardHoopAst1, 20000, 1e-6);
    CheckRange(IDC_GN_WEB_ASTL, p->m_dBoardAllVertiAstl, 20000, 1e-6);
    CheckRange(IDC_GN_FLANGE_AST1, p->m_dEdgeHoopAst1, 20000, 1e-6);
    CheckRange(IDC_GN_FLANGE_ASTL, p->m_dEdgeAllVertiAstl, 20000, 1e-6);
    return TRUE;
}

BOOL CStlcnGeneralDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CStlcnGeneralParam* p = static_cast<CStlcnGeneralParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) {
        if (p->m_strCaltType == kDesign) ClearDesignResults();
        return FALSE;
    }
    // Every formula divides by the strengths: a grade that the tables do not hold stops here.
    if (CQeltConcrete::GetFt(p->m_strConcreteGrade) <= 0 || CQeltSteelBar::GetFy(p->m_strVertiBarGrade) <= 0 ||
        CQeltSteelBar::GetFy_(p->m_strHoopBarGrade) <= 0) {
        arrErrors.Add("请选择混凝土等级和钢筋种类。");
        if (p->m_strCaltType == kDesign) ClearDesignResults();
        return FALSE;
    }
    int nWarnings = arrWarnings.GetSize();
    int nErrors = arrErrors.GetSize();
    if (p->m_dSteelGradeRatio < 0.6 || p->m_dSteelGradeRatio > 1.7)
        arrWarnings.Add("钢筋混凝土纯扭构件，ζ值应符合0.6≤ζ≤1.7。");
    BOOL bRect = p->m_strSectionType == kRectangle;
    BOOL bT = p->m_strSectionType == kTSection;
    p->CalHoHw();
    if ((bRect || bT) && p->m_dHw / p->m_dSectionWidth > 6)
        arrErrors.Add("当hw/b>6时，受扭构件的截面尺寸条件及扭矩截面承载力计算应符合其它专门规定。");
    if (p->m_dSectionHeight - 2 * p->m_dGrossPly <= 0) arrErrors.Add("截面高度不应小于2倍保护层厚度,请返回修改!");
    if (p->m_dSectionWidth - 2 * p->m_dGrossPly <= 0) arrErrors.Add("截面宽度度不应小于2倍保护层厚度,请返回修改!");
    if (bT) {
        if (p->m_dTopCaltWidth - p->m_dSectionWidth - 2 * p->m_dGrossPly <= 0)
            arrErrors.Add("上翼缘计算宽度b'f-截面宽度-2*护层厚度应该大于零,请返回修改!");
        if (p->m_dTopCaltHeight - 2 * p->m_dGrossPly <= 0)
            arrErrors.Add("上翼缘计算高度b'f-2*护层厚度应该大于零,请返回修改!");
    }
    // The plastic modulus b²(3h − b)/6 of the rectangle or web vanishes at b = 3h: the torque and
    // its share of a T section would divide by nothing.
    if ((bRect || bT) && p->m_dSectionWidth >= 3 * p->m_dSectionHeight)
        arrErrors.Add("截面宽度b应小于3倍截面高度h,请返回修改!");
    // The section condition of 7.6.1, as the oblique section tests its shear: a section that cannot
    // take the design torque is not designed.
    if (arrErrors.GetSize() == nErrors && p->m_strCaltType == kDesign && (bRect || bT) &&
        p->m_dHw / p->m_dSectionWidth <= 6) {
        p->InitMaterial();
        p->CalWt();
        if (!IsLessEqual(p->m_dTwistMoment, p->CalSectionLimit()))
            arrErrors.Add("受扭截面不符合条件,请加大截面尺寸或提高混凝土强度等级。");
    }
    if (arrErrors.GetSize() > nErrors && p->m_strCaltType == kDesign) ClearDesignResults();
    return arrWarnings.GetSize() == nWarnings && arrErrors.GetSize() == nErrors;
}

void CStlcnGeneralDlg::ClearDesignResults() {
    for (UINT nID : kAreaBoxes) SetEditText(nID, "");
}

void CStlcnGeneralDlg::EnableModeInputs(BOOL bDesign) {
    EnableControl(IDC_GN_T, bDesign);
    EnableControl(IDC_GN_ZETA, bDesign);
    for (UINT nID : kAreaBoxes) EnableControl(nID, !bDesign);
}

void CStlcnGeneralDlg::OnRadioDesign() { EnableModeInputs(IsChecked(IDC_GN_DESIGN)); }

void CStlcnGeneralDlg::OnRadioCapacity() { EnableModeInputs(!IsChecked(IDC_GN_CAPACITY)); }

void CStlcnGeneralDlg::OnKillFocusRatio(UINT nID) {
    if (GetComboBoxText(nID) != kAutoRatio) OnDataChange();
}

void CStlcnGeneralDlg::OnKillFocusPtlMin() { OnKillFocusRatio(IDC_GN_PTLMIN); }

void CStlcnGeneralDlg::OnKillFocusPsvMin() { OnKillFocusRatio(IDC_GN_PSVMIN); }

void CStlcnGeneralDlg::OnSelChangeSectionType() {
    CString strSection = GetText(IDC_GN_SECTION);
    BOOL bT;
    if (strSection == kRectangle)
        bT = FALSE;
    else if (strSection == kTSection)
        bT = TRUE;
    else
        return;
    EnableControl(IDC_GN_BF, bT);
    EnableControl(IDC_GN_HF, bT);
    ShowControl(IDC_GN_FLANGE_ASTL, bT);
    ShowControl(IDC_GN_FLANGE_AST1, bT);
    ShowControl(IDC_GN_WEB_ASTL, bT);
    ShowControl(IDC_GN_WEB_AST1, bT);
    ShowControl(IDC_GN_RECT_ASTL, !bT);
    ShowControl(IDC_GN_RECT_AST1, !bT);
    SetDlgItemText(IDC_GN_ASTL_LABEL, bT ? "腹板全部受扭纵筋Astl" : "全部受扭纵筋Astl");
    SetDlgItemText(IDC_GN_AST1_LABEL, bT ? "腹板单肢受扭箍筋Asv1" : "单肢受扭箍筋Asv1");
    ShowControl(IDC_GN_FLANGE_ASTL_LABEL, bT);
    ShowControl(IDC_GN_FLANGE_AST1_LABEL, bT);
    m_ctrlSlide.SetCurSel(bT ? 0 : 1);
}
