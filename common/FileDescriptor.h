#pragma once
// The one way the core opens, reads and writes files: POSIX descriptors that
// close themselves, and loops that go on after short reads and interruptions.

#include <cstddef>
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

// A regular file opened read-only; not open when there is none (a directory
// opens on POSIX but holds no data of ours).
FileDescriptor OpenRegularFileForReading(const std::string &name);

// Reads until `size` bytes arrived or the file ends: the count read, or -1 on an error.
ssize_t ReadFully(int fd, void *buffer, std::size_t size);
// False when not every byte could be written.
bool WriteFully(int fd, const void *data, std::size_t size);
