// The field table of the settings text against the record layout, and the
// record written through it.

#include "tools/SettingsFields.h"

#include "support/SettingsCases.h"
#include "support/SettingsFieldSize.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

namespace {

struct LayoutCase {
    const char *Section;
    const char *Key;
    std::size_t Offset;
    SettingsFieldKind Kind;
    std::size_t Size;
};

std::ostream &operator<<(std::ostream &out, const LayoutCase &c)
{
    return out << c.Section << "/" << c.Key;
}

using K = SettingsFieldKind;
// The offsets and widths of the record's named fields, written out here
// independently of the program's own constants.
const LayoutCase kLayout[] = {
    {"material", "usable_length", 19, K::Int32, 4},
    {"material", "usable_width", 23, K::Int32, 4},
    {"material", "board_length", 58, K::Int32, 4},
    {"material", "board_width", 62, K::Int32, 4},
    {"material", "price_per_m2", 82, K::Double, 8},
    {"material", "trim", 90, K::Int32, 4},
    {"entry", "edit_hints", 149, K::Flag, 1},
    {"entry", "auto_sort", 174, K::Flag, 1},
    {"entry", "unit", 175, K::Int32, 4},
    {"banding", "banding_in_use", 185, K::Flag, 1},
    {"window", "group_panel", 189, K::Flag, 1},
    {"banding", "tape_surplus", 225, K::Byte, 1},
    {"entry", "labels_entered", 227, K::Flag, 1},
    {"material", "default_grain", 237, K::Flag, 1},
    {"material", "remembered_material", 497, K::UInt16, 2},
    {"material", "material_name", 499, K::Text, 41},
    {"entry", "add_abs_thickness", 972, K::Flag, 1},
    {"entry", "abs_thickness", 984, K::Int32, 4},
    {"colours", "control_background", 2238, K::Colour, 4},
    {"colours", "main_background", 2242, K::Colour, 4},
    {"material", "material_list_layout", 2246, K::Byte, 1},
    {"colours", "selected_text", 2251, K::Colour, 4},
    {"colours", "selected_background", 2255, K::Colour, 4},
    {"window", "width", 2259, K::UInt16, 2},
    {"window", "height", 2261, K::UInt16, 2},
    {"window", "left", 2263, K::UInt16, 2},
    {"window", "top", 2265, K::UInt16, 2},
    {"window", "state", 2267, K::Byte, 1},
    {"window", "column_widths", 2268, K::ColumnWidths, 16},
    {"banding", "tape_allowance", 3354, K::Int32, 4},
    {"entry", "reset_length", 3358, K::Flag, 1},
    {"entry", "reset_width", 3359, K::Flag, 1},
    {"entry", "reset_count", 3360, K::Flag, 1},
    {"entry", "clear_label", 3361, K::Flag, 1},
    {"entry", "reset_banding", 3363, K::Flag, 1},
    {"banding", "mark_1", 3483, K::Text, 7},
    {"banding", "mark_2", 3490, K::Text, 7},
    {"banding", "mark_3", 3497, K::Text, 7},
    {"banding", "mark_4", 3504, K::Text, 7},
    {"banding", "mark_5", 3511, K::Text, 7},
};

class SettingsFieldLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(SettingsFieldLayout, FieldSitsAtItsOffsetWithItsWidth)
{
    const LayoutCase &c = GetParam();
    const TSettingsField *field = FindSettingsField(c.Section, c.Key);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Offset, c.Offset);
    EXPECT_EQ(field->Kind, c.Kind);
    EXPECT_EQ(SettingsFieldSize(*field), c.Size);
    EXPECT_LE(c.Offset + c.Size, TSettings::Size);
}

INSTANTIATE_TEST_SUITE_P(EveryNamedField, SettingsFieldLayout, testing::ValuesIn(kLayout),
                         [](const testing::TestParamInfo<LayoutCase> &info) {
                             return std::string(info.param.Section) + "_" + info.param.Key;
                         });

