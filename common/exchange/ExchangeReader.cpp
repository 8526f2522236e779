#include "common/exchange/Exchange.h"

#include "common/Conversions.h"
#include "common/CsvReader.h"
#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/exchange/ExchangeCells.h"
#include "common/exchange/ExchangeHeadings.h"
#include "common/exchange/ExchangeLayout.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A text full of bad rows says all it needs in its first ones.
constexpr std::size_t kMaxRefusals = 100;

bool IsBlankRow(const CsvRecord &row)
{
    return std::all_of(row.Fields.begin(), row.Fields.end(),
                       [](const std::string &cell) { return TrimBlanks(cell).empty(); });
}

bool IsCommentRow(const CsvRecord &row)
{
    return !row.Fields.empty() && !row.Fields[0].empty() && row.Fields[0][0] == '#';
}

struct ParsedText {
    std::vector<CsvRecord> Rows;
    std::size_t Header = 0; // index of the header row; Rows.size() when there is none
    char Separator = ',';
    bool Parsed = false;
};

// Blank rows and '#' comments may come before the header row, not after it:
// a label may well start with '#'.
ParsedText ParseWith(std::string_view text, char separator)
{
    CsvOptions options;
    options.Separator = separator;
    options.TrimBlanks = true;
    CsvText csv = ReadCsv(text, options);
    ParsedText parsed;
    parsed.Rows = std::move(csv.Records);
    parsed.Separator = separator;
    parsed.Parsed = csv.Error.empty();
    while (parsed.Header < parsed.Rows.size()
           && (IsBlankRow(parsed.Rows[parsed.Header]) || IsCommentRow(parsed.Rows[parsed.Header])))
        ++parsed.Header;
    return parsed;
}

std::size_t HeaderCells(const ParsedText &parsed)
{
    return parsed.Header < parsed.Rows.size() ? parsed.Rows[parsed.Header].Fields.size() : 0;
}

// The delimiter is the one that splits the header row into the most cells
// (',' on a tie); parsing with each finds the header past quoted line breaks.
ParsedText Parse(std::string_view text)
{
    ParsedText best = ParseWith(text, ',');
    for (const char delimiter : {';', '\t'}) {
        ParsedText parsed = ParseWith(text, delimiter);
        if (parsed.Parsed && HeaderCells(parsed) > HeaderCells(best))
            best = std::move(parsed);
    }
    return best;
}

// What one cell of the header row names: a column of the layout (none for
// an empty heading), and how that column's cells are read.
struct HeaderCell {
    const Column *Named = nullptr;
    CellReading Reading;
};

// Each header cell matched against the layout; a heading the layout does
// not know, one given twice and a unit that is none are reasons to refuse.
struct HeaderMatch {
    std::vector<HeaderCell> Cells;
    std::vector<std::string> Problems;
    std::ptrdiff_t Known = 0;

    bool Has(const Column &column) const
    {
        return std::any_of(Cells.begin(), Cells.end(), [&](const HeaderCell &c) { return c.Named == &column; });
    }
};

// "'Boja' u koloni 5": a text of the header row and where it stands, from 1.
std::string InColumn(const std::string &text, std::size_t index)
{
    return "'" + text + "' u koloni " + std::to_string(index + 1);
}

HeaderMatch MatchHeader(const FormatLayout &layout, const std::vector<std::string> &headings, char separator)
{
    HeaderMatch match;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        HeaderCell cell;
        cell.Reading.Mark = DecimalMarkOf(separator);
        cell.Reading.Lossless = layout.Lossless;
        const std::string written(TrimBlanks(headings[i]));
        const std::string where = InColumn(written, i);
        const Heading heading = ReadHeading(written);
        const auto named = std::find_if(layout.Columns.begin(), layout.Columns.end(),
                                        [&](const Column &column) { return NamesColumn(heading, column); });
        if (written.empty()) {
            // A column without a heading is none of the list's (a spreadsheet's margin).
        } else if (named == layout.Columns.end()) {
            match.Problems.push_back("nepoznato zaglavlje " + where);
        } else if (match.Has(*named)) {
            match.Problems.push_back("ponovljeno zaglavlje " + where);
        } else {
            ++match.Known;
            cell.Named = &*named;
            const bool size = named->Kind == CellKind::Length || named->Kind == CellKind::Width;
            if (size && !heading.Qualifier.empty()) {
                if (const std::optional<SizeUnit> unit = SizeUnitOfName(heading.Qualifier))
                    cell.Reading.Unit = *unit;
                else
                    match.Problems.push_back("nepoznata jedinica " + InColumn(heading.Qualifier, i));
            }
        }
        match.Cells.push_back(cell);
    }
    return match;
}

