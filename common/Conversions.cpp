#include "common/Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <utility>

namespace {

constexpr std::int32_t kIntLimit = std::numeric_limits<std::int32_t>::max();
// Fraction digits beyond this count would make the denominator overflow 32 bits.
constexpr std::size_t kMaxFractionDigits = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The shortest decimal digits that read back as x, split at the point:
// 1.005 gives "1" and "005", never the binary neighbour 1.00499999999999989.
void ShortestDecimal(double x, std::string &whole, std::string &fraction)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);           // d[.ddd]e+XX
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1);
    if (e > 1)
        digits += text.substr(2, e - 2);
    const long pointPos = std::strtol(text.c_str() + e + 1, nullptr, 10) + 1; // digits before the point
    const long count = static_cast<long>(digits.size());
    if (pointPos <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-pointPos), '0') + digits;
    } else if (pointPos >= count) {
        whole = digits + std::string(static_cast<std::size_t>(pointPos - count), '0');
        fraction.clear();
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(pointPos));
        fraction = digits.substr(static_cast<std::size_t>(pointPos));
    }
}

// Adds one unit in the last place of a digit string, carrying to the left.
void IncrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string PadLeft(std::string text, std::size_t width, char fill)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), fill);
    return text;
}

} // namespace

std::string IntToText(std::int32_t n)
{
    return std::to_string(n);
}

std::string FloatToFixed(std::uint8_t width, std::uint8_t decimals, double x)
{
    // Only a computation gone wrong produces these; show them as printf would.
    if (!std::isfinite(x))
        return PadLeft(std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf"), width, ' ');

    std::string whole, fraction;
    ShortestDecimal(std::fabs(x), whole, fraction);

    const bool roundUp = fraction.size() > decimals && fraction[decimals] >= '5';
    fraction.resize(decimals, '0');
    std::string digits = whole + fraction;
    if (roundUp)
        IncrementDigits(digits);
    const std::size_t wholeLength = digits.size() - decimals;

    std::string text = digits.substr(0, wholeLength);
    if (decimals > 0)
        text += '.' + digits.substr(wholeLength);
    // A value that rounds to zero is shown without a sign: "-0.00" means nothing to a user.
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    if (std::signbit(x) && !allZero)
        text.insert(0, 1, '-');
    return PadLeft(std::move(text), width, ' ');
}

std::int32_t TextToInt(const std::string &s)
{
    if (s.empty())
        return 0;
    const bool negative = s[0] == '-';
    const std::size_t start = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    // A non-digit keeps its place as a zero digit; beyond 32 bits the value
    // stays at the limit rather than wrapping.
    std::int32_t value = 0;
    for (std::size_t i = start; i < s.size(); ++i) {
        const int digit = IsDigit(s[i]) ? s[i] - '0' : 0;
        if (value > (kIntLimit - digit) / 10) {
            value = kIntLimit;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double TextToFloat(const std::string &s)
{
    if (s.empty())
        return 0.0;
    const bool negative = s[0] == '-';
    std::string rest = (s[0] == '-' || s[0] == '+') ? s.substr(1) : s;
    if (rest.empty())
        return 0.0;
    if (rest[0] == '.')
        rest.insert(0, 1, '0');

    const std::size_t point = rest.find('.', 1);
    const std::string whole = rest.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : rest.substr(point + 1);
    if (fraction.size() > kMaxFractionDigits)
        fraction.resize(kMaxFractionDigits);

    const std::int32_t i = TextToInt(whole);
    const std::int32_t f = TextToInt(fraction);
    const std::int32_t d = TextToInt("1" + std::string(fraction.size(), '0'));
    const double value = static_cast<double>(f) / d + i;
    return negative ? -value : value;
}

std::string ZeroPad(std::uint16_t width, std::uint16_t n)
{
    return PadLeft(std::to_string(n), width, '0');
}

bool FilterDigits(std::string &s)
{
    for (const char c : s) {
        if (!IsDigit(c)) {
            // The entry fields call this after each keystroke, so the offending
            // character is normally the last one.
            s.pop_back();
            return false;
        }
    }
    return true;
}

bool FilterDecimal(std::string &s)
{
    int points = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '.')
            ++points;
        if ((!IsDigit(s[i]) && s[i] != '.') || points > 1) {
            s.resize(i);
            return false;
        }
    }
    return true;
}

double UnitFactorOf(std::int32_t unit)
{
    switch (unit) {
    case UnitCm:
        return 0.1;
    case UnitM:
        return 0.001;
    default:
        return 1.0;
    }
}

void PadToFive(std::string &s, std::int32_t unit)
{
    // An unknown unit displays as millimetres (factor 1.0), so it is not padded either.
    if (unit != UnitCm && unit != UnitM)
        return;
    if (s.size() < 5)
        s.append(5 - s.size(), '0');
}

std::int32_t RoundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    double r = std::floor(x);
    const double diff = x - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r >= static_cast<double>(kIntLimit))
        return kIntLimit;
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}
