// The CSV reader of `mvtool boards make` on any text.

#include "FuzzSupport.h"

#include "tools/BoardRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<TBoardType> boards;
    std::vector<std::string> problems;
    const bool ok = ReadBoardRows(text, boards, problems);
    Require(ok == problems.empty(), "refused exactly when a problem is named");
    Require(boards.size() <= static_cast<std::size_t>(kMaxBoardTypes), "at most 600 boards");
    for (const TBoardType &board : boards) {
        Require(board.Name.Length <= decltype(board.Name)::Capacity, "a name fits");
        Require(board.ShortText.Length <= decltype(board.ShortText)::Capacity, "a short text fits");
    }
    return 0;
}