std::vector<const Column *> MissingColumns(const FormatLayout &layout, const HeaderMatch &match)
{
    std::vector<const Column *> missing;
    for (const Column &column : layout.Columns) {
        if (column.Required && !match.Has(column))
            missing.push_back(&column);
    }
    return missing;
}

// The layout whose headings the header row has: one with all its required
// headings before one without, then the one with the most headings known.
std::optional<ExchangeFormat> FormatOfHeadings(const std::vector<std::string> &headings, bool complete)
{
    std::optional<ExchangeFormat> best;
    std::pair<bool, std::ptrdiff_t> bestScore{false, 0};
    for (const FormatLayout &layout : ExchangeLayouts()) {
        const HeaderMatch match = MatchHeader(layout, headings, layout.Delimiter);
        const std::pair<bool, std::ptrdiff_t> score{MissingColumns(layout, match).empty(), match.Known};
        if (score.second > 0 && (score.first || !complete) && score > bestScore) {
            best = layout.Format;
            bestScore = score;
        }
    }
    return best;
}

class ListReader {
public:
    explicit ListReader(ExchangeReadResult &result) : m_result(result) {}

    bool Full() const { return m_result.Refusals.size() >= kMaxRefusals; }

    void Refuse(int line, std::string reason) { m_result.Refusals.push_back({line, std::move(reason)}); }

    void ReadCustomerRow(const CsvRecord &row)
    {
        const std::string heading = Lowered(TrimBlanks(row.Fields[0]));
        for (const CustomerRow &customer : kCustomerRows) {
            if (heading != Lowered(customer.Heading))
                continue;
            std::string bytes;
            const std::string text = row.Fields.size() > 1 ? row.Fields[1] : std::string();
            if (!Utf8ToWin1250(text, bytes))
                Refuse(row.Line, std::string(customer.Name) + " ima nedozvoljen znak");
            else if (bytes.size() > customer.Capacity)
                Refuse(row.Line, std::string(customer.Name) + " duzi od " + IntToText(static_cast<std::int32_t>(customer.Capacity)) + " znakova");
            else
                m_result.Customer.*customer.Text = bytes;
        }
    }

    void ReadRow(const CsvRecord &row, const std::vector<HeaderCell> &header)
    {
        RowState state;
        std::string reason;
        for (std::size_t i = 0; i < header.size() && reason.empty(); ++i) {
            const Column *column = header[i].Named;
            if (!column)
                continue;
            const std::string_view raw = i < row.Fields.size() ? std::string_view(row.Fields[i]) : std::string_view();
            // The parser has already trimmed unquoted cells; blanks a label kept in quotes are its own.
            const std::string_view cell = column->Kind == CellKind::Label ? raw : TrimBlanks(raw);
            if (TrimBlanks(cell).empty() && column->Required)
                reason = ReasonName(*column) + " nedostaje";
            else
                reason = ApplyCell(*column, header[i].Reading, cell, state);
        }
        if (reason.empty())
            reason = FinishRow(state);
        if (!reason.empty())
            Refuse(row.Line, reason);
        else if (state.Group == 0)
            PlaceElement(row.Line, state.Element);
        else
            PlacePiece(row.Line, state.Group - 1, state.Element);
    }

