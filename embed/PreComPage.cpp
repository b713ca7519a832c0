#include "embed/PreComPage.h"

#include <cstdio>
#include <cstdlib>

#include "embed/EmbedAnchorRules.h"
#include "embed/EmbedCtrlReaders.h"
#include "embed/EmbedInputMessage.h"
#include "embed/EmbedMaterials.h"
#include "embed/PreComDlg.h"
#include "resources/EmbedResource.h"

IMPLEMENT_DYNAMIC(CPreComPage, CDialog)

BEGIN_MESSAGE_MAP(CPreComPage, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPreComPage::CPreComPage(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {}

int CPreComPage::GetLoadCase() const {
    const CPreComDlg* pMain = dynamic_cast<const CPreComDlg*>(GetParent());
    return pMain ? pMain->m_nLoadCase : PRECOM_TENSION;
}

void CPreComPage::ShowCapacities(const CString& strN, const CString& strM, const CString& strV) {
    CWnd* pMain = GetParent();
    if (!pMain) return;
    pMain->SetDlgItemText(IDC_PRECOM_N, strN);
    pMain->SetDlgItemText(IDC_PRECOM_M, strM);
    pMain->SetDlgItemText(IDC_PRECOM_V, strV);
}

CString CPreComPage::FormatCapacity(double dValue) {
    CString strText;
    strText.Format("%.2lf", dValue);
    return strText;
}

BOOL CPreComPage::IsEnabled(UINT nID) const {
    const CWnd* pCtrl = GetDlgItem(nID);
    return pCtrl && pCtrl->IsWindowEnabled();
}

void CPreComPage::Enable(UINT nID, BOOL bEnable) {
    if (CWnd* pCtrl = GetDlgItem(nID)) pCtrl->EnableWindow(bEnable);
}

void CPreComPage::ReadInt(UINT nID, int& nStored, std::initializer_list<EmbedIntLimit> limits) {
    if (!IsEnabled(nID)) return;
    CString strText;
    GetDlgItemText(nID, strText);
    BOOL bRewrite = FALSE;
    const std::vector<EmbedIntLimit> rules(limits);
    nStored = CorrectIntInput(strText, nStored, rules, bRewrite);
    if (!bRewrite) return;
    ShowInt(nID, nStored);
    int nLower = 0, nUpper = 0;
    GetIntRange(rules, nLower, nUpper);
    TellRefusal(this, nID, GetIntRangeMessage(nLower, nUpper));
}

void CPreComPage::ReadDouble(UINT nID, double& dStored, double dMin, double dMax) {
    if (!IsEnabled(nID)) return;
    CString strText;
    GetDlgItemText(nID, strText);
    BOOL bRewrite = FALSE;
    dStored = CorrectDoubleInput(strText, dStored, dMin, dMax, bRewrite);
    if (!bRewrite) return;
    ShowLoad(nID, dStored);
    TellRefusal(this, nID, GetDoubleRangeMessage(dMin, dMax));
}

void CPreComPage::ShowInt(UINT nID, int nValue) {
    CString strValue;
    strValue.Format("%d", nValue);
    SetDlgItemText(nID, strValue);
}

void CPreComPage::ShowLoad(UINT nID, double dValue) {
    CString strValue;
    strValue.Format("%.3f", dValue);
    SetDlgItemText(nID, strValue);
}

void CPreComPage::ShowStored(std::initializer_list<std::pair<UINT, int>> values) {
    for (const auto& value : values) ShowInt(value.first, value.second);
}

void CPreComPage::ShowStoredLoads(UINT nIDN, UINT nIDM, UINT nIDV, const CPreComForces& forces) {
    const std::pair<UINT, double> loads[] = {{nIDN, forces.m_dForceN}, {nIDM, forces.m_dForceM}, {nIDV, forces.m_dForceV}};
    for (const auto& load : loads) ShowLoad(load.first, load.second);
}

void CPreComPage::ReadBarsAndPlate(CPreComAnchorGroup& g, UINT nIDB, UINT nIDLa, UINT nIDT, UINT nIDB1,
                                   int nShearB1Min) {
    const int d = g.m_nSteelD;
    if (IsShearCase()) {
        ReadInt(nIDB, g.m_nSteelB, {EmbedLower(45), EmbedUpper(300), EmbedLower(6 * d)});
        ReadInt(nIDLa, g.m_nAnchorLa, {EmbedLower(250)});
        ReadInt(nIDT, g.m_nSlabT, {EmbedLower(6), EmbedLower(GetMinPlateThickness(d))});
        ReadInt(nIDB1, g.m_nSteelB1, {EmbedLower(nShearB1Min), EmbedUpper(300), EmbedLower(6 * d)});
        return;
    }
    ReadInt(nIDB, g.m_nSteelB, {EmbedLower(45), EmbedLower(3 * d)});
    ReadInt(nIDLa, g.m_nAnchorLa, {EmbedLower(250), EmbedLower(GetAnchorLength(d, g.m_nConLevel)), EmbedLower(15 * d)});
    ReadInt(nIDT, g.m_nSlabT, {EmbedLower(6), EmbedLower(GetMinPlateThickness(d)), EmbedLower(g.m_nSteelB / 16)});
    ReadInt(nIDB1, g.m_nSteelB1, {EmbedLower(45), EmbedLower(3 * d), EmbedUpper(16 * g.m_nSlabT)});
}

void CPreComPage::ReadEdge(UINT nID, int& nStored, int t, int d) {
    ReadInt(nID, nStored, {EmbedLower(20), EmbedUpper(12 * t), EmbedLower(2 * d)});
}

void CPreComPage::DrawSectionLoads(CEmbedPicture& pic, int xFace) const {
    const int xLoad = xFace - 3;
    switch (GetLoadCase()) {
    case PRECOM_TENSION:
        pic.Arrow(xLoad, 0, xLoad - 22, 0, "N");
        break;
    case PRECOM_SHEAR:
        pic.Arrow(xLoad - 6, -20, xLoad - 6, 20, "V");
        break;
    case PRECOM_BEND_SHEAR:
        pic.Arrow(xLoad - 20, -20, xLoad - 20, 20, "V");
        pic.Dimension(xLoad - 20, 24, xFace, 24, "e");
        break;
    case PRECOM_TENSION_BEND_SHEAR:
    case PRECOM_PRESS_BEND_SHEAR:
        if (GetLoadCase() == PRECOM_TENSION_BEND_SHEAR)
            pic.Arrow(xLoad, 0, xLoad - 22, 0, "N");
        else
            pic.Arrow(xLoad - 22, 0, xLoad, 0, "N");
        pic.Arrow(xLoad - 6, -20, xLoad - 6, 20, "V");
        pic.MomentArc(-pic.m_cx, -20, -40, 20, -56, "M");
        break;
    }
}

void CPreComPage::FillCombo(UINT nID, std::initializer_list<LPCTSTR> texts) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    pCombo->ResetContent();
    for (LPCTSTR lpszText : texts) pCombo->AddString(lpszText);
}

void CPreComPage::FillCombo(UINT nID, const CStringArray& texts) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    pCombo->ResetContent();
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) pCombo->AddString(texts[i]);
}

