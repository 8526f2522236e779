#include "common/FileUtils.h"

#include "common/MessageSink.h"
#include "common/ResultCodes.h"

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr std::size_t kCopyBlockSize = 32768;

// An open file descriptor, closed when it goes out of scope. close() releases
// it early when the caller must know whether closing succeeded.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

FileDescriptor OpenForReading(const std::string &name)
{
    return FileDescriptor(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
}

bool IsRegularFile(const FileDescriptor &file)
{
    struct stat info;
    return ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode);
}

// Reads until `size` bytes arrived or the file ends; the count read, or -1 on an error.
ssize_t ReadFully(int fd, void *buffer, std::size_t size)
{
    auto *out = static_cast<char *>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, out + done, size - done);
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

bool WriteFully(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SameFile(const FileDescriptor &source, const std::string &destination)
{
    struct stat from, to;
    return ::fstat(source.get(), &from) == 0 && ::stat(destination.c_str(), &to) == 0
        && from.st_dev == to.st_dev && from.st_ino == to.st_ino;
}

} // namespace

std::string DirectoryOf(const std::string &programPath)
{
    const std::size_t cut = programPath.find_last_of("\\/");
    // A bare file name lies in the current directory.
    if (cut == std::string::npos)
        return ".";
    return programPath.substr(0, cut);
}

std::string GetProgramDir()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    // Without /proc the data files are looked for in the current directory.
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof path)
        return ".";
    return DirectoryOf(std::string(path, static_cast<std::size_t>(n)));
}

std::string JoinPath(const std::string &dir, const std::string &name)
{
    if (!dir.empty() && dir.back() == '/')
        return dir + name;
    return dir + '/' + name;
}

bool FileExists(const std::string &name)
{
    struct stat info;
    return !name.empty() && ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

int CopyDataFile(const std::string &source, const std::string &destination)
{
    if (!FileExists(source))
        return rcFileNotFound;
    FileDescriptor in = OpenForReading(source);
    if (!in.isOpen())
        return rcFileAccessError;
    // Creating the destination truncates it: copying a file onto itself would
    // empty it, and the file already holds what the copy would write.
    if (SameFile(in, destination))
        return rcOK;
    FileDescriptor out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!out.isOpen())
        return rcFileCreateError;

    std::vector<char> block(kCopyBlockSize);
    for (;;) {
        const ssize_t n = ReadFully(in.get(), block.data(), block.size());
        if (n < 0)
            return rcFileAccessError;
        if (n == 0)
            break;
        if (!WriteFully(out.get(), block.data(), static_cast<std::size_t>(n)))
            return rcDiscFull;
    }
    const bool outClosed = out.close();
    const bool inClosed = in.close();
    return outClosed && inClosed ? rcOK : rcFileAccessError;
}

int ReadSettingsRecord(const std::string &name, std::uint8_t *buffer)
{
    FileDescriptor file = OpenForReading(name);
    // A directory opens on POSIX but is no settings file.
    if (!file.isOpen() || !IsRegularFile(file))
        return rcFileNotFound;
    const ssize_t n = ReadFully(file.get(), buffer, kSettingsRecordSize);
    return n == static_cast<ssize_t>(kSettingsRecordSize) ? rcOK : rcFileCorrupted;
}

int LoadBuffer(const std::string &name, void *buffer, std::int64_t size, std::size_t capacity)
{
    if (!FileExists(name))
        return rcFileNotFound;
    FileDescriptor file = OpenForReading(name);
    if (!file.isOpen())
        return rcFileAccessError;
    if (size == -1) {
        struct stat info;
        if (::fstat(file.get(), &info) != 0)
            return rcFileAccessError;
        size = info.st_size;
    }
    if (size < 0)
        return rcUnexpectedError;
    if (static_cast<std::uint64_t>(size) > capacity) {
        ShowMessage(MessageKind::Plain, "Common.LoadBuffer: Buffer overflow error");
        return rcFileCorrupted;
    }
    const ssize_t n = ReadFully(file.get(), buffer, static_cast<std::size_t>(size));
    return n == size ? rcOK : rcFileCorrupted;
}