    // A group after an empty one would never be seen.
    void CheckGroupOrder()
    {
        for (int g = 1; g < kGroupsPerDocument; ++g) {
            if (m_pieces[g] > 0 && m_pieces[g - 1] == 0) {
                Refuse(m_firstLineOfGroup[g], "grupa " + IntToText(g + 1) + " posle prazne grupe");
                return;
            }
        }
    }

private:
    void PlaceElement(int line, const TElement &e)
    {
        if (m_elements < kMaxElements)
            m_result.Elements[m_elements] = e;
        else if (m_elements == kMaxElements)
            Refuse(line, "vise od " + IntToText(kMaxElements) + " elemenata");
        ++m_elements;
    }

    void PlacePiece(int line, int group, const TElement &e)
    {
        if (m_pieces[group] == 0)
            m_firstLineOfGroup[group] = line;
        if (m_pieces[group] < kPiecesPerGroup)
            m_result.Groups[group].Pieces[m_pieces[group]] = e;
        else if (m_pieces[group] == kPiecesPerGroup)
            Refuse(line, "grupa " + IntToText(group + 1) + " ima vise od " + IntToText(kPiecesPerGroup) + " komada");
        ++m_pieces[group];
    }

    ExchangeReadResult &m_result;
    int m_elements = 0;
    std::array<int, kGroupsPerDocument> m_pieces{};
    std::array<int, kGroupsPerDocument> m_firstLineOfGroup{};
};

void ReadBody(const ParsedText &parsed, std::optional<ExchangeFormat> format, ExchangeReadResult &result)
{
    ListReader reader(result);
    for (std::size_t r = 0; r < parsed.Header; ++r) {
        if (IsCommentRow(parsed.Rows[r]))
            reader.ReadCustomerRow(parsed.Rows[r]);
    }
    if (parsed.Header == parsed.Rows.size()) {
        reader.Refuse(1, "nema zaglavlja");
        return;
    }
    const CsvRecord &header = parsed.Rows[parsed.Header];
    // A header close to a format is read as it, so that the missing columns are named.
    if (!format)
        format = FormatOfHeadings(header.Fields, false);
    if (!format) {
        for (std::size_t i = 0; i < header.Fields.size(); ++i) {
            if (!TrimBlanks(header.Fields[i]).empty())
                reader.Refuse(header.Line, "nepoznato zaglavlje " + InColumn(std::string(TrimBlanks(header.Fields[i])), i));
        }
        if (result.Ok())
            reader.Refuse(header.Line, "nema zaglavlja");
        return;
    }
    const FormatLayout &layout = LayoutOf(*format);
    if (!layout.Readable) {
        reader.Refuse(header.Line, std::string(layout.Name) + " se ne ucitava");
        return;
    }
    const HeaderMatch match = MatchHeader(layout, header.Fields, parsed.Separator);
    for (const std::string &problem : match.Problems)
        reader.Refuse(header.Line, problem);
    for (const Column *missing : MissingColumns(layout, match))
        reader.Refuse(header.Line, std::string("nema kolone ") + missing->Heading);
    if (!result.Ok())
        return;
    for (std::size_t r = parsed.Header + 1; r < parsed.Rows.size() && !reader.Full(); ++r) {
        if (!IsBlankRow(parsed.Rows[r]))
            reader.ReadRow(parsed.Rows[r], match.Cells);
    }
    reader.CheckGroupOrder();
}

} // namespace

std::optional<ExchangeFormat> DetectExchangeFormat(std::string_view text)
{
    const ParsedText parsed = Parse(DecodeTextFile(text));
    if (!parsed.Parsed || parsed.Header == parsed.Rows.size())
        return std::nullopt;
    return FormatOfHeadings(parsed.Rows[parsed.Header].Fields, true);
}

ExchangeReadResult ReadExchange(std::string_view text, std::optional<ExchangeFormat> format)
{
    ExchangeReadResult result;
    ClearList(result.Elements);
    ClearGroups(result.Groups);
    const ParsedText parsed = Parse(DecodeTextFile(text));
    if (!parsed.Parsed)
        result.Refusals.push_back({parsed.Rows.empty() ? 1 : parsed.Rows.back().Line, "tekst se ne moze procitati"});
    else
        ReadBody(parsed, format, result);
    if (!result.Ok()) {
        ClearList(result.Elements);
        ClearGroups(result.Groups);
        result.Customer = CustomerTexts();
    }
    return result;
}
