#pragma once
// Records compared as they are stored: byte for byte, unused slots included, so
// two element lists, group tables or elements are the same exactly when their
// files would be.

#include <cstring>
#include <type_traits>

template <typename Record> bool SameBytes(const Record &a, const Record &b)
{
    static_assert(std::is_trivially_copyable_v<Record>, "only a plain record is its bytes");
    return std::memcmp(&a, &b, sizeof a) == 0;
}
