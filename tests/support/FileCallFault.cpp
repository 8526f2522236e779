#include "support/FileCallFault.h"

#include "common/FileSystemCalls.h"

#include <set>

#include <fcntl.h>

namespace {

struct FaultState {
    int failAt = 0;
    int error = EIO;
    int calls = 0;
    bool fired = false;
    bool renamed = false;
    bool harmless = false;
    std::set<int> readOnly; // descriptors opened only to read
};

FaultState g_state;

// True when this call is the one to fail; errno is set for it.
bool FailsNow()
{
    if (++g_state.calls != g_state.failAt)
        return false;
    g_state.fired = true;
    g_state.harmless = g_state.renamed;
    errno = g_state.error;
    return true;
}

const FileSystemCalls &Real()
{
    return RealFileSystemCalls();
}

int Open(const char *path, int flags, mode_t mode)
{
    if (FailsNow())
        return -1;
    const int fd = Real().Open(path, flags, mode);
    if (fd >= 0 && (flags & O_ACCMODE) == O_RDONLY)
        g_state.readOnly.insert(fd);
    return fd;
}

int MakeTemporary(char *pattern, int flags)
{
    return FailsNow() ? -1 : Real().MakeTemporary(pattern, flags);
}

ssize_t Read(int fd, void *buffer, std::size_t size)
{
    return FailsNow() ? -1 : Real().Read(fd, buffer, size);
}

ssize_t Write(int fd, const void *data, std::size_t size)
{
    return FailsNow() ? -1 : Real().Write(fd, data, size);
}

int Sync(int fd)
{
    return FailsNow() ? -1 : Real().Sync(fd);
}

int Rename(const char *from, const char *to)
{
    if (FailsNow())
        return -1;
    const int result = Real().Rename(from, to);
    g_state.renamed = g_state.renamed || result == 0;
    return result;
}

// A failing close still releases the descriptor, as on Linux; of a file only
// read, it loses nothing.
int Close(int fd)
{
    const bool fails = FailsNow();
    const bool wasReadOnly = g_state.readOnly.erase(fd) == 1;
    const int result = Real().Close(fd);
    if (!fails)
        return result;
    g_state.harmless = g_state.harmless || wasReadOnly;
    errno = g_state.error;
    return -1;
}

} // namespace

FileCallFault::FileCallFault(int failAt, int error)
{
    g_state = FaultState();
    g_state.failAt = failAt;
    g_state.error = error;
    SetFileSystemCallsForTesting({Open, MakeTemporary, Read, Write, Sync, Rename, Close});
}

FileCallFault::~FileCallFault()
{
    SetFileSystemCallsForTesting(RealFileSystemCalls());
}

int FileCallFault::calls() const
{
    return g_state.calls;
}

bool FileCallFault::fired() const
{
    return g_state.fired;
}

bool FileCallFault::firedHarmlessly() const
{
    return g_state.harmless;
}
