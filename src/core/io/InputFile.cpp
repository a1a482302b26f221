// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/io/FileText.h"

namespace gw {

namespace {

// The operating system's calls, in one place for every system we build on.
#ifdef _WIN32
using FileStatus = struct _stat64;
int StatPath(const std::string& path, FileStatus& status) { return _stat64(path.c_str(), &status); }
int StatOpen(int fd, FileStatus& status) { return _fstat64(fd, &status); }
// Windows has no FIFOs in its file system; a device (NUL, CON) is refused by its status.
int OpenForReading(const std::string& path) { return _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT); }
long long ReadSome(int fd, char* to, std::size_t size) {
    return _read(fd, to, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
void CloseFile(int fd) { _close(fd); }
bool IsRegular(unsigned mode) { return (mode & _S_IFMT) == _S_IFREG; }
bool IsFolder(unsigned mode) { return (mode & _S_IFMT) == _S_IFDIR; }
bool IsFifo(unsigned mode) { return (mode & _S_IFMT) == _S_IFIFO; }
bool IsDevice(unsigned mode) { return (mode & _S_IFMT) == _S_IFCHR; }
#else
using FileStatus = struct stat;
int StatPath(const std::string& path, FileStatus& status) { return ::stat(path.c_str(), &status); }
int StatOpen(int fd, FileStatus& status) { return ::fstat(fd, &status); }
// Non-blocking, so that a FIFO that slipped in between the check and the open
// cannot make the open wait for a writer; it is refused by its status next.
int OpenForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
long long ReadSome(int fd, char* to, std::size_t size) { return ::read(fd, to, size); }
void CloseFile(int fd) { ::close(fd); }
bool IsRegular(unsigned mode) { return S_ISREG(mode); }
bool IsFolder(unsigned mode) { return S_ISDIR(mode); }
bool IsFifo(unsigned mode) { return S_ISFIFO(mode); }
bool IsDevice(unsigned mode) { return S_ISCHR(mode) || S_ISBLK(mode); }
#endif

Outcome CannotRead(const std::string& path, const std::string& why) {
    return Outcome::Fail("Cannot read " + path + ": " + why);
}

Outcome TooLarge(const std::string& path, const ReadCap& cap) {
    return CannotRead(path, std::string("it is larger than ") + cap.kind + " can be (at most " +
                                std::to_string(cap.bytes) + " bytes)");
}

// Empty for a regular file, else why it is not read.
std::string NotARegularFile(unsigned mode) {
    if (IsRegular(mode)) return std::string();
    if (IsFolder(mode)) return SystemReason(EISDIR);
    if (IsFifo(mode)) return "it is a FIFO, not a regular file";
    if (IsDevice(mode)) return "it is a device, not a regular file";
    return "it is not a regular file";
}

// Checks a file's status: regular and within the cap.
Outcome CheckStatus(const std::string& path, const FileStatus& status, const ReadCap& cap) {
    if (std::string why = NotARegularFile(static_cast<unsigned>(status.st_mode)); !why.empty()) {
        return CannotRead(path, why);
    }
    if (status.st_size < 0 || static_cast<std::uint64_t>(status.st_size) > cap.bytes) return TooLarge(path, cap);
    return Outcome::Ok();
}

}  // namespace

InputFile::~InputFile() { Close(); }

void InputFile::Close() {
    if (fd_ >= 0) CloseFile(fd_);
    fd_ = -1;
}

Outcome InputFile::Open(const std::string& path, const ReadCap& cap) {
    Close();
    path_ = path;
    cap_ = cap;
    size_ = read_ = 0;
    failure_ = Outcome::Ok();
    // Looked at before it is opened: opening a device can already have effects.
    FileStatus status{};
    if (StatPath(path, status) != 0) return Outcome::Fail("Cannot open " + path + ": " + SystemReason());
    if (Outcome checked = CheckStatus(path, status, cap); !checked) return checked;
    const int fd = OpenForReading(path);
    if (fd < 0) return Outcome::Fail("Cannot open " + path + ": " + SystemReason());
    // And again once open: the name may have been given to another file meanwhile.
    if (StatOpen(fd, status) != 0) {
        const Outcome failed = CannotRead(path, SystemReason());
        CloseFile(fd);
        return failed;
    }
    if (Outcome checked = CheckStatus(path, status, cap); !checked) {
        CloseFile(fd);
        return checked;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(status.st_size);
    return Outcome::Ok();
}

std::size_t InputFile::Read(char* to, std::size_t size) {
    std::size_t got = 0;
    while (got < size && fd_ >= 0 && failure_.ok()) {
        // At the cap one more byte is asked for only to learn whether the file goes on.
        const std::uint64_t left = cap_.bytes - read_;
        char probe = 0;
        char* into = left == 0 ? &probe : to + got;
        const std::size_t want = left == 0 ? 1 : static_cast<std::size_t>(std::min<std::uint64_t>(size - got, left));
        const long long n = ReadSome(fd_, into, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            failure_ = CannotRead(path_, SystemReason());
        } else if (n == 0) {
            break;
        } else if (left == 0) {
            failure_ = TooLarge(path_, cap_);
        } else {
            got += static_cast<std::size_t>(n);
            read_ += static_cast<std::uint64_t>(n);
        }
    }
    return got;
}

}  // namespace gw
