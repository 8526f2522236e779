#pragma once
// Makes the k-th file system call of the core fail with a chosen errno, and
// counts the calls made; the real calls are back when it goes out of scope.
// One at a time: the calls have no room for state, so it lives in the file.

#include <cerrno>

class FileCallFault {
public:
    // failAt 0 only counts.
    explicit FileCallFault(int failAt = 0, int error = EIO);
    ~FileCallFault();
    FileCallFault(const FileCallFault &) = delete;
    FileCallFault &operator=(const FileCallFault &) = delete;

    int calls() const;
    bool fired() const;
    // The failed call could not spoil a save: it came after the new file was
    // renamed or linked into place, or it closed a file that was only read.
    bool firedHarmlessly() const;
};
