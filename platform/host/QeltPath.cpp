#include "host/QeltPath.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "host/Problem.h"

namespace {

// The folder that holds this library, with its trailing "/".
std::string LibraryFolder() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&gVusk_GetQeltPath), &info) == 0 || !info.dli_fname) return "./";
    std::string path = info.dli_fname;
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace

CString gVusk_GetQeltPath(int nKind) {
    if (nKind != 2) {
        qelt::host::ReportProblem("gVusk_GetQeltPath(%d): no such folder", nKind);
        return CString();
    }
    const char* configured = std::getenv("QELT_SUPPORT_DIR");
    std::string folder = configured && *configured ? configured : LibraryFolder() + "qelt";
    if (folder.back() != '/') folder += '/';
    return CString(std::string_view(folder));
}
