#include "com/Variant.h"

#include "com/ComError.h"
#include "com/SafeArray.h"

void VariantInit(VARIANT* v)
{
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->parray = nullptr;
}

HRESULT VariantClear(VARIANT* v)
{
    if (!v) return E_INVALIDARG;
    if (v->vt & VT_ARRAY) {
        if (v->parray) {
            const HRESULT hr = SafeArrayDestroy(v->parray);
            if (FAILED(hr)) return hr;
        }
    } else {
        switch (v->vt) {
        case VT_EMPTY:
        case VT_I4:
        case VT_R8:
            break;
        case VT_BSTR:
            SysFreeString(v->bstrVal);
            break;
        case VT_UNKNOWN:
        case VT_DISPATCH:
            if (v->punkVal) v->punkVal->Release();
            break;
        default:
            return DISP_E_BADVARTYPE;
        }
    }
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* source)
{
    if (!dest || !source) return E_INVALIDARG;
    if (dest == source) return S_OK;
    HRESULT hr = VariantClear(dest);
    if (FAILED(hr)) return hr;
    VARIANT copy = *source;
    if (source->vt & VT_ARRAY) {
        copy.parray = nullptr;
        if (source->parray) {
            hr = SafeArrayCopy(source->parray, &copy.parray);
            if (FAILED(hr)) return hr;
        }
    } else {
        switch (source->vt) {
        case VT_EMPTY:
        case VT_I4:
        case VT_R8:
            break;
        case VT_BSTR:
            copy.bstrVal = source->bstrVal ? SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal)) : nullptr;
            if (source->bstrVal && !copy.bstrVal) return E_OUTOFMEMORY;
            break;
        case VT_UNKNOWN:
        case VT_DISPATCH:
            if (copy.punkVal) copy.punkVal->AddRef();
            break;
        default:
            return DISP_E_BADVARTYPE;
        }
    }
    *dest = copy;
    return S_OK;
}

void _variant_t::Clear()
{
    const HRESULT hr = VariantClear(&m_v);
    if (FAILED(hr)) _com_issue_error(hr);
}
