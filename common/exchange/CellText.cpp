#include "common/exchange/CellText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

std::optional<double> UnitFactor(const std::string &unit)
{
    if (unit.empty() || unit == "mm")
        return 1.0;
    if (unit == "cm")
        return 10.0;
    if (unit == "m")
        return 1000.0;
    return std::nullopt;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Lowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::optional<double> ParseMillimetres(std::string_view cell)
{
    std::string_view text = Trimmed(cell);
    std::size_t unitStart = text.size();
    while (unitStart > 0 && std::isalpha(static_cast<unsigned char>(text[unitStart - 1])))
        --unitStart;
    const std::optional<double> factor = UnitFactor(Lowered(text.substr(unitStart)));
    std::string number(Trimmed(text.substr(0, unitStart)));
    if (!factor || number.empty())
        return std::nullopt;
    for (char &c : number)
        c = c == ',' ? '.' : c;
    // from_chars takes no plus sign, and no "inf" or "nan" is a size.
    const std::size_t start = number[0] == '+' || number[0] == '-' ? 1 : 0;
    if (start == number.size() || !(std::isdigit(static_cast<unsigned char>(number[start])) || number[start] == '.'))
        return std::nullopt;
    double value = 0.0;
    const char *end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data() + start, end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return (number[0] == '-' ? -value : value) * *factor;
}

std::optional<std::int64_t> ParseInteger(std::string_view cell)
{
    std::string_view text = Trimmed(cell);
    const bool plus = !text.empty() && text[0] == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && !std::isdigit(static_cast<unsigned char>(text[0]))))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string HexOf(const std::uint8_t *bytes, std::size_t size)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0x0F];
    }
    return hex;
}

bool ParseHex(std::string_view hex, std::vector<std::uint8_t> &bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return true;
}
