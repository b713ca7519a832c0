#include "framework/ParamExchange.h"

#include "host/VuskSave.h"

CParamExchange::CParamExchange(LPCTSTR lpszPrefix, BOOL bSave)
    : m_bSave(bSave), m_strPrefix(lpszPrefix), m_bWriteOk(TRUE) {}

CString CParamExchange::MakeKey(LPCTSTR lpszKey) const { return m_strPrefix + lpszKey; }

void CParamExchange::Exchange(LPCTSTR lpszKey, CString& strValue) {
    if (m_bSave) {
        if (!CVuskSave::SetValue(MakeKey(lpszKey), strValue)) m_bWriteOk = FALSE;
    } else {
        CVuskSave::GetValue(MakeKey(lpszKey), strValue, CString(strValue));
    }
}

void CParamExchange::Exchange(LPCTSTR lpszKey, double& dValue) {
    if (m_bSave) {
        if (!CVuskSave::SetValue(MakeKey(lpszKey), dValue)) m_bWriteOk = FALSE;
    } else {
        CVuskSave::GetValue(MakeKey(lpszKey), dValue, dValue);
    }
}

void CParamExchange::Exchange(LPCTSTR lpszKey, int& nValue) {
    if (m_bSave) {
        if (!CVuskSave::SetValue(MakeKey(lpszKey), nValue)) m_bWriteOk = FALSE;
    } else {
        CVuskSave::GetValue(MakeKey(lpszKey), nValue, nValue);
    }
}
