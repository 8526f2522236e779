#include "common/exchange/Exchange.h"

#include "common/Encoding.h"
#include "support/PackedField.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::string kSheet = "Duzina;Sirina;Komada;Oznaka;Tekstura;Kant duzine;Kant sirine\n";
const std::string kMv = "Length,Width,Count,Label,Group,AuxByte1,Reserved\n";

std::string Rows(const std::string &row, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += row;
    return text;
}

struct AcceptCase {
    std::string text;
    std::int32_t length, width;
    int count;
    std::string label; // UTF-8
    int grain = 0, lengthBanding = 0, widthBanding = 0;
};

void PrintTo(const AcceptCase &c, std::ostream *os) { *os << ::testing::PrintToString(c.text); }

const AcceptCase kAccepted[] = {
    {kSheet + "590;300;2\n", 590, 300, 2, ""},
    {"\xEF\xBB\xBF" + kSheet + "590;300;2;;1;5;4\r\n", 590, 300, 2, "", 1, 5, 4},
    {"Duzina\tSirina\tKomada\n59 cm\t0,3 m\t1\n", 590, 300, 1, ""},
    {"DUZINA;sirina;KOMADA\n0,59m;59CM;1\n590 mm;1;1\n", 590, 590, 1, ""},
    {"Komada;Oznaka;Sirina;Duzina\n4;Vrata;300;700\n", 700, 300, 4, "Vrata"},
    {kSheet + "700;300;1;\"Bočna; \"\"leva\"\"\";+\n", 700, 300, 1, "Bočna; \"leva\"", 1},
    {kSheet + "700;300;1;\" sa blankom \";-\n", 700, 300, 1, " sa blankom "},
    {kSheet + "99999;99999,4;65535;" + std::string(25, 'x') + "\n", 99999, 99999, 65535, std::string(25, 'x')},
    {kSheet + "590,5;591,5;1\n", 590, 592, 1, ""}, // halves go to the even millimetre
    {"\n# opis\n\n" + kSheet + "\n;;;\n700;300;1\n", 700, 300, 1, ""},
    {"length,width,qty,description\n\"2,100\",300,3,\"a, b\"\n", 2100, 300, 3, "a, b"},
    {"Length,Width,Qty,Rotate,Top band,Bottom band,Left band,Right band\n700,300,1,N,pvc,ABS,,0\n", 700, 300, 1,
     "", 1, BandingPvcAbs, BandingNone},
    {"Length,Width,Qty,Rotate,Top band,Bottom band,Left band,Right band\n700,300,1,y,,PVC,abs,ABS\n", 700, 300, 1,
     "", 0, BandingPvcOne, BandingAbsTwo},
    {"Length,Width,Qty,Top band,Bottom band,Left band,Right band\n7,3,1,ABS,PVC,ABS,\n", 7, 3, 1, "", 0,
     BandingPvcAbs, BandingAbsOne},
    {kMv + "700,300,2,#1,,,\n", 700, 300, 2, "#1"}, // a '#' after the header is a label
};

class ExchangeReaderAccepts : public ::testing::TestWithParam<AcceptCase> {};

struct RefuseCase {
    std::string text;
    std::vector<std::string> refusals;
    std::optional<ExchangeFormat> format = std::nullopt;
};

void PrintTo(const RefuseCase &c, std::ostream *os) { *os << ::testing::PrintToString(c.text.substr(0, 200)); }

// A text full of bad rows is reported up to its hundredth.
std::vector<std::string> FirstHundredBadLengths()
{
    std::vector<std::string> refusals;
    for (int line = 2; line <= 101; ++line)
        refusals.push_back("red " + std::to_string(line) + ": duzina \"x\" nije broj");
    return refusals;
}

