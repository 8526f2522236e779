#include "common/exchange/Exchange.h"

#include "common/Conversions.h"
#include "common/CsvReader.h"
#include "common/Encoding.h"
#include "common/exchange/ExchangeCells.h"
#include "common/exchange/ExchangeLayout.h"

namespace {

class RowWriter {
public:
    RowWriter(const FormatLayout &layout, std::vector<std::string> *notes) : m_layout(layout), m_notes(notes) {}

    void Write(std::vector<std::string> cells)
    {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                m_text += m_layout.Delimiter;
            m_text += m_layout.Quoting ? QuotedCell(cells[i], m_layout.Delimiter) : Unsplittable(cells[i]);
        }
        m_text += m_layout.LineEnd;
        ++m_line;
    }

    void WriteElement(const TElement &e, int group)
    {
        std::vector<std::string> cells;
        ++m_position;
        for (const Column &column : m_layout.Columns)
            cells.push_back(CellOf(column, e, m_position, group));
        Write(std::move(cells));
    }

    std::string Text() && { return std::move(m_text); }

private:
    // Without quoting, a delimiter or a line break in a cell would split it;
    // only a label can hold one.
    std::string Unsplittable(std::string cell)
    {
        bool changed = false;
        for (char &c : cell) {
            if (c == m_layout.Delimiter || c == '\r' || c == '\n') {
                c = ' ';
                changed = true;
            }
        }
        if (changed && m_notes)
            m_notes->push_back(LineMessage(m_line, "zarez u oznaci zamenjen razmakom"));
        return cell;
    }

    const FormatLayout &m_layout;
    std::vector<std::string> *m_notes;
    std::string m_text;
    int m_line = 1;
    int m_position = 0;
};

} // namespace

std::string WriteExchange(ExchangeFormat format, const TElementList &elements, const TElementGroups &groups,
                          const CustomerTexts &customer, std::vector<std::string> *notes)
{
    const FormatLayout &layout = LayoutOf(format);
    const bool fullRecords = format == ExchangeFormat::MvInput;
    RowWriter writer(layout, notes);
    if (fullRecords) {
        for (const CustomerRow &row : kCustomerRows)
            writer.Write({row.Heading, Win1250ToUtf8((customer.*row.Text).substr(0, row.Capacity))});
    }
    std::vector<std::string> headings;
    for (const Column &column : layout.Columns)
        headings.emplace_back(column.Heading);
    writer.Write(std::move(headings));

    const int n = ElementCount(elements);
    for (int i = 0; i < n; ++i)
        writer.WriteElement(elements[i], 0);
    const int groupCount = GroupCount(groups);
    for (int g = 0; g < groupCount; ++g) {
        for (int p = 0; p < GroupPieceCount(groups[g]); ++p) {
            TElement piece = groups[g].Pieces[p];
            if (!fullRecords)
                piece.Count = 1; // an ordinary row of one piece
            writer.WriteElement(piece, g + 1);
        }
    }
    std::string text = std::move(writer).Text();
    return layout.Bom ? "\xEF\xBB\xBF" + text : text;
}

std::string ExportWarning(ExchangeFormat format, const TElementList &elements, const TElementGroups &groups)
{
    if (format == ExchangeFormat::MvInput)
        return {};
    int rows = ElementCount(elements);
    for (int g = 0; g < GroupCount(groups); ++g)
        rows += GroupPieceCount(groups[g]);
    if (rows <= kMaxElements)
        return {};
    return "spisak ima " + IntToText(rows) + " redova (elementi i komadi grupa): MvInput ga ne moze ponovo otvoriti"
           " kao jednu bazu, koja prima najvise " + IntToText(kMaxElements) + " elemenata";
}
