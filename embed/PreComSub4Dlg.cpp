#include "embed/PreComSub4Dlg.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedAngleSteel.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub4Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub4Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P4_ANGLE, OnShapeChange)
    ON_CBN_SELCHANGE(IDC_P4_LAYOUT, OnShapeChange)
    ON_CBN_SELCHANGE(IDC_P4_K, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P4_CONCRETE, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P4_WIDTH, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_B1, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_BE, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_CB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_N, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_M, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_T, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_TE, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P4_V, OnInputChange)
END_MESSAGE_MAP()

CPreComSub4Dlg::CPreComSub4Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub4Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub4& g = Group();
    CStringArray arrStyles;
    FillAngleSteelList(arrStyles);
    FillCombo(IDC_P4_ANGLE, arrStyles);
    SelectText(IDC_P4_ANGLE, g.m_strJGStyle);
    FillConcrete(IDC_P4_CONCRETE, g.m_nConLevel);
    FillCombo(IDC_P4_LAYOUT, {"2x2", "2x3", "2x4", "3x1", "3x2", "3x3", "3x4", "4x1", "4x2", "4x3", "4x4"});
    SelectLayout(IDC_P4_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    FillCombo(IDC_P4_K, {"1.0", "0.7"});
    SelectText(IDC_P4_K, "1.0");
    FillWidths(IDC_P4_WIDTH);
    ShowStored({{IDC_P4_T, g.m_nSlabT}, {IDC_P4_LA, g.m_nAnchorLa}, {IDC_P4_CA, g.m_nSteelCa},
                {IDC_P4_B1, g.m_nSteelB1}, {IDC_P4_CB, g.m_nSteelCb}, {IDC_P4_B, g.m_nSteelB},
                {IDC_P4_BE, g.m_nSlabBe}, {IDC_P4_TE, g.m_nSlabTe}});
    ShowStoredLoads(IDC_P4_N, IDC_P4_M, IDC_P4_V, g);
    ReadInputs();
    return TRUE;
}

