#include "common/exchange/Exchange.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/exchange/CellText.h"
#include "common/exchange/CsvText.h"
#include "common/exchange/ExchangeCells.h"
#include "common/exchange/ExchangeLayout.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A text full of bad rows says all it needs in its first ones.
constexpr std::size_t kMaxRefusals = 100;

bool IsBlankRow(const CsvRow &row)
{
    return std::all_of(row.Cells.begin(), row.Cells.end(),
                       [](const std::string &cell) { return Trimmed(cell).empty(); });
}

bool IsCommentRow(const CsvRow &row)
{
    return !row.Cells.empty() && !row.Cells[0].empty() && row.Cells[0][0] == '#';
}

struct ParsedText {
    std::vector<CsvRow> Rows;
    std::size_t Header = 0; // index of the header row; Rows.size() when there is none
    bool Parsed = false;
};

// Blank rows and '#' comments may come before the header row, not after it:
// a label may well start with '#'.
ParsedText ParseWith(std::string_view text, char delimiter)
{
    ParsedText parsed;
    parsed.Parsed = ParseCsv(text, delimiter, parsed.Rows);
    while (parsed.Header < parsed.Rows.size()
           && (IsBlankRow(parsed.Rows[parsed.Header]) || IsCommentRow(parsed.Rows[parsed.Header])))
        ++parsed.Header;
    return parsed;
}

std::size_t HeaderCells(const ParsedText &parsed)
{
    return parsed.Header < parsed.Rows.size() ? parsed.Rows[parsed.Header].Cells.size() : 0;
}

// The delimiter is the one that splits the header row into the most cells
// (',' on a tie); parsing with each finds the header past quoted line breaks.
ParsedText Parse(std::string_view text)
{
    text = WithoutBom(text);
    ParsedText best = ParseWith(text, ',');
    for (const char delimiter : {';', '\t'}) {
        ParsedText parsed = ParseWith(text, delimiter);
        if (parsed.Parsed && HeaderCells(parsed) > HeaderCells(best))
            best = std::move(parsed);
    }
    return best;
}

// For each cell of the header row, the layout's column it names; the first of
// two equal headings counts.
std::vector<const Column *> ColumnsOfHeadings(const FormatLayout &layout, const std::vector<std::string> &headings)
{
    std::vector<const Column *> columns(headings.size(), nullptr);
    for (const Column &column : layout.Columns) {
        const std::string wanted = Lowered(column.Heading);
        for (std::size_t i = 0; i < headings.size(); ++i) {
            if (Lowered(Trimmed(headings[i])) == wanted) {
                columns[i] = &column;
                break;
            }
        }
    }
    return columns;
}

std::vector<const Column *> MissingColumns(const FormatLayout &layout, const std::vector<const Column *> &found)
{
    std::vector<const Column *> missing;
    for (const Column &column : layout.Columns) {
        if (column.Required && std::find(found.begin(), found.end(), &column) == found.end())
            missing.push_back(&column);
    }
    return missing;
}

// The layout whose headings the header row has: one with all its required
// headings before one without, then the one with the most headings found.
std::optional<ExchangeFormat> FormatOfHeadings(const std::vector<std::string> &headings, bool complete)
{
    std::optional<ExchangeFormat> best;
    std::pair<bool, std::ptrdiff_t> bestScore{false, 0};
    for (const FormatLayout &layout : ExchangeLayouts()) {
        const std::vector<const Column *> columns = ColumnsOfHeadings(layout, headings);
        const std::pair<bool, std::ptrdiff_t> score{
            MissingColumns(layout, columns).empty(),
            std::count_if(columns.begin(), columns.end(), [](const Column *c) { return c != nullptr; })};
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

    void ReadCustomerRow(const CsvRow &row)
    {
        const std::string heading = Lowered(Trimmed(row.Cells[0]));
        for (const CustomerRow &customer : kCustomerRows) {
            if (heading != Lowered(customer.Heading))
                continue;
            std::string bytes;
            const std::string text = row.Cells.size() > 1 ? row.Cells[1] : std::string();
            if (!Utf8ToWin1250(text, bytes))
                Refuse(row.Line, std::string(customer.Name) + " ima nedozvoljen znak");
            else if (bytes.size() > customer.Capacity)
                Refuse(row.Line, std::string(customer.Name) + " duzi od " + IntToText(static_cast<std::int32_t>(customer.Capacity)) + " znakova");
            else
                m_result.Customer.*customer.Text = bytes;
        }
    }

    void ReadRow(const CsvRow &row, const std::vector<const Column *> &columns)
    {
        RowState state;
        std::string reason;
        for (std::size_t i = 0; i < columns.size() && reason.empty(); ++i) {
            if (!columns[i])
                continue;
            const std::string_view raw = i < row.Cells.size() ? std::string_view(row.Cells[i]) : std::string_view();
            // The parser has already trimmed unquoted cells; blanks a label kept in quotes are its own.
            const std::string_view cell = columns[i]->Kind == CellKind::Label ? raw : Trimmed(raw);
            if (Trimmed(cell).empty() && columns[i]->Required)
                reason = ReasonName(*columns[i]) + " nedostaje";
            else
                reason = ApplyCell(*columns[i], cell, state);
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
    const CsvRow &header = parsed.Rows[parsed.Header];
    // A header close to a format is read as it, so that the missing columns are named.
    if (!format)
        format = FormatOfHeadings(header.Cells, false);
    if (!format) {
        reader.Refuse(header.Line, "nepoznato zaglavlje");
        return;
    }
    const FormatLayout &layout = LayoutOf(*format);
    if (!layout.Readable) {
        reader.Refuse(header.Line, std::string(layout.Name) + " se ne ucitava");
        return;
    }
    const std::vector<const Column *> columns = ColumnsOfHeadings(layout, header.Cells);
    for (const Column *missing : MissingColumns(layout, columns))
        reader.Refuse(header.Line, std::string("nema kolone ") + missing->Heading);
    if (!result.Ok())
        return;
    for (std::size_t r = parsed.Header + 1; r < parsed.Rows.size() && !reader.Full(); ++r) {
        if (!IsBlankRow(parsed.Rows[r]))
            reader.ReadRow(parsed.Rows[r], columns);
    }
    reader.CheckGroupOrder();
}

} // namespace

std::optional<ExchangeFormat> DetectExchangeFormat(std::string_view text)
{
    const ParsedText parsed = Parse(text);
    if (!parsed.Parsed || parsed.Header == parsed.Rows.size())
        return std::nullopt;
    return FormatOfHeadings(parsed.Rows[parsed.Header].Cells, true);
}

ExchangeReadResult ReadExchange(std::string_view text, std::optional<ExchangeFormat> format)
{
    ExchangeReadResult result;
    ClearList(result.Elements);
    ClearGroups(result.Groups);
    const ParsedText parsed = Parse(text);
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
