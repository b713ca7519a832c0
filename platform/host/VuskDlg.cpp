#include "host/VuskDlg.h"

#include "host/Numbers.h"
#include "mfc/base/Diagnostics.h"

IMPLEMENT_DYNAMIC(CVuskDlg, CDialog)

namespace {

CString IntText(int nValue) {
    CString text;
    text.Format("%d", nValue);
    return text;
}

}  // namespace

CVuskDlg::CVuskDlg(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

CWnd* CVuskDlg::Control(UINT nID, const char* pszCaller) const {
    CWnd* pControl = m_hWnd ? GetDlgItem(static_cast<int>(nID)) : NULL;
    if (!pControl)
        qelt::ReportMisuse("CVuskDlg::%s: %s control %u", pszCaller, m_hWnd ? "the dialog has no" : "no window, so no",
                           nID);
    return pControl;
}

CString CVuskDlg::GetEditText(UINT nID) const {
    CString text;
    if (CWnd* pControl = Control(nID, "GetEditText")) pControl->GetWindowText(text);
    return text;
}

void CVuskDlg::SetEditText(UINT nID, LPCTSTR lpszText) {
    if (CWnd* pControl = Control(nID, "SetEditText")) pControl->SetWindowText(lpszText);
}

void CVuskDlg::SetEditText(UINT nID, double dValue) { SetEditText(nID, ftos(dValue)); }

void CVuskDlg::SetEditText(UINT nID, int nValue) { SetEditText(nID, IntText(nValue)); }

CString CVuskDlg::GetComboBoxText(UINT nID) const {
    CString text;
    if (CWnd* pControl = Control(nID, "GetComboBoxText")) pControl->GetWindowText(text);
    return text;
}

BOOL CVuskDlg::SetComboBoxText(UINT nID, LPCTSTR lpszText) { return SelectComboItem(nID, lpszText, NULL); }

BOOL CVuskDlg::SetComboBoxText(UINT nID, double dValue) { return SelectComboItem(nID, ftos(dValue), &dValue); }

BOOL CVuskDlg::SetComboBoxText(UINT nID, int nValue) {
    double dValue = nValue;
    return SelectComboItem(nID, IntText(nValue), &dValue);
}

BOOL CVuskDlg::SelectComboItem(UINT nID, LPCTSTR lpszText, const double* pValue) {
    CWnd* pCombo = Control(nID, "SetComboBoxText");
    if (!pCombo) return FALSE;
    char szClass[32] = "";
    ::GetClassName(pCombo->m_hWnd, szClass, sizeof szClass);
    if (!lpszText || CString(szClass).CompareNoCase("ComboBox") != 0) {
        qelt::ReportMisuse("CVuskDlg::SetComboBoxText of control %u: %s", nID, lpszText ? "not a combo box" : "a null text");
        return FALSE;
    }
    const int nCount = static_cast<int>(pCombo->SendMessage(CB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        const int nLength = static_cast<int>(pCombo->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(i)));
        CString item;
        pCombo->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.GetBufferSetLength(nLength)));
        item.ReleaseBuffer(nLength);
        double dItem = 0.0;
        if (pValue ? CheckDouble(item, dItem, *pValue, *pValue) : item == lpszText) {
            pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(i));
            return TRUE;
        }
    }
    pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
    if ((pCombo->GetStyle() & 3) == CBS_DROPDOWNLIST) return FALSE;
    pCombo->SetWindowText(lpszText);
    return TRUE;
}

void CVuskDlg::SetStaticText(UINT nID, LPCTSTR lpszText) {
    if (CWnd* pControl = Control(nID, "SetStaticText")) pControl->SetWindowText(lpszText);
}

void CVuskDlg::SetStaticText(UINT nID, double dValue) { SetStaticText(nID, ftos(dValue)); }

void CVuskDlg::SetStaticText(UINT nID, int nValue) { SetStaticText(nID, IntText(nValue)); }

int CVuskDlg::GetCheckData(UINT nID) const {
    return Control(nID, "GetCheckData") ? static_cast<int>(IsDlgButtonChecked(static_cast<int>(nID))) : 0;
}

void CVuskDlg::SetCheckData(UINT nID, int nCheck) {
    if (Control(nID, "SetCheckData")) CheckDlgButton(static_cast<int>(nID), static_cast<UINT>(nCheck));
}

void CVuskDlg::SetWindowTextA(LPCTSTR lpszText) {
    if (!m_hWnd) {
        qelt::ReportMisuse("CVuskDlg::SetWindowTextA on a dialog without a window");
        return;
    }
    SetWindowText(lpszText);
}
