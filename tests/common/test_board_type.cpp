#include "common/BoardType.h"

#include "common/ResultCodes.h"
#include "support/MessageCapture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TBoardType Board(std::int32_t length, std::int32_t width, const char *name = "Iverica 18")
{
    TBoardType b{};
    b.Length = length;
    b.Width = width;
    b.Grain = 1;
    b.PricePerM2 = 12.5;
    b.Quantity = 3;
    b.Name.assign(name);
    b.ShortText.assign("bela");
    return b;
}

// The leading bytes of a table, as "Table.T01" stores them.
std::string FileImage(const TBoardTable &table, std::size_t bytes)
{
    return std::string(reinterpret_cast<const char *>(table.data()), bytes);
}

bool AllZero(const void *data, std::size_t size)
{
    const auto *p = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (p[i] != 0)
            return false;
    }
    return true;
}

TBoardTable FullTable()
{
    TBoardTable table;
    for (int i = 0; i < kMaxBoardTypes; ++i)
        table[static_cast<std::size_t>(i)] = Board(2800 - i, 2070);
    return table;
}

} // namespace

TEST(BoardTypeCount, StopsAtTheFirstBlankRecord)
{
    TBoardTable table;
    ClearBoardTable(table);
    EXPECT_EQ(BoardTypeCount(table), 0);
    table[0] = Board(2800, 2070);
    table[1] = Board(2750, 1830);
    table[3] = Board(2440, 1220); // after the blank third record: not counted
    EXPECT_EQ(BoardTypeCount(table), 2);
}

TEST(BoardTypeCount, ANameOrShortTextAloneMakesARecordCount)
{
    TBoardTable table;
    ClearBoardTable(table);
    table[0] = Board(0, 0, "Ostatak");
    table[1].ShortText.assign("x");
    EXPECT_EQ(BoardTypeCount(table), 2);
    table[1].Width = 5;
    table[1].ShortText.assign("");
    EXPECT_EQ(BoardTypeCount(table), 2);
}

TEST(BoardTypeCount, FullTableCountsSixHundred)
{
    EXPECT_EQ(BoardTypeCount(FullTable()), 600);
}

TEST(ClearBoardTable, ZeroesEveryByte)
{
    TBoardTable table = FullTable();
    ClearBoardTable(table);
    EXPECT_TRUE(AllZero(table.data(), sizeof table));
}

TEST(ReadBoardTable, FileOfExactlyTheTableSizeLoadsSixHundred)
{
    TempDir dir;
    const TBoardTable full = FullTable();
    WriteAll(dir.file(kBoardTableFileName), FileImage(full, sizeof full));
    TBoardTable table;
    MessageCapture capture;
    ASSERT_EQ(ReadBoardTable(dir.file(kBoardTableFileName), table), rcOK);
    EXPECT_EQ(BoardTypeCount(table), 600);
    EXPECT_EQ(std::memcmp(table.data(), full.data(), sizeof full), 0);
    EXPECT_TRUE(capture.messages().empty());
}

TEST(ReadBoardTable, OneByteTooLongLoadsNothingAndShowsTheOverflow)
{
    TempDir dir;
    const TBoardTable full = FullTable();
    WriteAll(dir.file(kBoardTableFileName), FileImage(full, sizeof full) + "x");
    TBoardTable table = FullTable(); // a previous load must not survive
    MessageCapture capture;
    const int result = ReadBoardTable(dir.file(kBoardTableFileName), table);
    EXPECT_NE(result, rcOK);
    EXPECT_STRNE(ResultText(result), "Unknown error");
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].kind, MessageKind::Plain);
    EXPECT_EQ(capture.messages()[0].text, "Common.LoadBuffer: Buffer overflow error");
    EXPECT_TRUE(AllZero(table.data(), sizeof table));
}

TEST(ReadBoardTable, PartialLastRecordIsZeroFilled)
{
    TempDir dir;
    TBoardTable source;
    ClearBoardTable(source);
    source[0] = Board(2800, 2070);
    source[1] = Board(2750, 1830);
    source[2] = Board(2440, 1220, "Medijapan");
    // 250 bytes: two records and the first ten bytes (Length, Width, two
    // bytes of the uninterpreted field) of the third.
    std::memset(source[2].Reserved1, 0xAB, sizeof source[2].Reserved1);
    WriteAll(dir.file("t"), FileImage(source, 250));

    TBoardTable table = FullTable();
    ASSERT_EQ(ReadBoardTable(dir.file("t"), table), rcOK);
    EXPECT_EQ(BoardTypeCount(table), 3);
    EXPECT_EQ(table[2].Length, 2440);
    EXPECT_EQ(table[2].Width, 1220);
    EXPECT_EQ(table[2].Reserved1[0], 0xAB);
    EXPECT_EQ(table[2].Reserved1[1], 0xAB);
    const auto *third = reinterpret_cast<const unsigned char *>(&table[2]);
    EXPECT_TRUE(AllZero(third + 10, sizeof(TBoardType) - 10));
    EXPECT_TRUE(AllZero(&table[3], sizeof(TBoardType) * (kMaxBoardTypes - 3)));
}

TEST(ReadBoardTable, PartialThirdRecordWithZeroSizesIsBlank)
{
    TempDir dir;
    TBoardTable source;
    ClearBoardTable(source);
    source[0] = Board(2800, 2070);
    source[1] = Board(2750, 1830);
    source[2] = Board(0, 0, "cut off by the file end");
    WriteAll(dir.file("t"), FileImage(source, 250));
    TBoardTable table;
    ASSERT_EQ(ReadBoardTable(dir.file("t"), table), rcOK);
    EXPECT_EQ(BoardTypeCount(table), 2);
}

TEST(ReadBoardTable, EmptyOrMissingFileGivesAnEmptyTable)
{
    TempDir dir;
    WriteAll(dir.file("empty"), "");
    TBoardTable table = FullTable();
    EXPECT_EQ(ReadBoardTable(dir.file("empty"), table), rcOK);
    EXPECT_EQ(BoardTypeCount(table), 0);
    EXPECT_TRUE(AllZero(table.data(), sizeof table));

    table = FullTable();
    EXPECT_EQ(ReadBoardTable(dir.file("missing"), table), rcFileNotFound);
    EXPECT_TRUE(AllZero(table.data(), sizeof table));
}
