#pragma once
// What a document knows of its file: the size and a checksum of the bytes it
// read or last wrote. Before a save over that file, the file on disk is compared
// with it, so that a list another program saved meanwhile is not overwritten
// blindly. Times are left out on purpose: shared folders keep them coarsely (a
// second, two on some), and a file touched or copied back with the same bytes
// holds nothing to lose.

#include <cstddef>
#include <cstdint>
#include <string>

struct FileFingerprint {
    std::uint64_t size = 0;
    std::uint64_t checksum = 0;

    bool operator==(const FileFingerprint &other) const { return size == other.size && checksum == other.checksum; }
    bool operator!=(const FileFingerprint &other) const { return !(*this == other); }
};

// The fingerprint of bytes held in memory, as a writer has them.
FileFingerprint FingerprintOf(const void *data, std::size_t size);
// The fingerprint of an open file, read from its start to its end: -150, or
// -147 when a read fails.
int FingerprintOfOpenFile(int fd, FileFingerprint &fingerprint);

enum class DiskState { Unchanged, Changed, Missing };
// Compares the file a name leads to (links followed) with what was known of
// it. A file that cannot be read counts as changed: the caller asks first.
DiskState CompareWithDisk(const std::string &name, const FileFingerprint &known);
