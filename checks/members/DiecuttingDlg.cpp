#include "checks/members/DiecuttingDlg.h"

#include <cmath>

#include "checks/members/DiecuttingParam.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "resources/FlexuralResource.h"
#include "resources/FrameworkResource.h"

IMPLEMENT_DYNAMIC(CStlcnDiecuttingDlg, CStlcnCheckDlg)

BEGIN_MESSAGE_MAP(CStlcnDiecuttingDlg, CStlcnCheckDlg)
    ON_EN_KILLFOCUS(IDC_DC_A, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_B, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_D, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_H, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_HO, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_FL, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_N, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_Q, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_ASVU, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_ALPHA, OnEditKillFocus)
    ON_EN_KILLFOCUS(IDC_DC_ASBU, OnEditKillFocus)
    ON_CBN_KILLFOCUS(IDC_CHECK_GO, OnEditKillFocus)
    ON_CBN_SELCHANGE(IDC_DC_SECTION, OnSelChangeSection)
    ON_CBN_SELCHANGE(IDC_DC_TYPE, OnSelChangeType)
    ON_CBN_SELCHANGE(IDC_DC_STYLE, OnSelChangeStyle)
    ON_CBN_SELCHANGE(IDC_DC_BOARD_FORCE, OnSelChangeBoardForce)
END_MESSAGE_MAP()

CStlcnDiecuttingDlg::CStlcnDiecuttingDlg(CWnd* pParent) : CStlcnCheckDlg(IDD, pParent) {}

CStlcnDiecuttingDlg::~CStlcnDiecuttingDlg() = default;

void CStlcnDiecuttingDlg::FillLists() {
    FillComboBox(IDC_DC_SECTION, {"矩形", "圆形"});
    FillComboBox(IDC_DC_TYPE, {"配筋", "不配筋"});
    FillComboBox(IDC_DC_STYLE, {"箍筋", "弯起钢筋"});
    FillComboBox(IDC_DC_BOARD_FORCE, {"局部荷载作用", "集中反力作用"});
    FillComboBox(IDC_DC_PILLAR_FORCE, {"中柱", "边柱", "角柱"});
    FillImportanceList();
    FillComboBox(IDC_CHECK_CONCRETE, m_arrConcreteGrade);
    FillComboBox(IDC_DC_STEEL, m_arrSteelGrade);
}

void CStlcnDiecuttingDlg::GetSlideNames(CStringArray& arrSlides) const {
    arrSlides.Add("STLCNFLEXNORMALPARAM_F");
    arrSlides.Add("STLCNFLEXNORMALPARAM_Q");
}

void CStlcnDiecuttingDlg::SetData(CVuskParam* pParam) {
    CStlcnDiecuttingParam* p = static_cast<CStlcnDiecuttingParam*>(pParam);
    if (p == NULL) return;
    SetEditText(IDC_CHECK_NUMBER, p->strNumber);
    SetComboBoxText(IDC_DC_SECTION, p->m_strSectionType);
    SetComboBoxText(IDC_DC_TYPE, p->m_strDieCuttingType);
    SetComboBoxText(IDC_DC_STYLE, p->m_strSteelStyle);
    SetComboBoxText(IDC_DC_BOARD_FORCE, p->m_strBoardForceType);
    SetComboBoxText(IDC_DC_PILLAR_FORCE, p->m_strPillarForceType);
    SetEditText(IDC_DC_A, p->m_dSectionHeight);
    SetEditText(IDC_DC_B, p->m_dSectionWidth);
    SetEditText(IDC_DC_D, p->m_dSectionDiameter);
    SetEditText(IDC_DC_H, p->m_dBoardHeight);
    SetEditText(IDC_DC_HO, p->m_dBoardValidHeight);
    SetComboBoxText(IDC_CHECK_GO, p->m_dImportantCoefV);
    SetComboBoxText(IDC_CHECK_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_DC_STEEL, p->m_strSteelBarGrade);
    SetEditText(IDC_DC_ASVU, p->m_dAsvu);
    SetEditText(IDC_DC_ASBU, p->m_dAsbu);
    SetEditText(IDC_DC_ALPHA, p->m_dA);
    SetEditText(IDC_DC_FL, p->m_dFl);
    SetEditText(IDC_DC_N, p->m_dForceN);
    SetEditText(IDC_DC_Q, p->m_dBoardQ);
    SetEditText(IDC_DC_RESULT, p->m_strResult);
    OnSelChangeBoardForce();
    OnSelChangeType();
    OnSelChangeSection();
}

void CStlcnDiecuttingDlg::GetData(CVuskParam* pParam) {
    CStlcnDiecuttingParam* p = static_cast<CStlcnDiecuttingParam*>(pParam);
    if (p == NULL) return;
    p->strNumber = GetEditText(IDC_CHECK_NUMBER);
    p->m_strSectionType = GetText(IDC_DC_SECTION);
    p->m_strDieCuttingType = GetText(IDC_DC_TYPE);
    p->m_strSteelStyle = GetText(IDC_DC_STYLE);
    p->m_strBoardForceType = GetText(IDC_DC_BOARD_FORCE);
    p->m_strPillarForceType = GetText(IDC_DC_PILLAR_FORCE);
    p->m_dSectionHeight = GetTextDouble(IDC_DC_A);
    p->m_dSectionWidth = GetTextDouble(IDC_DC_B);
    p->m_dSectionDiameter = GetTextDouble(IDC_DC_D);
    p->m_dBoardHeight = GetTextDouble(IDC_DC_H);
    p->m_dBoardValidHeight = GetTextDouble(IDC_DC_HO);
    p->m_dImportantCoefV = GetTextDouble(IDC_CHECK_GO);
    p->m_strConcreteGrade = GetText(IDC_CHECK_CONCRETE);
    p->m_strSteelBarGrade = GetText(IDC_DC_STEEL);
    p->m_dAsvu = GetTextDouble(IDC_DC_ASVU);
    p->m_dAsbu = GetTextDouble(IDC_DC_ASBU);
    p->m_dA = GetTextDouble(IDC_DC_ALPHA);
    p->m_dFl = GetTextDouble(IDC_DC_FL);
    p->m_dForceN = GetTextDouble(IDC_DC_N);
    p->m_dBoardQ = GetTextDouble(IDC_DC_Q);
    p->m_strResult = GetText(IDC_DC_RESULT);
}

