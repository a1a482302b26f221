// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file's whole content without ever leaving it half written, and
// without two writers ever crossing: the bytes go to a temporary file of its
// own beside the file, which is flushed to the disk and renamed over the file
// only when every write and the close succeeded. The writers of one folder
// take turns for the renames (and the .bak rotation), so parallel runs never
// mix their data; the folder is flushed after the rename.
//
// One rule for every writer: a target is refused before anything is written
// when WriteTargetRefusal names a reason (a folder, not a regular file, a name
// ending in .out or .bak). A symbolic link is written through: the file it
// points to is replaced, its backup lies beside that file, and the link stays
// a link. An existing file's access rights carry over to the new one.
#include <string>
#include <string_view>

#include "core/Outcome.h"
#include "core/io/OutputFile.h"

namespace gw {

enum class KeepBackup {
    No,
    Yes,  // the previous file becomes BackupPathOf(file), replacing the older backup
};

class FileReplacement {
public:
    FileReplacement(std::string target, KeepBackup keepBackup);
    // A replacement that was not committed removes its temporary file.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Checks the target and creates the temporary file; on failure nothing was
    // written and the message names the target and the reason.
    Outcome Begin();
    void Write(std::string_view bytes);
    // Puts the written bytes in place. On failure the target and its backup
    // are as they were (unless the message says otherwise) and no temporary
    // file remains, except one that the message names as holding the new data.
    Outcome Commit();

private:
    Outcome Failed(const std::string& message);

    std::string target_;  // as given: the messages name it
    std::string file_;    // the file it stands for, links followed
    KeepBackup keepBackup_;
    OutputFile temporary_;
    bool begun_ = false;
    bool finished_ = false;
};

// The whole replacement in one call, for bytes already in memory.
Outcome ReplaceFileContents(const std::string& path, std::string_view bytes);
Outcome WriteFileWithBackup(const std::string& path, std::string_view bytes);

}  // namespace gw
