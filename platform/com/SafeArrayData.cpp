#include "com/SafeArrayData.h"

CSafeArrayData::~CSafeArrayData()
{
    if (m_array) SafeArrayUnaccessData(m_array);
}

HRESULT CSafeArrayData::Open(const VARIANT& v, VARTYPE elementType, const GUID* recordId)
{
    if (m_array) return E_UNEXPECTED;
    if (v.vt != (VT_ARRAY | elementType) || !v.parray || v.parray->vt != elementType) return DISP_E_TYPEMISMATCH;
    if (recordId) {
        GUID guid{};
        if (!v.parray->pRecInfo || FAILED(v.parray->pRecInfo->GetGuid(&guid)) || guid != *recordId)
            return DISP_E_TYPEMISMATCH;
    }
    const HRESULT hr = SafeArrayAccessData(v.parray, &m_data);
    if (FAILED(hr)) return hr;
    m_array = v.parray;
    m_count = m_array->rgsabound[0].cElements;
    return S_OK;
}

HRESULT CreateRecordArray(REFGUID libid, REFGUID recordId, ULONG count, VARIANT& v)
{
    HRESULT hr = VariantClear(&v);
    if (FAILED(hr)) return hr;
    IRecordInfo* info = nullptr;
    hr = GetRecordInfoFromGuids(libid, 1, 0, GetUserDefaultLCID(), recordId, &info);
    if (FAILED(hr)) return hr;
    SAFEARRAY* array = SafeArrayCreateVectorEx(VT_RECORD, 0, count, info);
    info->Release();
    if (!array) return E_OUTOFMEMORY;
    v.vt = VT_ARRAY | VT_RECORD;
    v.parray = array;
    return S_OK;
}

HRESULT CreateValueArray(VARTYPE elementType, ULONG count, VARIANT& v)
{
    const HRESULT hr = VariantClear(&v);
    if (FAILED(hr)) return hr;
    SAFEARRAY* array = SafeArrayCreateVector(elementType, 0, count);
    if (!array) return E_OUTOFMEMORY;
    v.vt = VT_ARRAY | elementType;
    v.parray = array;
    return S_OK;
}
