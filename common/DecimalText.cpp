#include "common/DecimalText.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxDigits = 18; // 10^18 still fits 64 bits

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string ZeroDigits(std::string_view text)
{
    std::string digits(text);
    for (char &c : digits)
        c = IsDigit(c) ? c : '0';
    return digits;
}

} // namespace

std::int64_t ScaledHalfEven(const DecimalDigits &number, int scale)
{
    const std::size_t shift = static_cast<std::size_t>(std::clamp(scale, 0, 6));
    // The point moves `shift` digits to the right.
    std::string whole = number.Whole + number.Fraction.substr(0, shift);
    whole.append(shift - std::min(shift, number.Fraction.size()), '0');
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > kMaxDigits)
        return kScaledLimit;
    std::int64_t value = 0;
    for (const char c : whole)
        value = value * 10 + (c - '0');

    const std::string_view rest = std::string_view(number.Fraction).substr(std::min(shift, number.Fraction.size()));
    if (!rest.empty()) {
        const bool moreAfterFive = rest.find_first_not_of('0', 1) != std::string_view::npos;
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && moreAfterFive);
        const bool half = rest[0] == '5' && !moreAfterFive;
        if (aboveHalf || (half && value % 2 != 0))
            ++value;
    }
    return std::min(value, kScaledLimit);
}

DecimalDigits LenientDecimal(std::string_view text)
{
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return {ZeroDigits(text), {}};
    return {ZeroDigits(text.substr(0, point)), ZeroDigits(text.substr(point + 1))};
}

int ScaleOfUnitFactor(double unitFactor)
{
    if (unitFactor == 0.1)
        return 1;
    if (unitFactor == 0.001)
        return 3;
    return 0;
}
