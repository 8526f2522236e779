#pragma once
// The system calls with which the core opens, reads, writes, syncs, renames and
// closes its files, and looks at them and their links. They go through one
// table so that a test can make any of them fail; the program never replaces it
// and always runs the real calls.

#include <cstddef>

#include <sys/stat.h>
#include <sys/types.h>

struct FileSystemCalls {
    int (*Open)(const char *path, int flags, mode_t mode);
    int (*MakeTemporary)(char *pattern, int flags); // mkostemp
    ssize_t (*Read)(int fd, void *buffer, std::size_t size);
    ssize_t (*Write)(int fd, const void *data, std::size_t size);
    int (*Sync)(int fd);
    int (*Rename)(const char *from, const char *to);
    int (*Close)(int fd);
    int (*Stat)(int fd, struct stat *info);                   // fstat
    int (*LinkStat)(const char *path, struct stat *info);     // lstat
    ssize_t (*ReadLink)(const char *path, char *buffer, std::size_t size);
    int (*Truncate)(int fd, off_t size);                      // ftruncate
    off_t (*Seek)(int fd, off_t offset, int whence);          // lseek
    int (*Link)(const char *from, const char *to);            // a hard link, never replacing
    int (*Touch)(const char *path);                           // modification time := now
};

// The table in use.
const FileSystemCalls &SystemCalls();
// The POSIX calls themselves.
const FileSystemCalls &RealFileSystemCalls();
// Tests only: puts another table in place, until it is given the real one back.
void SetFileSystemCallsForTesting(const FileSystemCalls &calls);
