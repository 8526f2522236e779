#include "support/FileCallFault.h"

#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/TemporaryFiles.h"

#include <set>

#include <fcntl.h>

namespace {

struct FaultState {
    int failAt = 0;
    int error = EIO;
    int calls = 0;
    bool fired = false;
    bool committed = false; // a file was renamed or linked into its own name
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
    g_state.harmless = g_state.committed;
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

// Old bytes set aside under a temporary name are not the save's result.
void NoteCommitted(int result, const char *to)
{
    TemporaryName parsed;
    g_state.committed = g_state.committed || (result == 0 && !ParseTemporaryName(FileNameOf(to), parsed));
}

int Rename(const char *from, const char *to)
{
    if (FailsNow())
        return -1;
    const int result = Real().Rename(from, to);
    NoteCommitted(result, to);
    return result;
}

int Link(const char *from, const char *to)
{
    if (FailsNow())
        return -1;
    const int result = Real().Link(from, to);
    NoteCommitted(result, to);
    return result;
}

int Stat(int fd, struct stat *info)
{
    return FailsNow() ? -1 : Real().Stat(fd, info);
}

int LinkStat(const char *path, struct stat *info)
{
    return FailsNow() ? -1 : Real().LinkStat(path, info);
}

ssize_t ReadLink(const char *path, char *buffer, std::size_t size)
{
    return FailsNow() ? -1 : Real().ReadLink(path, buffer, size);
}

int Truncate(int fd, off_t size)
{
    return FailsNow() ? -1 : Real().Truncate(fd, size);
}

off_t Seek(int fd, off_t offset, int whence)
{
    return FailsNow() ? -1 : Real().Seek(fd, offset, whence);
}

int Touch(const char *path)
{
    return FailsNow() ? -1 : Real().Touch(path);
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
    SetFileSystemCallsForTesting(
        {Open, MakeTemporary, Read, Write, Sync, Rename, Close, Stat, LinkStat, ReadLink, Truncate, Seek, Link, Touch});
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
