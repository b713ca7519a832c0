// CVuskSave: the commands' parameters in the host program's store (host/Store.h), one value per key.
//
// GetValue sets the value to the one stored under the key and returns TRUE; when the key is absent it
// sets the default and returns FALSE. A stored value of another kind than asked for (an int read as
// a text, …) also gives the default and FALSE, with a diagnostic; so does a store that is not open.
// The default may be the variable itself (GetValue(key, m_str, m_str) keeps it when absent).
// SetValue returns TRUE once the value is durably stored, FALSE (with a diagnostic) otherwise.
// Keys and texts are the system's GBK bytes, kept byte for byte; doubles keep their bit pattern.
// Arrays of ints and of doubles are stored and read whole; reading one has no default: an absent key
// (or a value of another kind) leaves the array as it was.
#pragma once

#include <vector>

#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CVuskSave {
public:
    static BOOL GetValue(LPCTSTR lpszKey, int& nValue, int nDefault);
    static BOOL GetValue(LPCTSTR lpszKey, double& dValue, double dDefault);
    static BOOL GetValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault);
    // A text into a character array; a stored text that does not fit (with its terminator) is not cut:
    // the default is taken, with a diagnostic. A default that does not fit is cut at a whole character.
    template <int N>
    static BOOL GetValue(LPCTSTR lpszKey, char (&szValue)[N], LPCTSTR lpszDefault) {
        return GetText(lpszKey, szValue, N, lpszDefault);
    }

    template <class ARG_TYPE>
    static BOOL GetValue(LPCTSTR lpszKey, CArray<int, ARG_TYPE>& arrValues) {
        return GetArray(lpszKey, arrValues, &GetInts);
    }
    template <class ARG_TYPE>
    static BOOL GetValue(LPCTSTR lpszKey, CArray<double, ARG_TYPE>& arrValues) {
        return GetArray(lpszKey, arrValues, &GetDoubles);
    }

    static BOOL SetValue(LPCTSTR lpszKey, int nValue);
    static BOOL SetValue(LPCTSTR lpszKey, double dValue);
    static BOOL SetValue(LPCTSTR lpszKey, LPCTSTR lpszValue);
    template <class ARG_TYPE>
    static BOOL SetValue(LPCTSTR lpszKey, const CArray<int, ARG_TYPE>& arrValues) {
        return SetInts(lpszKey, arrValues.GetData(), arrValues.GetSize());
    }
    template <class ARG_TYPE>
    static BOOL SetValue(LPCTSTR lpszKey, const CArray<double, ARG_TYPE>& arrValues) {
        return SetDoubles(lpszKey, arrValues.GetData(), arrValues.GetSize());
    }

private:
    static BOOL GetText(LPCTSTR lpszKey, char* pBuffer, int nSize, LPCTSTR lpszDefault);
    static BOOL GetInts(LPCTSTR lpszKey, std::vector<int>& values);
    static BOOL GetDoubles(LPCTSTR lpszKey, std::vector<double>& values);
    static BOOL SetInts(LPCTSTR lpszKey, const int* pValues, int nCount);
    static BOOL SetDoubles(LPCTSTR lpszKey, const double* pValues, int nCount);

    template <class TYPE, class ARG_TYPE>
    static BOOL GetArray(LPCTSTR lpszKey, CArray<TYPE, ARG_TYPE>& arrValues,
                         BOOL (*read)(LPCTSTR, std::vector<TYPE>&)) {
        std::vector<TYPE> values;
        if (!read(lpszKey, values)) return FALSE;
        arrValues.SetSize(static_cast<int>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) arrValues[static_cast<int>(i)] = values[i];
        return TRUE;
    }
};
