// Making a file that this user cannot write, in a way that holds for root too.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

namespace qelt::test {

// Sets or clears the immutable attribute; false where the file system or the user cannot.
inline bool SetImmutable(const std::filesystem::path& path, bool on) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

// Mode 444 for a user; for root, who writes any mode, the immutable attribute. False when neither
// can be had here (the caller then skips its case).
inline bool MakeReadOnly(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    if (geteuid() != 0) {
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        return true;
    }
    return SetImmutable(path, true);
}

}  // namespace qelt::test
