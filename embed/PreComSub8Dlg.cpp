#include "embed/PreComSub8Dlg.h"

#include <algorithm>
#include <cstdlib>

#include "embed/EmbedCtrlReaders.h"
#include "embed/EmbedInputMessage.h"
#include "embed/EmbedLiftingRing.h"
#include "embed/EmbedPicture.h"

IMPLEMENT_DYNAMIC(CPreComSub8Dlg, CPreComPage)

BEGIN_MESSAGE_MAP(CPreComSub8Dlg, CPreComPage)
    ON_CBN_SELCHANGE(IDC_P8_D, OnShapeChange)
    ON_EN_KILLFOCUS(IDC_P8_DB, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P8_LN, OnInputChange)
    ON_EN_KILLFOCUS(IDC_P8_LW, OnInputChange)
END_MESSAGE_MAP()

CPreComSub8Dlg::CPreComSub8Dlg() : CPreComPage(IDD) {}

BOOL CPreComSub8Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPreComSub8& g = m_pParam->m_Sub8;
    FillCombo(IDC_P8_D, {"8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23",
                         "24", "25", "26", "27", "28", "30", "32", "34"});
    CString strD;
    strD.Format("%d", g.m_nSteelD);
    SelectText(IDC_P8_D, strD);
    ShowStored({{IDC_P8_DB, g.m_nSteelDb}, {IDC_P8_LW, g.m_nSteelLw}, {IDC_P8_LN, g.m_nSteelLn}});
    ReadInputs();
    return TRUE;
}

void CPreComSub8Dlg::ReadInputs() {
    CPreComSub8& g = m_pParam->m_Sub8;
    if (SelectedIndex(IDC_P8_D) < 0) {
        CString strD;
        strD.Format("%d", g.m_nSteelD);
        SelectText(IDC_P8_D, strD);
    }
    g.m_nSteelD = std::atoi(SelectedText(IDC_P8_D));
    const int d = g.m_nSteelD;
    // The outside length reads as a whole number from 1 up; a refused text brings the stored one back.
    if (IsEnabled(IDC_P8_LW)) {
        CString strText;
        GetDlgItemText(IDC_P8_LW, strText);
        if (!GetCtrlInt(strText, g.m_nSteelLw, 1000000, 1)) {
            g.m_nSteelLw = std::clamp(g.m_nSteelLw, 1, 1000000);
            ShowInt(IDC_P8_LW, g.m_nSteelLw);
            TellRefusal(this, IDC_P8_LW, GetIntRangeMessage(1, 1000000));
        }
    }
    ReadInt(IDC_P8_DB, g.m_nSteelDb, {EmbedLower(3 * d), EmbedUpper(2 * g.m_nSteelLw)});
    ReadInt(IDC_P8_LN, g.m_nSteelLn, {EmbedLower(30 * d)});
}

float CPreComSub8Dlg::GetRingLoad() {
    ::GetRingLoad(m_pParam->m_Sub8.m_nSteelD, m_fRingLoad);
    return m_fRingLoad;
}

void CPreComSub8Dlg::ShowResults() {
    CWnd* pMain = GetParent();
    if (!pMain) return;
    CString strLoad;
    strLoad.Format("%.2f", static_cast<double>(m_fRingLoad));
    pMain->SetDlgItemText(IDC_PRECOM_N, strLoad);
}

void CPreComSub8Dlg::OnInputChange() {
    ReadAndShow();
}

void CPreComSub8Dlg::OnShapeChange() {
    ReadInputs();
    GetRingLoad();
    ShowResults();
}

void CPreComSub8Dlg::DrawPlan() {
    CEmbedPicture pic(GetDlgItem(IDC_PRECOM_SUB8_PLAN));
    if (!pic.IsReady()) return;
    // The concrete face, and the ring in red: two legs 20 px apart, 50 px into the concrete above the
    // face and 50 px out below it, closed below by an arc.
    pic.Line(-50, 0, 50, 0);
    pic.Ring(-10, 10, -50, 50);
    pic.Dimension(-10, -53, 10, -53, "");
    pic.Text(14, -56, "db");
    pic.Dimension(-18, -50, -18, 0, "ln");
    pic.Dimension(-18, 0, -18, 50, "lw");
}
