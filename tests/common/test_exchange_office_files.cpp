// Cutting lists as LibreOffice Calc exports them (tests/data/exchange/README.md):
// thousands separators, decimal commas and Windows-1250 as a workshop's sheet has them.

#include "common/Encoding.h"
#include "common/exchange/Exchange.h"
#include "support/PackedField.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string OfficeText(const char *name)
{
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "exchange" / name;
    return ReadAll(path.string());
}

struct Part {
    std::int32_t length, width;
    int count;
    const char *label; // UTF-8
    int grain;
};

// The kitchen of both sheets: 2.100 and "15,000" formatted with thousands, 559,5 a tie.
const Part kKitchen[] = {
    {2100, 600, 2, "Bočna stranica", 1},
    {720, 560, 4, "Vrata šank", 1},
    {15000, 350, 1, "Radna ploča", 0},
    {450, 90, 12, "Lajsna", 0},
};

class OfficeFile : public ::testing::TestWithParam<const char *> {};

TEST_P(OfficeFile, ReadsTheKitchenAsTheSheetShowsIt)
{
    const ExchangeReadResult read = ReadExchange(OfficeText(GetParam()));
    ASSERT_TRUE(read.Ok()) << LineMessage(read.Refusals.front().Line, read.Refusals.front().Reason);
    ASSERT_EQ(ElementCount(read.Elements), 4);
    for (int i = 0; i < 4; ++i) {
        const TElement &e = read.Elements[static_cast<std::size_t>(i)];
        const Part &want = kKitchen[i];
        EXPECT_EQ(Copy(e.Length), want.length) << i;
        EXPECT_EQ(Copy(e.Width), want.width) << i;
        EXPECT_EQ(Copy(e.Count), want.count) << i;
        EXPECT_EQ(Win1250ToUtf8(e.Label.str()), want.label) << i;
        EXPECT_EQ(Copy(e.Grain), want.grain) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(LibreOffice, OfficeFile,
                         ::testing::Values("libreoffice-sr-semicolon.csv", "libreoffice-en-comma.csv",
                                           "libreoffice-sr-windows-1250.csv"));

// A tab declares no decimal separator: "2,100" could be 2100 or 2.1.
TEST(OfficeFileTab, ThousandsWithoutADeclaredSeparatorAreRefused)
{
    const ExchangeReadResult read = ReadExchange(OfficeText("libreoffice-en-tab.csv"));
    ASSERT_EQ(read.Refusals.size(), 2u);
    EXPECT_EQ(LineMessage(read.Refusals[0].Line, read.Refusals[0].Reason),
              "red 2: duzina \"2,100\" je dvosmislen broj (hiljade ili decimale?)");
    EXPECT_EQ(read.Refusals[1].Line, 4);
    EXPECT_EQ(ElementCount(read.Elements), 0);
}

} // namespace
