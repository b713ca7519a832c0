// A module that refuses to attach, as one whose extension-module initialisation failed.
#include "win/Windows.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE /*hInstance*/, DWORD dwReason, LPVOID /*lpReserved*/)
{
    return dwReason == DLL_PROCESS_ATTACH ? 0 : 1;
}
