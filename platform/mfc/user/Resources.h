// Resources belong to module handles. A module handle (HINSTANCE) is the load address of a
// binary: the program, the module's shared library, a test executable. Each binary that holds
// resources registers its generated tables at start-up under its own handle (ModuleHandleOf the
// tables' address), so a dlopen'ed module needs nothing more to find its own resources: the host
// program passes it the same value, qelt::ModuleHandleOf(the address of its DllMain), when it
// calls DllMain(hInstance, DLL_PROCESS_ATTACH, 0).
//
// A lookup by name and type searches the current resource handle first, then the extension
// modules (mfc/user/ExtensionModule.h, most recently added first), then the program's own handle.
#pragma once

#include "mfc/user/ResourceTables.h"
#include "mfc/base/String.h"
#include "win/Windows.h"

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The program's own module handle.
HINSTANCE AfxGetInstanceHandle();
// The first module of the search order that holds the resource; the current resource handle when
// none does.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// The string of that id in the module; its length, or 0 when there is none.
int LoadString(HINSTANCE hInstance, UINT uID, LPTSTR lpBuffer, int cchBufferMax);

namespace qelt {

HINSTANCE ModuleHandleOf(const void* addressInModule);

void RegisterModuleResources(const res::ModuleResources& resources);
void UnregisterModuleResources(const res::ModuleResources& resources);

// Lookups in one module. A name is MAKEINTRESOURCE(id), "#id" or a name (case-blind).
const res::DialogTemplate* FindDialogTemplate(HINSTANCE module, LPCTSTR name);
const res::BinaryResource* FindBinaryResource(HINSTANCE module, LPCTSTR name, LPCTSTR type);
const res::MenuTemplate* FindMenuTemplate(HINSTANCE module, LPCTSTR name);
const char* FindString(HINSTANCE module, UINT id);

// A string of the search order; false when no module has it.
bool LoadResourceString(UINT id, CString& text);

// A resource name as people read it: "123" or the name (for messages).
CString DescribeResourceName(LPCTSTR name);

}  // namespace qelt
