#pragma once
// CSV rows in and out: the parsing goes through libcsv (RFC 4180 quoting), the
// writing quotes only the cells that need it.

#include <string>
#include <string_view>
#include <vector>

struct CsvRow {
    int Line; // 1-based line where the row starts
    std::vector<std::string> Cells;
};

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutBom(std::string_view text);

// Every row of the text; blank lines give no row. Unquoted cells lose their
// leading and trailing blanks. False only when the parser runs out of memory.
bool ParseCsv(std::string_view text, char delimiter, std::vector<CsvRow> &rows);

// The cell as it goes into a row: in double quotes (inner quotes doubled) when
// it holds the delimiter, a quote, a line break or blanks at either end.
std::string QuotedCell(const std::string &cell, char delimiter);
