#include "host/app/StoreSession.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "host/Store.h"
#include "host/app/JointCommit.h"

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

std::string Folder(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

}  // namespace

std::string FollowLinks(const std::string& path) {
    fs::path at = path;
    for (int hops = 0; hops < 40; ++hops) {  // a loop of links is left for opening to refuse
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) break;
        const fs::path target = fs::read_symlink(at, ec);
        if (ec) break;
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return at.string();
}

StoreSession::~StoreSession() {
    Discard();
    if (m_lock >= 0) close(m_lock);
}

std::string StoreSession::Lock(std::chrono::milliseconds wait) {
    const std::string lockPath = m_path + ".lock";
    // A link in the lock file's place is not followed: a link planted in a shared folder would have
    // the run make whatever file it leads to.
    m_lock = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_lock < 0)
        return "cannot use the store " + m_shown + ": its lock file " + lockPath + " cannot be made (" +
               std::strerror(errno) + ")";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return "cannot lock the store " + m_shown + ": " + std::strerror(errno);
        if (std::chrono::steady_clock::now() >= deadline) {
            const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(wait).count();
            char waited[32];
            std::snprintf(waited, sizeof waited, "%g", seconds);
            return "the store " + m_shown + " is in use by another run, which did not end within " + waited +
                   " s; nothing was run";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "";
}

std::string StoreSession::Open(const std::string& path, std::chrono::milliseconds wait) {
    m_shown = path;
    m_path = FollowLinks(path);
    // A pipe or a device given as the store (/dev/stdin, a process substitution …) is refused as
    // such, before a lock file is looked for beside it.
    struct stat given {};
    if (stat(path.c_str(), &given) == 0 && !S_ISREG(given.st_mode)) return "store " + m_shown + ": not a regular file";
    std::error_code ec;
    const fs::path parent = fs::path(m_path).parent_path();
    if (!parent.empty() && !fs::exists(parent, ec) && !fs::create_directories(parent, ec))
        return "cannot make the folder of the store " + m_shown + ": " + ec.message();

    std::string error = Lock(wait);
    if (!error.empty()) return error;
    JointCommit::Recover(m_path + ".commit");

    struct stat info {};
    const bool exists = stat(m_path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return "cannot use the store " + m_shown + ": " + std::strerror(errno);
    if (exists && !S_ISREG(info.st_mode)) return "store " + m_shown + ": not a regular file";
    if (exists) {
        // Found now, not when the run's values come to be stored: a store that cannot be written
        // would lose every edit of the run.
        const int fd = open(m_path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            return "the store " + m_shown + " cannot be written (" + std::strerror(errno) +
                   "); nothing was run, so that no edit is lost";
        close(fd);
    }

    RemoveLeftoverCopies(m_path);
    // A new store is private to its user; a store that exists keeps its permission bits.
    error = MakeWorkingCopy(exists ? info.st_mode & 07777 : 0600);
    if (error.empty() && exists && !fs::copy_file(m_path, m_workPath, fs::copy_options::overwrite_existing, ec))
        error = "cannot copy the store " + m_shown + ": " + ec.message();
    if (error.empty()) error = host::OpenStore(m_workPath, host::StoreSync::ByOwner, m_shown);
    if (error.empty() && !host::BeginStoreBatch()) error = "cannot begin the run's writes on the store " + m_shown;
    if (!error.empty()) Discard();
    return error;
}

std::string StoreSession::MakeWorkingCopy(unsigned mode) {
    std::string work = m_path + ".run-XXXXXX";
    const int fd = mkstemp(work.data());
    if (fd < 0) {
        return "the folder of the store " + m_shown + " cannot be written (" + std::strerror(errno) +
               "); nothing was run, so that no edit is lost";
    }
    m_workPath = work;
    const bool moded = fchmod(fd, mode) == 0;
    const int error = errno;
    close(fd);
    if (!moded) return "cannot make a working copy of the store " + m_shown + ": " + std::strerror(error);
    return "";
}

void RemoveLeftoverCopies(const std::string& path) {
    const fs::path store(path);
    const fs::path folder = Folder(path);
    const std::string prefix = store.filename().string() + ".run-";
    const std::string journal = "-journal";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const bool isJournal = name.size() > journal.size() &&
                               name.compare(name.size() - journal.size(), journal.size(), journal) == 0;
        const std::string copy = isJournal ? name.substr(0, name.size() - journal.size()) : name;
        if (copy.size() != prefix.size() + 6) continue;  // mkstemp's six characters
        std::error_code gone;
        fs::remove(it->path(), gone);
    }
}

std::string StoreSession::Prepare() {
    std::string error;
    if (!host::EndStoreBatch()) error = "cannot store the run's values in " + m_shown;
    host::CloseStore();
    if (error.empty() && !Sync(m_workPath, O_RDONLY))
        error = "cannot write the store " + m_shown + " to the disk: " + std::strerror(errno);
    if (!error.empty()) Discard();
    return error;
}

std::string StoreSession::Replace(OutputFiles& outputs) {
    std::string error = outputs.Commit(m_path + ".commit", {{m_workPath, m_path}});
    if (!error.empty()) {
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
