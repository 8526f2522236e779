#pragma once
// Which programs are running on one work folder: each holds an flock on
// "<pid>.lock" there for as long as it runs. The kernel drops the lock when a
// program dies, however it dies, so a lock nobody holds marks a dead program.

#include "common/FileDescriptor.h"

#include <memory>
#include <string>

#include <sys/types.h>

std::string LockFileName(const std::string &workDir, pid_t pid);

class ProgramLock {
public:
    // This process's lock in workDir (which must exist): null and code set to
    // -147 when the file cannot be created or locked; no file is left then.
    static std::unique_ptr<ProgramLock> Take(const std::string &workDir, int &code);
    ~ProgramLock(); // removes the lock file: a normal end leaves nothing behind
    ProgramLock(const ProgramLock &) = delete;
    ProgramLock &operator=(const ProgramLock &) = delete;

private:
    ProgramLock(std::string name, FileDescriptor fd);

    std::string m_name;
    FileDescriptor m_fd;
};

// True while program `pid` holds its lock in workDir. Another process only:
// this process's own lock reads as held.
bool IsProgramRunning(const std::string &workDir, pid_t pid);
// Removes the lock file of a program that no longer runs, and what its killed
// lock writes left; a held lock stays.
void RemoveStaleLock(const std::string &workDir, pid_t pid);
