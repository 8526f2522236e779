#pragma once
// What the entry fields mean: a typed length or width in the display unit
// becomes whole millimetres, computed from its decimal digits; a typed count
// becomes pieces. Text in, result out: the windows convert their own strings.

#include <cstdint>
#include <optional>
#include <string>

// Millimetres of a typed dimension. In millimetres only digits are taken; in
// any other unit digits with one decimal point (a comma counts as the point),
// divided by unitFactor (0.1, 0.001, or 1.0 for an unknown unit) by shifting
// the point and rounded half to even. Anything else gives nothing, so a text left over from
// another unit is never misread ("60.5" in mm is not 6005). A value beyond
// 32 bits gives INT32_MAX, which no check takes for a size.
std::optional<std::int32_t> DimensionFromText(std::string text, std::int32_t unit, double unitFactor);

// True when the text may stand in a dimension field of that unit (also while typing).
bool IsDimensionText(std::string text, std::int32_t unit);
bool IsCountText(std::string text);

// A count the entry row takes: 1..65535 pieces.
bool IsAcceptedCount(std::int32_t count);
// A length or width the entry row takes: 1 mm up to the program's limit.
bool IsAcceptedDimension(std::int32_t millimetres);
