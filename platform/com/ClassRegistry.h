// In-process classes by class id, as the system's registry of in-process servers holds them: a
// class is known by the function that makes its objects (registered by a server already loaded),
// or by the library of its server, which CoCreateInstance loads the first time it is asked for the
// class, so that a process maps a server only when it uses one.
#pragma once

#include <string>

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

// What a server's library exports as "DllGetClassObject": the factory of one of its classes, or
// CLASS_E_CLASSNOTAVAILABLE for a class it does not serve.
typedef HRESULT (*InprocServerEntry)(REFCLSID clsid, InprocClassFactory* factory);

// Registers (or replaces) the factory of a class; revoking a class that is not registered is
// harmless, and a revoked class is unknown, whether it had a factory or a library.
void CoRegisterInprocClass(REFCLSID clsid, InprocClassFactory factory);
void CoRevokeInprocClass(REFCLSID clsid);
// Registers the library that serves a class, as an installation writes the class's
// InprocServer32 key; a factory registered for the class goes first.
void CoRegisterInprocServer(REFCLSID clsid, const std::string& library);

// REGDB_E_CLASSNOTREG for an unknown class or a context without in-process servers,
// CLASS_E_NOAGGREGATION with an outer object, E_POINTER without an out pointer. A class known by
// its library: CO_E_DLLNOTFOUND when the library cannot be loaded, CO_E_ERRORINDLL when it has no
// DllGetClassObject, or what that answers; the library stays loaded once it serves the class.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv);
// Puts an object into its running state: an in-process object is running once it exists.
HRESULT OleRun(IUnknown* object);
