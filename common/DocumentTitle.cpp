#include "common/DocumentTitle.h"

#include <cctype>

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string TitleOfFile(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    // Four characters, not bytes: a UTF-8 character is one lead byte and its continuations.
    for (int dropped = 0; dropped < 4 && !name.empty(); ++dropped) {
        while (name.size() > 1 && IsContinuationByte(name.back()))
            name.remove_suffix(1);
        name.remove_suffix(1);
    }
    return std::string(name);
}

bool IsUntitledTitle(std::string_view title)
{
    constexpr std::string_view kUntitled = "UNTITLED";
    if (title.size() < kUntitled.size())
        return false;
    for (std::size_t i = 0; i < kUntitled.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(title[i])) != kUntitled[i])
            return false;
    }
    return true;
}

std::string UntitledTitle(int number)
{
    return "Untitled " + std::to_string(number);
}
