#include "host/app/ModuleLoader.h"

#include <dlfcn.h>

#include "mfc/user/Resources.h"

namespace qelt::app {

LoadedModule::LoadedModule(void* library, DllMainFunc dllMain, HINSTANCE hInstance)
    : m_library(library), m_dllMain(dllMain), m_hInstance(hInstance) {}

LoadedModule::~LoadedModule() {
    m_dllMain(m_hInstance, DLL_PROCESS_DETACH, nullptr);
    dlclose(m_library);
}

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::string& path, std::string* error) {
    void* library = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!library) {
        *error = std::string("cannot open the module: ") + dlerror();
        return nullptr;
    }
    void* symbol = dlsym(library, "DllMain");
    if (!symbol) {
        *error = "the module " + path + " has no entry point DllMain";
        dlclose(library);
        return nullptr;
    }
    auto dllMain = reinterpret_cast<DllMainFunc>(symbol);
    HINSTANCE hInstance = qelt::ModuleHandleOf(symbol);
    if (!dllMain(hInstance, DLL_PROCESS_ATTACH, nullptr)) {
        *error = "the module " + path + " refused to start (its DllMain answered 0)";
        dlclose(library);
        return nullptr;
    }
    return std::unique_ptr<LoadedModule>(new LoadedModule(library, dllMain, hInstance));
}

}  // namespace qelt::app
