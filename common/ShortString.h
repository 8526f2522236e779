#pragma once
// string[N]: a length byte followed by N single-byte (Windows-1250) characters,
// the text form of every on-disk record of the program.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#pragma pack(push, 1)
template <std::size_t N>
struct ShortString {
    std::uint8_t Length;
    char Chars[N];

    // The stored bytes; a length byte beyond N is taken as N.
    std::string str() const
    {
        return std::string(Chars, std::min<std::size_t>(Length, N));
    }
    // Stores at most N bytes and leaves the characters after them zero.
    void assign(std::string_view bytes)
    {
        const std::size_t n = std::min(bytes.size(), N);
        std::memset(Chars, 0, N);
        std::memcpy(Chars, bytes.data(), n);
        Length = static_cast<std::uint8_t>(n);
    }
    bool operator==(const ShortString &other) const
    {
        return Length == other.Length && std::memcmp(Chars, other.Chars, std::min<std::size_t>(Length, N)) == 0;
    }
    static constexpr std::size_t Capacity = N;
};
#pragma pack(pop)

static_assert(sizeof(ShortString<25>) == 26, "string[25] is 26 bytes");
static_assert(sizeof(ShortString<6>) == 7, "string[6] is 7 bytes");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the file formats are little-endian");
