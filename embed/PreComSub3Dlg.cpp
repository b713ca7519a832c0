#include "embed/PreComSub3Dlg.h"

#include <algorithm>
#include <cmath>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedMaterials.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub3Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub3Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P3_D, OnBarChange)
    ON_CBN_SELCHANGE(IDC_P3_LAYOUT, OnLayoutChange)
    ON_CBN_SELCHANGE(IDC_P3_CONCRETE, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P3_K, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P3_WIDTH, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_T, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_B1, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_CB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_E, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_N, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_M, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P3_V, OnInputChange)
END_MESSAGE_MAP()

CPreComSub3Dlg::CPreComSub3Dlg() : CPreComPage(IDD), m_bMomentShownAsNone(FALSE) {}

BOOL CPreComSub3Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub3& g = Group();
    FillConcrete(IDC_P3_CONCRETE, g.m_nConLevel);
    FillBars(IDC_P3_D, g.m_nSteelD);
    FillCombo(IDC_P3_LAYOUT, {"2x2", "2x3", "2x4", "3x2", "3x3", "3x4", "4x2", "4x3", "4x4"});
    SelectLayout(IDC_P3_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    FillCombo(IDC_P3_K, {"1.0", "0.7"});
    SelectText(IDC_P3_K, "1.0");
    FillWidths(IDC_P3_WIDTH);
    // The edits show the stored values before the first reading.
    ShowStored({{IDC_P3_T, g.m_nSlabT}, {IDC_P3_LA, g.m_nAnchorLa}, {IDC_P3_E, g.m_nShearE},
                {IDC_P3_CA, g.m_nSteelCa}, {IDC_P3_B1, g.m_nSteelB1}, {IDC_P3_CB, g.m_nSteelCb},
                {IDC_P3_B, g.m_nSteelB}});
    ShowStoredLoads(IDC_P3_N, IDC_P3_M, IDC_P3_V, g);
    m_bMomentShownAsNone = FALSE;
    ReadInputs();
    ShowResults();
    return TRUE;
}

void CPreComSub3Dlg::ReadInputs() {
    CPreComSub3& g = Group();
    const BOOL bShear = IsShearCase();
    ReadConcrete(IDC_P3_CONCRETE, g.m_nConLevel);
    ReadBar(IDC_P3_D, g.m_nSteelD);
    ReadLayout(IDC_P3_LAYOUT, g.m_nSteelN0, g.m_nSteelN1);
    const int d = g.m_nSteelD;

    if (bShear)
        ReadInt(IDC_P3_B, g.m_nSteelB, {EmbedLower(45), EmbedUpper(300), EmbedLower(3 * d)});
    else
        ReadInt(IDC_P3_B, g.m_nSteelB, {EmbedLower(45), EmbedLower(3 * d)});
    if (bShear)
        ReadInt(IDC_P3_LA, g.m_nAnchorLa, {EmbedLower(250)});
    else
        ReadInt(IDC_P3_LA, g.m_nAnchorLa, {EmbedLower(250), EmbedLower(GetAnchorLength(d, g.m_nConLevel))});
    if (bShear)
        ReadInt(IDC_P3_T, g.m_nSlabT, {EmbedLower(6), EmbedLower(GetMinPlateThickness(d))});
    else
        ReadInt(IDC_P3_T, g.m_nSlabT,
                {EmbedLower(6), EmbedLower(GetMinPlateThickness(d)), EmbedLowerBelow(g.m_nSteelB / 16 + 1, g.m_nSteelB / 16)});
    const int t = g.m_nSlabT;
    if (bShear)
        ReadInt(IDC_P3_B1, g.m_nSteelB1, {EmbedLower(70), EmbedUpper(300), EmbedLower(6 * d)});
    else
        ReadInt(IDC_P3_B1, g.m_nSteelB1, {EmbedLower(45), EmbedLower(3 * d), EmbedUpper(16 * t)});
    ReadEdge(IDC_P3_CA, g.m_nSteelCa, t, d);
    ReadEdge(IDC_P3_CB, g.m_nSteelCb, t, d);
    // A negative lever arm falls back to the stored one, at least 1; 0 is taken.
    ReadInt(IDC_P3_E, g.m_nShearE, {EmbedLowerBelow(std::max(g.m_nShearE, 1), 0)});

    // In compression the plate's bearing bounds N, 0.5·fc·A: beyond it the stored N comes back, within
    // that bound.
    double dMaxN = 1000000;
    if (GetLoadCase() == PRECOM_PRESS_BEND_SHEAR) {
        double fc = 0, fcm = 0, ft = 0, kc = 0;
        GetConcreteStrength(g.m_nConLevel, fc, fcm, ft, kc);
        const double dArea = ((g.m_nSteelN1 - 1) * static_cast<double>(g.m_nSteelB) + 2 * g.m_nSteelCb) *
                             ((g.m_nSteelN0 - 1) * static_cast<double>(g.m_nSteelB1) + 2 * g.m_nSteelCa);
        dMaxN = std::min(dMaxN, 0.0005 * fc * dArea);
    }
    ReadDouble(IDC_P3_N, g.m_dForceN, 0.001, dMaxN);
    ReadDouble(IDC_P3_M, g.m_dForceM, 0.001, 1000000);
    ReadDouble(IDC_P3_V, g.m_dForceV, 0.001, 1000000);
}

void CPreComSub3Dlg::Calculate() {
    CalcStraightAnchors(Group(), std::max(SelectedIndex(IDC_P3_WIDTH), 0), ReadFactorK(IDC_P3_K), m_results);
}