std::vector<RefuseCase> RefusedCases()
{
    return {
        {kSheet + "700;abc;1\n", {"red 2: sirina \"abc\" nije broj"}},
        {kSheet + "700;1e3;1\n", {"red 2: sirina \"1e3\" nije broj"}},
        {kSheet + "700;3 in;1\n", {"red 2: sirina \"3 in\" nije broj"}},
        {kSheet + "700;;1\n", {"red 2: sirina nedostaje"}},
        {kSheet + "0;300;1\n-5;300;1\n0,4;300;1\n", {"red 2: duzina nije veca od nule", "red 3: duzina \"-5\" nije broj",
                                                     "red 4: duzina nije veca od nule"}},
        {kSheet + "100000;300;1\n99999,5;1;1\n1e400;1;1\n", {"red 2: duzina veca od 99999 mm",
                                                             "red 3: duzina veca od 99999 mm", "red 4: duzina \"1e400\" nije broj"}},
        {kSheet + "700;300;0\n700;300;65536\n700;300;2,5\n",
         {"red 2: komada manje od 1", "red 3: komada vise od 65535", "red 4: komada nije broj"}},
        {kSheet + "700;300;1;" + std::string(26, 'x') + "\n", {"red 2: oznaka duza od 25 znakova"}},
        {kSheet + "700;300;1;Жица\n", {"red 2: oznaka ima nedozvoljen znak"}},
        {kSheet + "700;300;1;;da\n", {"red 2: tekstura nije 1 ni 0"}},
        {kSheet + "700;300;1;;;6\n", {"red 2: kant duzine nije broj od 0 do 5"}},
        {"Length,Width,Qty,Rotate\n7,3,1,maybe\n", {"red 2: Rotate nije Y ni N"}},
        {kSheet + "1;1;1;\"dva\nreda\"\nx;1;1\n", {"red 4: duzina \"x\" nije broj"}},
        {"Duzina;Sirina\n1;1\n", {"red 1: nema kolone Komada"}},
        {"# samo opis\na;b;c\n1;2;3\n", {"red 2: nepoznato zaglavlje 'a' u koloni 1",
                                           "red 2: nepoznato zaglavlje 'b' u koloni 2",
                                           "red 2: nepoznato zaglavlje 'c' u koloni 3"}},
        {"", {"red 1: nema zaglavlja"}},
        {"Length,Width,Qty,Label,Enabled\n7,3,1,a,true\n", {"red 1: cutlist-optimizer se ne ucitava"}},
        {"Duzina;Sirina;Komada\n1;1;1\n", {"red 1: nepoznato zaglavlje 'Duzina' u koloni 1",
                                              "red 1: nepoznato zaglavlje 'Sirina' u koloni 2",
                                              "red 1: nepoznato zaglavlje 'Komada' u koloni 3", "red 1: nema kolone Length",
                                              "red 1: nema kolone Width", "red 1: nema kolone Count"},
         ExchangeFormat::MvInput},
        {kSheet + Rows("1;1;1\n", 801), {"red 802: vise od 800 elemenata"}},
        {kMv + "1,1,1,,11,,\n", {"red 2: grupa nije broj od 0 do 10"}},
        {kMv + Rows("1,1,1,,1,,\n", 11), {"red 12: grupa 1 ima vise od 10 komada"}},
        {kMv + "1,1,1,,0,,\n1,1,1,,2,,\n", {"red 3: grupa 2 posle prazne grupe"}},
        {kMv + "1,1,1,,0,256,\n1,1,1,,0,,0011\n", {"red 2: AuxByte1 nije broj od 0 do 255", "red 3: Reserved nije heks zapis"}},
        {"#Customer," + std::string(51, 'k') + "\n#Telephone,Ж\n" + kMv,
         {"red 1: kupac duzi od 50 znakova", "red 2: telefon ima nedozvoljen znak"}},
        {kSheet + Rows("x;1;1\n", 150), FirstHundredBadLengths()},
    };
}

class ExchangeReaderRefuses : public ::testing::TestWithParam<RefuseCase> {};

} // namespace

TEST_P(ExchangeReaderAccepts, ReadsTheFirstElement)
{
    const AcceptCase &c = GetParam();
    const ExchangeReadResult result = ReadExchange(c.text);
    ASSERT_TRUE(result.Ok()) << LineMessage(result.Refusals.front().Line, result.Refusals.front().Reason);
    const TElement &e = result.Elements[0];
    EXPECT_EQ(Copy(e.Length), c.length);
    EXPECT_EQ(Copy(e.Width), c.width);
    EXPECT_EQ(Copy(e.Count), c.count);
    EXPECT_EQ(Win1250ToUtf8(e.Label.str()), c.label);
    EXPECT_EQ(Copy(e.Grain), c.grain);
    EXPECT_EQ(Copy(e.LengthBanding), c.lengthBanding);
    EXPECT_EQ(Copy(e.WidthBanding), c.widthBanding);
}

INSTANTIATE_TEST_SUITE_P(Exchange, ExchangeReaderAccepts, ::testing::ValuesIn(kAccepted));

TEST_P(ExchangeReaderRefuses, ReportsEveryBadRowAndReturnsNoList)
{
    // Some good rows lie among the bad ones: none of them may come back.
    const ExchangeReadResult result = ReadExchange(GetParam().text, GetParam().format);
    std::vector<std::string> refusals;
    for (const ExchangeRefusal &refusal : result.Refusals)
        refusals.push_back(LineMessage(refusal.Line, refusal.Reason));
    EXPECT_EQ(refusals, GetParam().refusals);
    EXPECT_EQ(ElementCount(result.Elements), 0);
    EXPECT_EQ(GroupCount(result.Groups), 0);
    EXPECT_TRUE(result.Customer.Customer.empty());
}

INSTANTIATE_TEST_SUITE_P(Exchange, ExchangeReaderRefuses, ::testing::ValuesIn(RefusedCases()));

TEST(ExchangeDetect, TellsTheFormatFromTheHeaderRow)
{
    const std::pair<std::string, std::optional<ExchangeFormat>> cases[] = {
        {"Length,Width,LengthBanding,Count\n", ExchangeFormat::MvInput},
        {"Length,Width,Qty,Label,Enabled\n", ExchangeFormat::CutlistOptimizer},
        {"Length,Width,Qty\n", ExchangeFormat::Smart2d},
        {"description;LENGTH;width;qty;rotate\n", ExchangeFormat::Smart2d},
        {"\xEF\xBB\xBF# opis\r\nduzina\tsirina\tkomada\r\n", ExchangeFormat::Spreadsheet},
        {"RB;Duzina;Sirina;Komada\n", ExchangeFormat::Spreadsheet},
        {"Length,Width\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[text, format] : cases)
        EXPECT_EQ(DetectExchangeFormat(text), format) << text;
}
