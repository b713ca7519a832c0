#include "mfc/DataExchange.h"

#include "mfc/Diagnostics.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!control) {
        qelt::ReportMisuse("data exchange with control %d, which the dialog does not have", nIDC);
        Fail();
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_pDlgWnd && m_idLastControl) {
        if (HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl)) {
            ::SetFocus(control);
            if (m_bEditLastControl) ::SendMessage(control, EM_SETSEL, 0, -1);
        }
    }
    throw qelt::DataExchangeFailure{};
}
