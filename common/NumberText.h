#pragma once
// Numbers in the texts the program reads (exchange cells, mvtool's INI and
// CSV): blanks around them, whole numbers with the sign rule of their place,
// decimal numbers with a point whatever the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text without blanks, tabs and line ends at either end.
std::string_view TrimBlanks(std::string_view text);
// ASCII letters in lower case, everything else unchanged.
std::string Lowered(std::string_view text);

// Whether a whole number may carry a leading '+': a spreadsheet writes one,
// the settings text never does.
enum class PlusSign { Refused, Accepted };

// A whole decimal number between blanks, with an optional leading '-' (and '+'
// where accepted); nothing for anything else or a number beyond 64 bits.
std::optional<std::int64_t> ParseInteger(std::string_view text, PlusSign plus);

// A finite decimal number with a point ("1450", "12.5", "1e3"); no '+', no
// infinities, no NaN.
std::optional<double> ParseNumber(std::string_view text);
// The shortest text that reads back as exactly the same double.
std::string FormatNumber(double value);