TEST(SettingsFieldTable, HoldsExactlyTheNamedFieldsWithoutOverlap)
{
    ASSERT_EQ(SettingsFields().size(), std::size(kLayout));
    std::set<std::size_t> used;
    for (const TSettingsField &field : SettingsFields()) {
        EXPECT_NE(*field.Meaning, '\0') << field.Key;
        for (std::size_t i = field.Offset; i < field.Offset + SettingsFieldSize(field); ++i)
            EXPECT_TRUE(used.insert(i).second) << field.Key << " overlaps at byte " << i;
    }
    EXPECT_EQ(FindSettingsField("material", "no_such_key"), nullptr);
    EXPECT_EQ(FindSettingsField("entry", "trim"), nullptr) << "a key belongs to one section";
}

// Whatever a record holds, settings show prints and make must take back: the
// program reads a unit of 0 or 4 as millimetres, a state of 7 as normal.
TEST(SettingsFieldTable, RangesAreAllTheFieldWidthsHold)
{
    for (const TSettingsField &field : SettingsFields()) {
        std::pair<double, double> range{field.Minimum, field.Maximum};
        switch (field.Kind) {
        case SettingsFieldKind::Flag: EXPECT_EQ(range, std::make_pair(0.0, 1.0)) << field.Key; break;
        case SettingsFieldKind::Byte: EXPECT_EQ(range, std::make_pair(0.0, 255.0)) << field.Key; break;
        case SettingsFieldKind::UInt16:
        case SettingsFieldKind::ColumnWidths: EXPECT_EQ(range, std::make_pair(0.0, 65535.0)) << field.Key; break;
        case SettingsFieldKind::Int32:
            EXPECT_EQ(range, std::make_pair(-2147483648.0, 2147483647.0)) << field.Key;
            break;
        case SettingsFieldKind::Colour: EXPECT_EQ(range, std::make_pair(0.0, 4294967295.0)) << field.Key; break;
        case SettingsFieldKind::Double:
        case SettingsFieldKind::Text: break;
        }
    }
    EXPECT_EQ(FindSettingsField("material", "material_name")->Capacity, 40u);
    EXPECT_EQ(FindSettingsField("banding", "mark_5")->Capacity, 6u);
}

TEST(SettingsFieldAccess, AnyNonZeroFlagByteReadsAsOne)
{
    TSettings s;
    s.bytes()[185] = 2;
    EXPECT_EQ(GetIntegerField(s, *FindSettingsField("banding", "banding_in_use")), 1);
}

TEST(SettingsFieldAccess, TableAccessWritesTheFieldWidthLittleEndian)
{
    for (const TSettingsField &field : SettingsFields()) {
        if (field.Kind == K::Text || field.Kind == K::Double)
            continue;
        const TSettings before(RandomBytes(11));
        TSettings s = before;
        const auto value = static_cast<std::int64_t>(field.Maximum);
        const int column = field.Kind == K::ColumnWidths ? 8 : 1;
        SetIntegerField(s, field, value, column);
        const std::size_t offset = field.Offset + 2 * std::size_t(column - 1);
        const std::size_t width = field.Kind == K::ColumnWidths ? 2 : SettingsFieldSize(field);
        ExpectOnlyChanged(before, s, offset, width);
        std::int64_t stored = 0;
        std::memcpy(&stored, &s.bytes()[offset], width);
        EXPECT_EQ(stored, value) << field.Key;
        EXPECT_EQ(GetIntegerField(s, field, column), value) << field.Key;
    }
}

TEST(SettingsRecord, UnnamedBytesAreCarriedThroughEverySetter)
{
    const TSettings before(RandomBytes(13));
    TSettings s = before;
    for (const AccessorCase &c : AccessorCases())
        c.Set(s);
    s.SetMaterialName("Hrast");
    for (int code = 1; code <= 5; ++code)
        s.SetBandingMarkText(code, "x");
    std::set<std::size_t> named;
    for (const TSettingsField &field : SettingsFields()) {
        for (std::size_t i = field.Offset; i < field.Offset + SettingsFieldSize(field); ++i)
            named.insert(i);
    }
    for (std::size_t i = 0; i < TSettings::Size; ++i) {
        if (!named.count(i)) {
            ASSERT_EQ(s.bytes()[i], before.bytes()[i]) << "unnamed byte " << i;
        }
    }
}

} // namespace
