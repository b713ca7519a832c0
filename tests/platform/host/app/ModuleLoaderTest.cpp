#include "host/app/ModuleLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "host/VuskMainInfo.h"
#include "mfc/user/ExtensionModule.h"

namespace qelt::app {
namespace {

bool InResourceSearch(HINSTANCE handle) {
    std::vector<HINSTANCE> handles = ExtensionResourceHandles();
    return std::find(handles.begin(), handles.end(), handle) != handles.end();
}

TEST(ModuleLoaderTest, LoadsAttachesAndDetaches) {
    // In a child process: the registry keeps the entry functions of a module once it is gone.
    EXPECT_EXIT(
        {
            std::string error;
            std::unique_ptr<LoadedModule> module = LoadedModule::Load(QELT_MODULE, &error);
            bool attached = module && InResourceSearch(module->Handle()) && g_VuskMainInfo.GetCaltFuncCount() > 0;
            HINSTANCE handle = module ? module->Handle() : nullptr;
            module.reset();
            std::exit(attached && !InResourceSearch(handle) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ModuleLoaderTest, ModulesThatCannotStartAreRefusedWithTheReason) {
    struct Case {
        const char* path;
        const char* error;
    };
    const Case cases[] = {
        {"/nonexistent/libqeltrc.so", "cannot open the module"},
        {QELT_HOST_LIBRARY, "has no entry point DllMain"},
        {QELT_REFUSING_MODULE, "refused to start"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(LoadedModule::Load(c.path, &error)) << c.path;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(g_VuskMainInfo.GetCaltFuncCount(), 0);
    }
}

}  // namespace
}  // namespace qelt::app
