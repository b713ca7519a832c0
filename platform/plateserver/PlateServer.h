// The plate server's library: the class CLSID_PlateSolver (plateserver/interface/PlateSolver.h)
// over the plate-bending engine. A client process loads it through CoCreateInstance, which calls
// its DllGetClassObject; a program that links it, such as a test, may register the class directly.
#pragma once

#include "com/ClassRegistry.h"
#include "plateserver/interface/PlateSolver.h"

// The factory of CLSID_PlateSolver, with the records of the type library registered.
extern "C" HRESULT DllGetClassObject(REFCLSID clsid, InprocClassFactory* factory);

// Registers the records and the class's factory in this process; revoking makes the class unknown.
void RegisterPlateServer();
void RevokePlateServer();
