#include "mfc/user/ExtensionModule.h"

#include <algorithm>

#include "mfc/base/Diagnostics.h"

namespace {

// The chain, most recently added first. It owns its libraries; those that no module removed are
// deleted at exit.
struct Chain {
    std::vector<CDynLinkLibrary*> libraries;

    ~Chain() {
        std::vector<CDynLinkLibrary*> remaining;
        remaining.swap(libraries);
        for (CDynLinkLibrary* library : remaining) delete library;
    }
};

Chain& TheChain() {
    static Chain chain;
    return chain;
}

}  // namespace

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!hModule) {
        qelt::ReportMisuse("AfxInitExtensionModule with a null module handle");
        return FALSE;
    }
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    std::vector<CDynLinkLibrary*> leaving;
    for (CDynLinkLibrary* library : TheChain().libraries) {
        if (library->m_hModule == state.hModule) leaving.push_back(library);
    }
    for (CDynLinkLibrary* library : leaving) delete library;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    if (!state.bInitialized) qelt::ReportMisuse("CDynLinkLibrary of a module that AfxInitExtensionModule did not set up");
    auto& libraries = TheChain().libraries;
    libraries.insert(libraries.begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    auto& libraries = TheChain().libraries;
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}

namespace qelt {

std::vector<HINSTANCE> ExtensionResourceHandles() {
    std::vector<HINSTANCE> handles;
    for (const CDynLinkLibrary* library : TheChain().libraries) handles.push_back(library->m_hResource);
    return handles;
}

}  // namespace qelt
