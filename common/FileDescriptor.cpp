#include "common/FileDescriptor.h"

#include "common/FileSystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        SystemCalls().Close(m_fd);
}

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            SystemCalls().Close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

bool FileDescriptor::close()
{
    const int fd = m_fd;
    m_fd = -1;
    return SystemCalls().Close(fd) == 0;
}

FileKind KindOfFile(const std::string &name)
{
    struct stat info;
    if (::stat(name.c_str(), &info) != 0)
        return FileKind::Missing;
    switch (info.st_mode & S_IFMT) {
    case S_IFREG: return FileKind::Regular;
    case S_IFDIR: return FileKind::Directory;
    case S_IFIFO: return FileKind::Fifo;
    case S_IFCHR: return FileKind::CharacterDevice;
    case S_IFBLK: return FileKind::BlockDevice;
    case S_IFSOCK: return FileKind::Socket;
    default: return FileKind::Other;
    }
}

const char *FileKindText(FileKind kind)
{
    switch (kind) {
    case FileKind::Directory: return "directory";
    case FileKind::Fifo: return "FIFO";
    case FileKind::CharacterDevice: return "character device";
    case FileKind::BlockDevice: return "block device";
    case FileKind::Socket: return "socket";
    case FileKind::Other: return "special file";
    case FileKind::Missing:
    case FileKind::Regular: break;
    }
    return "file";
}

FileDescriptor OpenRegularFileForReading(const std::string &name)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    FileDescriptor file(SystemCalls().Open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0));
    struct stat info;
    if (!file.isOpen() || SystemCalls().Stat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return FileDescriptor();
    // A regular file never blocks; the flag goes so that reads behave as always.
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags == -1 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) == -1)
        return FileDescriptor();
    return file;
}

ssize_t ReadFully(int fd, void *buffer, std::size_t size)
{
    auto *out = static_cast<char *>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = SystemCalls().Read(fd, out + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

bool WriteFully(int fd, const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = SystemCalls().Write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadEveryBlock(int fd, const std::function<bool(const char *data, std::size_t size)> &use)
{
    if (SystemCalls().Seek(fd, 0, SEEK_SET) != 0)
        return false;
    char block[32768];
    for (;;) {
        const ssize_t n = ReadFully(fd, block, sizeof block);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!use(block, static_cast<std::size_t>(n)))
            return false;
    }
}

bool CopyWholeFile(int from, int to)
{
    if (SystemCalls().Seek(to, 0, SEEK_SET) != 0)
        return false;
    off_t total = 0;
    const bool copied = ReadEveryBlock(from, [&](const char *data, std::size_t size) {
        total += static_cast<off_t>(size);
        return WriteFully(to, data, size);
    });
    return copied && SystemCalls().Truncate(to, total) == 0 && SystemCalls().Sync(to) == 0;
}
