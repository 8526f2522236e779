#include "common/FileSystemCalls.h"

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int RealOpen(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

int RealTouch(const char *path)
{
    return ::utimensat(AT_FDCWD, path, nullptr, 0);
}

const FileSystemCalls kRealCalls = {
    RealOpen, ::mkostemp, ::read,  ::write, ::fsync, ::rename, ::close,
    ::fstat,  ::lstat,    ::readlink, ::ftruncate, ::lseek, ::link, RealTouch,
};

FileSystemCalls g_calls = kRealCalls;

} // namespace

const FileSystemCalls &SystemCalls()
{
    return g_calls;
}

const FileSystemCalls &RealFileSystemCalls()
{
    return kRealCalls;
}

void SetFileSystemCallsForTesting(const FileSystemCalls &calls)
{
    g_calls = calls;
}
