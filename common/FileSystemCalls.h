#pragma once
// The system calls with which the core opens, reads, writes, syncs, renames and
// closes its files. They go through one table so that a test can make any of
// them fail; the program never replaces it and always runs the real calls.

#include <cstddef>

#include <sys/types.h>

struct FileSystemCalls {
    int (*Open)(const char *path, int flags, mode_t mode);
    int (*MakeTemporary)(char *pattern, int flags); // mkostemp
    ssize_t (*Read)(int fd, void *buffer, std::size_t size);
    ssize_t (*Write)(int fd, const void *data, std::size_t size);
    int (*Sync)(int fd);
    int (*Rename)(const char *from, const char *to);
    int (*Close)(int fd);
};

// The table in use.
const FileSystemCalls &SystemCalls();
// The POSIX calls themselves.
const FileSystemCalls &RealFileSystemCalls();
// Tests only: puts another table in place, until it is given the real one back.
void SetFileSystemCallsForTesting(const FileSystemCalls &calls);
