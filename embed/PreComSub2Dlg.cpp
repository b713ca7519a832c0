#include "embed/PreComSub2Dlg.h"

#include "embed/EmbedAngleSteel.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub2Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub2Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P2_D, OnInputChange)
    ON_CBN_SELCHANGE(IDC_P2_ANGLE, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P2_B, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P2_CA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P2_LA, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P2_LW, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P2_N, OnCountChange)
END_MESSAGE_MAP()

CPreComSub2Dlg::CPreComSub2Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub2Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub2& g = m_pParam->m_Sub2;
    FillDetailDiameters(IDC_P2_D, g.m_nSteelD);
    CStringArray arrStyles;
    FillAngleSteelList(arrStyles);
    FillCombo(IDC_P2_ANGLE, arrStyles);
    SelectText(IDC_P2_ANGLE, g.m_strJGStyle);
    ShowStored({{IDC_P2_LW, g.m_nLW}, {IDC_P2_LA, g.m_nAnchorLa}, {IDC_P2_CA, g.m_nSteelCa},
                {IDC_P2_B, g.m_nSteelB}, {IDC_P2_N, g.m_nSteelN}});
    ReadInputs();
    return TRUE;
}

void CPreComSub2Dlg::ReadInputs() {
    CPreComSub2& g = m_pParam->m_Sub2;
    ReadDetailDiameter(IDC_P2_D, g.m_nSteelD);
    const int d = g.m_nSteelD;
    if (SelectedIndex(IDC_P2_ANGLE) < 0) SelectText(IDC_P2_ANGLE, g.m_strJGStyle);
    g.m_strJGStyle = SelectedText(IDC_P2_ANGLE);
    const int ba = GetAngleSteelWidth(g.m_strJGStyle), ta = GetAngleSteelThickness(g.m_strJGStyle);
    ReadInt(IDC_P2_LW, g.m_nLW, {EmbedLower(30), EmbedLower(4 * d), EmbedUpper(ba - ta)});
    ReadInt(IDC_P2_LA, g.m_nAnchorLa, {EmbedLower(250), EmbedLower(20 * d)});
    ReadInt(IDC_P2_N, g.m_nSteelN, {EmbedLower(1), EmbedUpper(6)});
    Enable(IDC_P2_B, g.m_nSteelN != 1);
    ReadInt(IDC_P2_CA, g.m_nSteelCa, {EmbedLower(20), EmbedLower(2 * d)});
    ReadInt(IDC_P2_B, g.m_nSteelB, {EmbedLower(45), EmbedLower(3 * d)});
}

void CPreComSub2Dlg::ShowResults() {
    ShowCapacities("--", "--", "--");
}

void CPreComSub2Dlg::OnInputChange() {
    ReadInputs();
}

void CPreComSub2Dlg::OnCountChange() {
    ReadInputs();
    DrawPlan();
}

void CPreComSub2Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB2_PLAN));
    if (!pic.IsReady() || !m_pParam) return;
    const int n = m_pParam->m_Sub2.m_nSteelN;
    // The angle seen from above (its two leg edges), the bars 2 px wide and 60 px long across it.
    const int nWidth = n <= 1 ? 30 : 46;
    const int xLeft = -nWidth / 2, xRight = n >= 3 ? nWidth / 2 + 16 : nWidth / 2;
    pic.Line(xLeft, -30, xRight, -30);
    pic.Line(xLeft, -22, xRight, -22);
    pic.Line(xLeft, -30, xLeft, -22);
    if (n >= 3) {
        pic.Line(xRight, -30, xRight - 3, -26);
        pic.Line(xRight - 3, -26, xRight + 3, -26);
        pic.Line(xRight + 3, -26, xRight, -22);
    } else {
        pic.Line(xRight, -30, xRight, -22);
    }
    const int nBars = n >= 3 ? 3 : n;
    const int xFirst = n <= 1 ? 0 : -8;
    for (int i = 0; i < nBars; ++i) pic.Rect(xFirst + i * 16 - 1, -30, xFirst + i * 16 + 1, 30);
    pic.Dimension(xLeft, -36, xFirst, -36, "ca");
    if (n >= 2) pic.Dimension(xFirst, 36, xFirst + 16, 36, "b");
}

void CPreComSub2Dlg::DrawSection() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB2_SECTION));
    if (!pic.IsReady()) return;
    // The angle's cross-section, the bar lapped along its vertical leg and going on into the concrete.
    pic.Line(-40, -30, -40, 0);
    pic.Line(-40, 0, -10, 0);
    pic.Line(-36, -30, -36, -4);
    pic.Line(-36, -4, -10, -4);
    pic.Rect(-35, -24, -33, 40);
    pic.Dimension(-28, -24, -28, -4, "lw");
    pic.Dimension(-24, -4, -24, 40, "la");
}
