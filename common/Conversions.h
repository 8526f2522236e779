#pragma once
// The program's own number <-> text rules: a point as the decimal separator
// whatever the locale, lenient readers that never fail, and the entry filters.

#include <cstdint>
#include <string>

std::string IntToText(std::int32_t n);
// Fixed point with exactly `decimals` digits, blanks in front up to `width`;
// rounding is decimal, a 5 rounding the magnitude up.
std::string FloatToFixed(std::uint8_t width, std::uint8_t decimals, double x);
// Non-digits count as zero digits; the whole part saturates at +-2147483647.
std::int32_t TextToInt(const std::string &s);
// Fraction digits after the ninth are ignored.
double TextToFloat(const std::string &s);
std::string ZeroPad(std::uint16_t width, std::uint16_t n);
bool FilterDigits(std::string &s);
bool FilterDecimal(std::string &s);

// Units of measure as stored in the settings.
enum UnitOfMeasure : std::int32_t { UnitMm = 1, UnitCm = 2, UnitM = 3 };
// 1.0, 0.1 or 0.001; 1.0 for an unknown unit.
double UnitFactorOf(std::int32_t unit);
// Appends "0" up to five characters unless the unit is millimetres.
void PadToFive(std::string &s, std::int32_t unit);

// Rounds to the nearest integer, a tie going to the even neighbour; saturates at int32.
std::int32_t RoundHalfEven(double x);
