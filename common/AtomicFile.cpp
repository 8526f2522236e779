#include "common/AtomicFile.h"

#include "common/FileDescriptor.h"
#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A new file gets the permissions any program would create it with (0666 less
// the user's umask); a replaced file keeps its own.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The directory of a file; the root for a name right under it.
std::string DirectoryPart(const std::string &path)
{
    const std::string dir = DirectoryOf(path);
    return dir.empty() ? std::string("/") : dir;
}

// Makes the rename itself durable; the new file is already in place, so a
// failure here cannot be undone and is not reported.
void SyncDirectory(const std::string &dir)
{
    const FileDescriptor directory(SystemCalls().Open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (directory.isOpen())
        SystemCalls().Sync(directory.get());
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target)
    : m_target(std::move(target))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_inPlace && !m_committed) {
        // The old bytes stay beside the file when they cannot be put back.
        if (PutOldBytesBack())
            RemoveTemporary();
    }
    if (m_fd >= 0)
        SystemCalls().Close(m_fd);
    if (!m_committed && !m_inPlace)
        RemoveTemporary();
}

int AtomicFileWriter::Open()
{
    if (m_fd >= 0 || m_committed || m_target.empty() || ResolveLinks(m_target, m_file) != rcOK)
        return rcFileAccessError;
    FinishInterruptedWrites(m_file);

    struct stat existing;
    if (SystemCalls().LinkStat(m_file.c_str(), &existing) != 0)
        return errno == ENOENT ? OpenReplacement(NewFileMode()) : rcFileAccessError;
    // Renaming over a directory would fail only at the very end.
    if (!S_ISREG(existing.st_mode))
        return rcFileAccessError;
    return existing.st_nlink > 1 ? OpenInPlace() : OpenReplacement(existing.st_mode & 0777);
}

int AtomicFileWriter::OpenReplacement(mode_t mode)
{
    std::string pattern = TemporaryPattern(m_file, TemporaryKind::NewBytes);
    const int fd = SystemCalls().MakeTemporary(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return rcFileAccessError;
    m_fd = fd;
    m_temporary = std::move(pattern);
    if (::fchmod(m_fd, mode) != 0)
        return rcFileAccessError; // the destructor removes the temporary file
    m_failed = false;
    return rcOK;
}

int AtomicFileWriter::OpenInPlace()
{
    // The old bytes arrive under the mark of new bytes and take the mark of old
    // ones only once complete: a half copy is never put back over the file.
    std::string pattern = TemporaryPattern(m_file, TemporaryKind::NewBytes);
    FileDescriptor copy(SystemCalls().MakeTemporary(pattern.data(), O_CLOEXEC));
    if (!copy.isOpen())
        return rcFileAccessError;
    m_temporary = std::move(pattern);
    const FileDescriptor file = OpenRegularFileForReading(m_file);
    if (::fchmod(copy.get(), 0600) != 0 || !file.isOpen() || !CopyWholeFile(file.get(), copy.get()) || !copy.close()) {
        RemoveTemporary();
        return rcFileAccessError;
    }
    const std::string oldBytes = RenamedAs(m_temporary, TemporaryKind::OldBytes);
    if (SystemCalls().Rename(m_temporary.c_str(), oldBytes.c_str()) != 0) {
        RemoveTemporary();
        return rcFileAccessError;
    }
    m_temporary = oldBytes;
    m_fd = SystemCalls().Open(m_file.c_str(), O_WRONLY | O_CLOEXEC, 0);
    if (m_fd < 0) {
        RemoveTemporary();
        return rcFileAccessError;
    }
    m_inPlace = true;
    m_failed = false;
    return rcOK;
}

bool AtomicFileWriter::Write(const void *data, std::size_t size)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (!WriteFully(m_fd, data, size))
        m_failed = true;
    else
        m_written += static_cast<off_t>(size);
    return !m_failed;
}

int AtomicFileWriter::Commit()
{
    if (m_fd < 0 || m_committed)
        return rcUnexpectedError;
    return m_inPlace ? CommitInPlace() : CommitReplacement();
}

int AtomicFileWriter::CommitReplacement()
{
    // A writer whose bytes did not all arrive must never replace the file.
    bool ok = !m_failed && SystemCalls().Sync(m_fd) == 0;
    if (SystemCalls().Close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok || SystemCalls().Rename(m_temporary.c_str(), m_file.c_str()) != 0) {
        RemoveTemporary();
        return rcUnexpectedError;
    }
    m_temporary.clear();
    m_committed = true;
    SyncDirectory(DirectoryPart(m_file));
    return rcOK;
}

int AtomicFileWriter::CommitInPlace()
{
    bool ok = !m_failed && SystemCalls().Truncate(m_fd, m_written) == 0 && SystemCalls().Sync(m_fd) == 0;
    if (SystemCalls().Close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok)
        return rcUnexpectedError; // the destructor puts the old bytes back
    m_committed = true;
    RemoveTemporary();
    return rcOK;
}

bool AtomicFileWriter::PutOldBytesBack()
{
    if (m_fd < 0)
        m_fd = SystemCalls().Open(m_file.c_str(), O_WRONLY | O_CLOEXEC, 0);
    const FileDescriptor oldBytes = OpenRegularFileForReading(m_temporary);
    bool back = m_fd >= 0 && oldBytes.isOpen() && CopyWholeFile(oldBytes.get(), m_fd);
    if (m_fd >= 0 && SystemCalls().Close(m_fd) != 0)
        back = false;
    m_fd = -1;
    return back;
}

void AtomicFileWriter::RemoveTemporary()
{
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

int WriteFileAtomically(const std::string &target, const void *data, std::size_t size)
{
    AtomicFileWriter writer(target);
    const int opened = writer.Open();
    if (opened != rcOK)
        return opened;
    if (!writer.Write(data, size))
        return rcDiscFull;
    return writer.Commit();
}