void CPreComPage::SelectText(UINT nID, const CString& strText) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    const int nIndex = pCombo->FindStringExact(-1, strText);
    pCombo->SetCurSel(nIndex >= 0 ? nIndex : 0);
}

int CPreComPage::SelectedIndex(UINT nID) const {
    const CComboBox* pCombo = static_cast<const CComboBox*>(GetDlgItem(nID));
    return pCombo ? pCombo->GetCurSel() : CB_ERR;
}

CString CPreComPage::SelectedText(UINT nID) const {
    CString strText;
    const CComboBox* pCombo = static_cast<const CComboBox*>(GetDlgItem(nID));
    if (pCombo && pCombo->GetCurSel() >= 0) pCombo->GetLBText(pCombo->GetCurSel(), strText);
    return strText;
}

void CPreComPage::FillConcrete(UINT nID, int nConLevel) {
    FillCombo(nID, {"C20", "C25", "C30及以上"});
    static_cast<CComboBox*>(GetDlgItem(nID))->SetCurSel(nConLevel < 0 || nConLevel > 2 ? 0 : nConLevel);
}

void CPreComPage::ReadConcrete(UINT nID, int& nConLevel) {
    if (SelectedIndex(nID) < 0)
        static_cast<CComboBox*>(GetDlgItem(nID))->SetCurSel(nConLevel < 0 || nConLevel > 2 ? 0 : nConLevel);
    nConLevel = SelectedIndex(nID);
}

void CPreComPage::FillBars(UINT nID, int nSteelD) {
    FillCombo(nID, {"I-8", "I-10", "II-12", "II-14", "II-16", "II-18", "II-20", "II-22", "II-25"});
    SelectText(nID, BarText(nSteelD));
}

void CPreComPage::ReadBar(UINT nID, int& nSteelD) {
    if (SelectedIndex(nID) < 0) SelectText(nID, BarText(nSteelD));
    const int nIndex = SelectedIndex(nID);
    std::sscanf(SelectedText(nID), nIndex <= 1 ? "I-%d" : "II-%d", &nSteelD);
}

void CPreComPage::SelectLayout(UINT nID, int nRows, int nColumns) {
    SelectText(nID, LayoutText(nRows, nColumns));
}

void CPreComPage::ReadLayout(UINT nID, int& nRows, int& nColumns) {
    if (SelectedIndex(nID) < 0) SelectLayout(nID, nRows, nColumns);
    std::sscanf(SelectedText(nID), "%dx%d", &nRows, &nColumns);
}

void CPreComPage::FillWidths(UINT nID) {
    FillCombo(nID, {"b", "1.2b", "1.5b", "有垫板"});
    static_cast<CComboBox*>(GetDlgItem(nID))->SetCurSel(0);
}

void CPreComPage::FillDetailDiameters(UINT nID, int nSteelD) {
    FillCombo(nID, {"6", "8", "10", "12", "14", "16", "18", "20", "22", "25"});
    CString strD;
    strD.Format("%d", nSteelD);
    SelectText(nID, strD);
}

void CPreComPage::ReadDetailDiameter(UINT nID, int& nSteelD) {
    if (SelectedIndex(nID) < 0) {
        CString strD;
        strD.Format("%d", nSteelD);
        SelectText(nID, strD);
    }
    nSteelD = std::atoi(SelectedText(nID));
}

double CPreComPage::ReadFactorK(UINT nID) const {
    return std::atof(SelectedText(nID));
}

CString CPreComPage::BarText(int nSteelD) {
    CString strText;
    strText.Format(nSteelD <= 10 ? "I-%d" : "II-%d", nSteelD);
    return strText;
}

CString CPreComPage::LayoutText(int nRows, int nColumns) {
    CString strText;
    strText.Format("%dx%d", nRows, nColumns);
    return strText;
}

void CPreComPage::DrawPictures() {
    DrawPlan();
    DrawSection();
}

void CPreComPage::ReadAndShow() {
    ReadInputs();
    ShowResults();
}

void CPreComPage::ReadDrawAndShow() {
    ReadInputs();
    DrawPictures();
    ShowResults();
}

void CPreComPage::OnPaint() {
    CPaintDC dc(this);
    DrawPictures();
}
