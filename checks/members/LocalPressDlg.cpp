#include "checks/members/LocalPressDlg.h"

#include <cstdlib>

#include "checks/members/LocalPressParam.h"
#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

namespace {

const char kMesh[] = "方格网式";
const char kSpiral[] = "螺旋式";
const char kCircle[] = "四边圆形";
const char kAlnIsAl[] = "Al";

// The distribution shapes in the order of their slides, "四边圆形" last.
const char* const kShapes[] = {"三边临空", "两边临空", "对边临空", "一边临空", "四边矩形", kCircle};

}  // namespace

IMPLEMENT_DYNAMIC(CStlcnLocalPressDlg, CStlcnCheckDlg)

BEGIN_MESSAGE_MAP(CStlcnLocalPressDlg, CStlcnCheckDlg)
    ON_CBN_SELCHANGE(IDC_LP_STEEL_TYPE, OnSelChangeSteelType)
    ON_CBN_SELCHANGE(IDC_LP_AREA_TYPE, OnSelChangeAreaType)
    ON_CBN_KILLFOCUS(IDC_LP_ALN, OnKillFocusAln)
    ON_CBN_KILLFOCUS(IDC_CHECK_GO, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_LP_INTERVAL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_A, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_D, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_L1, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_N1, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_D1, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_L2, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_N2, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_D2, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_DCOR, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_SPIRAL_D, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_LP_FL, OnEditKillFocus)
END_MESSAGE_MAP()

CStlcnLocalPressDlg::CStlcnLocalPressDlg(CWnd* pParent) : CStlcnCheckDlg(IDD, pParent) {}

CStlcnLocalPressDlg::~CStlcnLocalPressDlg() = default;

void CStlcnLocalPressDlg::FillLists() {
    FillComboBox(IDC_LP_ALN, {kAlnIsAl, "50000"});
    FillComboBox(IDC_LP_STEEL_TYPE, {kMesh, kSpiral});
    FillComboBox(IDC_LP_AREA_TYPE, {kShapes[0], kShapes[1], kShapes[2], kShapes[3], kShapes[4], kShapes[5]});
    FillImportanceList();
    FillComboBox(IDC_CHECK_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_LP_STEEL, m_arrSteelGrade);
    FillComboBox(IDC_LP_INTERVAL, {"50", "60", "70", "80"});
}

void CStlcnLocalPressDlg::GetSlideNames(CStringArray& arrSlides) const {
    for (const char* pszName : {"STLCNLOCALPRESSPARAM_A", "STLCNLOCALPRESSPARAM_B", "STLCNLOCALPRESSPARAM_C",
                                "STLCNLOCALPRESSPARAM_D", "STLCNLOCALPRESSPARAM_E", "STLCNLOCALPRESSPARAM_F"})
        arrSlides.Add(pszName);
}

void CStlcnLocalPressDlg::SetData(CVuskParam* pParam) {
    CStlcnLocalPressParam* p = static_cast<CStlcnLocalPressParam*>(pParam);
    if (p == NULL) return;
    SetEditText(IDC_CHECK_NUMBER, p->strNumber);
    SetComboBoxText(IDC_LP_STEEL_TYPE, p->m_strSteelType);
    SetComboBoxText(IDC_LP_AREA_TYPE, p->m_strPressedAreaType);
    SetComboBoxText(IDC_CHECK_GO, p->m_dImportantCoefV);
    SetComboBoxText(IDC_CHECK_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_LP_STEEL, p->m_strSteelBarGrade);
    SetComboBoxText(IDC_LP_INTERVAL, p->m_dSteelInterval);
    SetEditText(IDC_LP_L1, p->m_dLengthL1);
    SetEditText(IDC_LP_N1, p->m_dSteelCountToL1);
    SetEditText(IDC_LP_D1, p->m_dSteelDiameterToL1);
    SetEditText(IDC_LP_L2, p->m_dLengthL2);
    SetEditText(IDC_LP_N2, p->m_dSteelCountToL2);
    SetEditText(IDC_LP_D2, p->m_dSteelDiameterToL2);
    SetEditText(IDC_LP_DCOR, p->m_dCoreDiameter);
    SetEditText(IDC_LP_SPIRAL_D, p->m_dSteelDiameter);
    SetEditText(IDC_LP_A, p->m_dSectionHeight);
    SetEditText(IDC_LP_B, p->m_dSectionWidth);
    SetEditText(IDC_LP_D, p->m_dSectionDiameter);
    SetComboBoxText(IDC_LP_ALN, p->m_bIsAutoCaltAln != 0 ? CString(kAlnIsAl) : ftos(p->m_dAln));
    SetEditText(IDC_LP_FL, p->m_dPressForce);
    SetStaticText(IDC_LP_RESULT, p->m_strResult);
    OnSelChangeSteelType();
    OnSelChangeAreaType();
}

