// The elements of a one-dimensional safe array held in a VARIANT, locked while the object lives,
// after a check that the variant holds an array of the kind expected (and, for records, of the
// record type expected); and the making of such variants.
#pragma once

#include "com/SafeArray.h"

class CSafeArrayData {
public:
    CSafeArrayData() = default;
    ~CSafeArrayData();
    CSafeArrayData(const CSafeArrayData&) = delete;
    CSafeArrayData& operator=(const CSafeArrayData&) = delete;

    // DISP_E_TYPEMISMATCH when the variant holds no array, an array of another kind or of another
    // record type (recordId: null for plain arrays).
    HRESULT Open(const VARIANT& v, VARTYPE elementType, const GUID* recordId = nullptr);
    ULONG Count() const { return m_count; }
    template <class T>
    T& At(ULONG i) const { return static_cast<T*>(m_data)[i]; }
    // The first element; null for an empty array.
    template <class T>
    T* Data() const { return static_cast<T*>(m_data); }

private:
    SAFEARRAY* m_array = nullptr;
    void* m_data = nullptr;
    ULONG m_count = 0;
};

// A variant holding a new array of count records of the type library's (version 1.0) record type; the variant
// is cleared first. E_OUTOFMEMORY, or the lookup's failure for an unknown record type.
HRESULT CreateRecordArray(REFGUID libid, REFGUID recordId, ULONG count, VARIANT& v);
// A variant holding a new array of count values (VT_I4, VT_R8 or VT_BSTR); cleared first.
HRESULT CreateValueArray(VARTYPE elementType, ULONG count, VARIANT& v);
