#include "tools/CsvRecords.h"

#include <csv.h>

#include <algorithm>
#include <utility>

namespace {

// No byte is trimmed as a blank: blanks belong to their field.
int IsTrimmedBlank(unsigned char)
{
    return 0;
}

// Records end at '\n' only: a lone '\r' is part of its field, and the '\r'
// of a "\r\n" line end is taken off before the parser sees it.
int IsRecordEnd(unsigned char ch)
{
    return ch == '\n';
}

// Collects what the parser hands over.
struct Collector {
    CsvText Result;
    CsvRecord Current;
    bool InRecord = false;
};

void OnField(void *data, std::size_t size, void *context)
{
    auto &fields = static_cast<Collector *>(context)->Current.Fields;
    if (data)
        fields.emplace_back(static_cast<const char *>(data), size);
    else
        fields.emplace_back();
}

void OnRecordEnd(int, void *context)
{
    auto &collector = *static_cast<Collector *>(context);
    collector.Result.Records.push_back(std::move(collector.Current));
    collector.Current = CsvRecord{};
    collector.InRecord = false;
}

// The parser, whose buffer is freed with it.
class Parser {
public:
    Parser()
    {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI); // fails only when given no parser
        csv_set_space_func(&m_parser, IsTrimmedBlank);
        csv_set_term_func(&m_parser, IsRecordEnd);
    }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    // False, with `error` set, when the text breaks the rules.
    bool feed(std::string_view text, Collector &collector, std::string &error)
    {
        const std::size_t parsed = csv_parse(&m_parser, text.data(), text.size(), OnField, OnRecordEnd, &collector);
        if (parsed == text.size())
            return true;
        // Strict parsing stops at the offending byte: a quote inside a plain
        // field, or anything but a comma or the line end after a closing quote.
        const int code = csv_error(&m_parser);
        error = code != CSV_EPARSE  ? csv_strerror(code)
            : text[parsed] == '"' ? "a double quote in a field that does not start with one"
                                  : "text after a closing double quote";
        return false;
    }
    bool finish(Collector &collector, std::string &error)
    {
        if (csv_fini(&m_parser, OnField, OnRecordEnd, &collector) == 0)
            return true;
        const int code = csv_error(&m_parser);
        error = code == CSV_EPARSE ? "a quoted field is not closed" : csv_strerror(code);
        return false;
    }

private:
    csv_parser m_parser;
};

} // namespace

CsvText ReadCsv(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Parser parser;
    Collector collector;
    std::string error;
    // Every double quote of a strict CSV opens or closes quoted text (a
    // doubled one closes and opens again), so their count tells whether a
    // line ends inside a field.
    bool quoted = false;
    // Fed a line at a time, so that every record knows the line it starts on
    // and comments are taken out where no record is open.
    int lineNumber = 1;
    for (std::size_t start = 0; start < text.size() && error.empty(); ++lineNumber) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        const bool ended = end < text.size();
        start = end + 1;
        const bool quotedAfter = (std::count(line.begin(), line.end(), '"') % 2 != 0) != quoted;
        if (ended && !quotedAfter && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!collector.InRecord) {
            if (line.empty() || line[0] == '#')
                continue;
            collector.InRecord = true;
            collector.Current.Line = lineNumber;
        }
        quoted = quotedAfter;
        if (parser.feed(line, collector, error) && ended)
            parser.feed("\n", collector, error);
    }
    if (error.empty())
        parser.finish(collector, error);
    if (!error.empty())
        collector.Result.Error = "line " + std::to_string(collector.Current.Line) + ": " + error;
    return collector.Result;
}
