#include "beam/BeamWellBasicDlg.h"

#include <cstdlib>

#include "beam/BeamWellParam.h"
#include "beam/BeamWellPicture.h"
#include "beam/RangedValue.h"
#include "mfc/stdctrl/ComboBox.h"

IMPLEMENT_DYNAMIC(CBeamWellBasicDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamWellBasicDlg, CCaltPageDlg)
    ON_CBN_SELCHANGE(IDC_BW_SUPPORT, OnSupportChange)
    ON_CBN_SELCHANGE(IDC_BW_NOX, OnHorizontalSpanChange)
    ON_CBN_SELCHANGE(IDC_BW_NOY, OnVerticalSpanChange)
    ON_WM_HELPINFO()
    ON_EN_KILLFOCUS(IDC_BW_LOAD, OnKillFocusLoad)
    ON_EN_KILLFOCUS(IDC_BW_DISTA, OnKillFocusDistA)
    ON_EN_KILLFOCUS(IDC_BW_DISTB, OnKillFocusDistB)
END_MESSAGE_MAP()

CBeamWellBasicDlg::CBeamWellBasicDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent), nPictureId(0), m_dLoad(0), m_dDistA(0), m_dDistB(0) {}

CBeamWellBasicDlg::~CBeamWellBasicDlg() { m_bitmap.DeleteObject(); }

BOOL CBeamWellBasicDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    return TRUE;
}

void CBeamWellBasicDlg::FillHorizontalSpanList() {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_BW_NOX));
    if (pCombo == NULL) return;
    pCombo->ResetContent();
    const int nLast = GetComboBoxText(IDC_BW_SUPPORT) == BEAMWELL_SIMPLE ? 13 : 5;
    for (int n = 2; n <= nLast; ++n) {
        CString strCount;
        strCount.Format("%d", n);
        pCombo->AddString(strCount);
    }
    pCombo->SetCurSel(0);
}

void CBeamWellBasicDlg::FillVerticalSpanList(int nHorizontal) {
    // The vertical counts that have a table with each horizontal count, 2 … 13.
    static const int s_nFirst[14] = {0, 0, 2, 2, 2, 2, 4, 4, 5, 5, 6, 7, 7, 8};
    static const int s_nLast[14] = {0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 8, 8};
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_BW_NOY));
    if (pCombo == NULL) return;
    pCombo->ResetContent();
    if (nHorizontal >= 2 && nHorizontal <= 13) {
        // A 4 × 5 grid has a table with simple supports only.
        const BOOL bSimple = GetComboBoxText(IDC_BW_SUPPORT) == BEAMWELL_SIMPLE;
        for (int n = s_nFirst[nHorizontal]; n <= s_nLast[nHorizontal]; ++n) {
            if (nHorizontal == 5 && n == 4 && !bSimple) continue;
            CString strCount;
            strCount.Format("%d", n);
            pCombo->AddString(strCount);
        }
    }
    pCombo->SetCurSel(0);
}

void CBeamWellBasicDlg::ShowGridPicture() {
    const int nHorizontal = std::atoi(GetComboBoxText(IDC_BW_NOX));
    const int nVertical = std::atoi(GetComboBoxText(IDC_BW_NOY));
    const int nId = BeamWellPictureId(nVertical, nHorizontal);
    if (nId != 0) nPictureId = nId;
    ShowBeamWellPicture(*this, m_bitmap, nPictureId);
}

void CBeamWellBasicDlg::OnSupportChange() {
    FillHorizontalSpanList();
    FillVerticalSpanList(std::atoi(GetComboBoxText(IDC_BW_NOX)));
    ShowGridPicture();
}

void CBeamWellBasicDlg::OnHorizontalSpanChange() {
    FillVerticalSpanList(std::atoi(GetComboBoxText(IDC_BW_NOX)));
    ShowGridPicture();
}

void CBeamWellBasicDlg::OnVerticalSpanChange() { ShowGridPicture(); }

BOOL CBeamWellBasicDlg::OnHelpInfo(HELPINFO*) { return TRUE; }

void CBeamWellBasicDlg::OnKillFocusLoad() {
    TakeRangedValue(*this, IDC_BW_LOAD, m_dLoad, BEAMWELL_LOAD_MIN, BEAMWELL_LOAD_MAX);
}

void CBeamWellBasicDlg::OnKillFocusDistA() {
    TakeRangedValue(*this, IDC_BW_DISTA, m_dDistA, BEAMWELL_DIST_MIN, BEAMWELL_DIST_MAX);
}

void CBeamWellBasicDlg::OnKillFocusDistB() {
    TakeRangedValue(*this, IDC_BW_DISTB, m_dDistB, BEAMWELL_DIST_MIN, BEAMWELL_DIST_MAX);
}

void CBeamWellBasicDlg::SetData(CVuskParam* pParam) {
    CBeamWellParam* pWell = static_cast<CBeamWellParam*>(pParam);
    SetComboBoxText(IDC_BW_SUPPORT, pWell->strAbutType);
    FillHorizontalSpanList();
    FillVerticalSpanList(pWell->nNox);
    SetComboBoxText(IDC_BW_NOX, pWell->nNox);
    SetComboBoxText(IDC_BW_NOY, pWell->nNoy);
    m_dDistA = pWell->dDistA;
    m_dDistB = pWell->dDistB;
    m_dLoad = pWell->dLoad;
    SetEditText(IDC_BW_DISTA, m_dDistA);
    SetEditText(IDC_BW_DISTB, m_dDistB);
    SetEditText(IDC_BW_LOAD, m_dLoad);
    SetEditText(IDC_BW_NUMBER, pWell->strNumber);
    ShowGridPicture();
}

void CBeamWellBasicDlg::GetData(CVuskParam* pParam) {
    CBeamWellParam* pWell = static_cast<CBeamWellParam*>(pParam);
    pWell->strAbutType = GetComboBoxText(IDC_BW_SUPPORT);
    pWell->nNox = std::atoi(GetComboBoxText(IDC_BW_NOX));
    pWell->nNoy = std::atoi(GetComboBoxText(IDC_BW_NOY));
    pWell->dDistA = std::atof(GetEditText(IDC_BW_DISTA));
    pWell->dDistB = std::atof(GetEditText(IDC_BW_DISTB));
    pWell->dLoad = std::atof(GetEditText(IDC_BW_LOAD));
    pWell->strNumber = GetEditText(IDC_BW_NUMBER);
    pWell->nPictureId = nPictureId;
}

BOOL CBeamWellBasicDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    const CBeamWellParam* pWell = static_cast<const CBeamWellParam*>(pParam);
    const int nErrors = arrErrors.GetSize();
    pWell->CheckInputRanges(arrErrors);
    if (arrErrors.GetSize() > nErrors) return FALSE;
    LPCTSTR lpszTable = NULL;
    BOOL bSixRow = TRUE;
    if (!pWell->FindCoefTable(&lpszTable, &bSixRow)) return TRUE;  // the calculation says why
    if (!pWell->IsRatioInTable(bSixRow)) {
        arrWarnings.Add("跨度比b/a不合理,会导致查表失败!");
        return FALSE;
    }
    return TRUE;
}