void CStlcnLocalPressDlg::GetData(CVuskParam* pParam) {
    CStlcnLocalPressParam* p = static_cast<CStlcnLocalPressParam*>(pParam);
    if (p == NULL) return;
    p->strNumber = GetEditText(IDC_CHECK_NUMBER);
    p->m_strSteelType = GetText(IDC_LP_STEEL_TYPE);
    p->m_strPressedAreaType = GetText(IDC_LP_AREA_TYPE);
    p->m_dImportantCoefV = GetTextDouble(IDC_CHECK_GO);
    p->m_strConcreteGrade = GetText(IDC_CHECK_CONCRETE);
    p->m_strSteelBarGrade = GetText(IDC_LP_STEEL);
    p->m_dSteelInterval = GetTextDouble(IDC_LP_INTERVAL);
    p->m_dLengthL1 = GetTextDouble(IDC_LP_L1);
    p->m_dSteelCountToL1 = GetTextDouble(IDC_LP_N1);
    p->m_dSteelDiameterToL1 = GetTextDouble(IDC_LP_D1);
    p->m_dLengthL2 = GetTextDouble(IDC_LP_L2);
    p->m_dSteelCountToL2 = GetTextDouble(IDC_LP_N2);
    p->m_dSteelDiameterToL2 = GetTextDouble(IDC_LP_D2);
    p->m_dCoreDiameter = GetTextDouble(IDC_LP_DCOR);
    p->m_dSteelDiameter = GetTextDouble(IDC_LP_SPIRAL_D);
    p->m_dSectionHeight = GetTextDouble(IDC_LP_A);
    p->m_dSectionWidth = GetTextDouble(IDC_LP_B);
    p->m_dSectionDiameter = GetTextDouble(IDC_LP_D);
    CString strAln = GetText(IDC_LP_ALN);
    p->m_bIsAutoCaltAln = strAln == kAlnIsAl ? 1 : 0;
    if (p->m_bIsAutoCaltAln == 0) p->m_dAln = std::atof(strAln);
    p->m_dPressForce = GetTextDouble(IDC_LP_FL);
    p->m_strResult = GetText(IDC_LP_RESULT);
}

