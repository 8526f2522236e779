#include "common/Encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct CharCase {
    unsigned char byte;
    const char *utf8;
};

// The Serbian letters and a sample of the rest of the upper half.
const CharCase kChars[] = {
    {0xE8, "č"}, {0xE6, "ć"}, {0xF0, "đ"}, {0x9A, "š"}, {0x9E, "ž"},
    {0xC8, "Č"}, {0xC6, "Ć"}, {0xD0, "Đ"}, {0x8A, "Š"}, {0x8E, "Ž"},
    {0x80, "€"}, {0x84, "„"}, {0x93, "“"}, {0x96, "–"}, {0x99, "™"},
    {0xA0, "\u00A0"}, {0xA3, "Ł"}, {0xB0, "°"}, {0xD7, "×"}, {0xDF, "ß"},
    {0xFF, "˙"},
};

void PrintTo(const CharCase &c, std::ostream *os) { *os << "0x" << std::hex << int(c.byte); }

class EncodingChar : public ::testing::TestWithParam<CharCase> {};

} // namespace

TEST_P(EncodingChar, ConvertsBothWays)
{
    const CharCase &c = GetParam();
    const std::string byte(1, static_cast<char>(c.byte));
    EXPECT_EQ(Win1250ToUtf8(byte), c.utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToWin1250(c.utf8, back));
    EXPECT_EQ(back, byte);
}

INSTANTIATE_TEST_SUITE_P(Table, EncodingChar, ::testing::ValuesIn(kChars));

TEST(Encoding, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(Utf8ToWin1250(Win1250ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Encoding, UnassignedBytesBecomeTheirC1Controls)
{
    EXPECT_EQ(Win1250ToUtf8("\x81\x83\x88\x90\x98"), "\u0081\u0083\u0088\u0090\u0098");
}

TEST(Encoding, SerbianTextRoundTrips)
{
    const std::string text = "Čačak, Đurđevo, šiša, žuto, ćup";
    std::string bytes;
    ASSERT_TRUE(Utf8ToWin1250(text, bytes));
    EXPECT_EQ(bytes.size(), 31u); // one byte per character
    EXPECT_EQ(Win1250ToUtf8(bytes), text);
}

TEST(Encoding, RefusesCharactersOutsideThePageAndLeavesOutputAlone)
{
    for (const char *text : {"Ж", "abc Ж", "😀", "ö ø", "ĉ", "\u00A2"}) {
        std::string out = "kept";
        EXPECT_FALSE(Utf8ToWin1250(text, out)) << text;
        EXPECT_EQ(out, "kept");
        EXPECT_FALSE(FitsWin1250(text)) << text;
    }
    EXPECT_TRUE(FitsWin1250("šljiva € 12"));
    EXPECT_TRUE(FitsWin1250(""));
}

TEST(Encoding, RefusesInvalidUtf8)
{
    const char *const invalid[] = {
        "\x80",             // continuation without a lead
        "\xC4",             // truncated two-byte sequence
        "a\xC4",            // truncated at the end
        "\xC4\x41",         // lead followed by a non-continuation
        "\xC0\xAF",         // overlong '/'
        "\xE0\x80\xAF",     // overlong '/' in three bytes
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "\xFF",
    };
    for (const char *text : invalid) {
        std::string out;
        EXPECT_FALSE(Utf8ToWin1250(text, out)) << testing::PrintToString(std::string(text));
    }
}
