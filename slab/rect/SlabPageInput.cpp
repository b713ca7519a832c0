#include "slab/rect/SlabPageInput.h"

#include "framework/InputValidator.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/MessageBox.h"

BOOL SlabInputTextValid(CString strText, int nKind) {
    return !strText.IsEmpty() && IsValidInputString(strText, strText.GetLength(), nKind);
}

BOOL SlabShowInputError(CWnd* pPage, UINT nID, LPCTSTR lpszMessage) {
    AfxMessageBox(lpszMessage, MB_OK);
    CWnd* pBox = pPage->GetDlgItem(nID);
    if (!pBox) return FALSE;
    pBox->SetFocus();
    return TRUE;
}

void SlabSelectPrefix(CWnd* pPage, UINT nID, LPCTSTR lpszText) {
    CComboBox* pCombo = static_cast<CComboBox*>(pPage->GetDlgItem(nID));
    if (!pCombo) return;
    const CString strWanted(lpszText);
    for (int i = 0; i < pCombo->GetCount(); ++i) {
        CString strItem;
        pCombo->GetLBText(i, strItem);
        if (strItem.Left(strWanted.GetLength()) == strWanted) {
            pCombo->SetCurSel(i);
            return;
        }
    }
}

void SlabEnable(CWnd* pPage, UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = pPage->GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}
