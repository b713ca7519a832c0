// VARIANT: a tagged value. The kinds used here: empty, 32-bit int, double, BSTR, interface
// pointers, and safe arrays (VT_ARRAY with the element kind).
#pragma once

#include "com/Bstr.h"
#include "com/ComBase.h"

typedef unsigned short VARTYPE;
enum : VARTYPE {
    VT_EMPTY = 0,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_RECORD = 36,
    VT_ARRAY = 0x2000,
};

struct SAFEARRAY;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1, wReserved2, wReserved3;
    union {
        std::int32_t lVal;
        double dblVal;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SAFEARRAY* parray;
    };
};

void VariantInit(VARIANT* v);
// Frees what the variant holds and leaves it empty.
HRESULT VariantClear(VARIANT* v);
// A deep copy of the source into the destination, which is cleared first.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);

// A VARIANT that clears itself when it goes; Clear raises _com_error when clearing fails.
class _variant_t {
public:
    _variant_t() { VariantInit(&m_v); }
    ~_variant_t() { VariantClear(&m_v); }
    _variant_t(const _variant_t&) = delete;
    _variant_t& operator=(const _variant_t&) = delete;

    VARIANT& GetVARIANT() { return m_v; }
    const VARIANT& GetVARIANT() const { return m_v; }
    void Clear();

private:
    VARIANT m_v;
};
