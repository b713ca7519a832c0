#include "startup/Startup.h"

#include "startup/CaltCommands.h"

AFX_EXTENSION_MODULE g_ExtensionModule = { FALSE, NULL, NULL };
HINSTANCE g_hModuleInstance = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_ExtensionModule, hInstance))
            return 0;
        new CDynLinkLibrary(g_ExtensionModule, FALSE);  // the resource search chain owns it
        RegisterCaltFuncs();
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_ExtensionModule);
    }
    g_hModuleInstance = hInstance;
    return 1;
}
