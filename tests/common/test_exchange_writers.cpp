#include "common/exchange/Exchange.h"

#include "common/Encoding.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Win1250(const std::string &utf8)
{
    std::string bytes;
    EXPECT_TRUE(Utf8ToWin1250(utf8, bytes)) << utf8;
    return bytes;
}

TElement Banded(std::int32_t length, std::int32_t width, std::uint16_t count, const std::string &label,
                std::uint8_t lengthBanding, std::uint8_t widthBanding, std::uint8_t grain)
{
    TElement e = MakeElement(length, width, count, Win1250(label));
    e.LengthBanding = lengthBanding;
    e.WidthBanding = widthBanding;
    e.Grain = grain;
    return e;
}

// Every banding code on both sides, grain and none, a label with a letter of
// the code page, a comma and a quote, and a group of two pieces.
struct Sample {
    TElementList Elements = ListOf({
        Banded(2000, 600, 2, "Bočna, \"leva\"", BandingPvcTwo, BandingPvcAbs, 1),
        Banded(800, 300, 1, "Polica", BandingPvcOne, BandingNone, 0),
        Banded(720, 560, 4, "Vrata ABS", BandingAbsOne, BandingAbsTwo, 1),
        Banded(450, 90, 12, "", BandingPvcAbs, BandingPvcOne, 0),
    });
    TElementGroups Groups = NoGroups();
    CustomerTexts Customer{Win1250("Đorđe Šćekić"), Win1250("Čačak, Pivarska 3"), "032/123-456"};

    Sample()
    {
        Groups[0].Pieces[0] = Banded(500, 100, 1, "Lajsna", BandingPvcOne, BandingNone, 1);
        Groups[0].Pieces[1] = Banded(420, 100, 1, "Lajsna", BandingNone, BandingNone, 1);
    }
};

struct GoldenCase {
    ExchangeFormat format;
    const char *file;
    std::vector<std::string> notes;
};

const GoldenCase kGoldenCases[] = {
    {ExchangeFormat::MvInput, "sample.mvinput.csv", {}},
    {ExchangeFormat::CutlistOptimizer, "sample.cutlist-optimizer.csv", {"red 2: zarez u oznaci zamenjen razmakom"}},
    {ExchangeFormat::Smart2d, "sample.smart2d.csv", {}},
    {ExchangeFormat::Spreadsheet, "sample.spreadsheet.csv", {}},
};

std::string GoldenFile(const char *name)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "exchange" / name).string();
}

class ExchangeWriterGolden : public ::testing::TestWithParam<GoldenCase> {};

std::string CaseName(const ::testing::TestParamInfo<GoldenCase> &info)
{
    std::string name = ExchangeFormatName(info.param.format);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

} // namespace

TEST_P(ExchangeWriterGolden, WritesTheSampleAsTheGoldenFile)
{
    const Sample sample;
    std::vector<std::string> notes;
    const std::string text = WriteExchange(GetParam().format, sample.Elements, sample.Groups, sample.Customer, &notes);
    EXPECT_EQ(text, ReadAll(GoldenFile(GetParam().file)));
    EXPECT_EQ(notes, GetParam().notes);
    EXPECT_EQ(DetectExchangeFormat(text), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Exchange, ExchangeWriterGolden, ::testing::ValuesIn(kGoldenCases), CaseName);

TEST(ExchangeFormatName, EveryNameParsesBackInAnyCase)
{
    for (const GoldenCase &c : kGoldenCases) {
        const std::string name = ExchangeFormatName(c.format);
        EXPECT_EQ(ExchangeFormatFromName(name), c.format);
        std::string upper = name;
        for (char &ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(ExchangeFormatFromName(upper), c.format);
    }
    EXPECT_EQ(ExchangeFormatFromName("xlsx"), std::nullopt);
    EXPECT_EQ(ExchangeFormatFromName(""), std::nullopt);
    EXPECT_FALSE(IsReadableExchangeFormat(ExchangeFormat::CutlistOptimizer));
}
