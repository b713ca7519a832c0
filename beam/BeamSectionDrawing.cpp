// The section drawing of the result page: the shown section's size, bars and stirrup as drawing
// parameters under "CBeamSectionDlg", then the drawing command "Ljm\n".
#include "beam/BarText.h"
#include "beam/BeamComOutputDlg.h"
#include "host/CommandReports.h"
#include "host/VuskMainInfo.h"
#include "host/YorFile.h"
#include "mfc/user/MessageBox.h"

namespace {

const char kGroup[] = "CBeamSectionDlg";

CString Key(LPCTSTR lpszPart) { return CString(kGroup) + lpszPart; }

void WriteGroups(LPCTSTR lpszArray, int n1, int d1, int n2, int d2) {
    const int nCount = n2 >= 1 ? 2 : 1;
    CYorFile::SetValue(Key(CString("/") + lpszArray + "/Count"), nCount);
    const int groups[2][2] = {{n1, d1}, {n2, d2}};
    for (int g = 0; g < nCount; ++g) {
        CString strKey, strValue;
        strKey.Format("%s/%s/%d", kGroup, lpszArray, g);
        strValue.Format("%d,%d,0,0,0,0", groups[g][0], groups[g][1]);
        CYorFile::SetValue(strKey, strValue);
    }
}

}  // namespace

void CBeamComOutputDlg::DrawSection() {
    qelt::host::CalculationStepScope step;  // a refusal to draw is the drawing's own outcome
    const int n = SpanCount();
    // The section the row was designed with: a support's the less favourable of its spans'.
    double b = 0, h = 0;
    if (!m_pBeam->GetRecordSection(m_nCurRow, b, h)) return;
    const double A1 = h > 400 ? 100 : h * 0.25;
    const CString B = m_lstSection.GetItemText(m_nCurRow, 1), T = m_lstSection.GetItemText(m_nCurRow, 2);
    if (B.IsEmpty() || T.IsEmpty()) {
        MessageBox("配筋不正确,不能绘图!", "错误!", MB_OK | MB_ICONERROR);
        step.Note(qelt::host::CalculationStep::DrawingDeclined);
        return;
    }
    int n1b = 0, d1b = 22, n2b = 0, d2b = 22, n1t = 0, d1t = 22, n2t = 0, d2t = 22;
    ReadBarText(B, m_pBeam->m_strMainReinLv, n1b, d1b, n2b, d2b);
    ReadBarText(T, m_pBeam->m_strMainReinLv, n1t, d1t, n2t, d2t);
    // The stirrup: a mid-span's own; an end support that of its span; an inner support that of the
    // neighbouring mid-span with the larger d²/s.
    int d = 0, s = 0;
    CString S;
    if (m_nCurRow % 2) {
        S = m_lstSection.GetItemText(m_nCurRow, 3);
    } else if (m_nCurRow == 0 || m_nCurRow == 2 * n) {
        S = m_lstSection.GetItemText(m_nCurRow == 0 ? 1 : 2 * n - 1, 3);
    } else {
        const CString left = m_lstSection.GetItemText(m_nCurRow - 1, 3), right = m_lstSection.GetItemText(m_nCurRow + 1, 3);
        int dl = 0, sl = 0, dr = 0, sr = 0;
        if (!left.IsEmpty() && !right.IsEmpty() && ReadStirrupText(left, m_pBeam->m_strHoopReinLv, dl, sl) &&
            ReadStirrupText(right, m_pBeam->m_strHoopReinLv, dr, sr) && sl > 0 && sr > 0)
            S = static_cast<double>(dl) * dl / sl >= static_cast<double>(dr) * dr / sr ? left : right;
    }
    if (S.IsEmpty() || !ReadStirrupText(S, m_pBeam->m_strHoopReinLv, d, s)) {
        MessageBox("箍筋不正确,不能绘图!", "错误!", MB_OK | MB_ICONERROR);
        step.Note(qelt::host::CalculationStep::DrawingDeclined);
        return;
    }
    if (n1t == 0) d1t = 22;
    if (n2t == 0) d2t = 22;
    CYorFile::SetValue(Key("/m_dSizeB0"), b);
    CYorFile::SetValue(Key("/m_dSizeH0"), h);
    CYorFile::SetValue(Key("/m_dSizeA1"), A1);
    CYorFile::SetValue(Key("/m_nType"), 2);
    CYorFile::SetValue(Key("/m_dHookJJ"), s);
    CYorFile::SetValue(Key("/m_nHookD0"), d);
    CYorFile::SetValue(Key("/m_strHookLev"), m_pBeam->m_strHoopReinLv);
    CYorFile::SetValue(Key("/m_strMainLev"), m_pBeam->m_strMainReinLv);
    CYorFile::SetValue(Key("/m_dHookZJ"), 0);
    CYorFile::SetValue(Key("/m_bHook"), 1);
    CYorFile::SetValue(Key("/m_bBeltAuto"), 1);
    WriteGroups("m_aryTopReinGroup", n1t, d1t, n2t, d2t);
    WriteGroups("m_aryBotReinGroup", n1b, d1b, n2b, d2b);
    g_VuskMainInfo.SendAcadCommand("Ljm\n", NULL);
}
