// Extension modules: a shared library that holds resources of its own makes them part of the
// resource search (mfc/user/Resources.h) from its DllMain:
//
//     static AFX_EXTENSION_MODULE extension = {};
//     if (reason == DLL_PROCESS_ATTACH) {
//         if (!AfxInitExtensionModule(extension, hInstance)) return 0;
//         new CDynLinkLibrary(extension);      // owned by the search chain
//     } else if (reason == DLL_PROCESS_DETACH) {
//         AfxTermExtensionModule(extension);   // leaves the chain, deletes its CDynLinkLibrary
//     }
#pragma once

#include <vector>

#include "mfc/base/CmdTarget.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Records the module's handle; FALSE for a null handle.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's libraries from the search chain and deletes them.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A module in the resource search chain. Created with new; the chain owns it.
class CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

namespace qelt {
// The resource handles of the chain, most recently added first.
std::vector<HINSTANCE> ExtensionResourceHandles();
}  // namespace qelt
