#include "common/FileFingerprint.h"

#include "common/FileDescriptor.h"
#include "common/ResultCodes.h"


namespace {

// 64-bit FNV-1a: no defence against anyone forging a file, only a fast, fair
// spread over the lists the program writes.
constexpr std::uint64_t kOffsetBasis = 14695981039346656037ull;
constexpr std::uint64_t kPrime = 1099511628211ull;

std::uint64_t Mix(std::uint64_t hash, const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * kPrime;
    return hash;
}

} // namespace

FileFingerprint FingerprintOf(const void *data, std::size_t size)
{
    return {size, Mix(kOffsetBasis, data, size)};
}

int FingerprintOfOpenFile(int fd, FileFingerprint &fingerprint)
{
    FileFingerprint read{0, kOffsetBasis};
    const bool whole = ReadEveryBlock(fd, [&read](const char *data, std::size_t size) {
        read.size += size;
        read.checksum = Mix(read.checksum, data, size);
        return true;
    });
    if (!whole)
        return rcFileAccessError;
    fingerprint = read;
    return rcOK;
}

DiskState CompareWithDisk(const std::string &name, const FileFingerprint &known)
{
    if (KindOfFile(name) == FileKind::Missing)
        return DiskState::Missing;
    const FileDescriptor file = OpenRegularFileForReading(name);
    FileFingerprint now;
    if (!file.isOpen() || FingerprintOfOpenFile(file.get(), now) != rcOK)
        return DiskState::Changed;
    return now == known ? DiskState::Unchanged : DiskState::Changed;
}
