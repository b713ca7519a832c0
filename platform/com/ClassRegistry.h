// In-process classes by class id: a server registers the function that makes its objects, and
// CoCreateInstance finds it there, as the system's registry of in-process servers would.
#pragma once

#include "com/ComBase.h"

enum : DWORD {
    CLSCTX_INPROC_SERVER = 0x1,
    CLSCTX_INPROC_HANDLER = 0x2,
    CLSCTX_LOCAL_SERVER = 0x4,
    CLSCTX_REMOTE_SERVER = 0x10,
    CLSCTX_ALL = 0x17,
};

// Makes a new object and hands out the interface asked for (AddRef'ed), as a class factory does.
typedef HRESULT (*InprocClassFactory)(REFIID riid, void** ppv);

// Registers (or replaces) the factory of a class; revoking a class that is not registered is harmless.
void CoRegisterInprocClass(REFCLSID clsid, InprocClassFactory factory);
void CoRevokeInprocClass(REFCLSID clsid);

// REGDB_E_CLASSNOTREG for an unknown class or a context without in-process servers,
// CLASS_E_NOAGGREGATION with an outer object, E_POINTER without an out pointer.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv);
// Puts an object into its running state: an in-process object is running once it exists.
HRESULT OleRun(IUnknown* object);
