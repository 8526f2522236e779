// mvtool boards show|make, run as the real program.

#include "common/BoardType.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string kTool = MVTOOL_PATH;
const std::string kData = MVDATA_DIR;
const std::string kSource = MVSOURCE_DIR;
const std::string kHeader = "length,width,grain,price_per_m2,quantity,name,short_text,quantity_used,reserved\n";

ToolRun Mvtool(const std::vector<std::string> &args)
{
    return RunTool(kTool, args);
}

std::vector<TBoardType> ReadBoards(const std::string &name)
{
    const std::string bytes = ReadAll(name);
    EXPECT_EQ(bytes.size() % sizeof(TBoardType), 0u) << name;
    std::vector<TBoardType> boards(bytes.size() / sizeof(TBoardType));
    std::memcpy(boards.data(), bytes.data(), boards.size() * sizeof(TBoardType));
    return boards;
}

std::string Bytes(const std::vector<TBoardType> &boards)
{
    return std::string(reinterpret_cast<const char *>(boards.data()), boards.size() * sizeof(TBoardType));
}

TBoardType Board(std::int32_t length, std::int32_t width, const std::string &name, const std::string &shortText)
{
    TBoardType b{};
    b.Length = length;
    b.Width = width;
    b.Name.assign(name);
    b.ShortText.assign(shortText);
    return b;
}

// ---- the shipped table ----------------------------------------------------

// Packed board fields reach the EXPECT macros as copies (double(b.PricePerM2)):
// the macros bind references, and those fields are not aligned.
TEST(BoardsDefaults, BuiltTableHoldsAboutADozenRealBoards)
{
    const std::vector<TBoardType> boards = ReadBoards(kData + "/Table.T01");
    ASSERT_GE(boards.size(), 10u);
    ASSERT_LE(boards.size(), 16u);
    TBoardTable table;
    ASSERT_EQ(ReadBoardTable(kData + "/Table.T01", table), -150);
    EXPECT_EQ(static_cast<std::size_t>(BoardTypeCount(table)), boards.size()) << "no blank board inside";

    bool chipboardWithGrain = false;
    bool chipboardWithoutGrain = false;
    for (const TBoardType &b : boards) {
        const std::string name = b.Name.str();
        EXPECT_FALSE(name.empty());
        for (const char ch : name)
            EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << "Latin letters without diacritics: " << name;
        EXPECT_GT(std::int32_t(b.Length), 0) << name;
        EXPECT_GT(std::int32_t(b.Width), 0) << name;
        EXPECT_GT(double(b.PricePerM2), 0) << name;
        EXPECT_GT(std::int32_t(b.Quantity), 0) << name;
        if (b.Length == 2800 && b.Width == 2070 && name.rfind("Iverica", 0) == 0)
            (b.Grain ? chipboardWithGrain : chipboardWithoutGrain) = true;
    }
    EXPECT_TRUE(chipboardWithGrain);
    EXPECT_TRUE(chipboardWithoutGrain);
}

