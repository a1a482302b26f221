#pragma once
// The one way the core writes a file: every write and the close are checked, and a
// test seam can make the file fail after a number of bytes, so disk-full paths are
// tested without a full disk.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/Outcome.h"

namespace gw {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates or truncates the file.
    Outcome Open(const std::string& path);
    // Buffered; the first failure sticks and is reported by Close.
    void Write(std::string_view bytes);
    // Flushes and closes; fails when any write or the close failed.
    Outcome Close();

    const std::string& path() const { return path_; }

    // Test seam: every OutputFile opened while this is set fails (with ENOSPC)
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

// Writes bytes to outPath and then puts it in place of targetPath, keeping the
// previous target as backupPath. Nothing of the target or its backup is touched
// until the new file is completely and successfully written; on failure the
// .out file is removed and the message names the file and the system's reason.
Outcome WriteFileWithBackup(const std::string& targetPath, const std::string& outPath,
                            const std::string& backupPath, std::string_view bytes);

// Second half of the above: the old backup gives way to the old target, the new
// file takes the target's name.
Outcome CommitOutFile(const std::string& targetPath, const std::string& outPath,
                      const std::string& backupPath);

}  // namespace gw
