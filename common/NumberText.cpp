#include "common/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr const char *kBlanks = " \t\r\n";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Lowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::optional<std::int64_t> ParseInteger(std::string_view text, PlusSign plus)
{
    text = TrimBlanks(text);
    // from_chars takes a '-' but never a '+', and "+-5" must stay refused.
    if (plus == PlusSign::Accepted && !text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (text.empty() || !IsDigit(text[0]))
            return std::nullopt;
    }
    std::int64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    double value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FormatNumber(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
