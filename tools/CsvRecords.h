#pragma once
// The records of an RFC 4180 text (strict: a double quote only opens and
// closes a whole field), each with the line it starts on. Besides the RFC: a
// UTF-8 byte order mark is skipped, empty lines and lines starting with '#'
// between records are comments, and blanks are kept as part of their field.

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
    int Line = 0; // where the record starts
    std::vector<std::string> Fields;
};

struct CsvText {
    std::vector<CsvRecord> Records; // all before the first error
    std::string Error;              // "line N: what is wrong", empty when none
};

CsvText ReadCsv(std::string_view text);
