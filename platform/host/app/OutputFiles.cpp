#include "host/app/OutputFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "host/TemporaryFile.h"

namespace qelt::app {
namespace fs = std::filesystem;

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
    const std::string folder = place.has_parent_path() ? place.parent_path().string() : ".";
    if (std::find(m_cleanedFolders.begin(), m_cleanedFolders.end(), folder) == m_cleanedFolders.end()) {
        host::RemoveUnheldTemporaries(folder);
        m_cleanedFolders.push_back(folder);
    }
    std::string temporary;
    const int fd = host::MakeTemporaryBeside(path, &temporary);
    if (fd < 0) {
        *error = "cannot write " + path + ": " + std::strerror(errno);
        return "";
    }
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

std::string OutputFiles::Commit(const std::string& journal, const std::vector<JointCommit::File>& after) {
    std::vector<JointCommit::File> files;
    for (const File& file : m_files) {
        if (!file.temporary.empty()) files.push_back({file.temporary, file.path});
    }
    files.insert(files.end(), after.begin(), after.end());
    const std::string error = JointCommit(journal, files).Run();
    if (!error.empty()) return error;
    for (File& file : m_files) file.temporary.clear();
    return "";
}

bool OutputFiles::Holds(const std::string& path) const {
    return std::any_of(m_files.begin(), m_files.end(), [&](const File& file) { return file.path == path; });
}

}  // namespace qelt::app
