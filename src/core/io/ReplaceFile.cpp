// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/io/ReplaceFile.h"

#include <filesystem>

#include "core/io/FileText.h"
#include "core/io/SystemFiles.h"
#include "core/io/WriteTargets.h"

namespace gw {

namespace fs = std::filesystem;

FileReplacement::FileReplacement(std::string target, KeepBackup keepBackup)
    : target_(std::move(target)), keepBackup_(keepBackup) {}

FileReplacement::~FileReplacement() {
    if (begun_ && !finished_) temporary_.Remove();
}

Outcome FileReplacement::Failed(const std::string& message) {
    temporary_.Remove();
    finished_ = true;
    return Outcome::Fail(message);
}

Outcome FileReplacement::Begin() {
    if (std::string refusal = WriteTargetRefusal(target_); !refusal.empty()) {
        finished_ = true;
        return Outcome::Fail(refusal);
    }
    file_ = sys::FollowLinks(target_);
    // The temporary shows whose it is (T.v2.k3J9aQ.out beside T.v2.asc), in
    // case a killed run leaves it behind.
    if (int error = temporary_.CreateUnique(CompanionStem(file_) + ".", ".out"); error != 0) {
        finished_ = true;
        return Outcome::Fail("Cannot write " + target_ + ": " + SystemReason(error));
    }
    begun_ = true;
    return Outcome::Ok();
}

void FileReplacement::Write(std::string_view bytes) { temporary_.Write(bytes); }

Outcome FileReplacement::Commit() {
    if (!begun_ || finished_) return Outcome::Fail("Cannot write " + target_ + ": the file was not started");
    if (int error = temporary_.Close(); error != 0)
        return Failed("Cannot write " + target_ + ": " + SystemReason(error));
    const std::string& temporary = temporary_.path();
    std::error_code ec;
    const fs::file_status previous = fs::status(file_, ec);
    if (fs::exists(previous)) fs::permissions(temporary, previous.permissions(), ec);

    const std::string folder = fs::path(file_).parent_path().string();
    sys::FolderLock lock;
    if (int error = lock.Lock(folder); error != 0)
        return Failed("Cannot write " + target_ + ": " + SystemReason(error));
    // Another program may have put something else in its place meanwhile.
    if (std::string refusal = WriteTargetRefusal(target_); !refusal.empty()) return Failed(refusal);
    const std::string backup = BackupPathOf(file_);
    const bool keepsBackup = keepBackup_ == KeepBackup::Yes && fs::exists(file_, ec);
    if (keepsBackup) {
        // rename replaces the old backup in one step, so there is never a moment
        // without either the old file or its backup.
        if (std::string why = sys::MoveOver(file_, backup); !why.empty()) {
            return Failed("Cannot keep the previous " + target_ + " as " + backup + ": " + why);
        }
    }
    if (std::string why = sys::MoveOver(temporary, file_); !why.empty()) {
        std::string message = "Cannot rename " + temporary + " to " + target_ + ": " + why;
        std::error_code ignored;
        if (fs::exists(temporary, ignored)) message += " (the new data stays in " + temporary + ")";
        if (keepsBackup && fs::exists(backup, ignored)) message += " (the previous version is in " + backup + ")";
        finished_ = true;  // the temporary holds the only copy of the new data
        return Outcome::Fail(message);
    }
    finished_ = true;
    if (int error = lock.SyncFolder(); error != 0) {
        return Outcome::Fail(target_ + " was written but may not be on the disk yet: " + SystemReason(error));
    }
    return Outcome::Ok();
}

namespace {

Outcome ReplaceWith(const std::string& path, std::string_view bytes, KeepBackup keepBackup) {
    FileReplacement replacement(path, keepBackup);
    if (Outcome begun = replacement.Begin(); !begun) return begun;
    replacement.Write(bytes);
    return replacement.Commit();
}

}  // namespace

Outcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
    return ReplaceWith(path, bytes, KeepBackup::No);
}

Outcome WriteFileWithBackup(const std::string& path, std::string_view bytes) {
    return ReplaceWith(path, bytes, KeepBackup::Yes);
}

}  // namespace gw
