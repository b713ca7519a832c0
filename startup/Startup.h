// The module's start-up: its extension-module record, its own instance handle and its entry point.
#pragma once

#include "mfc/Afx.h"

// The module's record of the class library's extension modules; filled when the module attaches.
extern AFX_EXTENSION_MODULE g_ExtensionModule;
// The module's own instance handle: every command installs it as the host's resource handle for
// the time of its run, so that the module's dialog templates, bitmaps and lists are found.
extern HINSTANCE g_hModuleInstance;

// The entry point that the host's loader calls: on attach the module joins the resource search and
// registers its commands (0 when the extension module cannot be initialised: the load fails and
// nothing is registered); on detach it leaves the resource search. The handle is kept on every call.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
