// mvtool boards: the board table "Table.T01" shown as CSV (RFC 4180 quoting,
// UTF-8), and built again from such a CSV. Every byte of a record has a
// column, so a table survives show and make unchanged.

#include "tools/BoardRows.h"
#include "tools/Commands.h"
#include "tools/ToolFiles.h"

#include "common/BoardType.h"
#include "common/CsvReader.h"
#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/ResultCodes.h"
#include "common/exchange/CellText.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace BoardsCsv;

// ---- show ----------------------------------------------------------------

std::string ReservedText(const TBoardType &board)
{
    std::uint8_t bytes[kReservedSize];
    std::memcpy(bytes, board.Reserved1, sizeof board.Reserved1);
    std::memcpy(bytes + sizeof board.Reserved1, board.Reserved2, sizeof board.Reserved2);
    // Left empty when all zero, as in a hand-written table.
    const bool any = std::any_of(bytes, bytes + kReservedSize, [](std::uint8_t b) { return b != 0; });
    return any ? HexOf(bytes, kReservedSize) : std::string();
}

std::string CsvRow(const TBoardType &board)
{
    return std::to_string(board.Length) + "," + std::to_string(board.Width) + "," + std::to_string(board.Grain) + ","
        + FormatNumber(board.PricePerM2) + "," + std::to_string(board.Quantity) + ","
        + QuotedCell(Win1250ToUtf8(board.Name.str()), ',') + ","
        + QuotedCell(Win1250ToUtf8(board.ShortText.str()), ',') + ","
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

int MakeBoards(const std::string &csvName, const std::string &outName)
{
    std::string text;
    if (!ReadTextFile(csvName, text))
        return 1;

    std::vector<TBoardType> boards;
    std::vector<std::string> problems;
    if (!ReadBoardRows(text, boards, problems)) {
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
