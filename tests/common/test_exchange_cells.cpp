// Cells and headings of cutting lists as people and office suites write them.

#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/exchange/CellNumber.h"
#include "common/exchange/Exchange.h"
#include "support/PackedField.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct SizeCase {
    const char *cell;
    DecimalMark mark;
    std::optional<std::int64_t> millimetres; // nothing: refused
};

void PrintTo(const SizeCase &c, std::ostream *os) { *os << '"' << c.cell << "\" mark " << int(c.mark); }

class CellSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CellSize, IsReadOnlyAsAPersonReadsIt)
{
    const SizeCase &c = GetParam();
    std::string problem;
    EXPECT_EQ(ReadCellMillimetres(c.cell, c.mark, SizeUnit::Mm, problem), c.millimetres) << problem;
    EXPECT_EQ(problem.empty(), c.millimetres.has_value());
}

constexpr DecimalMark kComma = DecimalMark::Comma; // a ';' file
constexpr DecimalMark kPoint = DecimalMark::Point; // a ',' file
constexpr DecimalMark kNone = DecimalMark::Undeclared; // a tab file
const std::nullopt_t kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(Separators, CellSize, ::testing::Values(
    // Both separators: the last one is the decimal one, whatever the file declares.
    SizeCase{"1.234,5", kComma, 1234}, SizeCase{"1.234,5", kPoint, 1234}, SizeCase{"1.234,5", kNone, 1234},
    SizeCase{"1,234.5", kComma, 1234}, SizeCase{"1,234.6", kNone, 1235}, SizeCase{"1.234.567,5", kNone, 1234568},
    SizeCase{"1,23.5", kPoint, kRefused}, SizeCase{"1.234,5,6", kComma, kRefused}, SizeCase{"12.34,5", kComma, kRefused},
    // One kind, as the file declares it.
    SizeCase{"2.100", kComma, 2100}, SizeCase{"2,5", kComma, 2}, SizeCase{"2,6", kComma, 3},
    SizeCase{"2.5", kComma, kRefused}, SizeCase{"2,100", kPoint, 2100}, SizeCase{"2.5", kPoint, 2},
    SizeCase{"2,5", kPoint, kRefused}, SizeCase{"1.234.567", kComma, 1234567}, SizeCase{"1,234,567", kComma, 1234567},
    SizeCase{"1.234.567", kNone, 1234567}, SizeCase{"1.23.456", kNone, kRefused}, SizeCase{"0.500", kComma, kRefused},
    // A tab declares nothing: three digits after a lone separator could be either.
    SizeCase{"2,100", kNone, kRefused}, SizeCase{"2.100", kNone, kRefused}, SizeCase{"2,10", kNone, 2},
    SizeCase{"2.1000", kNone, 2}, SizeCase{"0,500", kNone, 0}, SizeCase{"1234,567", kNone, 1235},
    // At either end a separator cannot group thousands.
    SizeCase{".5", kComma, 0}, SizeCase{".6", kNone, 1}, SizeCase{"5.", kComma, 5}, SizeCase{"5,", kPoint, 5},
    SizeCase{".", kPoint, kRefused}, SizeCase{",", kComma, kRefused},
    // Blanks and no-break spaces group thousands; blanks around the number do not count.
    SizeCase{"1 234", kNone, 1234}, SizeCase{"1\xC2\xA0" "234,5", kComma, 1234}, SizeCase{"  590  ", kPoint, 590},
    SizeCase{"12\xE2\x80\xAF" "345", kPoint, 12345}, SizeCase{"1 23", kPoint, kRefused}, SizeCase{"1  234", kNone, kRefused},
    SizeCase{"1 234.567,5", kComma, kRefused},
    // Signs, letters, exponents and the like.
    SizeCase{"-5", kPoint, kRefused}, SizeCase{"+5", kPoint, kRefused}, SizeCase{"5e3", kPoint, kRefused},
    SizeCase{"abc", kPoint, kRefused}, SizeCase{"0x10", kPoint, kRefused}, SizeCase{"", kPoint, kRefused},
    // Units in the cell.
    SizeCase{"59 cm", kPoint, 590}, SizeCase{"0,59m", kComma, 590}, SizeCase{"1.234,5 MM", kComma, 1234},
    SizeCase{"3 in", kPoint, kRefused}, SizeCase{"cm", kPoint, kRefused}));

TEST(CellSize, TheColumnsUnitAppliesUnlessTheCellNamesOne)
{
    std::string problem;
    EXPECT_EQ(ReadCellMillimetres("12,35", kComma, SizeUnit::Cm, problem), 124);
    EXPECT_EQ(ReadCellMillimetres("0,0215", kComma, SizeUnit::M, problem), 22);
    EXPECT_EQ(ReadCellMillimetres("590 mm", kComma, SizeUnit::M, problem), 590);
}

TEST(ParseInteger, TheSignRuleIsTheCallers)
{
    const struct {
        const char *text;
        std::optional<std::int64_t> refusingPlus, acceptingPlus;
    } cases[] = {
        {"5", 5, 5},           {" -5 ", -5, -5},     {"+5", std::nullopt, 5}, {"+", std::nullopt, std::nullopt},
        {"+-5", std::nullopt, std::nullopt}, {"5.0", std::nullopt, std::nullopt}, {"", std::nullopt, std::nullopt},
        {"9223372036854775807", INT64_MAX, INT64_MAX}, {"9223372036854775808", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ParseInteger(c.text, PlusSign::Refused), c.refusingPlus) << c.text;
        EXPECT_EQ(ParseInteger(c.text, PlusSign::Accepted), c.acceptingPlus) << c.text;
    }
}

