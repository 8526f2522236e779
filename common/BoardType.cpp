#include "common/BoardType.h"

#include "common/FileUtils.h"

int BoardTypeCount(const TBoardTable &table)
{
    int count = 0;
    while (count < kMaxBoardTypes && !table[static_cast<std::size_t>(count)].IsBlank())
        ++count;
    return count;
}

void ClearBoardTable(TBoardTable &table)
{
    table.fill(TBoardType{});
}

int ReadBoardTable(const std::string &name, TBoardTable &table)
{
    // Each load starts from an empty table, so a file shorter than the table
    // (or one refused as too long) leaves zero records behind it.
    ClearBoardTable(table);
    return LoadBuffer(name, table.data(), -1, sizeof(TBoardTable));
}
