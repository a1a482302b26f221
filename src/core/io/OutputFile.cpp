#include "core/io/OutputFile.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "core/io/FileText.h"

namespace gw {

namespace {
std::atomic<std::int64_t> failAfterForTesting{-1};
}

void OutputFile::FailAfterBytesForTesting(std::int64_t bytes) { failAfterForTesting = bytes; }

OutputFile::~OutputFile() {
    if (file_) std::fclose(file_);
}

Outcome OutputFile::Open(const std::string& path) {
    path_ = path;
    written_ = 0;
    error_ = 0;
    failAfter_ = failAfterForTesting;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return Outcome::Fail("Cannot create " + path + ": " + SystemReason());
    return Outcome::Ok();
}

void OutputFile::Fail(int error) {
    if (error_ == 0) error_ = error;
}

void OutputFile::Write(std::string_view bytes) {
    if (!file_ || error_ != 0) return;
    if (failAfter_ >= 0 && written_ + static_cast<std::int64_t>(bytes.size()) > failAfter_) {
        std::size_t room = static_cast<std::size_t>(failAfter_ - written_);
        std::fwrite(bytes.data(), 1, room, file_);
        written_ += static_cast<std::int64_t>(room);
        Fail(ENOSPC);
        return;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        Fail(errno != 0 ? errno : EIO);
        return;
    }
    written_ += static_cast<std::int64_t>(bytes.size());
}

Outcome OutputFile::Close() {
    if (!file_) return Outcome::Fail("Cannot write " + path_ + ": the file is not open");
    if (std::fflush(file_) != 0) Fail(errno);
    if (std::fclose(file_) != 0) Fail(errno);
    file_ = nullptr;
    if (error_ != 0) return Outcome::Fail("Cannot write " + path_ + ": " + SystemReason(error_));
    return Outcome::Ok();
}

Outcome WriteFileWithBackup(const std::string& targetPath, const std::string& outPath,
                            const std::string& backupPath, std::string_view bytes) {
    OutputFile out;
    Outcome opened = out.Open(outPath);
    if (!opened) return opened;
    out.Write(bytes);
    Outcome closed = out.Close();
    if (!closed) {
        std::error_code ignored;
        std::filesystem::remove(outPath, ignored);
        return closed;
    }
    return CommitOutFile(targetPath, outPath, backupPath);
}

Outcome CommitOutFile(const std::string& targetPath, const std::string& outPath,
                      const std::string& backupPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(targetPath, ec)) {
        // rename replaces the old backup in one step, so there is never a moment
        // without either the old target or its backup.
        fs::rename(targetPath, backupPath, ec);
        if (ec) {
            fs::remove(outPath, ec);
            return Outcome::Fail("Cannot keep the previous " + targetPath + " as " + backupPath +
                                 ": " + ec.message());
        }
    }
    fs::rename(outPath, targetPath, ec);
    if (ec) {
        return Outcome::Fail("Cannot rename " + outPath + " to " + targetPath + ": " + ec.message() +
                             " (the new data stays in " + outPath + ")");
    }
    return Outcome::Ok();
}

}  // namespace gw
