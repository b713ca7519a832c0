#include "host/app/StoreSession.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "host/Store.h"

namespace qelt::app {
namespace fs = std::filesystem;

StoreSession::~StoreSession() { Discard(); }

std::string StoreSession::Open(const std::string& path) {
    std::error_code ec;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty() && !fs::exists(parent, ec) && !fs::create_directories(parent, ec))
        return "cannot make the folder of the store " + parent.string() + ": " + ec.message();

    const bool exists = fs::exists(path, ec);
    if (exists) {
        // Checked in place, so that a refusal names the store itself.
        std::string error = host::OpenStore(path);
        host::CloseStore();
        if (!error.empty()) return error;
    }
    std::string work = path + ".run-XXXXXX";
    const int fd = mkstemp(work.data());
    if (fd < 0) return "cannot make a working copy beside the store " + path + ": " + std::strerror(errno);
    close(fd);
    m_workPath = work;
    if (exists && !fs::copy_file(path, work, fs::copy_options::overwrite_existing, ec)) {
        Discard();
        return "cannot copy the store " + path + ": " + ec.message();
    }
    std::string error = host::OpenStore(work);
    if (!error.empty()) {
        Discard();
        return error;
    }
    m_path = path;
    return "";
}

std::string StoreSession::Commit() {
    host::CloseStore();
    if (std::rename(m_workPath.c_str(), m_path.c_str()) != 0) {
        std::string error = "cannot replace the store " + m_path + ": " + std::strerror(errno);
        Discard();
        return error;
    }
    m_workPath.clear();
    return "";
}

void StoreSession::Discard() {
    if (m_workPath.empty()) return;
    host::CloseStore();
    std::error_code ec;
    fs::remove(m_workPath, ec);
    fs::remove(m_workPath + "-journal", ec);
    m_workPath.clear();
}

}  // namespace qelt::app