void CPreComSub4Dlg::ReadInputs() {
    CPreComSub4& g = Group();
    const BOOL bShear = IsShearCase();
    ReadConcrete(IDC_P4_CONCRETE, g.m_nConLevel);
    if (SelectedIndex(IDC_P4_ANGLE) < 0) SelectText(IDC_P4_ANGLE, g.m_strJGStyle);
    g.m_strJGStyle = SelectedText(IDC_P4_ANGLE);
    ReadLayout(IDC_P4_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    Enable(IDC_P4_B, g.m_nSteelN1 != 1);

    int ta = 0, ba = 0, nArea = 0;
    double W = 0;
    GetAngleSteelData(g.m_strJGStyle, ta, ba, nArea, W);
    ReadInt(IDC_P4_B, g.m_nSteelB, {EmbedLower(ba)});
    if (bShear)
        ReadInt(IDC_P4_LA, g.m_nAnchorLa, {EmbedLower(std::max(6 * ba, 250))});
    else
        ReadInt(IDC_P4_LA, g.m_nAnchorLa, {EmbedLower(ba < 80 ? 4 * ba : 6 * ba)});
    if (bShear) {
        const double dRoot = std::sqrt(W / ba);
        ReadInt(IDC_P4_T, g.m_nSlabT, {EmbedLower(8), EmbedLowerBelow(static_cast<int>(dRoot + 1), dRoot)});
    } else {
        ReadInt(IDC_P4_T, g.m_nSlabT, {EmbedLower(8), EmbedLowerBelow(static_cast<int>(1.5 * ta + 1), 1.5 * ta)});
    }
    const int t = g.m_nSlabT;
    ReadInt(IDC_P4_B1, g.m_nSteelB1, {EmbedLower(ba)});
    const EmbedIntLimit halfLeg = EmbedLowerBelow(ba / 2 + 1, ba / 2);
    if (bShear) {
        ReadInt(IDC_P4_CA, g.m_nSteelCa, {EmbedLowerBelow(static_cast<int>(3.5 * t + 1), 3.5 * t), halfLeg});
        ReadInt(IDC_P4_CB, g.m_nSteelCb, {EmbedLowerBelow(3 * t + 1, 3 * t), halfLeg});
    } else {
        ReadInt(IDC_P4_CA, g.m_nSteelCa, {EmbedLower(25), halfLeg});
        ReadInt(IDC_P4_CB, g.m_nSteelCb, {EmbedLower(25), halfLeg});
    }
    const int nSpacing = IsEnabled(IDC_P4_B) ? std::min(g.m_nSteelB, g.m_nSteelB1) : g.m_nSteelB1;
    ReadInt(IDC_P4_BE, g.m_nSlabBe, {EmbedUpper(nSpacing), EmbedLower(ba)});
    ReadInt(IDC_P4_TE, g.m_nSlabTe, {EmbedLower(6)});
    ReadDouble(IDC_P4_N, g.m_dForceN, 0.001, 1000000);
    ReadDouble(IDC_P4_M, g.m_dForceM, 0.001, 1000000);
    ReadDouble(IDC_P4_V, g.m_dForceV, 0.001, 1000000);
}

void CPreComSub4Dlg::Calculate() {
    CalcAngleAnchors(Group(), IsEnabled(IDC_P4_B), std::max(SelectedIndex(IDC_P4_WIDTH), 0),
                     ReadFactorK(IDC_P4_K), m_results);
}

void CPreComSub4Dlg::ShowResults() {
    for (UINT nID : {IDC_P4_N, IDC_P4_V, IDC_P4_M}) Enable(nID, FALSE);
    Calculate();
    const CString strNone("-");
    ShowCapacities(strNone, strNone, strNone);
    switch (GetLoadCase()) {
    case PRECOM_TENSION:
        ShowCapacities(FormatCapacity(m_results.m_dNu), strNone, strNone);
        break;
    case PRECOM_SHEAR:
        ShowCapacities(strNone, strNone, FormatCapacity(m_results.m_dVu));
        break;
    case PRECOM_TENSION_BEND_SHEAR:
        for (UINT nID : {IDC_P4_N, IDC_P4_V, IDC_P4_M}) Enable(nID, TRUE);
        ShowCapacities(FormatCapacity(m_results.m_dRuN), FormatCapacity(m_results.m_dRuM),
                       FormatCapacity(m_results.m_dRuV));
        break;
    }
}

void CPreComSub4Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub4Dlg::OnShapeChange() {
    ReadDrawAndShow();
}

void CPreComSub4Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB4_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    const CRect plate = DrawAnchorPlan(pic, Group().m_nSteelN0, Group().m_nSteelN1, TRUE);
    // "be" beside the anchor nearest the centre: on a row for an odd number of rows, between two else.
    const int y = Group().m_nSteelN0 % 2 ? 0 : -11;
    pic.Dimension(plate.right + 4, y - 4, plate.right + 4, y + 4, "be");
    if (GetLoadCase() == PRECOM_SHEAR) pic.Arrow(0, -20, 0, 20, "V");
}

void CPreComSub4Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB4_SECTION));
    if (!pic.IsReady() || !m_pParam) return;
    const int nRows = std::max(Group().m_nSteelN0, 1);
    const int nHeight = (nRows - 1) * 22 + 24;
    const int yTop = -nHeight / 2, xPlate = -41;
    pic.Rect(xPlate, yTop, xPlate + 3, yTop + nHeight);
    for (int i = 0; i < nRows; ++i) {
        const int y = yTop + 12 + i * 22;
        // The angle along the anchor, its end plate across the far end.
        pic.Line(xPlate + 3, y - 3, xPlate + 73, y - 3);
        pic.Line(xPlate + 3, y + 3, xPlate + 73, y + 3);
        pic.Rect(xPlate + 73, y - 7, xPlate + 76, y + 8);
    }
    pic.Leader(xPlate + 1, yTop, xPlate + 8, yTop - 8, "t");
    pic.Text(xPlate + 20, yTop - 12, Group().m_strJGStyle);
    const int yLowest = yTop + 12 + (nRows - 1) * 22;
    pic.Dimension(xPlate + 3, yLowest + 12, xPlate + 73, yLowest + 12, "la");
    pic.Leader(xPlate + 75, yLowest + 8, xPlate + 82, yLowest + 16, "te");

    DrawSectionLoads(pic, xPlate);
}
