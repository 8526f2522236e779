#include "common/FileSystemCalls.h"

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

int RealOpen(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

const FileSystemCalls kRealCalls = {
    RealOpen, ::mkostemp, ::read, ::write, ::fsync, ::rename, ::close,
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
