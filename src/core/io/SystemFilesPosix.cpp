// SPDX-License-Identifier: GPL-3.0-or-later
#if !defined(_WIN32)
#include "core/io/SystemFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace gw::sys {

namespace {

// Opens a folder for fsync and flock; -1 with errno set on failure.
int OpenFolder(const std::string& folder) {
    const char* name = folder.empty() ? "." : folder.c_str();
    int handle;
    do {
        handle = ::open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (handle < 0 && errno == EINTR);
    return handle;
}

}  // namespace

int CreateNewFile(const std::string& path, std::FILE*& file) {
    file = nullptr;
    int handle;
    do {
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (handle < 0 && errno == EINTR);
    if (handle < 0) return errno;
    file = ::fdopen(handle, "wb");
    if (!file) {
        const int error = errno;
        ::close(handle);
        ::unlink(path.c_str());
        return error;
    }
    return 0;
}

int SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0) return errno;
    if (::fsync(::fileno(file)) != 0) return errno;
    return 0;
}

FolderLock::~FolderLock() {
    if (handle_ >= 0) ::close(handle_);  // closing releases the lock
}

int FolderLock::Lock(const std::string& folder) {
    if (handle_ >= 0) return 0;
    const int handle = OpenFolder(folder);
    if (handle < 0) return errno;
    int result;
    do {
        result = ::flock(handle, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(handle);
        return error;
    }
    handle_ = handle;
    return 0;
}

int FolderLock::SyncFolder() {
    if (handle_ < 0) return EBADF;
    const int error = ::fsync(handle_) == 0 ? 0 : errno;
    // Some file systems cannot sync a folder; the rename itself is done.
    return error == EINVAL || error == EROFS ? 0 : error;
}

std::string MoveOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return std::string();
    return std::strerror(errno);
}

std::string FollowLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    // A loop of links ends the way the system ends it, after a few dozen steps.
    for (int step = 0; step < 40; ++step) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec)) break;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current.string();
}

}  // namespace gw::sys
#endif
