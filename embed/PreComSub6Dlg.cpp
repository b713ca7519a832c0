#include "embed/PreComSub6Dlg.h"

#include <algorithm>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedMaterials.h"
#include "embed/EmbedPicture.h"
#include "embed/EmbedShearKeyCalc.h"

IMPLEMENT_DYNAMIC(CPreComSub6Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub6Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P6_D, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P6_CONCRETE, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P6_K, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P6_WIDTH, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_B1, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_HV, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_TV, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_BV, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_CB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P6_T, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P6_LAYOUT, OnLayoutChange)
END_MESSAGE_MAP()

CPreComSub6Dlg::CPreComSub6Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub6Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub6& g = Group();
    FillConcrete(IDC_P6_CONCRETE, g.m_nConLevel);
    FillBars(IDC_P6_D, g.m_nSteelD);
    FillCombo(IDC_P6_LAYOUT, {"2x2", "2x3", "2x4", "4x2", "4x3", "4x4"});
    SelectLayout(IDC_P6_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    FillCombo(IDC_P6_K, {"1.0", "0.8", "0.6", "0.4"});
    SelectText(IDC_P6_K, "1.0");
    FillWidths(IDC_P6_WIDTH);
    ShowStored({{IDC_P6_T, g.m_nSlabT}, {IDC_P6_LA, g.m_nAnchorLa}, {IDC_P6_CA, g.m_nSteelCa},
                {IDC_P6_B1, g.m_nSteelB1}, {IDC_P6_CB, g.m_nSteelCb}, {IDC_P6_B, g.m_nSteelB},
                {IDC_P6_BV, g.m_nShearBv}, {IDC_P6_HV, g.m_nShearHv}, {IDC_P6_TV, g.m_nShearTv}});
    ReadInputs();
    return TRUE;
}

void CPreComSub6Dlg::ReadInputs() {
    CPreComSub6& g = Group();
    ReadConcrete(IDC_P6_CONCRETE, g.m_nConLevel);
    ReadBar(IDC_P6_D, g.m_nSteelD);
    ReadLayout(IDC_P6_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    const int d = g.m_nSteelD;
    ReadBarsAndPlate(g, IDC_P6_B, IDC_P6_LA, IDC_P6_T, IDC_P6_B1, 70);
    ReadEdge(IDC_P6_CA, g.m_nSteelCa, g.m_nSlabT, d);
    ReadEdge(IDC_P6_CB, g.m_nSteelCb, g.m_nSlabT, d);
    ReadInt(IDC_P6_BV, g.m_nShearBv, {EmbedLower(1), EmbedUpper(g.m_nSteelN0 * g.m_nSteelB + 2 * g.m_nSteelCb)});
    ReadInt(IDC_P6_TV, g.m_nShearTv, {EmbedLower(6)});
    ReadInt(IDC_P6_HV, g.m_nShearHv, {EmbedLower(1), EmbedUpper(std::min(4 * g.m_nShearTv, 50))});
}

void CPreComSub6Dlg::Calculate() {
    BOOL bWithin = FALSE;
    if (!CalcShearKeyShear(Group(), ReadFactorK(IDC_P6_K), m_dVu, bWithin)) return;
    SetDlgItemText(IDC_P6_SHARE, bWithin ? "抗剪钢板所承担的剪力应小于总承载力的30%,当前满足条件."
                                         : "抗剪钢板所承担的剪力应小于总承载力的30%,当前不满足条件.");
}

void CPreComSub6Dlg::ShowResults() {
    Calculate();
    if (GetLoadCase() == PRECOM_SHEAR) ShowCapacities("--", "--", FormatCapacity(m_dVu));
}

void CPreComSub6Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub6Dlg::OnLayoutChange() {
    ReadDrawAndShow();
}

void CPreComSub6Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB6_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    const CRect plate = DrawAnchorPlan(pic, Group().m_nSteelN0, Group().m_nSteelN1, FALSE);
    // The shear key across the plate's middle, seen from above as a thin rectangle.
    const int nHalf = std::max(plate.Width() / 2 - 6, 4);
    pic.Rect(-nHalf, -2, nHalf + 1, 3);
    pic.Dimension(-nHalf, plate.bottom + 5, nHalf, plate.bottom + 5, "bv");
    pic.Leader(nHalf, 2, plate.right + 6, 10, "tv");
}

void CPreComSub6Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB6_SECTION));
    if (!pic.IsReady() || !m_pParam) return;
    const int xPlate = -41, yTop = -23;
    pic.Rect(xPlate, yTop, xPlate + 2, yTop + 46);
    pic.Rect(xPlate + 2, yTop + 11, xPlate + 82, yTop + 13);
    pic.Rect(xPlate + 2, yTop + 33, xPlate + 82, yTop + 35);
    // The shear key standing out of the plate's back into the concrete.
    pic.Rect(xPlate + 2, yTop + 20, xPlate + 18, yTop + 26);
    pic.Leader(xPlate + 1, yTop, xPlate + 8, yTop - 8, "t");
    pic.Leader(xPlate + 60, yTop + 12, xPlate + 68, yTop + 4, "d");
    pic.Dimension(xPlate + 2, yTop + 44, xPlate + 82, yTop + 44, "la");
    pic.Dimension(xPlate + 2, yTop + 29, xPlate + 18, yTop + 29, "hv");
    pic.Arrow(xPlate - 9, -20, xPlate - 9, 20, "V");
}
