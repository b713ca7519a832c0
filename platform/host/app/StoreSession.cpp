#include "host/app/StoreSession.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "host/Store.h"

namespace qelt::app {
namespace fs = std::filesystem;

namespace {

// Syncs a file, or a folder's entries, to the disk; false with errno set when it could not.
bool Sync(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    const int error = errno;
    close(fd);
    errno = error;
    return synced;
}

}  // namespace

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
    std::string error = host::OpenStore(work, host::StoreSync::ByOwner);
    if (error.empty() && !host::BeginStoreBatch()) error = "cannot begin the run's writes on the store " + path;
    if (!error.empty()) {
        Discard();
        return error;
    }
    m_path = path;
    return "";
}

std::string StoreSession::Commit() {
    if (!host::EndStoreBatch()) {
        Discard();
        return "cannot store the run's values in " + m_path;
    }
    host::CloseStore();
    if (!Sync(m_workPath, O_RDONLY)) {
        std::string error = "cannot write the store " + m_path + " to the disk: " + std::strerror(errno);
        Discard();
        return error;
    }
    if (std::rename(m_workPath.c_str(), m_path.c_str()) != 0) {
        std::string error = "cannot replace the store " + m_path + ": " + std::strerror(errno);
        Discard();
        return error;
    }
    m_workPath.clear();
    // The new name reaches the disk with the folder; the store itself is complete either way.
    const fs::path parent = fs::path(m_path).parent_path();
    Sync(parent.empty() ? "." : parent.string(), O_RDONLY | O_DIRECTORY);
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
