#pragma once
// A size in one cell of a cutting list, read only when a person could read it
// one way alone. The field separator declares the decimal separator (';' the
// comma, ',' the point, a tab neither); a cell holding both takes the last as
// the decimal one; thousands come in groups of three digits after a point, a
// comma, a blank or a no-break space. "2,100" in a tab-separated file could be
// either 2100 or 2.1, so it is refused rather than guessed.

#include "common/DecimalText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class DecimalMark { Comma, Point, Undeclared };
// ';' declares the comma, ',' the point, anything else (a tab) neither.
DecimalMark DecimalMarkOf(char fieldSeparator);

// The decimal places a unit shifts a number to give millimetres.
enum class SizeUnit { Mm = 0, Cm = 1, M = 3 };
// "mm", "cm" or "m" in any case; nothing for another name.
std::optional<SizeUnit> SizeUnitOfName(std::string_view name);

// The digits of a cell's number and the unit it names ("59 cm"), if any; an
// empty problem when the number was read. A problem says why in the
// interface's language, to follow a column's name: "nije broj".
struct CellDecimal {
    DecimalDigits Digits;
    std::optional<SizeUnit> Unit;
    std::string Problem;
};
CellDecimal ReadCellDecimal(std::string_view cell, DecimalMark mark);

// A cell's size in whole millimetres, rounded half to even, in the cell's own
// unit or else the column's; nothing, with the problem, when it is no number.
std::optional<std::int64_t> ReadCellMillimetres(std::string_view cell, DecimalMark mark, SizeUnit columnUnit,
                                                std::string &problem);
