#include "host/app/StoreSession.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    RemoveLeftoverCopies(path);
    m_path = path;
    std::string made = MakeWorkingCopy();
    if (!made.empty()) return made;
    const std::string work = m_workPath;
    if (exists && !fs::copy_file(path, work, fs::copy_options::overwrite_existing, ec)) {
        Discard();
        return "cannot copy the store " + path + ": " + ec.message();
    }
    std::string error = host::OpenStore(work);
    if (!error.empty()) {
        Discard();
        return error;
    }
    return "";
}

std::string StoreSession::MakeWorkingCopy() {
    // Another run's clean-up may take a copy that is not locked yet for a leftover: a copy is used
    // only once it is locked and still the file of its name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string work = m_path + ".run-XXXXXX";
        const int fd = mkstemp(work.data());
        if (fd < 0) return "cannot make a working copy beside the store " + m_path + ": " + std::strerror(errno);
        struct stat opened {}, named {};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &opened) == 0 && stat(work.c_str(), &named) == 0 &&
            opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
            m_lock = fd;
            m_workPath = work;
            return "";
        }
        close(fd);
    }
    return "cannot make a working copy beside the store " + m_path + ": other runs keep taking it";
}

void RemoveLeftoverCopies(const std::string& path) {
    const fs::path store(path);
    const fs::path folder = store.has_parent_path() ? store.parent_path() : fs::path(".");
    const std::string prefix = store.filename().string() + ".run-";
    const std::string journal = "-journal";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const bool isJournal = name.size() > journal.size() && name.compare(name.size() - journal.size(), journal.size(), journal) == 0;
        const std::string copy = isJournal ? name.substr(0, name.size() - journal.size()) : name;
        if (copy.size() != prefix.size() + 6) continue;  // mkstemp's six characters
        const fs::path copyPath = folder / copy;
        std::error_code gone;
        if (isJournal) {
            // A journal whose copy is gone belongs to no run; one with its copy goes with the copy.
            if (!fs::exists(copyPath, gone)) fs::remove(it->path(), gone);
            continue;
        }
        const int fd = open(copyPath.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fs::remove(copyPath.string() + journal, gone);
            fs::remove(copyPath, gone);
        }
        close(fd);
    }
}

std::string StoreSession::Commit() {
    host::CloseStore();
    if (std::rename(m_workPath.c_str(), m_path.c_str()) != 0) {
        std::string error = "cannot replace the store " + m_path + ": " + std::strerror(errno);
        Discard();
        return error;
    }
    m_workPath.clear();
    close(m_lock);
    m_lock = -1;
    return "";
}

void StoreSession::Discard() {
    if (m_workPath.empty()) return;
    host::CloseStore();
    std::error_code ec;
    fs::remove(m_workPath, ec);
    fs::remove(m_workPath + "-journal", ec);
    m_workPath.clear();
    if (m_lock >= 0) close(m_lock);
    m_lock = -1;
}

}  // namespace qelt::app
