#include "common/Encoding.h"

#include <cstdint>
#include <utility>

namespace {

// Code points of the bytes 0x80..0xFF; 0x00..0x7F are ASCII. The five bytes the
// code page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1
// control of the same value, as Windows itself does: a label holding such a
// byte then survives a load and a save unchanged instead of turning into U+FFFD.
constexpr char16_t kHighHalf[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every code point of the page lies in the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos and advances pos; false for a malformed,
// overlong, surrogate or out-of-range sequence.
bool NextCodePoint(std::string_view text, std::size_t &pos, char32_t &c)
{
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    std::size_t extra;
    char32_t minimum;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        minimum = 0x80;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        minimum = 0x800;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        minimum = 0x10000;
        c = lead & 0x07;
    } else {
        return false;
    }
    if (text.size() - pos <= extra)
        return false;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<std::uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    pos += extra + 1;
    return true;
}

// The byte of a code point, or false when the page has none.
bool ByteOf(char32_t c, char &byte)
{
    if (c < 0x80) {
        byte = static_cast<char>(c);
        return true;
    }
    for (int i = 0; i < 128; ++i) {
        if (kHighHalf[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

std::string Win1250ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        AppendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(kHighHalf[b - 0x80]));
    }
    return out;
}

bool Utf8ToWin1250(std::string_view utf8, std::string &out)
{
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        char byte;
        if (!NextCodePoint(utf8, pos, c) || !ByteOf(c, byte))
            return false;
        result += byte;
    }
    out = std::move(result);
    return true;
}

bool FitsWin1250(std::string_view utf8)
{
    std::string ignored;
    return Utf8ToWin1250(utf8, ignored);
}

bool IsUtf8(std::string_view text)
{
    std::size_t pos = 0;
    char32_t c;
    while (pos < text.size()) {
        if (!NextCodePoint(text, pos, c))
            return false;
    }
    return true;
}

std::string DecodeTextFile(std::string_view bytes)
{
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());
    // Windows-1250 letters with diacritics never form valid UTF-8 sequences in
    // a real text, so valid UTF-8 is taken for what it is.
    return IsUtf8(bytes) ? std::string(bytes) : Win1250ToUtf8(bytes);
}
