#include "com/SafeArray.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

ULONG ElementSize(VARTYPE vt)
{
    switch (vt) {
    case VT_I4: return 4;
    case VT_R8: return 8;
    case VT_BSTR: return sizeof(BSTR);
    default: return 0;
    }
}

SAFEARRAY* Create(VARTYPE vt, LONG lowerBound, ULONG count, ULONG elementSize, IRecordInfo* info)
{
    if (elementSize == 0 || count > std::numeric_limits<ULONG>::max() / elementSize) return nullptr;
    SAFEARRAY* array = new SAFEARRAY{};
    array->cDims = 1;
    array->cbElements = elementSize;
    array->rgsabound[0] = {count, lowerBound};
    array->vt = vt;
    // calloc zeroes the elements: 0, 0.0, null texts and initialised records.
    array->pvData = count ? std::calloc(count, elementSize) : nullptr;
    if (count && !array->pvData) {
        delete array;
        return nullptr;
    }
    array->pRecInfo = info;
    if (info) info->AddRef();
    return array;
}

char* ElementAt(SAFEARRAY* array, ULONG i) { return static_cast<char*>(array->pvData) + std::size_t(i) * array->cbElements; }

}  // namespace

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count)
{
    return Create(vt, lowerBound, count, ElementSize(vt), nullptr);
}

SAFEARRAY* SafeArrayCreateVectorEx(VARTYPE vt, LONG lowerBound, ULONG count, IRecordInfo* info)
{
    if (vt != VT_RECORD) return SafeArrayCreateVector(vt, lowerBound, count);
    ULONG size = 0;
    if (!info || FAILED(info->GetSize(&size))) return nullptr;
    return Create(vt, lowerBound, count, size, info);
}

HRESULT SafeArrayDestroy(SAFEARRAY* array)
{
    if (!array) return S_OK;
    if (array->cLocks) return DISP_E_ARRAYISLOCKED;
    const ULONG count = array->rgsabound[0].cElements;
    for (ULONG i = 0; i < count && array->pvData; ++i) {
        if (array->vt == VT_BSTR) SysFreeString(*reinterpret_cast<BSTR*>(ElementAt(array, i)));
        else if (array->vt == VT_RECORD) array->pRecInfo->RecordClear(ElementAt(array, i));
    }
    std::free(array->pvData);
    if (array->pRecInfo) array->pRecInfo->Release();
    delete array;
    return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data)
{
    if (!array || !data) return E_INVALIDARG;
    ++array->cLocks;
    *data = array->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* array)
{
    if (!array) return E_INVALIDARG;
    if (array->cLocks == 0) return E_UNEXPECTED;
    --array->cLocks;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound)
{
    if (!array || !bound) return E_INVALIDARG;
    if (dim != 1) return DISP_E_BADINDEX;
    *bound = array->rgsabound[0].lLbound + static_cast<LONG>(array->rgsabound[0].cElements) - 1;
    return S_OK;
}

HRESULT SafeArrayGetRecordInfo(SAFEARRAY* array, IRecordInfo** info)
{
    if (!array || !info) return E_INVALIDARG;
    *info = array->pRecInfo;
    if (!*info) return E_INVALIDARG;
    (*info)->AddRef();
    return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* source, SAFEARRAY** copy)
{
    if (!source || !copy) return E_INVALIDARG;
    *copy = nullptr;
    const ULONG count = source->rgsabound[0].cElements;
    SAFEARRAY* result = Create(source->vt, source->rgsabound[0].lLbound, count, source->cbElements, source->pRecInfo);
    if (!result) return E_OUTOFMEMORY;
    for (ULONG i = 0; i < count; ++i) {
        char* from = ElementAt(source, i);
        char* to = ElementAt(result, i);
        if (source->vt == VT_BSTR) {
            BSTR text = *reinterpret_cast<BSTR*>(from);
            if (text && !(*reinterpret_cast<BSTR*>(to) = SysAllocStringLen(text, SysStringLen(text)))) {
                SafeArrayDestroy(result);
                return E_OUTOFMEMORY;
            }
        } else if (source->vt == VT_RECORD) {
            const HRESULT hr = source->pRecInfo->RecordCopy(from, to);
            if (FAILED(hr)) {
                SafeArrayDestroy(result);
                return hr;
            }
        } else {
            std::memcpy(to, from, source->cbElements);
        }
    }
    *copy = result;
    return S_OK;
}