void CPreComSub3Dlg::ShowResults() {
    for (UINT nID : {IDC_P3_N, IDC_P3_M, IDC_P3_V, IDC_P3_E}) Enable(nID, FALSE);
    SetDlgItemText(IDC_P3_E_LABEL, "--");
    Calculate();
    const CString strNone("--");
    switch (GetLoadCase()) {
    case PRECOM_TENSION:
        ShowCapacities(FormatCapacity(m_results.m_dNu), strNone, strNone);
        break;
    case PRECOM_SHEAR:
        ShowCapacities(strNone, strNone, FormatCapacity(m_results.m_dVu));
        break;
    case PRECOM_BEND_SHEAR:
        SetDlgItemText(IDC_P3_E_LABEL, "剪力力臂 e");
        Enable(IDC_P3_E, TRUE);
        ShowCapacities(strNone, strNone, FormatCapacity(m_results.m_dVe));
        break;
    case PRECOM_TENSION_BEND_SHEAR:
        for (UINT nID : {IDC_P3_N, IDC_P3_M, IDC_P3_V}) Enable(nID, TRUE);
        ShowCapacities(FormatCapacity(m_results.m_dRN), FormatCapacity(m_results.m_dRM), FormatCapacity(m_results.m_dRV));
        break;
    case PRECOM_PRESS_BEND_SHEAR:
        Enable(IDC_P3_N, TRUE);
        Enable(IDC_P3_V, TRUE);
        ShowCapacities(strNone, FormatCapacity(m_results.m_dMc), FormatCapacity(m_results.m_dVc));
        break;
    }
    SetDlgItemText(IDC_P3_VC_RULE, GetLoadCase() == PRECOM_PRESS_BEND_SHEAR ? PressShearRuleText() : "");
    ShowMomentInput();
}

// Compression-bending-shear takes no moment: its disabled M box shows the 0 the calculation takes, and
// the stored moment, kept, comes back into the box with the next case.
void CPreComSub3Dlg::ShowMomentInput() {
    const BOOL bNone = GetLoadCase() == PRECOM_PRESS_BEND_SHEAR;
    if (bNone == m_bMomentShownAsNone) return;
    m_bMomentShownAsNone = bNone;
    ShowLoad(IDC_P3_M, bNone ? 0.0 : Group().m_dForceM);
}

// Which rule gives the shear of the compression-bending-shear case.
LPCTSTR CPreComSub3Dlg::PressShearRuleText() const {
    return m_results.m_nVcRule == EMBED_PRESS_SHEAR_FORMULA_3 ? "V由GB 50010-2002式(10.9.1-3)控制"
                                                              : "V由kc公式控制,不超过式(10.9.1-3)";
}

void CPreComSub3Dlg::RaiseAnchorLength() {
    CPreComSub3& g = Group();
    g.m_nAnchorLa = std::max(g.m_nAnchorLa, GetAnchorLength(g.m_nSteelD, g.m_nConLevel));
    ShowInt(IDC_P3_LA, g.m_nAnchorLa);
}

void CPreComSub3Dlg::RaiseShearAnchorLength() {
    CPreComSub3& g = Group();
    if (g.m_nSteelD <= 15 || g.m_nAnchorLa >= 250) return;
    g.m_nAnchorLa = 250;
    ShowInt(IDC_P3_LA, 250);
}

void CPreComSub3Dlg::OnBarChange() {
    CComboBox* pBars = static_cast<CComboBox*>(GetDlgItem(IDC_P3_D));
    if (pBars->GetCurSel() < 0) {
        pBars->SetCurSel(0);
        return;
    }
    CPreComSub3& g = Group();
    ReadBar(IDC_P3_D, g.m_nSteelD);
    const int d = g.m_nSteelD;
    if (IsShearCase())
        RaiseShearAnchorLength();
    else
        RaiseAnchorLength();
    ShowInt(IDC_P3_T, std::max(g.m_nSlabT, std::max(static_cast<int>(std::floor(0.6 * d)), 6)));
    const int v = std::max({2 * d, 20, g.m_nSteelCa});
    for (UINT nID : {IDC_P3_CA, IDC_P3_CB, IDC_P3_B, IDC_P3_B1}) ShowInt(nID, v);
    ReadInputs();
    ShowResults();
}

void CPreComSub3Dlg::OnLayoutChange() {
    ReadDrawAndShow();
}

void CPreComSub3Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub3Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB3_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    DrawAnchorPlan(pic, Group().m_nSteelN0, Group().m_nSteelN1, FALSE);
    if (GetLoadCase() == PRECOM_SHEAR) pic.Arrow(0, -20, 0, 20, "V");
}

void CPreComSub3Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB3_SECTION));
    if (!pic.IsReady() || !m_pParam) return;
    const int nLayers = std::max(Group().m_nSteelN0, 1);
    const int nHeight = (nLayers - 1) * 22 + 24;
    const int yTop = -nHeight / 2, xPlate = -41;
    pic.Rect(xPlate, yTop, xPlate + 2, yTop + nHeight);
    for (int i = 0; i < nLayers; ++i) {
        const int y = yTop + 12 + i * 22;
        pic.Rect(xPlate + 2, y - 1, xPlate + 82, y + 1);
    }
    const int yLowest = yTop + 12 + (nLayers - 1) * 22;
    pic.Leader(xPlate + 1, yTop, xPlate + 8, yTop - 8, "t");
    pic.Leader(xPlate + 60, yTop + 12, xPlate + 68, yTop + 4, "d");
    const int yDim = yLowest + (nLayers == 4 ? 8 : 12);
    pic.Dimension(xPlate + 2, yDim, xPlate + 82, yDim, "la");

    DrawSectionLoads(pic, xPlate);
}
