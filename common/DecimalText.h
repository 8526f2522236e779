#pragma once
// Decimal numbers kept as their digits, so that a size typed or read in
// centimetres or metres becomes millimetres exactly: 12.35 cm is the tie 123.5
// mm and goes to the even 124, which a binary division by 0.1 never sees.

#include <cstdint>
#include <string>
#include <string_view>

// Digits only; either part may be empty ("5." and ".5").
struct DecimalDigits {
    std::string Whole;
    std::string Fraction;
};

// Beyond this the value is no size of any kind; ScaledHalfEven stops there.
constexpr std::int64_t kScaledLimit = 1000000000000000000; // 10^18

// The number times 10^scale (scale 0..6), rounded to the nearest integer with
// a tie going to the even neighbour; kScaledLimit for anything at or above it.
std::int64_t ScaledHalfEven(const DecimalDigits &number, int scale);

// The lenient reading of typed text: the whole part is what stands before the
// first '.', the fraction everything after it, and any other character (a
// second point too) counts as a zero digit in its place; a leading sign is
// dropped. "1.2.3" is 1.203, ".25" is 0.25.
DecimalDigits LenientDecimal(std::string_view text);

// 1.0 -> 0, 0.1 -> 1, 0.001 -> 3: the decimal places a display factor shifts.
int ScaleOfUnitFactor(double unitFactor);
