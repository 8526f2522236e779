// The board table read with LoadBuffer from a file of any bytes, and counted.

#include "FuzzSupport.h"

#include "common/BoardType.h"
#include "common/MessageSink.h"
#include "common/ResultCodes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The oversize message would go to standard error once per input.
    static const MessageSink quiet = SetMessageSink([](MessageKind, const std::string &) {});
    const std::string input = WriteInputFile(kBoardTableFileName, data, size);
    static TBoardTable table;
    const int code = ReadBoardTable(input, table);
    Require(code == (size <= sizeof table ? rcOK : rcFileCorrupted), "only an oversize table is refused");
    const std::size_t kept = code == rcOK ? size : 0;
    Require(SameBytes(table.data(), data, kept), "the table holds the file's bytes");
    Require(AllZero(reinterpret_cast<const std::uint8_t *>(table.data()) + kept, sizeof table - kept),
            "the rest of the table is zero");

    const int count = BoardTypeCount(table);
    Require(count >= 0 && count <= kMaxBoardTypes, "at most 600 boards");
    for (int i = 0; i < count; ++i)
        Require(!table[static_cast<std::size_t>(i)].IsBlank(), "no blank board before the count");
    Require(count == kMaxBoardTypes || table[static_cast<std::size_t>(count)].IsBlank(),
            "the count stops at a blank board");
    return 0;
}
