#include "common/FileUtils.h"

#include "common/FileDescriptor.h"
#include "common/FileSystemCalls.h"
#include "common/MessageSink.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace {

constexpr std::size_t kCopyBlockSize = 32768;

bool SameFile(const FileDescriptor &source, const std::string &destination)
{
    struct stat from, to;
    return ::fstat(source.get(), &from) == 0 && ::stat(destination.c_str(), &to) == 0
        && from.st_dev == to.st_dev && from.st_ino == to.st_ino;
}

} // namespace

std::string DirectoryOf(const std::string &path)
{
    const std::size_t cut = path.find_last_of("\\/");
    // A bare file name lies in the current directory.
    if (cut == std::string::npos)
        return ".";
    return path.substr(0, cut);
}

std::string FileNameOf(const std::string &path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
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

bool IsSameFile(const std::string &a, const std::string &b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

bool MakeDirectory(const std::string &name)
{
    struct stat info;
    if (::mkdir(name.c_str(), 0777) == 0)
        return true;
    if (errno == ENOENT) {
        const std::string parent = DirectoryOf(name);
        if (!parent.empty() && parent != name && parent != "." && MakeDirectory(parent))
            return ::mkdir(name.c_str(), 0777) == 0 || (::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
    }
    return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int ResolveLinks(const std::string &name, std::string &file)
{
    constexpr int kMaxLinks = 40; // as the kernel's own limit
    std::string current = name;
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        struct stat info;
        if (SystemCalls().LinkStat(current.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return rcFileAccessError;
            file = current;
            return rcOK;
        }
        if (!S_ISLNK(info.st_mode)) {
            file = current;
            return rcOK;
        }
        char target[PATH_MAX];
        const ssize_t n = SystemCalls().ReadLink(current.c_str(), target, sizeof target);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target)
            return rcFileAccessError;
        const std::string linked(target, static_cast<std::size_t>(n));
        current = linked.front() == '/' ? linked : JoinPath(DirectoryOf(current), linked);
    }
    return rcFileAccessError;
}

CurrentDirectoryGuard::CurrentDirectoryGuard()
{
    char path[PATH_MAX];
    if (::getcwd(path, sizeof path) != nullptr)
        m_directory = path;
}

CurrentDirectoryGuard::~CurrentDirectoryGuard()
{
    if (!m_directory.empty() && ::chdir(m_directory.c_str()) != 0) {
        // Removed meanwhile: there is nowhere to go back to, and no one to tell.
    }
}

int CopyDataFile(const std::string &source, const std::string &destination)
{
    if (!FileExists(source))
        return rcFileNotFound;
    FileDescriptor in = OpenRegularFileForReading(source);
    if (!in.isOpen())
        return rcFileAccessError;
    // Creating the destination truncates it: copying a file onto itself would
    // empty it, and the file already holds what the copy would write.
    if (SameFile(in, destination))
        return rcOK;
    FileDescriptor out(SystemCalls().Open(destination.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
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
    FileDescriptor file = OpenRegularFileForReading(name);
    if (!file.isOpen())
        return rcFileNotFound;
    const ssize_t n = ReadFully(file.get(), buffer, TSettings::Size);
    return n == static_cast<ssize_t>(TSettings::Size) ? rcOK : rcFileCorrupted;
}

int LoadTextFile(const std::string &name, std::string &text, std::size_t maxSize)
{
    constexpr std::size_t kBlockSize = 65536;
    if (!FileExists(name))
        return rcFileNotFound;
    // Only a regular file is read: a pipe or a device would block or never end.
    FileDescriptor file = OpenRegularFileForReading(name);
    struct stat info;
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0)
        return rcFileAccessError;
    // A file tells its size before anything is read.
    if (static_cast<std::uint64_t>(info.st_size) > maxSize)
        return rcFileCorrupted;
    // One that grows meanwhile is read only up to the limit.
    std::string bytes;
    std::vector<char> block(kBlockSize);
    for (;;) {
        const ssize_t n = ReadFully(file.get(), block.data(), block.size());
        if (n < 0)
            return rcFileAccessError;
        bytes.append(block.data(), static_cast<std::size_t>(n));
        if (bytes.size() > maxSize)
            return rcFileCorrupted;
        if (static_cast<std::size_t>(n) < block.size())
            break;
    }
    text = std::move(bytes);
    return rcOK;
}

std::string LoadTextFileProblem(int code)
{
    if (code == rcFileCorrupted)
        return "datoteka je veca od " + std::to_string(kMaxTextFileBytes / (1024 * 1024)) + " MB";
    return ResultText(code);
}

int LoadBuffer(const std::string &name, void *buffer, std::int64_t size, std::size_t capacity)
{
    if (!FileExists(name))
        return rcFileNotFound;
    FileDescriptor file = OpenRegularFileForReading(name);
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
