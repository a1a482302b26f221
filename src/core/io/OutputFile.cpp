// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/OutputFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

#include "core/io/SystemFiles.h"

namespace gw {

namespace {

std::atomic<std::int64_t> failAfterForTesting{-1};

// Six letters or digits, drawn afresh for every name, so parallel writers of
// the same target (threads or processes) pick different names.
std::string RandomPart() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string part(6, ' ');
    for (char& letter : part) letter = kLetters[pick(generator)];
    return part;
}

}  // namespace

void OutputFile::FailAfterBytesForTesting(std::int64_t bytes) { failAfterForTesting = bytes; }

OutputFile::~OutputFile() {
    if (file_) std::fclose(file_);
}

int OutputFile::CreateUnique(const std::string& prefix, const std::string& suffix) {
    written_ = 0;
    error_ = 0;
    failAfter_ = failAfterForTesting;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        path_ = prefix + RandomPart() + suffix;
        error = sys::CreateNewFile(path_, file_);
    }
    if (error != 0) path_.clear();
    return error;
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

int OutputFile::Close() {
    if (!file_) return EBADF;
    if (error_ == 0) Fail(sys::SyncFile(file_));
    if (std::fclose(file_) != 0) Fail(errno);
    file_ = nullptr;
    return error_;
}

void OutputFile::Remove() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!path_.empty()) std::remove(path_.c_str());
}

}  // namespace gw