TEST(DecodeTextFile, Utf8StaysWindows1250IsConverted)
{
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" "Du\xC5\xBEina"), "Du\xC5\xBEina");
    EXPECT_EQ(DecodeTextFile("Du\x9Eina;Bo\xE8na"), "Du\xC5\xBEina;Bo\xC4\x8Dna");
    EXPECT_EQ(DecodeTextFile("plain"), "plain");
}

// Headings as a person types them, each naming its column; a unit in brackets
// applies to the column's cells.
TEST(ExchangeHeadings, CaseDiacriticsBlanksAndUnitsDoNotMatter)
{
    const struct {
        const char *header;
        const char *row;
        std::int32_t length, width;
        int count;
    } cases[] = {
        {"Du\xC5\xBEina (mm);\xC5\xA0irina (mm);Komada", "720;560;2", 720, 560, 2},
        {" DUZINA ;Sirina [cm];Kom.", "720;56;2", 720, 560, 2},
        {"Duzina (m)\tSirina\tKol", "0,72\t560\t3", 720, 560, 3},
        {"duzina;sirina;Qty;Oznaka;Tekstura", "720;560;4;x;1", 720, 560, 4},
        {"Du\xC5\xBE" "ina;\xC5\xA0irina;Kom", "720;560;5", 720, 560, 5},
        {"RB;Duzina;Sirina;Komada;Prati teksturu;Naziv", "1;720;560;6;0;a", 720, 560, 6},
    };
    for (const auto &c : cases) {
        const ExchangeReadResult read = ReadExchange(std::string(c.header) + "\n" + c.row + "\n");
        ASSERT_TRUE(read.Ok()) << c.header << ": " << read.Refusals.front().Reason;
        EXPECT_EQ(Copy(read.Elements[0].Length), c.length) << c.header;
        EXPECT_EQ(Copy(read.Elements[0].Width), c.width) << c.header;
        EXPECT_EQ(Copy(read.Elements[0].Count), c.count) << c.header;
    }
}

TEST(ExchangeHeadings, AnUnknownOneIsNamedWithItsColumn)
{
    const struct {
        const char *text;
        const char *reason;
    } cases[] = {
        {"Duzina;Sirina;Komada;Oznaka;Boja\n1;1;1;a;b\n", "nepoznato zaglavlje 'Boja' u koloni 5"},
        {"Duzina;Sirina;Komada;Duzina\n1;1;1;1\n", "ponovljeno zaglavlje 'Duzina' u koloni 4"},
        {"Duzina (inch);Sirina;Komada\n1;1;1\n", "nepoznata jedinica 'inch' u koloni 1"},
        {"Duzina;Komada\n1;1\n", "nema kolone Sirina"},
    };
    for (const auto &c : cases) {
        const ExchangeReadResult read = ReadExchange(c.text);
        ASSERT_EQ(read.Refusals.size(), 1u) << c.text;
        EXPECT_EQ(read.Refusals[0].Reason, c.reason);
        EXPECT_EQ(read.Refusals[0].Line, 1);
    }
}

// What Smart2DCutting writes for an edge: nothing or 0, a name holding ABS,
// or any other mark for PVC.
TEST(Smart2dBands, EmptyOrZeroIsNoneAbsByNameAnythingElsePvc)
{
    const struct {
        const char *top, *bottom;
        std::uint8_t code;
    } cases[] = {
        {"", "0", BandingNone},       {"PVX", "", BandingPvcOne},   {"1", "x", BandingPvcTwo},
        {"abs 2mm", "", BandingAbsOne}, {"Hrast ABS", "ABS", BandingAbsTwo}, {"Absolut", "abs", BandingPvcAbs},
        {"0.4", "ABS-1", BandingPvcAbs},
    };
    for (const auto &c : cases) {
        const std::string text =
            std::string("Length,Width,Qty,Top band,Bottom band\n7,3,1,\"") + c.top + "\",\"" + c.bottom + "\"\n";
        const ExchangeReadResult read = ReadExchange(text);
        ASSERT_TRUE(read.Ok()) << c.top;
        EXPECT_EQ(Copy(read.Elements[0].LengthBanding), c.code) << c.top << " / " << c.bottom;
    }
}

TEST(ExportWarning, OnlyWhenTheRowsExceedWhatAListHolds)
{
    TElementList elements;
    ClearList(elements);
    TElementGroups groups;
    ClearGroups(groups);
    for (int i = 0; i < kMaxElements - 1; ++i) {
        elements[i].Length = 10;
        elements[i].Width = 10;
        elements[i].Count = 1;
    }
    groups[0].Pieces[0] = elements[0];
    EXPECT_EQ(ExportWarning(ExchangeFormat::Smart2d, elements, groups), ""); // 800 rows
    groups[0].Pieces[1] = elements[0];
    EXPECT_NE(ExportWarning(ExchangeFormat::Smart2d, elements, groups).find("801 redova"), std::string::npos);
    EXPECT_NE(ExportWarning(ExchangeFormat::Spreadsheet, elements, groups), "");
    EXPECT_EQ(ExportWarning(ExchangeFormat::MvInput, elements, groups), ""); // groups stay groups there
}

} // namespace
