#include "host/app/JointCommit.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace qelt::app {
namespace fs = std::filesystem;

namespace {

const char kDone[] = "-done";  // the journal of a commit decided forward
const char kNew[] = ".new";    // the journal while it is written

std::string Folder(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

bool Exists(const std::string& path, struct stat* info = nullptr) {
    struct stat local {};
    return lstat(path.c_str(), info ? info : &local) == 0;
}

// The journal's bytes: per entry what its place held ('f', 'n' or 'o'), its path and the old file's
// second name, each ended by a zero byte (no path holds one).
char Tag(int before) { return "fno"[before]; }

}  // namespace

JointCommit::JointCommit(std::string journal, std::vector<File> files)
    : m_journal(std::move(journal)), m_files(std::move(files)) {}

std::string JointCommit::Begin() {
    std::string bytes;
    for (const File& file : m_files) {
        Entry entry;
        entry.path = file.path;
        struct stat info {};
        if (Exists(file.path, &info)) entry.before = S_ISDIR(info.st_mode) ? Before::Other : Before::File;
        const fs::path place(file.path);
        const std::string suffix = file.temporary.substr(file.temporary.size() - std::min<size_t>(6, file.temporary.size()));
        entry.kept = (fs::path(Folder(file.path)) / ("." + place.filename().string() + ".qelt-old-" + suffix)).string();
        bytes += Tag(static_cast<int>(entry.before));
        bytes += '\0' + entry.path + '\0' + entry.kept + '\0';
        m_entries.push_back(entry);
    }

    const std::string written = m_journal + kNew;
    const int fd = open(written.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    std::string error = fd < 0 ? std::strerror(errno) : "";
    for (size_t done = 0; error.empty() && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) error = std::strerror(errno);
        else if (n > 0) done += static_cast<size_t>(n);
    }
    if (error.empty() && fsync(fd) != 0) error = std::strerror(errno);
    if (fd >= 0) close(fd);
    if (error.empty() && std::rename(written.c_str(), m_journal.c_str()) != 0) error = std::strerror(errno);
    if (!error.empty()) {
        unlink(written.c_str());
        m_entries.clear();
        return "cannot write the journal " + m_journal + ": " + error;
    }
    SyncFolder(Folder(m_journal));

    for (const Entry& entry : m_entries) {
        if (entry.before != Before::File || linkat(AT_FDCWD, entry.path.c_str(), AT_FDCWD, entry.kept.c_str(), 0) == 0)
            continue;
        error = "cannot keep the old " + entry.path + " until the new one is in place: " + std::strerror(errno);
        Undo();
        return error;
    }
    std::vector<std::string> folders;
    for (const Entry& entry : m_entries) folders.push_back(Folder(entry.path));
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    for (const std::string& folder : folders) SyncFolder(folder);
    return "";
}

std::string JointCommit::Put(size_t i) {
    if (std::rename(m_files[i].temporary.c_str(), m_files[i].path.c_str()) == 0) return "";
    return "cannot put " + m_files[i].path + " in place: " + std::strerror(errno);
}

void JointCommit::Finish() {
    for (const Entry& entry : m_entries) SyncFolder(Folder(entry.path));
    std::rename(m_journal.c_str(), (m_journal + kDone).c_str());
    Forward(m_journal, m_entries);
}

void JointCommit::Undo() { Back(m_journal, m_entries); }

std::string JointCommit::Run() {
    std::string error = Begin();
    for (size_t i = 0; error.empty() && i < m_files.size(); ++i) {
        error = Put(i);
        if (!error.empty()) Undo();
    }
    if (error.empty()) Finish();
    return error;
}

bool JointCommit::PutInPlace(const Entry& entry) {
    struct stat now {}, kept {};
    switch (entry.before) {
    case Before::Nothing:
        return Exists(entry.path);
    case Before::File:
        // The old file is kept under its second name: the place holds another now.
        return Exists(entry.kept, &kept) && !(Exists(entry.path, &now) && now.st_dev == kept.st_dev && now.st_ino == kept.st_ino);
    case Before::Other:
        break;
    }
    return false;
}

void JointCommit::Forward(const std::string& journal, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        if (entry.before == Before::File) unlink(entry.kept.c_str());
    }
    unlink((journal + kDone).c_str());
    SyncFolder(Folder(journal));
}

void JointCommit::Back(const std::string& journal, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        const bool put = PutInPlace(entry);
        if (entry.before == Before::File) {
            if (put) std::rename(entry.kept.c_str(), entry.path.c_str());
            else unlink(entry.kept.c_str());
        } else if (entry.before == Before::Nothing && put) {
            unlink(entry.path.c_str());
        }
    }
    for (const Entry& entry : entries) SyncFolder(Folder(entry.path));
    unlink(journal.c_str());
    SyncFolder(Folder(journal));
}

void JointCommit::Recover(const std::string& journal) {
    unlink((journal + kNew).c_str());  // nothing was done while it was written
    const bool decided = Exists(journal + kDone);
    const std::string path = decided ? journal + kDone : journal;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n > 0) bytes.append(buffer, static_cast<size_t>(n));
        else if (errno != EINTR) break;
    }
    close(fd);

    std::vector<Entry> entries;
    size_t at = 0;
    auto field = [&](std::string& text) {
        const size_t end = bytes.find('\0', at);
        if (end == std::string::npos) return false;
        text = bytes.substr(at, end - at);
        at = end + 1;
        return true;
    };
    std::string tag;
    while (at < bytes.size()) {
        Entry entry;
        if (!field(tag) || tag.size() != 1 || !std::strchr("fno", tag[0]) || !field(entry.path) || !field(entry.kept)) {
            entries.clear();  // not a journal this program wrote: there is nothing it can finish
            break;
        }
        entry.before = static_cast<Before>(std::strchr("fno", tag[0]) - "fno");
        entries.push_back(entry);
    }
    if (decided || (!entries.empty() && PutInPlace(entries.back()))) {
        if (!decided) std::rename(journal.c_str(), (journal + kDone).c_str());
        Forward(journal, entries);
    } else {
        Back(journal, entries);
    }
}

}  // namespace qelt::app
