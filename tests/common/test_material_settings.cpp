// The settings as a document's material makes them: the board table's entry
// applied on a copy, for the plan and the labels of a document that is not the
// active one.

#include "common/MaterialSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(MaterialSettings, OnlyABoardTypeOfTheTableIsApplied)
{
    TSettings settings;
    settings.SetTrim(10);
    settings.SetBoardLength(1000);
    settings.SetPricePerM2(1);
    TBoardTable table{};
    for (int i = 0; i < 2; ++i) {
        table[i].Length = 2800 + i;
        table[i].Width = 2070;
        table[i].Grain = static_cast<std::uint8_t>(i);
        table[i].PricePerM2 = 1090 + i;
        table[i].Name.assign("Iverica");
    }
    const struct {
        int index;
        std::int32_t length; // 1000: the settings' own board
    } cases[] = {{-1, 1000}, {0, 1000}, {1, 2800}, {2, 2801}, {3, 1000}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        const TSettings chosen = SettingsWithMaterial(settings, table, c.index);
        EXPECT_EQ(chosen.BoardLength(), c.length);
        if (c.length == 1000) {
            EXPECT_EQ(chosen.bytes(), settings.bytes());
            continue;
        }
        EXPECT_EQ(chosen.UsableBoardLength(), c.length - 10);
        EXPECT_EQ(chosen.UsableBoardWidth(), 2060);
        EXPECT_EQ(chosen.PricePerM2(), 1090 + c.index - 1);
        EXPECT_EQ(chosen.DefaultGrain(), c.index == 2);
        EXPECT_EQ(chosen.MaterialName(), "Iverica");
    }
    EXPECT_EQ(settings.BoardLength(), 1000) << "the settings themselves stay as they were";
}

} // namespace
