#include "common/CsvReader.h"

#include <csv.h>

#include <utility>

namespace {

int IsBlank(unsigned char c)
{
    return c == ' ' ? 1 : 0;
}

int IsNeverBlank(unsigned char)
{
    return 0;
}

// Records end at '\n' only: a lone '\r' is a character of its cell, and the
// '\r' of a "\r\n" outside quotes is taken off before the parser sees it.
int IsRecordEnd(unsigned char c)
{
    return c == '\n' ? 1 : 0;
}

// libcsv's state while it is inside a field (its FIELD_BEGUN).
constexpr int kInsideField = 2;

struct Collector {
    CsvText Result;
    CsvRecord Current;
    int Line = 1;
    int RecordStart = 1; // the line where the record being read began
    bool RecordOpen = false;
};

void OnField(void *data, std::size_t size, void *context)
{
    auto &collector = *static_cast<Collector *>(context);
    if (!collector.RecordOpen) {
        collector.RecordOpen = true;
        collector.Current.Line = collector.RecordStart;
    }
    collector.Current.Fields.emplace_back(data ? static_cast<const char *>(data) : "", data ? size : 0);
}

void OnRecordEnd(int, void *context)
{
    auto &collector = *static_cast<Collector *>(context);
    if (!collector.RecordOpen)
        collector.Current.Line = collector.RecordStart;
    collector.Result.Records.push_back(std::move(collector.Current));
    collector.Current = CsvRecord{};
    collector.RecordOpen = false;
}

// The parser, whose buffer is freed with it.
class Parser {
public:
    explicit Parser(const CsvOptions &options)
    {
        // csv_init fails only without a parser; zeroed, freeing it is harmless anyway.
        csv_init(&m_parser, options.Strict ? CSV_STRICT | CSV_STRICT_FINI : 0);
        csv_set_delim(&m_parser, static_cast<unsigned char>(options.Separator));
        csv_set_space_func(&m_parser, options.TrimBlanks ? IsBlank : IsNeverBlank);
        csv_set_term_func(&m_parser, IsRecordEnd);
    }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    // Between records, no cell has started: a comment line may stand here.
    bool BetweenRecords(const Collector &collector) const
    {
        return !collector.RecordOpen && m_parser.entry_pos == 0 && !m_parser.quoted;
    }
    // Within a quoted cell a line break is the cell's own.
    bool InsideQuotes() const { return m_parser.quoted && m_parser.pstate == kInsideField; }

    bool Feed(std::string_view text, Collector &collector, std::string &error)
    {
        const std::size_t parsed = csv_parse(&m_parser, text.data(), text.size(), OnField, OnRecordEnd, &collector);
        if (parsed == text.size())
            return true;
        // Strict parsing stops at the offending byte: a quote inside a plain
        // cell, or anything but the separator or the line end after a closing quote.
        const int code = csv_error(&m_parser);
        error = code != CSV_EPARSE  ? csv_strerror(code)
            : text[parsed] == '"' ? "a double quote in a field that does not start with one"
                                  : "text after a closing double quote";
        return false;
    }

    bool Finish(Collector &collector, std::string &error)
    {
        if (csv_fini(&m_parser, OnField, OnRecordEnd, &collector) == 0)
            return true;
        const int code = csv_error(&m_parser);
        error = code == CSV_EPARSE ? "a quoted field is not closed" : csv_strerror(code);
        return false;
    }

private:
    csv_parser m_parser{};
};

} // namespace

CsvText ReadCsv(std::string_view text, const CsvOptions &options)
{
    Parser parser(options);
    Collector collector;
    std::string error;
    // Fed a line at a time, so that every record knows the line it starts on
    // and comments are taken out where no record is open.
    for (std::size_t start = 0; start < text.size() && error.empty(); ++collector.Line) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string_view line = text.substr(start, end - start);
        start = end;
        if (parser.BetweenRecords(collector)) {
            if (options.Comments && line[0] == '#')
                continue;
            collector.RecordStart = collector.Line;
        }
        std::string_view ending = line.substr(line.size() - (line.back() == '\n'));
        if (!ending.empty() && line.size() >= 2 && line[line.size() - 2] == '\r')
            ending = line.substr(line.size() - 2);
        if (parser.Feed(line.substr(0, line.size() - ending.size()), collector, error) && !ending.empty())
            parser.Feed(parser.InsideQuotes() ? ending : std::string_view("\n"), collector, error);
    }
    if (error.empty())
        parser.Finish(collector, error);
    if (!error.empty())
        collector.Result.Error = "line " + std::to_string(collector.RecordStart) + ": " + error;
    return collector.Result;
}

std::string QuotedCell(const std::string &cell, char separator)
{
    const bool padded = !cell.empty() && (cell.front() == ' ' || cell.back() == ' ' || cell.front() == '\t'
                                          || cell.back() == '\t');
    if (!padded && cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return cell;
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}
