#pragma once
// Numbers in mvtool's text forms (INI and CSV): plain decimal with a point,
// whatever the locale, so that a file made on one machine reads on any other.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A whole decimal number, optionally with a leading minus, and nothing else.
inline std::optional<std::int64_t> ParseInteger(std::string_view text)
{
    text = TrimSpaces(text);
    std::int64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// A finite decimal number ("1450", "12.5", "1e3"); no infinities, no NaN.
inline std::optional<double> ParseNumber(std::string_view text)
{
    text = TrimSpaces(text);
    double value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The shortest text that reads back as exactly the same double.
inline std::string FormatNumber(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