BOOL CStlcnDiecuttingDlg::OnDataChange() {
    CStlcnDiecuttingParam* p = static_cast<CStlcnDiecuttingParam*>(GetParam());
    if (p == NULL) return TRUE;
    CheckRange(IDC_DC_A, p->m_dSectionHeight, 10000, 1e-6);
    CheckRange(IDC_DC_B, p->m_dSectionWidth, 10000, 1e-6);
    CheckRange(IDC_DC_D, p->m_dSectionDiameter, 10000, 1e-6);
    CheckRange(IDC_DC_H, p->m_dBoardHeight, 10000, 1e-6);
    CheckRange(IDC_DC_HO, p->m_dBoardValidHeight, 10000, 1e-6);
    CheckRange(IDC_CHECK_GO, p->m_dImportantCoefV, 10, 1e-6);
    CheckRange(IDC_DC_ASVU, p->m_dAsvu, 20000, 1e-6);
    CheckRange(IDC_DC_ASBU, p->m_dAsbu, 20000, 1e-6);
    CheckRange(IDC_DC_ALPHA, p->m_dA, 360, 0);
    CheckRange(IDC_DC_FL, p->m_dFl, 500000, 1e-6);
    CheckRange(IDC_DC_N, p->m_dForceN, 500000, 1e-6);
    CheckRange(IDC_DC_Q, p->m_dBoardQ, 500000, 1e-6);
    return TRUE;
}

BOOL CStlcnDiecuttingDlg::CheckData(CVuskParam* pParam, CStringArray&, CStringArray& arrErrors) {
    CStlcnDiecuttingParam* p = static_cast<CStlcnDiecuttingParam*>(pParam);
    if (p == NULL) return TRUE;
    if (!CheckRangesBeforeCalculation(arrErrors)) return FALSE;
    int nErrors = arrErrors.GetSize();
    BOOL bReinforced = p->m_strDieCuttingType == "配筋";
    // The capacities take the strengths of the grades: a grade the tables do not hold stops here.
    if (CQeltConcrete::GetFt(p->m_strConcreteGrade) <= 0 ||
        (bReinforced && CQeltSteelBar::GetFy(p->m_strSteelBarGrade) <= 0)) {
        arrErrors.Add("请选择混凝土等级和钢筋种类。");
        return FALSE;
    }
    if (p->m_dBoardHeight < p->m_dBoardValidHeight) arrErrors.Add("要求ho<h。");
    if (bReinforced && p->m_dBoardHeight < 150 && std::fabs(p->m_dBoardHeight - 150) > 1e-6)
        arrErrors.Add("板的截面高度不应小于150mm。");
    return arrErrors.GetSize() == nErrors;
}

void CStlcnDiecuttingDlg::OnSelChangeSection() {
    CString strSection = GetText(IDC_DC_SECTION);
    if (strSection != "矩形" && strSection != "圆形") return;
    BOOL bRect = strSection == "矩形";
    EnableControl(IDC_DC_A, bRect);
    EnableControl(IDC_DC_B, bRect);
    EnableControl(IDC_DC_D, !bRect);
}

void CStlcnDiecuttingDlg::OnSelChangeType() {
    CString strType = GetText(IDC_DC_TYPE);
    if (strType != "配筋" && strType != "不配筋") return;
    BOOL bReinforced = strType == "配筋";
    for (UINT nID : {IDC_DC_STYLE, IDC_DC_STEEL, IDC_DC_ASVU, IDC_DC_ALPHA, IDC_DC_ASBU}) EnableControl(nID, bReinforced);
    if (bReinforced) OnSelChangeStyle();
}

void CStlcnDiecuttingDlg::OnSelChangeStyle() {
    CString strStyle = GetText(IDC_DC_STYLE);
    if (strStyle != "箍筋" && strStyle != "弯起钢筋") return;
    BOOL bStirrup = strStyle == "箍筋";
    ShowControl(IDC_DC_ALPHA, !bStirrup);
    ShowControl(IDC_DC_ASVU, bStirrup);
    SetDlgItemText(IDC_DC_ASVU_LABEL, bStirrup ? "全部箍筋截面面积Asvu(mm^2)" : "弯起钢筋与底板面的夹角α(°)");
    EnableControl(IDC_DC_ASBU, !bStirrup);
}

void CStlcnDiecuttingDlg::OnSelChangeBoardForce() {
    CString strForce = GetText(IDC_DC_BOARD_FORCE);
    if (strForce != "局部荷载作用" && strForce != "集中反力作用") return;
    BOOL bLocal = strForce == "局部荷载作用";
    EnableControl(IDC_DC_FL, bLocal);
    EnableControl(IDC_DC_N, !bLocal);
    EnableControl(IDC_DC_Q, !bLocal);
    m_ctrlSlide.SetCurSel(bLocal ? 0 : 1);
}
