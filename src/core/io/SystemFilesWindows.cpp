// SPDX-License-Identifier: GPL-3.0-or-later
#if defined(_WIN32)
#include "core/io/SystemFiles.h"

#include <cerrno>
#include <cstdint>
#include <cwctype>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>

namespace gw::sys {

namespace {

std::wstring Wide(const std::string& path) { return std::filesystem::path(path).wstring(); }

// The errno that says the same as a Windows error, so the writers' messages
// read alike on every system ("No such file or directory").
int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return EEXIST;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_PATHNAME: return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return ENOSPC;
        case ERROR_WRITE_PROTECT: return EROFS;
        case ERROR_DIRECTORY: return ENOTDIR;
        case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
        case ERROR_INVALID_HANDLE: return EBADF;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return ENOMEM;
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_PARAMETER: return EINVAL;
        default: return EIO;
    }
}

// The system's own words for an error, without the closing period and line break.
std::string ReasonOf(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 && text ? std::string(text, length) : "Windows error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
}

// A mutex name for a folder: the same for every spelling of it (relative,
// either separator, any letter case, as Windows file systems ignore case).
// A name may not hold a backslash after its namespace, so the full path goes
// in as a hash; two folders that share one merely take turns.
std::wstring LockNameOf(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path full = fs::absolute(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    const fs::path canonical = fs::weakly_canonical(full, ec);
    if (!ec) full = canonical;
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : full.make_preferred().wstring()) {
        hash ^= static_cast<std::uint64_t>(std::towlower(c));
        hash *= 1099511628211ull;
    }
    wchar_t hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 15];
    hex[16] = L'\0';
    return std::wstring(L"Local\\gridwright-folder-") + hex;
}

}  // namespace

int CreateNewFile(const std::string& path, std::FILE*& file) {
    file = nullptr;
    // Shared like a POSIX file: others may read it, and it can be removed or renamed.
    HANDLE handle =
        CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return ErrnoOf(GetLastError());
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        const int error = errno;
        CloseHandle(handle);
        DeleteFileW(Wide(path).c_str());
        return error;
    }
    file = _fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        _close(fd);  // closes the handle too
        DeleteFileW(Wide(path).c_str());
        return error;
    }
    return 0;
}

int SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0) return errno;
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE) return EBADF;
    if (!FlushFileBuffers(handle)) return ErrnoOf(GetLastError());
    return 0;
}

FolderLock::~FolderLock() {
    if (!handle_) return;
    ReleaseMutex(handle_);
    CloseHandle(handle_);
}

int FolderLock::Lock(const std::string& folder) {
    if (handle_) return 0;
    // A named mutex, not a byte-range lock on the folder: Windows does not lock
    // bytes of a folder, and the mutex is gone with its last holder, leaving
    // nothing on the disk.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, LockNameOf(folder).c_str());
    if (!mutex) return ErrnoOf(GetLastError());
    // WAIT_ABANDONED: its holder ended without letting go; the lock is ours now.
    const DWORD waited = WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        const int error = ErrnoOf(GetLastError());
        CloseHandle(mutex);
        return error;
    }
    handle_ = mutex;
    return 0;
}

// MoveOver writes its rename through to the disk, which leaves nothing to sync.
int FolderLock::SyncFolder() { return handle_ ? 0 : EBADF; }

std::string MoveOver(const std::string& from, const std::string& to) {
    if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return std::string();
    }
    return ReasonOf(GetLastError());
}

// Symbolic links need a privilege to make on Windows and are rare among game
// files; a link given as a target is replaced by the new file, not followed.
std::string FollowLinks(const std::string& path) { return path; }

}  // namespace gw::sys
#endif
