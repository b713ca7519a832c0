#include "com/ClassRegistry.h"

#include <dlfcn.h>

#include <map>

namespace {

struct ClassEntry {
    InprocClassFactory factory = nullptr;
    std::string library;  // the server's library, until it is loaded
};

std::map<CLSID, ClassEntry>& Classes()
{
    static std::map<CLSID, ClassEntry> classes;
    return classes;
}

// Loads the class's server and takes the class's factory from it.
HRESULT LoadServer(REFCLSID clsid, ClassEntry& entry)
{
    void* library = dlopen(entry.library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return CO_E_DLLNOTFOUND;
    const auto serve = reinterpret_cast<InprocServerEntry>(dlsym(library, "DllGetClassObject"));
    InprocClassFactory factory = nullptr;
    const HRESULT hr = serve ? serve(clsid, &factory) : CO_E_ERRORINDLL;
    if (FAILED(hr) || !factory) {
        dlclose(library);
        return FAILED(hr) ? hr : CO_E_ERRORINDLL;
    }
    entry.factory = factory;
    return S_OK;
}

}  // namespace

void CoRegisterInprocClass(REFCLSID clsid, InprocClassFactory factory) { Classes()[clsid].factory = factory; }

void CoRevokeInprocClass(REFCLSID clsid) { Classes().erase(clsid); }

void CoRegisterInprocServer(REFCLSID clsid, const std::string& library) { Classes()[clsid].library = library; }

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    const auto found = Classes().find(clsid);
    if (!(context & CLSCTX_INPROC_SERVER) || found == Classes().end()) return REGDB_E_CLASSNOTREG;
    ClassEntry& entry = found->second;
    if (!entry.factory && entry.library.empty()) return REGDB_E_CLASSNOTREG;
    if (!entry.factory) {
        const HRESULT hr = LoadServer(clsid, entry);
        if (FAILED(hr)) return hr;
    }
    return entry.factory(riid, ppv);
}

HRESULT OleRun(IUnknown* object) { return object ? S_OK : E_INVALIDARG; }
