#include "host/VuskSave.h"

#include "host/KeyedValues.h"
#include "mfc/base/Diagnostics.h"

namespace {

using qelt::host::StoreSpace;
using qelt::host::StoredValue;

const qelt::host::KeyedValues kParameters(StoreSpace::Parameters, "CVuskSave");

template <typename T>
BOOL CopyStored(LPCTSTR lpszKey, std::vector<T>& values,
                std::optional<std::vector<T>> (*read)(StoreSpace, std::string_view)) {
    if (!lpszKey) {
        qelt::ReportMisuse("CVuskSave::GetValue with a null key");
        return FALSE;
    }
    auto stored = read(StoreSpace::Parameters, lpszKey);
    if (!stored) return FALSE;
    values = std::move(*stored);
    return TRUE;
}

BOOL Store(LPCTSTR lpszKey, int nCount, const StoredValue& value) {
    if (!lpszKey || nCount < 0) {
        qelt::ReportMisuse("CVuskSave::SetValue of an array with a null key or a negative size");
        return FALSE;
    }
    return qelt::host::WriteStoredValue(StoreSpace::Parameters, lpszKey, value);
}

}  // namespace

BOOL CVuskSave::GetValue(LPCTSTR lpszKey, int& nValue, int nDefault) { return kParameters.Get(lpszKey, nValue, nDefault); }

BOOL CVuskSave::GetValue(LPCTSTR lpszKey, double& dValue, double dDefault) {
    return kParameters.Get(lpszKey, dValue, dDefault);
}

BOOL CVuskSave::GetValue(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault) {
    return kParameters.Get(lpszKey, strValue, lpszDefault);
}

BOOL CVuskSave::GetText(LPCTSTR lpszKey, char* pBuffer, int nSize, LPCTSTR lpszDefault) {
    return kParameters.GetText(lpszKey, pBuffer, nSize, lpszDefault);
}

BOOL CVuskSave::SetValue(LPCTSTR lpszKey, int nValue) { return kParameters.Set(lpszKey, nValue); }

BOOL CVuskSave::SetValue(LPCTSTR lpszKey, double dValue) { return kParameters.Set(lpszKey, dValue); }

BOOL CVuskSave::SetValue(LPCTSTR lpszKey, LPCTSTR lpszValue) { return kParameters.Set(lpszKey, lpszValue); }

BOOL CVuskSave::GetInts(LPCTSTR lpszKey, std::vector<int>& values) {
    return CopyStored<int>(lpszKey, values, &qelt::host::ReadStoredInts);
}

BOOL CVuskSave::GetDoubles(LPCTSTR lpszKey, std::vector<double>& values) {
    return CopyStored<double>(lpszKey, values, &qelt::host::ReadStoredDoubles);
}

BOOL CVuskSave::SetInts(LPCTSTR lpszKey, const int* pValues, int nCount) {
    return Store(lpszKey, nCount, StoredValue::FromInts(pValues, nCount < 0 ? 0 : static_cast<std::size_t>(nCount)));
}

BOOL CVuskSave::SetDoubles(LPCTSTR lpszKey, const double* pValues, int nCount) {
    return Store(lpszKey, nCount,
                 StoredValue::FromDoubles(pValues, nCount < 0 ? 0 : static_cast<std::size_t>(nCount)));
}
