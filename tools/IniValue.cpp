#include "tools/IniValue.h"

#include <cstdint>
#include <utility>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// A code point as UTF-8; one that no text can hold turns into U+FFFD, which
// the code page refuses later like any other character it lacks.
void AppendUtf8(std::uint32_t code, std::string &out)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int DigitValue(char ch, int base)
{
    int digit = 16;
    if (ch >= '0' && ch <= '9')
        digit = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
        digit = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
        digit = ch - 'A' + 10;
    return digit < base ? digit : -1;
}

// The escape whose letter stands at `at`, just after its backslash; moves `at`
// past it. False when it means nothing.
bool DecodeEscape(std::string_view text, std::size_t &at, std::string &out)
{
    static constexpr std::pair<char, char> kNamed[] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                       {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                       {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char letter = text[at++];
    for (const auto &[name, byte] : kNamed) {
        if (letter == name) {
            out += byte;
            return true;
        }
    }
    const int base = letter == 'x' ? 16 : 8;
    std::uint32_t code = 0;
    if (base == 8) {
        if (DigitValue(letter, 8) < 0)
            return false;
        code = static_cast<std::uint32_t>(DigitValue(letter, 8));
    } else if (at >= text.size() || DigitValue(text[at], 16) < 0) {
        return false;
    }
    for (int digit; at < text.size() && (digit = DigitValue(text[at], base)) >= 0; ++at)
        code = code > 0x10FFFF ? code : code * base + static_cast<std::uint32_t>(digit);
    AppendUtf8(code, out);
    return true;
}

} // namespace

IniValue DecodeIniValue(std::string_view text)
{
    IniValue value;
    std::string item;
    bool quoted = false;
    bool itemQuoted = false;   // an item with quotes keeps the blanks it ends in
    std::size_t escapedEnd = 0; // trailing blanks that escapes wrote are kept too
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
    };
    const auto endItem = [&] {
        if (!itemQuoted) {
            std::size_t end = item.size();
            while (end > escapedEnd && IsBlank(item[end - 1]))
                --end;
            item.resize(end);
        }
        value.Items.push_back(std::move(item));
        item.clear();
        itemQuoted = false;
        escapedEnd = 0;
    };

    skipBlanks();
    while (at < text.size()) {
        const std::size_t start = at;
        const char ch = text[at++];
        if (ch == '\\') {
            if (text.find_first_not_of(" \t", at) == std::string_view::npos) {
                value.Continued = true;
                break;
            }
            if (!DecodeEscape(text, at, item)) {
                // The whole character after the backslash, also one of several bytes.
                while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
                    ++at;
                if (value.BadEscape.empty())
                    value.BadEscape = std::string(text.substr(start, at - start));
            }
            escapedEnd = item.size();
        } else if (ch == '"') {
            quoted = !quoted;
            itemQuoted = true;
            if (!quoted)
                skipBlanks();
        } else if (!quoted && ch == ';') {
            break;
        } else if (!quoted && ch == ',') {
            endItem();
            value.IsList = true;
            skipBlanks();
        } else {
            item += ch;
        }
    }
    value.Unclosed = quoted;
    endItem();
    return value;
}