BOOL CStlcnLocalPressDlg::OnDataChange() {
    CStlcnLocalPressParam* p = static_cast<CStlcnLocalPressParam*>(GetParam());
    if (p == NULL) return TRUE;
    CheckRange(IDC_CHECK_GO, p->m_dImportantCoefV, 10, 1e-6);
    CheckRange(IDC_LP_INTERVAL, p->m_dSteelInterval, 1000, 1e-6);
    CheckRange(IDC_LP_L1, p->m_dLengthL1, 10000, 1e-6);
    CheckRange(IDC_LP_L2, p->m_dLengthL2, 10000, 1e-6);
    CheckRange(IDC_LP_N1, p->m_dSteelCountToL1, 100, 0);
    CheckRange(IDC_LP_N2, p->m_dSteelCountToL2, 100, 0);
    CheckRange(IDC_LP_D1, p->m_dSteelDiameterToL1, 200, 1e-6);
    CheckRange(IDC_LP_D2, p->m_dSteelDiameterToL2, 200, 1e-6);
    CheckRange(IDC_LP_DCOR, p->m_dCoreDiameter, 10000, 1e-6);
    CheckRange(IDC_LP_SPIRAL_D, p->m_dSteelDiameter, 200, 1e-6);
    CheckRange(IDC_LP_A, p->m_dSectionHeight, 10000, 1e-6);
    CheckRange(IDC_LP_B, p->m_dSectionWidth, 10000, 1e-6);
    CheckRange(IDC_LP_D, p->m_dSectionDiameter, 10000, 1e-6);
    if (GetText(IDC_LP_ALN) != kAlnIsAl) CheckRange(IDC_LP_ALN, p->m_dAln, 1000000, 1e-6);
    CheckRange(IDC_LP_FL, p->m_dPressForce, 10000, 1e-6);
    return TRUE;
}

BOOL CStlcnLocalPressDlg::CheckData(CVuskParam* pParam, CStringArray&, CStringArray& arrErrors) {
    CStlcnLocalPressParam* p = static_cast<CStlcnLocalPressParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    int nErrors = arrErrors.GetSize();
    if (CQeltConcrete::GetFc(p->m_strConcreteGrade) <= 0 || CQeltSteelBar::GetFy(p->m_strSteelBarGrade) <= 0)
        arrErrors.Add("请选择混凝土等级和钢筋种类。");
    // The core inside the meshes, (L1 − d2)(L2 − d1), divides the volume ratio.
    if (p->m_strSteelType == kMesh &&
        (p->m_dLengthL1 <= p->m_dSteelDiameterToL2 || p->m_dLengthL2 <= p->m_dSteelDiameterToL1))
        arrErrors.Add("焊接网片长度L1、L2应大于钢筋直径d2、d1,请返回修改!");
    return arrErrors.GetSize() == nErrors;
}

void CStlcnLocalPressDlg::OnSelChangeSteelType() {
    CString strType = GetText(IDC_LP_STEEL_TYPE);
    if (strType != kMesh && strType != kSpiral) return;
    BOOL bMesh = strType == kMesh;
    SetDlgItemText(IDC_LP_L1_LABEL, bMesh ? "焊接网片长度L1(mm)" : "螺旋式钢筋截面直径dcor(mm)");
    SetDlgItemText(IDC_LP_N1_LABEL, bMesh ? "方格网沿L1方向的钢筋根数n1" : "螺旋式钢筋单根直径d1(mm)");
    ShowControl(IDC_LP_DCOR, !bMesh);
    ShowControl(IDC_LP_SPIRAL_D, !bMesh);
    ShowControl(IDC_LP_L1, bMesh);
    ShowControl(IDC_LP_N1, bMesh);
    for (UINT nID : {IDC_LP_D1, IDC_LP_L2, IDC_LP_N2, IDC_LP_D2}) EnableControl(nID, bMesh);
}

void CStlcnLocalPressDlg::OnSelChangeAreaType() {
    CString strShape = GetText(IDC_LP_AREA_TYPE);
    BOOL bCircle = strShape == kCircle;
    EnableControl(IDC_LP_D, bCircle);
    EnableControl(IDC_LP_A, !bCircle);
    EnableControl(IDC_LP_B, !bCircle);
    for (int i = 0; i < static_cast<int>(sizeof(kShapes) / sizeof(kShapes[0])); i++)
        if (strShape == kShapes[i]) m_ctrlSlide.SetCurSel(i);
}

void CStlcnLocalPressDlg::OnKillFocusAln() {
    if (GetText(IDC_LP_ALN) != kAlnIsAl) OnDataChange();
}
