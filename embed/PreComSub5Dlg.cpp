#include "embed/PreComSub5Dlg.h"

#include <algorithm>
#include <cstdlib>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedBentAnchorCalc.h"
#include "embed/EmbedCtrlReaders.h"
#include "embed/EmbedMaterials.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub5Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub5Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P5_D, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P5_CONCRETE, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P5_K, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P5_BENT_D, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_B1, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_CB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_BENT_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_LW, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P5_T, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P5_LAYOUT, OnLayoutChange)
    ON_EN_KILLFOCUS(IDC_P5_ANGLE, OnLayoutChange)
    ON_CBN_SELCHANGE(IDC_P5_BENT_N, OnBentCountChange)
END_MESSAGE_MAP()

CPreComSub5Dlg::CPreComSub5Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub5Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub5& g = Group();
    FillConcrete(IDC_P5_CONCRETE, g.m_nConLevel);
    FillBars(IDC_P5_D, g.m_nSteelD);
    FillBars(IDC_P5_BENT_D, g.m_nWanSteelD1);
    FillCombo(IDC_P5_LAYOUT, {"2x2", "2x3", "2x4", "3x2", "3x3", "3x4", "4x2", "4x3", "4x4"});
    SelectLayout(IDC_P5_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    FillBentCounts(g.m_nSteelN0);
    CString strCount;
    strCount.Format("%d", g.m_nWanSteelN);
    SelectText(IDC_P5_BENT_N, strCount);
    FillCombo(IDC_P5_K, {"1.0", "0.8", "0.6", "0.4"});
    SelectText(IDC_P5_K, "1.0");
    ShowStored({{IDC_P5_T, g.m_nSlabT}, {IDC_P5_LA, g.m_nAnchorLa}, {IDC_P5_CA, g.m_nSteelCa},
                {IDC_P5_B1, g.m_nSteelB1}, {IDC_P5_CB, g.m_nSteelCb}, {IDC_P5_B, g.m_nSteelB},
                {IDC_P5_LW, g.m_nLW}, {IDC_P5_BENT_LA, g.m_nWanAnchorLa}});
    CString strAngle;
    strAngle.Format("%.3f", g.m_dWanAngle);
    SetDlgItemText(IDC_P5_ANGLE, strAngle);
    ReadInputs();
    ShowResults();
    return TRUE;
}

void CPreComSub5Dlg::FillBentCounts(int nRows) {
    if (nRows == 2)
        FillCombo(IDC_P5_BENT_N, {"1", "3"});
    else if (nRows == 3)
        FillCombo(IDC_P5_BENT_N, {"2", "4"});
    else
        FillCombo(IDC_P5_BENT_N, {"1", "3", "5"});
}

void CPreComSub5Dlg::ReadInputs() {
    CPreComSub5& g = Group();
    ReadConcrete(IDC_P5_CONCRETE, g.m_nConLevel);
    ReadBar(IDC_P5_D, g.m_nSteelD);
    const int d = g.m_nSteelD;
    int nRows = g.m_nSteelN0;
    ReadLayout(IDC_P5_LAYOUT, nRows, g.m_nSteelN1);
    if (nRows != g.m_nSteelN0) {
        g.m_nSteelN0 = nRows;
        FillBentCounts(nRows);
    }
    ReadBarsAndPlate(g, IDC_P5_B, IDC_P5_LA, IDC_P5_T, IDC_P5_B1, 70);
    const int t = g.m_nSlabT;
    ReadEdge(IDC_P5_CB, g.m_nSteelCb, t, d);

    // A refilled count list has no selection: the stored count when offered, else the first.
    if (SelectedIndex(IDC_P5_BENT_N) < 0) {
        CString strCount;
        strCount.Format("%d", g.m_nWanSteelN);
        SelectText(IDC_P5_BENT_N, strCount);
    }
    g.m_nWanSteelN = std::atoi(SelectedText(IDC_P5_BENT_N));
    ReadBar(IDC_P5_BENT_D, g.m_nWanSteelD1);

    const int nHalf = g.m_nSteelB1 / 2 + d;
    // With more bent bars than rows the edge makes room for half a row spacing and a bar more.
    if (g.m_nWanSteelN > g.m_nSteelN0)
        ReadInt(IDC_P5_CA, g.m_nSteelCa, {EmbedLower(20), EmbedUpper(12 * t), EmbedLower(2 * d), EmbedLower(nHalf)});
    else
        ReadEdge(IDC_P5_CA, g.m_nSteelCa, t, d);
    ReadInt(IDC_P5_LW, g.m_nLW, {EmbedLower(1), EmbedUpper(g.m_nSteelN1 * g.m_nSteelB + 2 * g.m_nSteelCb)});

    // The bend angle keeps within 15..45 against the stored angle.
    ReadDouble(IDC_P5_ANGLE, g.m_dWanAngle, 15, 45);
    ReadInt(IDC_P5_BENT_LA, g.m_nWanAnchorLa, {EmbedLower(1)});
}

void CPreComSub5Dlg::Calculate() {
    CalcBentAnchorShear(Group(), ReadFactorK(IDC_P5_K), m_dVu);
}

void CPreComSub5Dlg::ShowResults() {
    Calculate();
    const CString strNone("-");
    ShowCapacities(strNone, strNone, strNone);
    if (GetLoadCase() == PRECOM_SHEAR) ShowCapacities("--", "--", FormatCapacity(m_dVu));
}

void CPreComSub5Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub5Dlg::OnLayoutChange() {
    ReadInputs();
    ShowResults();
    DrawPictures();
}

void CPreComSub5Dlg::OnBentCountChange() {
    ReadDrawAndShow();
}

void CPreComSub5Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB5_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    const int nRows = std::max(Group().m_nSteelN0, 1), nColumns = std::max(Group().m_nSteelN1, 1);
    const CRect plate = DrawAnchorPlan(pic, nRows, nColumns, FALSE);
    // The bent bars on the plate's centre line, between the rows, one more row of them for an odd
    // count above the rows.
    const int nBent = Group().m_nWanSteelN;
    const int x0 = -(nColumns - 1) * 11;
    for (int i = 0; i < nBent; ++i) {
        const int y = -(nBent - 1) * 6 + i * 12;
        pic.Line(x0 - 6, y, x0 + (nColumns - 1) * 22 + 6, y);
    }
    pic.Dimension(plate.left, plate.bottom + 5, plate.right, plate.bottom + 5, "lw");
}

void CPreComSub5Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB5_SECTION));
    if (!pic.IsReady() || !m_pParam) return;
    const int xPlate = -41, yTop = -23;
    pic.Rect(xPlate, yTop, xPlate + 2, yTop + 46);
    pic.Rect(xPlate + 2, yTop + 11, xPlate + 82, yTop + 13);
    // The bent bar: along the plate, then into the concrete at the bend angle.
    pic.Line(xPlate + 2, yTop + 34, xPlate + 30, yTop + 34);
    pic.Line(xPlate + 30, yTop + 34, xPlate + 70, yTop + 10);
    pic.Leader(xPlate + 1, yTop, xPlate + 8, yTop - 8, "t");
    pic.Leader(xPlate + 60, yTop + 12, xPlate + 68, yTop + 4, "d");
    pic.Dimension(xPlate + 2, yTop + 44, xPlate + 82, yTop + 44, "la");
    CString strAngle;
    strAngle.Format("%.0f度", Group().m_dWanAngle);
    pic.Text(xPlate + 34, yTop + 22, strAngle);
    pic.Arrow(xPlate - 9, -20, xPlate - 9, 20, "V");
}
