// One pass over a parameter object's stored fields: each field is read from the host's store or
// written to it under the key prefix (the class name and "/") followed by the field's own key.
// Reading keeps a field as it is when the store does not hold its key.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CParamExchange {
public:
    CParamExchange(LPCTSTR lpszPrefix, BOOL bSave);

    void Exchange(LPCTSTR lpszKey, CString& strValue);
    void Exchange(LPCTSTR lpszKey, double& dValue);
    void Exchange(LPCTSTR lpszKey, int& nValue);

    // FALSE once a value could not be written.
    BOOL IsWriteOk() const { return m_bWriteOk; }

    const BOOL m_bSave;

private:
    CString MakeKey(LPCTSTR lpszKey) const;

    CString m_strPrefix;
    BOOL m_bWriteOk;
};
