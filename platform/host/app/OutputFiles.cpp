#include "host/app/OutputFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qelt::app {
namespace fs = std::filesystem;

namespace {

const char kTag[] = ".qelt-";  // a temporary name is "." + the file's name + kTag + six characters

// Removes the temporary files in the folder that no run holds.
void RemoveLeftovers(const fs::path& folder) {
    std::error_code ec;
    const std::size_t tag = sizeof kTag - 1;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < tag + 8 || name[0] != '.' || name.compare(name.size() - 6 - tag, tag, kTag) != 0) continue;
        const int fd = open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code gone;
            fs::remove(it->path(), gone);
        }
        close(fd);
    }
}

}  // namespace

OutputFiles::~OutputFiles() {
    for (File& file : m_files) Remove(file);
}

void OutputFiles::Remove(File& file) {
    if (!file.temporary.empty()) unlink(file.temporary.c_str());
    if (file.lock >= 0) close(file.lock);
    file.temporary.clear();
    file.lock = -1;
}

std::string OutputFiles::Reserve(const std::string& path, std::string* error) {
    const fs::path place(path);
    const fs::path folder = place.has_parent_path() ? place.parent_path() : fs::path(".");
    if (std::find(m_cleanedFolders.begin(), m_cleanedFolders.end(), folder.string()) == m_cleanedFolders.end()) {
        RemoveLeftovers(folder);
        m_cleanedFolders.push_back(folder.string());
    }
    std::string temporary = (folder / ("." + place.filename().string() + kTag + "XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        *error = "cannot write " + path + ": " + std::strerror(errno);
        return "";
    }
    // Held while this object has it, so that another run's clean-up passes it over.
    flock(fd, LOCK_EX | LOCK_NB);
    // An output is an ordinary document, not a private file.
    fchmod(fd, 0644);
    m_files.push_back(File{temporary, path, fd});
    return temporary;
}

std::string OutputFiles::Stage(const std::string& path, const std::string& bytes) {
    std::string error;
    if (Reserve(path, &error).empty()) return error;
    File& file = m_files.back();
    for (std::size_t written = 0; written < bytes.size() && error.empty();) {
        const ssize_t n = write(file.lock, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR) error = "cannot write " + path + ": " + std::strerror(errno);
        else if (n > 0) written += static_cast<std::size_t>(n);
    }
    if (error.empty() && fsync(file.lock) != 0) error = "cannot write " + path + ": " + std::strerror(errno);
    if (!error.empty()) {
        Remove(file);
        m_files.pop_back();
    }
    return error;
}

void OutputFiles::Drop(const std::string& path) {
    for (auto it = m_files.begin(); it != m_files.end(); ++it) {
        if (it->path != path) continue;
        Remove(*it);
        m_files.erase(it);
        return;
    }
}

std::string OutputFiles::Commit() {
    // What would make a rename fail is looked for before the first one, so that a failure leaves
    // every file as it was.
    for (const File& file : m_files) {
        struct stat info {};
        if (!file.temporary.empty() && stat(file.path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return "cannot put " + file.path + " in place: a folder is in its place";
    }
    for (File& file : m_files) {
        if (file.temporary.empty()) continue;
        if (std::rename(file.temporary.c_str(), file.path.c_str()) != 0)
            return "cannot put " + file.path + " in place: " + std::strerror(errno);
        file.temporary.clear();
    }
    for (const std::string& folder : m_cleanedFolders) {
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
    return "";
}

bool OutputFiles::Holds(const std::string& path) const {
    return std::any_of(m_files.begin(), m_files.end(), [&](const File& file) { return file.path == path; });
}

}  // namespace qelt::app
