// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few file-system calls that the standard library does not offer and that the
// safe writers need: creating a file that must not exist yet, pushing written data
// and renames to the disk, an advisory lock that serializes the writers of one
// folder, and following symbolic links. Every operating-system specific call of
// the writers lives behind this interface (SystemFilesPosix.cpp and
// SystemFilesWindows.cpp), so nothing else includes a system header.
//
// Each call returns 0 or the system's error number (on Windows its errno
// equivalent), taken at once, so no later call can overwrite the reason.
#include <cstdio>
#include <string>

namespace gw::sys {

// Creates path for writing, failing with EEXIST when anything of that name
// exists (a file, a folder, a dangling link): no other writer's file is ever
// opened or truncated. The new file gets the usual rights (0666 less the umask).
int CreateNewFile(const std::string& path, std::FILE*& file);

// Flushes the stream and makes the file's data durable on the disk.
int SyncFile(std::FILE* file);

// While it is held, no other FolderLock on the same folder (in this or any
// other process) can be taken: the writers of a folder's files take it around
// their rename and .bak rotation. It leaves no file behind.
class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Waits until the lock is free.
    int Lock(const std::string& folder);
    // Makes the locked folder's entries durable (after a rename into it).
    int SyncFolder();

private:
#if defined(_WIN32)
    void* handle_ = nullptr;  // a named mutex of the folder
#else
    int handle_ = -1;  // the folder, opened
#endif
};

// Renames from to to in one step, replacing to when it exists. Empty, or the
// system's reason (on Windows its own text, as no errno says it well).
std::string MoveOver(const std::string& from, const std::string& to);

// The file a path stands for: a symbolic link (and a link to a link) is
// followed to the file it points to, which need not exist yet. Other paths come
// back unchanged.
std::string FollowLinks(const std::string& path);

}  // namespace gw::sys