TEST(BoardsDefaults, BuiltTableIsTheTableOfTheSourceCsv)
{
    TempDir dir;
    const ToolRun run = Mvtool({"boards", "make", kSource + "/data/boards.csv", dir.file("Table.T01")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadAll(dir.file("Table.T01")), ReadAll(kData + "/Table.T01"));
}

TEST(BoardsDefaults, ShowStartsWithTheHeaderRow)
{
    const ToolRun run = Mvtool({"boards", "show", kData + "/Table.T01"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.compare(0, kHeader.size(), kHeader), 0) << run.out;
    EXPECT_NE(run.out.find("\n2800,2070,0,1090,40,Iverica bela 18 mm,bela glatka,0,\n"), std::string::npos)
        << run.out;
}

// ---- show, then make ------------------------------------------------------

// Random whole records: every field and the uninterpreted bytes random, texts
// of any Windows-1250 bytes (commas, quotes, line breaks included), prices
// that need every digit to come back, and a blank record in the middle.
std::vector<TBoardType> RandomTable(unsigned seed, std::size_t count)
{
    std::mt19937 random(seed);
    const double prices[] = {0.1, 1090, 1234.5678901234567, 1e-300, 5e-324, DBL_MAX, -0.0, -12.5, 1.0 / 3};
    std::vector<TBoardType> boards(count);
    for (TBoardType &b : boards) {
        std::uint8_t raw[sizeof(TBoardType)];
        for (std::uint8_t &byte : raw)
            byte = static_cast<std::uint8_t>(random());
        std::memcpy(&b, raw, sizeof b);
        b.PricePerM2 = prices[random() % std::size(prices)];
        std::string name(random() % 41, '\0'), shortText(random() % 43, '\0');
        for (char &ch : name)
            ch = static_cast<char>(random());
        for (char &ch : shortText)
            ch = static_cast<char>(random());
        b.Name.assign(name);
        b.ShortText.assign(shortText);
    }
    if (count > 2)
        boards[count / 2] = TBoardType{};
    return boards;
}

TEST(BoardsRoundTrip, ShowThenMakeGivesTheSameBytes)
{
    for (unsigned seed = 1; seed <= 5; ++seed) {
        TempDir dir;
        const std::vector<TBoardType> boards = RandomTable(seed, 40);
        WriteAll(dir.file("in.T01"), Bytes(boards));
        const ToolRun show = Mvtool({"boards", "show", dir.file("in.T01")});
        ASSERT_EQ(show.exitCode, 0) << show.err;
        EXPECT_NE(show.err.find("record 21 is blank"), std::string::npos) << show.err;
        WriteAll(dir.file("in.csv"), show.out);
        const ToolRun make = Mvtool({"boards", "make", dir.file("in.csv"), dir.file("out.T01")});
        ASSERT_EQ(make.exitCode, 0) << make.err;
        EXPECT_EQ(ReadAll(dir.file("out.T01")), Bytes(boards)) << "seed " << seed;
    }
}

TEST(BoardsRoundTrip, FullTableOfSixHundred)
{
    TempDir dir;
    std::vector<TBoardType> boards = RandomTable(99, kMaxBoardTypes);
    boards[kMaxBoardTypes / 2] = Board(1, 1, "", "");
    WriteAll(dir.file("in.T01"), Bytes(boards));
    const ToolRun show = Mvtool({"boards", "show", dir.file("in.T01")});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    WriteAll(dir.file("in.csv"), show.out);
    ASSERT_EQ(Mvtool({"boards", "make", dir.file("in.csv"), dir.file("out.T01")}).exitCode, 0);
    EXPECT_EQ(ReadAll(dir.file("out.T01")).size(), sizeof(TBoardTable));
    EXPECT_EQ(ReadAll(dir.file("out.T01")), Bytes(boards));
}

TEST(BoardsShow, QuotesTextsWithCommasQuotesAndLineBreaks)
{
    TempDir dir;
    TBoardType b = Board(2800, 2070, "Hrast \"Lanc\", 18", "a\r\nb");
    b.Grain = 1;
    b.PricePerM2 = 1480.5;
    b.Quantity = 3;
    b.QuantityUsed = 2;
    b.Reserved1[0] = 0xAB;
    b.Reserved2[8] = 0x01;
    WriteAll(dir.file("t.T01"), Bytes({b, Board(600, 300, " lead", "plain")}));
    const ToolRun run = Mvtool({"boards", "show", dir.file("t.T01")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, kHeader
                  + "2800,2070,1,1480.5,3,\"Hrast \"\"Lanc\"\", 18\",\"a\r\nb\",2,AB000000000000000000000001\n"
                    "600,300,0,0,0,\" lead\",plain,0,\n");
}

TEST(BoardsMake, ReadsQuotedFieldsAndDiacritics)
{
    TempDir dir;
    WriteAll(dir.file("t.csv"), "\xEF\xBB\xBF# boards\r\n" + std::string("length,width,grain,price_per_m2,quantity,name,"
                                                                    "short_text,quantity_used,reserved\r\n")
                                    + "\r\n# the first\r\n"
                                      "2800,2070,1,12.25,4,\"Iverica, \"\"bela\"\"\",\"two\nlines\",0,\r\n"
                                      " 600 , 300 ,0, 1e3 ,-1,\xC5\xA0ljiva \xC4\x8D\xC4\x87\xC4\x91\xC5\xBE,,65535,"
                                      "000102030405060708090a0B0c\n");
    const ToolRun run = Mvtool({"boards", "make", dir.file("t.csv"), dir.file("t.T01")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<TBoardType> boards = ReadBoards(dir.file("t.T01"));
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(std::int32_t(boards[0].Length), 2800);
    EXPECT_EQ(int(boards[0].Grain), 1);
    EXPECT_EQ(double(boards[0].PricePerM2), 12.25);
    EXPECT_EQ(boards[0].Name.str(), "Iverica, \"bela\"");
    EXPECT_EQ(boards[0].ShortText.str(), "two\nlines");
    EXPECT_EQ(std::int32_t(boards[1].Length), 600);
    EXPECT_EQ(std::int32_t(boards[1].Width), 300);
    EXPECT_EQ(double(boards[1].PricePerM2), 1000);
    EXPECT_EQ(std::int32_t(boards[1].Quantity), -1);
    EXPECT_EQ(boards[1].Name.str(), "\x8Aljiva \xE8\xE6\xF0\x9E");
    EXPECT_EQ(int(boards[1].QuantityUsed), 65535);
    const std::uint8_t reserved1[] = {0, 1, 2, 3};
    const std::uint8_t reserved2[] = {4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(std::memcmp(boards[1].Reserved1, reserved1, 4), 0);
    EXPECT_EQ(std::memcmp(boards[1].Reserved2, reserved2, 9), 0);

    const ToolRun show = Mvtool({"boards", "show", dir.file("t.T01")});
    EXPECT_NE(show.out.find(",\xC5\xA0ljiva \xC4\x8D\xC4\x87\xC4\x91\xC5\xBE,"), std::string::npos) << show.out;
}

TEST(BoardsMake, TextsAtTheirLimitsAreTaken)
{
    TempDir dir;
    std::string diacritics;
    for (int i = 0; i < 40; ++i)
        diacritics += "\xC5\xBE"; // ž, one byte in Windows-1250
    WriteAll(dir.file("t.csv"), kHeader + "1,1,0,0,0," + std::string(40, 'n') + "," + std::string(42, 's') + ",0,\n"
                                    + "1,1,0,0,0," + diacritics + ",,0,\n");
    const ToolRun run = Mvtool({"boards", "make", dir.file("t.csv"), dir.file("t.T01")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<TBoardType> boards = ReadBoards(dir.file("t.T01"));
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0].Name.str(), std::string(40, 'n'));
    EXPECT_EQ(boards[0].ShortText.str(), std::string(42, 's'));
    EXPECT_EQ(boards[1].Name.str(), std::string(40, '\x9E'));
}

TEST(BoardsMake, SixHundredRowsFillTheTable)
{
    TempDir dir;
    std::string csv = kHeader;
    for (int i = 1; i <= kMaxBoardTypes; ++i)
        csv += std::to_string(i) + ",100,0,1,1,Board " + std::to_string(i) + ",,0,\n";
    WriteAll(dir.file("t.csv"), csv);
    ASSERT_EQ(Mvtool({"boards", "make", dir.file("t.csv"), dir.file("t.T01")}).exitCode, 0);
    EXPECT_EQ(ReadAll(dir.file("t.T01")).size(), sizeof(TBoardTable));
}

// ---- refusals -------------------------------------------------------------

struct Refusal {
    const char *Name;
    std::string Rows; // after a comment line and the header (lines 1 and 2)
    int Line;
    const char *Says;
};

std::ostream &operator<<(std::ostream &out, const Refusal &r)
{
    return out << r.Name;
}

std::string Row(const std::string &name, const std::string &shortText = "x")
{
    return "2800,2070,0,1090,1," + name + "," + shortText + ",0,\n";
}

std::string TooManyRows()
{
    std::string rows;
    for (int i = 0; i <= kMaxBoardTypes; ++i)
        rows += Row("Board");
    return rows;
}

const Refusal kRefusals[] = {
    {"NameTooLong", Row("ok") + Row(std::string(41, 'n')), 4, "(board 2): name has 41 characters, at most 40 fit"},
    {"NameTooLongInDiacritics", Row(std::string(20, 'a') + std::string(21, ' ') + "\xC4\x8D"), 3,
     "name has 42 characters"},
    {"ShortTextTooLong", Row("ok", std::string(43, 's')), 3, "short_text has 43 characters, at most 42 fit"},
    {"LengthNotANumber", "28OO,2070,0,1,1,a,b,0,\n", 3, "length \"28OO\" is not a whole number"},
    {"WidthEmpty", "2800,,0,1,1,a,b,0,\n", 3, "width \"\" is not a whole number"},
    {"PriceNotANumber", "2800,2070,0,abc,1,a,b,0,\n", 3, "price_per_m2 \"abc\" is not a number"},
    {"PriceWithDecimalComma", "2800,2070,0,12,5,1,a,b,0,\n", 3, "9 fields expected, found 10"},
    {"PriceInfinite", "2800,2070,0,inf,1,a,b,0,\n", 3, "is not a number"},
    {"GrainAboveByte", "2800,2070,256,1,1,a,b,0,\n", 3, "grain 256 is out of range 0..255"},
    {"LengthBeyond32Bits", "2147483648,2070,0,1,1,a,b,0,\n", 3, "out of range"},
    {"QuantityUsedAboveWord", "2800,2070,0,1,1,a,b,65536,\n", 3, "quantity_used 65536 is out of range"},
    {"ReservedNotHex", "2800,2070,0,1,1,a,b,0,ZZ\n", 3, "reserved must be empty or 26 hexadecimal digits"},
    {"TooFewFields", "2800,2070,0,1,1,a\n", 3, "9 fields expected, found 6"},
    {"UnclosedQuote", Row("\"open") + Row("b"), 3, "quoted field is not closed"},
    {"QuoteInsideAPlainField", Row("a\"b"), 3, "double quote in a field that does not start with one"},
    {"TextAfterClosingQuote", Row("\"a\"b"), 3, "text after a closing double quote"},
    {"CharacterOutsideTheCodePage", Row("\xE6\x97\xA5"), 3, "name holds a character that Windows-1250 cannot store"},
    {"LaterRowAfterComments", Row("a") + "# note\n\n" + Row("b") + "x,1,0,1,1,c,d,0,\n", 7, "(board 3): length"},
    {"TooManyBoards", TooManyRows(), 603, "(board 601): too many boards, the table holds 600"},
};

class BoardsRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(BoardsRefusal, NamesTheRowAndLeavesTheOutputUntouched)
{
    const Refusal &r = GetParam();
    TempDir dir;
    WriteAll(dir.file("bad.csv"), "# boards\n" + kHeader + r.Rows);
    WriteAll(dir.file("Table.T01"), "previous contents");

    const ToolRun run = Mvtool({"boards", "make", dir.file("bad.csv"), dir.file("Table.T01")});
    EXPECT_EQ(run.exitCode, 1);
    const std::string line = "line " + std::to_string(r.Line);
    const std::size_t at = run.err.find(line);
    ASSERT_NE(at, std::string::npos) << run.err;
    EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(run.err[at + line.size()]))) << run.err;
    EXPECT_NE(run.err.find(r.Says), std::string::npos) << run.err;
    EXPECT_EQ(ReadAll(dir.file("Table.T01")), "previous contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "no file left behind";
}

INSTANTIATE_TEST_SUITE_P(BadRows, BoardsRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal> &info) { return std::string(info.param.Name); });

TEST(BoardsMake, HeaderMustComeFirst)
{
    TempDir dir;
    for (const std::string &text : {std::string("# only a comment\n"), std::string("length,width\n"),
                                    std::string("2800,2070,0,1,1,a,b,0,\n")}) {
        WriteAll(dir.file("bad.csv"), text);
        const ToolRun run = Mvtool({"boards", "make", dir.file("bad.csv"), dir.file("out.T01")});
        EXPECT_EQ(run.exitCode, 1) << text;
        EXPECT_NE(run.err.find("header"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.T01")));
    }
}

TEST(BoardsMake, BlanksStayInPlainFieldsAndLinesCountInsideQuotes)
{
    TempDir dir;
    const std::string rows = "1,1,0,0,0, a\rb ,\tc\t,0,\r\n"
                             "1,1,0,0,0,\"x\r\n\r\ny\",s,0,\n"
                             "   \n"
                             "# 1,1\n";
    WriteAll(dir.file("t.csv"), kHeader + rows);
    const ToolRun bad = Mvtool({"boards", "make", dir.file("t.csv"), dir.file("t.T01")});
    EXPECT_NE(bad.err.find("line 6 (board 3): 9 fields expected, found 1"), std::string::npos) << bad.err;

    WriteAll(dir.file("t.csv"), kHeader + rows.substr(0, rows.find("   ")));
    const ToolRun run = Mvtool({"boards", "make", dir.file("t.csv"), dir.file("t.T01")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<TBoardType> boards = ReadBoards(dir.file("t.T01"));
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0].Name.str(), " a\rb ");
    EXPECT_EQ(boards[0].ShortText.str(), "\tc\t");
    EXPECT_EQ(boards[1].Name.str(), "x\r\n\r\ny");
}

TEST(BoardsShow, FileLongerThanTheTableIsRefused)
{
    TempDir dir;
    WriteAll(dir.file("big.T01"), std::string(sizeof(TBoardTable) + 1, '\x01'));
    const ToolRun run = Mvtool({"boards", "show", dir.file("big.T01")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
}

TEST(BoardsCommand, WrongArgumentsPrintTheUsage)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"boards"}, {"boards", "show"}, {"boards", "make", "a.csv"}, {"boards", "list", "x"}}) {
        const ToolRun run = Mvtool(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
    }
}

} // namespace
