#include "tools/BoardRows.h"

#include "tools/FieldValues.h"

#include "common/CsvReader.h"
#include "common/NumberText.h"
#include "common/exchange/CellText.h"

#include <cstring>
#include <optional>

using namespace BoardsCsv;

namespace {

// Turns the fields of one row into a record, adding a message per bad field.
class RowReader {
public:
    RowReader(const CsvRecord &record, int board, std::vector<std::string> &problems)
        : m_fields(record.Fields), m_problems(problems),
          m_where("line " + std::to_string(record.Line) + " (board " + std::to_string(board) + "): ")
    {
    }

    TBoardType board()
    {
        TBoardType b{};
        b.Length = static_cast<std::int32_t>(integer(Length, INT32_MIN, INT32_MAX));
        b.Width = static_cast<std::int32_t>(integer(Width, INT32_MIN, INT32_MAX));
        b.Grain = static_cast<std::uint8_t>(integer(Grain, 0, 255));
        b.PricePerM2 = price();
        b.Quantity = static_cast<std::int32_t>(integer(Quantity, INT32_MIN, INT32_MAX));
        b.Name.assign(text(Name, decltype(b.Name)::Capacity));
        b.ShortText.assign(text(ShortText, decltype(b.ShortText)::Capacity));
        b.QuantityUsed = static_cast<std::uint16_t>(integer(QuantityUsed, 0, 65535));
        reserved(b);
        return b;
    }

private:
    static const char *columnName(Column column)
    {
        static const char *const names[kColumnCount] = {"length", "width", "grain", "price_per_m2", "quantity",
                                                        "name", "short_text", "quantity_used", "reserved"};
        return names[column];
    }
    void problem(const std::string &text) { m_problems.push_back(m_where + text); }

    std::int64_t integer(Column column, std::int64_t minimum, std::int64_t maximum)
    {
        std::string why;
        const auto value = ReadInteger(m_fields[column], minimum, maximum, columnName(column), why);
        if (!value)
            problem(why);
        return value.value_or(0);
    }
    double price()
    {
        const std::optional<double> value = ParseNumber(m_fields[Price]);
        if (!value)
            problem("price_per_m2 \"" + m_fields[Price] + "\" is not a number (decimals after a point)");
        return value.value_or(0.0);
    }
    std::string text(Column column, std::size_t capacity)
    {
        std::string why;
        const std::optional<std::string> bytes = ReadWin1250Text(m_fields[column], capacity, columnName(column), why);
        if (!bytes)
            problem(why);
        return bytes.value_or(std::string());
    }
    void reserved(TBoardType &b)
    {
        const std::string_view hex = TrimBlanks(m_fields[Reserved]);
        if (hex.empty())
            return;
        std::vector<std::uint8_t> bytes;
        if (!ParseHex(hex, bytes) || bytes.size() != kReservedSize) {
            problem("reserved must be empty or " + std::to_string(2 * kReservedSize) + " hexadecimal digits");
            return;
        }
        std::memcpy(b.Reserved1, bytes.data(), sizeof b.Reserved1);
        std::memcpy(b.Reserved2, bytes.data() + sizeof b.Reserved1, sizeof b.Reserved2);
    }

    const std::vector<std::string> &m_fields;
    std::vector<std::string> &m_problems;
    std::string m_where;
};

std::string Joined(const std::vector<std::string> &fields)
{
    std::string text;
    for (const std::string &field : fields)
        text += (text.empty() ? "" : ",") + field;
    return text;
}

} // namespace

bool ReadBoardRows(const std::string &text, std::vector<TBoardType> &boards, std::vector<std::string> &problems)
{
    CsvOptions options;
    options.Comments = true;
    options.Strict = true; // blanks belong to their field
    const CsvText csv = ReadCsv(text, options);
    if (csv.Records.empty()) {
        problems.push_back(csv.Error.empty() ? "the header row is missing: " + std::string(kHeader) : csv.Error);
        return false;
    }
    const CsvRecord &header = csv.Records.front();
    if (Joined(header.Fields) != kHeader || header.Fields.size() != kColumnCount) {
        problems.push_back("line " + std::to_string(header.Line) + ": the first row must be the header "
                           + kHeader);
        return false;
    }
    for (std::size_t row = 1; row < csv.Records.size(); ++row) {
        const CsvRecord &record = csv.Records[row];
        const int number = static_cast<int>(row);
        const std::string where = "line " + std::to_string(record.Line) + " (board " + std::to_string(number) + "): ";
        if (number > kMaxBoardTypes) {
            problems.push_back(where + "too many boards, the table holds " + std::to_string(kMaxBoardTypes));
            return false;
        }
        if (record.Fields.size() != kColumnCount) {
            problems.push_back(where + std::to_string(kColumnCount) + " fields expected, found "
                               + std::to_string(record.Fields.size())
                               + " (a text with commas goes in double quotes)");
            boards.push_back(TBoardType{});
            continue;
        }
        boards.push_back(RowReader(record, number, problems).board());
    }
    if (!csv.Error.empty())
        problems.push_back(csv.Error);
    return problems.empty();
}
