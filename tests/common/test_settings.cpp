#include "common/Settings.h"

#include "support/SettingsCases.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class SettingsAccessor : public testing::TestWithParam<AccessorCase> {};

TEST_P(SettingsAccessor, WritesOnlyItsBytesAndReadsThemBack)
{
    const AccessorCase &c = GetParam();
    for (unsigned seed : {1u, 2u, 3u}) {
        const TSettings before(RandomBytes(seed));
        TSettings after = before;
        c.Set(after);
        ExpectOnlyChanged(before, after, c.Offset, c.Stored.size());
        const std::vector<std::uint8_t> stored(after.bytes().begin() + c.Offset,
                                               after.bytes().begin() + c.Offset + c.Stored.size());
        EXPECT_EQ(stored, c.Stored);
        EXPECT_TRUE(c.Reads(after));

        // Reading takes the bytes at the offset, whatever put them there.
        TSettings raw(RandomBytes(seed + 10));
        std::copy(c.Stored.begin(), c.Stored.end(), raw.bytes().begin() + c.Offset);
        EXPECT_TRUE(c.Reads(raw));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAccessor, SettingsAccessor, testing::ValuesIn(AccessorCases()),
                         [](const testing::TestParamInfo<AccessorCase> &info) {
                             return std::string(info.param.Name) + "_" + std::to_string(info.index);
                         });

TEST(SettingsFlags, AnyNonZeroByteReadsAsSet)
{
    TSettings s;
    s.bytes()[185] = 2;
    EXPECT_TRUE(s.BandingInUse());
    s.bytes()[185] = 0;
    EXPECT_FALSE(s.BandingInUse());
}

TEST(SettingsTexts, MaterialNameIsAStringOfFortyAt499)
{
    const TSettings before(RandomBytes(7));
    TSettings s = before;
    s.SetMaterialName("Iverica");
    ExpectOnlyChanged(before, s, 499, 41);
    EXPECT_EQ(s.bytes()[499], 7);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&s.bytes()[500]), 7), "Iverica");
    for (std::size_t i = 507; i < 540; ++i)
        EXPECT_EQ(s.bytes()[i], 0) << "byte " << i;
    EXPECT_EQ(s.MaterialName(), "Iverica");

    s.SetMaterialName(std::string(45, 'x'));
    EXPECT_EQ(s.bytes()[499], 40);
    EXPECT_EQ(s.MaterialName(), std::string(40, 'x'));
    EXPECT_EQ(s.bytes()[540], before.bytes()[540]);
}

TEST(SettingsTexts, LengthByteBeyondTheCapacityReadsTheCapacity)
{
    TSettings s;
    s.bytes()[499] = 200;
    std::memset(&s.bytes()[500], 'a', 40);
    EXPECT_EQ(s.MaterialName(), std::string(40, 'a'));
}

TEST(SettingsTexts, BandingMarkOfCodeKIsAStringOfSixAt3476Plus7K)
{
    const char *marks[] = {"", " *", " **", " A", " AA", "123456"};
    const TSettings before(RandomBytes(9));
    TSettings s = before;
    for (int code = 1; code <= 5; ++code)
        s.SetBandingMarkText(code, marks[code]);
    ExpectOnlyChanged(before, s, 3483, 5 * 7);
    for (int code = 1; code <= 5; ++code) {
        const std::size_t offset = 3476 + 7 * std::size_t(code);
        EXPECT_EQ(s.bytes()[offset], std::strlen(marks[code])) << "code " << code;
        EXPECT_EQ(s.BandingMarkText(code), marks[code]);
    }
    s.SetBandingMarkText(5, "1234567");
    EXPECT_EQ(s.BandingMarkText(5), "123456");
    EXPECT_EQ(s.bytes()[3518], before.bytes()[3518]) << "the byte after the last mark is not touched";
}

} // namespace
