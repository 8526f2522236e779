#include "common/exchange/CsvText.h"

#include <csv.h>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Tabs may be the delimiter, so only the blank counts as padding around a cell.
int IsPadding(unsigned char c)
{
    return c == ' ' ? 1 : 0;
}

struct Parser {
    csv_parser parser{}; // zero: freeing it is harmless even when csv_init fails
    std::vector<CsvRow> *rows;
    std::vector<std::string> cells;
    int rowStart = 1;
    bool rowOpen = false;  // a row runs on past the current line
    bool rowEnded = false; // a row ended within the current line

    ~Parser() { csv_free(&parser); }

    static void OnCell(void *data, std::size_t size, void *self)
    {
        static_cast<Parser *>(self)->cells.emplace_back(static_cast<const char *>(data), size);
    }
    static void OnRowEnd(int, void *self)
    {
        Parser &p = *static_cast<Parser *>(self);
        p.rows->push_back(CsvRow{p.rowStart, std::move(p.cells)});
        p.cells.clear();
        p.rowOpen = false;
        p.rowEnded = true;
    }
};

// The length of the line at the start of text, its line break included.
std::size_t LineLength(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return text.size();
    return end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

std::string_view WithoutBom(std::string_view text)
{
    return text.substr(0, kBom.size()) == kBom ? text.substr(kBom.size()) : text;
}

bool ParseCsv(std::string_view text, char delimiter, std::vector<CsvRow> &rows)
{
    Parser p;
    if (csv_init(&p.parser, 0) != 0)
        return false;
    p.rows = &rows;
    csv_set_delim(&p.parser, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&p.parser, IsPadding);
    // Fed one line at a time, so that every row knows the line it starts on.
    for (int line = 1; !text.empty(); ++line) {
        const std::string_view chunk = text.substr(0, LineLength(text));
        text.remove_prefix(chunk.size());
        if (!p.rowOpen)
            p.rowStart = line;
        p.rowEnded = false;
        if (csv_parse(&p.parser, chunk.data(), chunk.size(), Parser::OnCell, Parser::OnRowEnd, &p) != chunk.size())
            return false;
        if (!p.rowEnded && !IsBlank(chunk))
            p.rowOpen = true;
    }
    return csv_fini(&p.parser, Parser::OnCell, Parser::OnRowEnd, &p) == 0;
}

std::string QuotedCell(const std::string &cell, char delimiter)
{
    const bool padded = !cell.empty() && (cell.front() == ' ' || cell.back() == ' ' || cell.front() == '\t'
                                          || cell.back() == '\t');
    if (!padded && cell.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}
