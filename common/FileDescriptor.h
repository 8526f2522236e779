#pragma once
// The one way the core opens, reads and writes files: POSIX descriptors that
// close themselves, and loops that go on after short reads and interruptions.

#include <cstddef>
#include <functional>
#include <string>

#include <sys/types.h>

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    // Closes early, for callers that must know whether closing succeeded.
    bool close();

private:
    int m_fd;
};

// What a name stands for, as far as the readers care: only a regular file holds
// data of ours; a FIFO or a device would block a reader or never end.
enum class FileKind { Missing, Regular, Directory, Fifo, CharacterDevice, BlockDevice, Socket, Other };

// The kind of what name (its links followed) stands for; Missing when it cannot be looked at.
FileKind KindOfFile(const std::string &name);
// "directory", "FIFO", "character device", "block device", "socket" or "special
// file", for the messages that refuse one; "file" for a regular or missing one.
const char *FileKindText(FileKind kind);

// A regular file opened read-only; not open when there is none. Anything else
// (a directory, a FIFO, a device) is refused at once: it is opened without
// waiting for a writer and looked at before a single byte is read.
FileDescriptor OpenRegularFileForReading(const std::string &name);

// Reads until `size` bytes arrived or the file ends: the count read, or -1 on an error.
ssize_t ReadFully(int fd, void *buffer, std::size_t size);
// False when not every byte could be written.
bool WriteFully(int fd, const void *data, std::size_t size);
// Makes `to` hold exactly the bytes of `from`, both from their start, and syncs
// it; false on any failed call. `to` is written in place: every name it has sees
// the new bytes.
bool CopyWholeFile(int from, int to);
// Reads `fd` from its start to its end, handing each block read to `use`;
// false on a failed seek or read, or as soon as `use` returns false.
bool ReadEveryBlock(int fd, const std::function<bool(const char *data, std::size_t size)> &use);
