#pragma once
// What every fuzz target needs: a broken invariant ends the run as a crash
// (so libFuzzer keeps the input), the input written to a file of a chosen
// name, and the invariants of any element list a reader hands back.

#include "common/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

inline void Require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline std::string &FuzzDirectoryName()
{
    static std::string name;
    return name;
}

inline void RemoveFuzzDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(FuzzDirectoryName(), ignored);
}

// A directory of this process's own, in memory where there is /dev/shm: a
// file written to disk costs more than a whole read. Removed at a normal exit.
inline const std::string &FuzzDirectory()
{
    std::string &dir = FuzzDirectoryName();
    if (dir.empty()) {
        std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/mvinput-fuzz.XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr, "a temporary directory can be made");
        dir = pattern;
        std::atexit(RemoveFuzzDirectory);
    }
    return dir;
}

// The input as the file `name` of that directory; its full path.
inline std::string WriteInputFile(const std::string &name, const std::uint8_t *data, std::size_t size)
{
    const std::string path = FuzzDirectory() + "/" + name;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr, "the input file can be created");
    Require(size == 0 || std::fwrite(data, 1, size, file) == size, "the input file can be written");
    Require(std::fclose(file) == 0, "the input file can be closed");
    return path;
}

inline bool AllZero(const void *bytes, std::size_t size)
{
    const auto *p = static_cast<const std::uint8_t *>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        if (p[i] != 0)
            return false;
    }
    return true;
}

// At most 800 elements and 10 groups, and every slot after the last element,
// piece or group zero: a list any window may take over as it is.
inline void RequireListInvariants(const TElementList &list, const TElementGroups &groups)
{
    const int elements = ElementCount(list);
    Require(elements <= kMaxElements, "ElementCount <= 800");
    Require(AllZero(list.data() + elements, (kMaxElements - elements) * sizeof(TElement)),
            "every slot after the last element is zero");
    const int groupCount = GroupCount(groups);
    Require(groupCount <= kGroupsPerDocument, "GroupCount <= 10");
    for (int g = 0; g < groupCount; ++g) {
        const int pieces = GroupPieceCount(groups[g]);
        Require(AllZero(groups[g].Pieces + pieces, (kPiecesPerGroup - pieces) * sizeof(TElement)),
                "every slot after a group's last piece is zero");
    }
    Require(AllZero(groups.data() + groupCount, (kGroupsPerDocument - groupCount) * sizeof(TElementGroup)),
            "every group after the last one is zero");
}

inline bool SameBytes(const void *a, const void *b, std::size_t size)
{
    return std::memcmp(a, b, size) == 0;
}
