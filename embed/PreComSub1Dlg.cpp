#include "embed/PreComSub1Dlg.h"

#include <cstdlib>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub1Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub1Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P1_D, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P1_T, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P1_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P1_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P1_B, OnInputChange)
    ON_EN_CHANGE(IDC_P1_N, OnCountChange)
END_MESSAGE_MAP()

CPreComSub1Dlg::CPreComSub1Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub1Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub1& g = m_pParam->m_Sub1;
    FillDetailDiameters(IDC_P1_D, g.m_nSteelD);
    ShowStored({{IDC_P1_T, g.m_nSlabT}, {IDC_P1_LA, g.m_nAnchorLa}, {IDC_P1_CA, g.m_nSteelCa},
                {IDC_P1_B, g.m_nSteelB}, {IDC_P1_N, g.m_nSteelN}});
    ReadInputs();
    return TRUE;
}

void CPreComSub1Dlg::ReadInputs() {
    CPreComSub1& g = m_pParam->m_Sub1;
    ReadDetailDiameter(IDC_P1_D, g.m_nSteelD);
    const int d = g.m_nSteelD;
    ReadInt(IDC_P1_T, g.m_nSlabT, {EmbedLower(6), EmbedLower(GetMinPlateThickness(d))});
    ReadInt(IDC_P1_LA, g.m_nAnchorLa, {EmbedLower(250), EmbedLower(20 * d)});
    ReadInt(IDC_P1_N, g.m_nSteelN, {EmbedLower(1), EmbedUpper(6)});
    Enable(IDC_P1_B, g.m_nSteelN != 1);
    const int t = g.m_nSlabT;
    ReadInt(IDC_P1_CA, g.m_nSteelCa, {EmbedLower(20), EmbedUpper(12 * t), EmbedLower(2 * d)});
    ReadInt(IDC_P1_B, g.m_nSteelB, {EmbedLower(45), EmbedUpper(16 * t), EmbedLower(3 * d)});
}

void CPreComSub1Dlg::ShowResults() {
    ShowCapacities("--", "--", "--");
}

void CPreComSub1Dlg::OnInputChange() {
    ReadInputs();
}

void CPreComSub1Dlg::OnCountChange() {
    ReadInputs();
    ReadInputs();
    DrawPlan();
}

void CPreComSub1Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB1_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    // Plate half-width, bar radius, bar pitch, overall extent, bar size, shrunk to fit.
    int sizes[] = {30, 6, 35, 200, 6};
    CEmbedPicture::Shrink(sizes, 5, 3, 4, 130);
    const int nHalf = sizes[0], nRadius = sizes[1], nPitch = sizes[2];
    const int n = m_pParam->m_Sub1.m_nSteelN;
    if (n <= 1) {
        pic.Rect(-nHalf, -nHalf, nHalf + 1, nHalf + 1);
        pic.Circle(0, 0, nRadius);
        pic.Dimension(-nHalf, -nHalf - 5, 0, -nHalf - 5, "ca");
    } else if (n == 2) {
        const int nWide = nHalf + nPitch / 2;
        pic.Rect(-nWide, -nHalf, nWide + 1, nHalf + 1);
        pic.Circle(-nPitch / 2, 0, nRadius);
        pic.Circle(nPitch / 2, 0, nRadius);
        pic.Dimension(-nWide, -nHalf - 5, -nPitch / 2, -nHalf - 5, "ca");
    } else {
        // Open to the right with a break mark: more bars follow.
        const int xLeft = -nHalf - nPitch / 2, xRight = nPitch * 2;
        pic.Line(xLeft, -nHalf, xRight, -nHalf);
        pic.Line(xLeft, nHalf, xRight, nHalf);
        pic.Line(xLeft, -nHalf, xLeft, nHalf);
        pic.Line(xRight, -nHalf, xRight - 4, -4);
        pic.Line(xRight - 4, -4, xRight + 4, 4);
        pic.Line(xRight + 4, 4, xRight, nHalf);
        for (int i = -1; i <= 3; i += 2) pic.Circle(i * nPitch / 2, 0, nRadius);
        pic.Dimension(xLeft, -nHalf - 5, -nPitch / 2, -nHalf - 5, "ca");
    }
}

void CPreComSub1Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB1_SECTION));
    if (!pic.IsReady()) return;
    int sizes[] = {30, 6, 200, 6};
    CEmbedPicture::Shrink(sizes, 4, 2, 3, 130);
    const int nHalf = sizes[0], nBar = sizes[2];
    const int xPlate = -nBar / 2;
    pic.Rect(xPlate - 3, -nHalf, xPlate, nHalf + 1);
    pic.Rect(xPlate, -1, xPlate + nBar, 2);
    pic.Dimension(xPlate, 12, xPlate + nBar, 12, "la");
    pic.Leader(xPlate + nBar / 2, 0, xPlate + nBar / 2 + 8, -10, "d");
    pic.Leader(xPlate - 2, -nHalf, xPlate + 6, -nHalf - 8, "t");
}
