#pragma once
// CSV in and out, for every CSV the program and mvtool read and write:
// records through libcsv (RFC 4180 quoting), each with the line it starts on
// (a record ends at a line break outside quotes; empty lines give no record),
// and cells quoted only where they need it.

#include <string>
#include <string_view>
#include <vector>

struct CsvOptions {
    char Separator = ',';
    // Lines starting with '#' between records are skipped.
    bool Comments = false;
    // Blanks around an unquoted cell are dropped; otherwise they belong to it.
    bool TrimBlanks = false;
    // A double quote only opens and closes a whole cell; anything else is an
    // error. Otherwise a stray quote is taken as a character.
    bool Strict = false;
};

struct CsvRecord {
    int Line = 0; // where the record starts, from 1
    std::vector<std::string> Fields;
};

struct CsvText {
    std::vector<CsvRecord> Records; // all before the first error
    std::string Error;              // "line N: what is wrong", empty when none
};

CsvText ReadCsv(std::string_view text, const CsvOptions &options);

// The cell as it goes into a row: in double quotes (inner quotes doubled) when
// it holds the separator, a quote, a line break or blanks at either end.
std::string QuotedCell(const std::string &cell, char separator);
