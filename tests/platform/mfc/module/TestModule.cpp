// The test module's entry, shaped as a calculation module's DllMain.
#include "mfc/user/ExtensionModule.h"

namespace {
AFX_EXTENSION_MODULE g_extension = {};
}

extern "C" BOOL TestModuleMain(HINSTANCE hInstance, DWORD reason) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extension, hInstance)) return FALSE;
        new CDynLinkLibrary(g_extension);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extension);
    }
    return TRUE;
}
