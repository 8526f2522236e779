#pragma once
// One cell of an exchange row: written from an element, or read into the row
// being built. Reasons are in the interface's language.

#include "common/Element.h"
#include "common/exchange/CellNumber.h"
#include "common/exchange/ExchangeLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Tape { None, Pvc, Abs };

// A row being read: the element so far, and what only the whole row decides.
struct RowState {
    TElement Element = ZeroElement();
    int Group = 0;
    bool Tapes = false; // a tape column was read: the banding codes come from the four edges
    Tape Top = Tape::None, Bottom = Tape::None, Left = Tape::None, Right = Tape::None;
    std::vector<std::uint8_t> LabelPadding;
    std::optional<std::int64_t> LabelLength;
};

// How the cells of one column are read: the decimal separator the file
// declares, the unit the heading named, and whether any value a record holds
// is taken (the lossless format) or only what a workshop means.
struct CellReading {
    DecimalMark Mark = DecimalMark::Point;
    SizeUnit Unit = SizeUnit::Mm;
    bool Lossless = false;
};

// position: the row's 1-based number among the written rows.
std::string CellOf(const Column &column, const TElement &e, int position, int group);

// The reason the cell is refused, or empty when it was taken into the row.
std::string ApplyCell(const Column &column, const CellReading &reading, std::string_view cell, RowState &row);
// After every cell: the banding from the edges, the label's padding. Reason or empty.
std::string FinishRow(RowState &row);

// "duzina", "komada" and the like for the program's own fields, else the heading.
std::string ReasonName(const Column &column);
