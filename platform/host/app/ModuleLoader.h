// Loading the module as the platform's loader would: the shared library is opened with dlopen and
// its entry point DllMain (extern "C", found with dlsym) is called with DLL_PROCESS_ATTACH and the
// module's handle, the load address of the library (qelt::ModuleHandleOf), under which its
// resources are registered. A DllMain that answers 0 makes the load fail. Unloading calls DllMain
// with DLL_PROCESS_DETACH before the library is closed.
#pragma once

#include <memory>
#include <string>

#include "win/Windows.h"

namespace qelt::app {

class LoadedModule {
public:
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    ~LoadedModule();  // detaches and closes the library

    // Opens the library at path and attaches it; nothing and a message (UTF-8) in *error when the
    // library cannot be opened, has no DllMain or refuses the attach.
    static std::unique_ptr<LoadedModule> Load(const std::string& path, std::string* error);

    HINSTANCE Handle() const { return m_hInstance; }

private:
    typedef BOOL (*DllMainFunc)(HINSTANCE, DWORD, LPVOID);

    LoadedModule(void* library, DllMainFunc dllMain, HINSTANCE hInstance);

    void* m_library;
    DllMainFunc m_dllMain;
    HINSTANCE m_hInstance;
};

}  // namespace qelt::app
