#include "common/AtomicFile.h"

#include "common/FileDescriptor.h"
#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <cctype>
#include <memory>
#include <utility>

#include <dirent.h>
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
    const FileDescriptor directory(SystemCalls().Open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (directory.isOpen())
        SystemCalls().Sync(directory.get());
}

// The temporary names mkostemp gives a target: "." name "." and six letters or digits.
std::string TemporaryPrefix(const std::string &target)
{
    return "." + FileNameOf(target) + ".";
}

bool IsTemporaryOf(const std::string &entry, const std::string &prefix)
{
    constexpr std::size_t kUniquePart = 6;
    if (entry.size() != prefix.size() + kUniquePart || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(entry[i])))
            return false;
    }
    return true;
}

// A save killed before its rename leaves its temporary file behind; the next
// save of the same target removes them, so they cannot pile up.
void RemoveStaleTemporaries(const std::string &dir, const std::string &target)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> listing(::opendir(dir.c_str()), &::closedir);
    if (!listing)
        return;
    const std::string prefix = TemporaryPrefix(target);
    while (const dirent *entry = ::readdir(listing.get())) {
        if (IsTemporaryOf(entry->d_name, prefix))
            ::unlink(JoinPath(dir, entry->d_name).c_str());
    }
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target)
    : m_target(std::move(target))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        SystemCalls().Close(m_fd);
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

    const std::string dir = DirectoryPart(m_target);
    RemoveStaleTemporaries(dir, m_target);
    std::string pattern = JoinPath(dir, TemporaryPrefix(m_target) + "XXXXXX");
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
    bool ok = !m_failed && SystemCalls().Sync(m_fd) == 0;
    if (SystemCalls().Close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok || SystemCalls().Rename(m_temporary.c_str(), m_target.c_str()) != 0) {
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
