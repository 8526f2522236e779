// mvtool boards: the board table "Table.T01" shown as CSV (RFC 4180 quoting,
// UTF-8), and built again from such a CSV. Every byte of a record has a
// column, so a table survives show and make unchanged.

#include "tools/Commands.h"
#include "tools/CsvRecords.h"
#include "tools/FieldValues.h"
#include "tools/NumberText.h"
#include "tools/ToolFiles.h"

#include "common/BoardType.h"
#include "common/Encoding.h"
#include "common/ResultCodes.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char *kHeader = "length,width,grain,price_per_m2,quantity,name,short_text,quantity_used,reserved";
constexpr std::size_t kColumnCount = 9;
enum Column { Length, Width, Grain, Price, Quantity, Name, ShortText, QuantityUsed, Reserved };

// The 13 bytes this program does not interpret, in file order.
constexpr std::size_t kReservedSize = sizeof(TBoardType::Reserved1) + sizeof(TBoardType::Reserved2);

// ---- show ----------------------------------------------------------------

std::string CsvField(const std::string &text)
{
    const bool plain = text.find_first_of(",\"\r\n") == std::string::npos
        && (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return text;
    std::string quoted = "\"";
    for (const char ch : text)
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

std::string ReservedText(const TBoardType &board)
{
    std::uint8_t bytes[kReservedSize];
    std::memcpy(bytes, board.Reserved1, sizeof board.Reserved1);
    std::memcpy(bytes + sizeof board.Reserved1, board.Reserved2, sizeof board.Reserved2);
    std::string text;
    bool any = false;
    for (const std::uint8_t b : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", b);
        text += hex;
        any = any || b != 0;
    }
    // Left empty when all zero, as in a hand-written table.
    return any ? text : std::string();
}

std::string CsvRow(const TBoardType &board)
{
    return std::to_string(board.Length) + "," + std::to_string(board.Width) + "," + std::to_string(board.Grain) + ","
        + FormatNumber(board.PricePerM2) + "," + std::to_string(board.Quantity) + ","
        + CsvField(Win1250ToUtf8(board.Name.str())) + "," + CsvField(Win1250ToUtf8(board.ShortText.str())) + ","
        + std::to_string(board.QuantityUsed) + "," + ReservedText(board);
}

} // namespace

int ShowBoards(const std::string &name)
{
    TBoardTable table;
    const int rc = ReadBoardTable(name, table);
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);
    if (rc != rcOK || error) {
        std::cerr << "mvtool: cannot read " << name << ": " << ResultText(rc != rcOK ? rc : rcFileAccessError) << "\n";
        return 1;
    }
    // Every record of the file is shown, also those after a blank one, so
    // that nothing is lost; a part record shows with its missing bytes zero.
    const std::size_t records = (static_cast<std::size_t>(size) + sizeof(TBoardType) - 1) / sizeof(TBoardType);
    const int count = BoardTypeCount(table);
    if (static_cast<std::size_t>(count) < records)
        std::cerr << "mvtool: note: record " << count + 1 << " is blank; the program uses only the " << count
                  << " boards before it\n";
    std::cout << kHeader << "\n";
    for (std::size_t i = 0; i < records; ++i)
        std::cout << CsvRow(table[i]) << "\n";
    return 0;
}

namespace {

// ---- make ----------------------------------------------------------------

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
        const std::string_view hex = TrimSpaces(m_fields[Reserved]);
        if (hex.empty())
            return;
        std::uint8_t bytes[kReservedSize];
        bool valid = hex.size() == 2 * kReservedSize
            && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
        for (std::size_t i = 0; valid && i < kReservedSize; ++i)
            bytes[i] = static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(2 * i, 2)), nullptr, 16));
        if (!valid) {
            problem("reserved must be empty or " + std::to_string(2 * kReservedSize) + " hexadecimal digits");
            return;
        }
        std::memcpy(b.Reserved1, bytes, sizeof b.Reserved1);
        std::memcpy(b.Reserved2, bytes + sizeof b.Reserved1, sizeof b.Reserved2);
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

// Reads the rows into boards; false with the problems when any row is bad.
bool ReadBoards(const std::string &text, std::vector<TBoardType> &boards, std::vector<std::string> &problems)
{
    const CsvText csv = ReadCsv(text);
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

} // namespace

int MakeBoards(const std::string &csvName, const std::string &outName)
{
    std::string text;
    if (!ReadTextFile(csvName, text))
        return 1;

    std::vector<TBoardType> boards;
    std::vector<std::string> problems;
    if (!ReadBoards(text, boards, problems)) {
        for (const std::string &problem : problems)
            std::cerr << "mvtool: " << csvName << ", " << problem << "\n";
        std::cerr << "mvtool: nothing written\n";
        return 1;
    }
    for (std::size_t i = 0; i < boards.size(); ++i) {
        if (boards[i].IsBlank() && i + 1 < boards.size()) {
            std::cerr << "mvtool: note: board " << i + 1 << " is blank; the program uses only the " << i
                      << " boards before it\n";
            break;
        }
    }

    return WriteMadeFile(outName, boards.data(), boards.size() * sizeof(TBoardType));
}
