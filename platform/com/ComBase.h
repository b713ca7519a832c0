// The base of COM: result codes, GUIDs and the two interfaces every object and every automation
// object has. Result codes keep their 32-bit values, negative for a failure, in the wider HRESULT.
#pragma once

#include <cstdint>

#include "win/WinTypes.h"

constexpr HRESULT MakeHResult(std::uint32_t code) { return static_cast<HRESULT>(static_cast<std::int32_t>(code)); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
constexpr HRESULT DISP_E_BADVARTYPE = MakeHResult(0x80020008);
constexpr HRESULT DISP_E_ARRAYISLOCKED = MakeHResult(0x8002000D);
constexpr HRESULT DISP_E_BADINDEX = MakeHResult(0x8002000B);
constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
constexpr HRESULT CO_E_DLLNOTFOUND = MakeHResult(0x800401F8);
constexpr HRESULT CO_E_ERRORINDLL = MakeHResult(0x800401F9);
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = MakeHResult(0x8002802B);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const GUID& REFGUID;
typedef const IID& REFIID;
typedef const CLSID& REFCLSID;
typedef DWORD LCID;

bool IsEqualGUID(REFGUID a, REFGUID b);
inline bool operator==(REFGUID a, REFGUID b) { return IsEqualGUID(a, b); }
inline bool operator!=(REFGUID a, REFGUID b) { return !IsEqualGUID(a, b); }
inline bool operator<(REFGUID a, REFGUID b)
{
    if (a.Data1 != b.Data1) return a.Data1 < b.Data1;
    if (a.Data2 != b.Data2) return a.Data2 < b.Data2;
    if (a.Data3 != b.Data3) return a.Data3 < b.Data3;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return a.Data4[i] < b.Data4[i];
    return false;
}

extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_NULL;

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// An automation object. This platform has no type information to hand out: the calls through
// names answer E_NOTIMPL, and objects are called through their own interfaces.
class IDispatch : public IUnknown {
public:
    virtual HRESULT GetTypeInfoCount(UINT* pctinfo) = 0;
    virtual HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, void** ppTInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID riid, const wchar_t** names, UINT count, LCID lcid, LONG* ids) = 0;
    virtual HRESULT Invoke(LONG id, REFIID riid, LCID lcid, WORD flags, void* params, void* result,
                           void* excepInfo, UINT* argErr) = 0;

protected:
    ~IDispatch() = default;
};

// The locale of the user (Chinese, PRC), whose ANSI code page is GBK.
LCID GetUserDefaultLCID();
