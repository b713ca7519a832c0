#include "host/TemporaryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace qelt::host {
namespace fs = std::filesystem;

namespace {

const char kTag[] = ".qelt-";  // a temporary name is "." + the file's name + kTag + six characters

}  // namespace

int MakeTemporaryBeside(const std::string& path, std::string* temporary) {
    const fs::path place(path);
    const fs::path folder = place.has_parent_path() ? place.parent_path() : fs::path(".");
    *temporary = (folder / ("." + place.filename().string() + kTag + "XXXXXX")).string();
    const int fd = mkstemp(temporary->data());
    if (fd < 0) return -1;
    // Held while it is written, so that another run's clean-up passes it over.
    flock(fd, LOCK_EX | LOCK_NB);
    fchmod(fd, 0644);
    return fd;
}

void RemoveUnheldTemporaries(const std::string& folder) {
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

}  // namespace qelt::host
