#pragma once
// The CSV text of `mvtool boards make` read into board records: a header row
// of exactly these columns, then one board per row. No file is touched.

#include "common/BoardType.h"

#include <cstddef>
#include <string>
#include <vector>

namespace BoardsCsv {
constexpr const char *kHeader = "length,width,grain,price_per_m2,quantity,name,short_text,quantity_used,reserved";
constexpr std::size_t kColumnCount = 9;
enum Column { Length, Width, Grain, Price, Quantity, Name, ShortText, QuantityUsed, Reserved };

// The 13 bytes this program does not interpret, in file order.
constexpr std::size_t kReservedSize = sizeof(TBoardType::Reserved1) + sizeof(TBoardType::Reserved2);
} // namespace BoardsCsv

// Reads the rows into boards; false with the problems when any row is bad.
bool ReadBoardRows(const std::string &text, std::vector<TBoardType> &boards, std::vector<std::string> &problems);
