#include "embed/PreComSub7Dlg.h"

#include <algorithm>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedEndPlateCalc.h"
#include "embed/EmbedMaterials.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub7Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub7Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P7_D, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P7_WIDTH, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P7_CONCRETE, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P7_K, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P7_LAYOUT, OnShapeChange)
    ON_EN_KILLFOCUS(IDC_P7_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_B1, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_BE, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_CB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_N, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_M, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_T, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_TE, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P7_V, OnInputChange)
END_MESSAGE_MAP()

CPreComSub7Dlg::CPreComSub7Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub7Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub7& g = Group();
    FillConcrete(IDC_P7_CONCRETE, g.m_nConLevel);
    FillBars(IDC_P7_D, g.m_nSteelD);
    FillCombo(IDC_P7_LAYOUT, {"2x2", "2x3", "2x4", "3x2", "3x3", "3x4", "4x2", "4x3", "4x4"});
    SelectLayout(IDC_P7_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    FillCombo(IDC_P7_K, {"1.0", "0.8", "0.6", "0.4"});
    SelectText(IDC_P7_K, "1.0");
    FillWidths(IDC_P7_WIDTH);
    ShowStored({{IDC_P7_T, g.m_nSlabT}, {IDC_P7_LA, g.m_nAnchorLa}, {IDC_P7_CA, g.m_nSteelCa},
                {IDC_P7_B1, g.m_nSteelB1}, {IDC_P7_CB, g.m_nSteelCb}, {IDC_P7_B, g.m_nSteelB},
                {IDC_P7_BE, g.m_nSlabBe}, {IDC_P7_TE, g.m_nSlabTe}});
    ShowStoredLoads(IDC_P7_N, IDC_P7_M, IDC_P7_V, g);
    ReadInputs();
    return TRUE;
}

void CPreComSub7Dlg::ReadInputs() {
    CPreComSub7& g = Group();
    ReadConcrete(IDC_P7_CONCRETE, g.m_nConLevel);
    ReadBar(IDC_P7_D, g.m_nSteelD);
    ReadLayout(IDC_P7_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    const int d = g.m_nSteelD;
    ReadBarsAndPlate(g, IDC_P7_B, IDC_P7_LA, IDC_P7_T, IDC_P7_B1, 45);
    ReadEdge(IDC_P7_CA, g.m_nSteelCa, g.m_nSlabT, d);
    ReadEdge(IDC_P7_CB, g.m_nSteelCb, g.m_nSlabT, d);
    ReadInt(IDC_P7_BE, g.m_nSlabBe, {EmbedLower(d), EmbedUpper(std::min(g.m_nSteelB, g.m_nSteelB1))});
    ReadInt(IDC_P7_TE, g.m_nSlabTe, {EmbedLower(std::max(6, static_cast<int>(0.7 * d + 1)))});
    ReadDouble(IDC_P7_N, g.m_dForceN, 0.001, 1000000);
    ReadDouble(IDC_P7_M, g.m_dForceM, 0.001, 1000000);
    ReadDouble(IDC_P7_V, g.m_dForceV, 0.001, 1000000);
}

void CPreComSub7Dlg::Calculate() {
    CalcEndPlateAnchors(Group(), std::max(SelectedIndex(IDC_P7_WIDTH), 0), ReadFactorK(IDC_P7_K), m_results);
}

void CPreComSub7Dlg::ShowResults() {
    for (UINT nID : {IDC_P7_N, IDC_P7_M, IDC_P7_V}) Enable(nID, FALSE);
    Calculate();
    const CString strNone("--");
    switch (GetLoadCase()) {
    case PRECOM_TENSION:
        ShowCapacities(FormatCapacity(m_results.m_dNu), strNone, strNone);
        break;
    case PRECOM_TENSION_BEND_SHEAR:
        for (UINT nID : {IDC_P7_N, IDC_P7_M, IDC_P7_V}) Enable(nID, TRUE);
        ShowCapacities(FormatCapacity(m_results.m_dRuN), FormatCapacity(m_results.m_dRuM),
                       FormatCapacity(m_results.m_dRuV));
        break;
    }
}

void CPreComSub7Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub7Dlg::OnShapeChange() {
    ReadDrawAndShow();
}

void CPreComSub7Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB7_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    const int nRows = std::max(Group().m_nSteelN0, 1), nColumns = std::max(Group().m_nSteelN1, 1);
    const CRect plate = DrawAnchorPlan(pic, nRows, nColumns, FALSE);
    // The end plates under the bars, seen through the anchor plate.
    const int x0 = -(nColumns - 1) * 11, y0 = -(nRows - 1) * 11;
    for (int r = 0; r < nRows; ++r)
        for (int c = 0; c < nColumns; ++c) pic.Rect(x0 + c * 22 - 5, y0 + r * 22 - 5, x0 + c * 22 + 6, y0 + r * 22 + 6);
    const int yBottom = plate.bottom + 5;
    pic.Dimension(x0 - 5, yBottom, x0 + 6, yBottom, "be");
}

void CPreComSub7Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB7_SECTION));
    if (!pic.IsReady() || !m_pParam) return;
    const int nLayers = std::max(Group().m_nSteelN0, 1);
    const int nHeight = (nLayers - 1) * 22 + 24;
    const int yTop = -nHeight / 2, xPlate = -41;
    pic.Rect(xPlate, yTop, xPlate + 2, yTop + nHeight);
    for (int i = 0; i < nLayers; ++i) {
        const int y = yTop + 12 + i * 22;
        pic.Rect(xPlate + 2, y - 1, xPlate + 76, y + 1);
        pic.Rect(xPlate + 76, y - 7, xPlate + 79, y + 8);
    }
    const int yLowest = yTop + 12 + (nLayers - 1) * 22;
    pic.Leader(xPlate + 1, yTop, xPlate + 8, yTop - 8, "t");
    pic.Leader(xPlate + 50, yTop + 12, xPlate + 58, yTop + 4, "d");
    pic.Dimension(xPlate + 2, yLowest + 12, xPlate + 76, yLowest + 12, "la");
    pic.Leader(xPlate + 78, yLowest + 8, xPlate + 84, yLowest + 16, "te");

    DrawSectionLoads(pic, xPlate);
}
