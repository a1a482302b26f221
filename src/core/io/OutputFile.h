// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The temporary file a safe write goes to: created new under a name no other
// writer uses, every write and the close checked, and its data on the disk once
// it is closed. A test seam can make the file fail after a number of bytes, so
// disk-full paths are tested without a full disk. FileReplacement (ReplaceFile.h)
// is the way to use it.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace gw {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates a file named prefix + six random letters or digits + suffix that
    // did not exist before (another name is tried when one is taken). Returns 0
    // or the system's error number.
    int CreateUnique(const std::string& prefix, const std::string& suffix);
    // Buffered; the first failure sticks and is returned by Close.
    void Write(std::string_view bytes);
    // Flushes, makes the data durable and closes; 0 or the first error number of
    // any write, the flush or the close.
    int Close();
    // Closes (if still open) and deletes the file.
    void Remove();

    const std::string& path() const { return path_; }

    // Test seam: every OutputFile created while this is set fails (with ENOSPC)
    // once it has accepted that many bytes. A negative value switches it off.
    static void FailAfterBytesForTesting(std::int64_t bytes);

private:
    void Fail(int error);
    std::FILE* file_ = nullptr;
    std::string path_;
    std::int64_t written_ = 0;
    std::int64_t failAfter_ = -1;
    int error_ = 0;
};

}  // namespace gw
