#include "main/ProgramLock.h"

#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"

#include <cerrno>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Locked at once or not at all: a running program is never waited for.
bool TryLock(const FileDescriptor &fd)
{
    return ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

// The descriptor still names the file at `name`: nobody removed it as stale
// between our open and our lock.
bool StillLinked(const FileDescriptor &fd, const std::string &name)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd.get(), &opened) == 0 && ::stat(name.c_str(), &named) == 0
        && opened.st_ino == named.st_ino && opened.st_dev == named.st_dev;
}

} // namespace

std::string LockFileName(const std::string &workDir, pid_t pid)
{
    return JoinPath(workDir, std::to_string(pid) + ".lock");
}

ProgramLock::ProgramLock(std::string name, FileDescriptor fd) : m_name(std::move(name)), m_fd(std::move(fd)) {}

ProgramLock::~ProgramLock()
{
    ::unlink(m_name.c_str());
}

std::unique_ptr<ProgramLock> ProgramLock::Take(const std::string &workDir, int &code)
{
    const std::string name = LockFileName(workDir, ::getpid());
    FinishInterruptedWrites(name);
    const std::string pid = std::to_string(::getpid()) + "\n";
    constexpr int kAttempts = 3; // a file removed under us as stale is simply made again
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Written and locked under a name of its own, then renamed into place:
        // the lock file never exists empty or unlocked, and a failure leaves none.
        std::string temporary = TemporaryPattern(name, TemporaryKind::NewBytes);
        FileDescriptor fd(SystemCalls().MakeTemporary(temporary.data(), O_CLOEXEC));
        if (!fd.isOpen())
            break;
        if (::fchmod(fd.get(), 0644) != 0 || !TryLock(fd) || !WriteFully(fd.get(), pid.data(), pid.size())
            || SystemCalls().Sync(fd.get()) != 0 || SystemCalls().Rename(temporary.c_str(), name.c_str()) != 0) {
            ::unlink(temporary.c_str());
            break;
        }
        if (!StillLinked(fd, name))
            continue;
        code = rcOK;
        return std::unique_ptr<ProgramLock>(new ProgramLock(name, std::move(fd)));
    }
    code = rcFileAccessError;
    return nullptr;
}

bool IsProgramRunning(const std::string &workDir, pid_t pid)
{
    // Read-only is enough for flock, and lets us test a lock another user made.
    const FileDescriptor fd(::open(LockFileName(workDir, pid).c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        return errno != ENOENT; // a lock we may not open is assumed held
    return !TryLock(fd);        // closing the descriptor gives a lock we took back
}

void RemoveStaleLock(const std::string &workDir, pid_t pid)
{
    const std::string name = LockFileName(workDir, pid);
    FinishInterruptedWrites(name);
    const FileDescriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    // One that stays does no harm: nobody holds it, so it still reads as a dead program.
    // The name must still be the file locked: a program of the same id may just have renamed its own over it.
    if (fd.isOpen() && TryLock(fd) && StillLinked(fd, name))
        ::unlink(name.c_str());
}
