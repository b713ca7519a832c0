#include "com/ClassRegistry.h"

#include <map>

namespace {

std::map<CLSID, InprocClassFactory>& Classes()
{
    static std::map<CLSID, InprocClassFactory> classes;
    return classes;
}

}  // namespace

void CoRegisterInprocClass(REFCLSID clsid, InprocClassFactory factory) { Classes()[clsid] = factory; }

void CoRevokeInprocClass(REFCLSID clsid) { Classes().erase(clsid); }

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    const auto found = Classes().find(clsid);
    if (!(context & CLSCTX_INPROC_SERVER) || found == Classes().end()) return REGDB_E_CLASSNOTREG;
    return found->second(riid, ppv);
}

HRESULT OleRun(IUnknown* object) { return object ? S_OK : E_INVALIDARG; }
