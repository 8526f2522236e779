#include "common/AtomicFile.h"

#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <cstdlib>
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

// The directory of a target; the root for a name right under it.
std::string DirectoryPart(const std::string &path)
{
    const std::string dir = DirectoryOf(path);
    return dir.empty() ? std::string("/") : dir;
}

// Makes the rename itself durable; the new file is already in place, so a
// failure here cannot be undone and is not reported.
void SyncDirectory(const std::string &dir)
{
    const FileDescriptor directory(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.isOpen())
        ::fsync(directory.get());
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target)
    : m_target(std::move(target))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

int AtomicFileWriter::Open()
{
    if (m_fd >= 0 || m_committed || m_target.empty())
        return rcFileAccessError;

    mode_t mode = NewFileMode();
    struct stat existing;
    if (::stat(m_target.c_str(), &existing) == 0) {
        // Renaming over a directory would fail only at the very end.
        if (!S_ISREG(existing.st_mode))
            return rcFileAccessError;
        mode = existing.st_mode & 0777;
    }

    std::string pattern = JoinPath(DirectoryPart(m_target), "." + FileNameOf(m_target) + ".XXXXXX");
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return rcFileAccessError;
    m_fd = fd;
    m_temporary = std::move(pattern);
    if (::fchmod(m_fd, mode) != 0)
        return rcFileAccessError; // the destructor removes the temporary file
    m_failed = false;
    return rcOK;
}

bool AtomicFileWriter::Write(const void *data, std::size_t size)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (!WriteFully(m_fd, data, size))
        m_failed = true;
    return !m_failed;
}

int AtomicFileWriter::Commit()
{
    if (m_fd < 0 || m_committed)
        return rcUnexpectedError;
    // A writer whose bytes did not all arrive must never replace the target.
    bool ok = !m_failed && ::fsync(m_fd) == 0;
    if (::close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return rcUnexpectedError;
    }
    m_committed = true;
    SyncDirectory(DirectoryPart(m_target));
    return rcOK;
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
