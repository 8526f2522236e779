#include "common/Settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

TSettings::Bytes RandomBytes(unsigned seed)
{
    std::mt19937 random(seed);
    TSettings::Bytes bytes;
    for (std::uint8_t &b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

template <typename T> std::vector<std::uint8_t> LittleEndian(T value)
{
    std::vector<std::uint8_t> bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// Every byte outside [offset, offset + size) is the same in both records.
void ExpectOnlyChanged(const TSettings &before, const TSettings &after, std::size_t offset, std::size_t size)
{
    for (std::size_t i = 0; i < TSettings::Size; ++i) {
        if (i < offset || i >= offset + size) {
            ASSERT_EQ(before.bytes()[i], after.bytes()[i]) << "byte " << i << " changed";
        }
    }
}

// ---- the field table against the record layout ----------------------------

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

// ---- the named accessors --------------------------------------------------

struct AccessorCase {
    const char *Name;
    std::size_t Offset;
    std::vector<std::uint8_t> Stored;          // the bytes Set leaves at Offset
    std::function<void(TSettings &)> Set;
    std::function<bool(const TSettings &)> Reads; // the getter gives the value back
};

std::ostream &operator<<(std::ostream &out, const AccessorCase &c)
{
    return out << c.Name;
}

template <typename T>
AccessorCase Accessor(const char *name, std::size_t offset, void (TSettings::*set)(T), T (TSettings::*get)() const,
                      T value)
{
    return {name, offset, LittleEndian(value), [=](TSettings &s) { (s.*set)(value); },
            [=](const TSettings &s) { return (s.*get)() == value; }};
}

AccessorCase Column(int column, std::uint16_t width)
{
    return {"ColumnWidth", 2268 + 2 * std::size_t(column - 1), LittleEndian(width),
            [=](TSettings &s) { s.SetColumnWidth(column, width); },
            [=](const TSettings &s) { return s.ColumnWidth(column) == width; }};
}

const std::vector<AccessorCase> &AccessorCases()
{
    using S = TSettings;
    static const std::vector<AccessorCase> cases = {
        Accessor<std::int32_t>("UsableBoardLength", 19, &S::SetUsableBoardLength, &S::UsableBoardLength, 2790),
        Accessor<std::int32_t>("UsableBoardWidth", 23, &S::SetUsableBoardWidth, &S::UsableBoardWidth, 2060),
        Accessor<std::int32_t>("BoardLength", 58, &S::SetBoardLength, &S::BoardLength, 0x01020304),
        Accessor<std::int32_t>("BoardWidth", 62, &S::SetBoardWidth, &S::BoardWidth, -2),
        Accessor<double>("PricePerM2", 82, &S::SetPricePerM2, &S::PricePerM2, 1234.5),
        Accessor<std::int32_t>("Trim", 90, &S::SetTrim, &S::Trim, 10),
        Accessor<bool>("EditHints", 149, &S::SetEditHints, &S::EditHints, true),
        Accessor<bool>("AutoSort", 174, &S::SetAutoSort, &S::AutoSort, false),
        Accessor<std::int32_t>("Unit", 175, &S::SetUnit, &S::Unit, 3),
        Accessor<bool>("BandingInUse", 185, &S::SetBandingInUse, &S::BandingInUse, true),
        Accessor<bool>("GroupPanel", 189, &S::SetGroupPanel, &S::GroupPanel, true),
        Accessor<std::uint8_t>("TapeSurplus", 225, &S::SetTapeSurplus, &S::TapeSurplus, 250),
        Accessor<bool>("LabelsEntered", 227, &S::SetLabelsEntered, &S::LabelsEntered, true),
        Accessor<bool>("DefaultGrain", 237, &S::SetDefaultGrain, &S::DefaultGrain, false),
        Accessor<std::uint16_t>("RememberedMaterial", 497, &S::SetRememberedMaterial, &S::RememberedMaterial, 0x0102),
        Accessor<bool>("AddAbsThickness", 972, &S::SetAddAbsThickness, &S::AddAbsThickness, true),
        Accessor<std::int32_t>("AbsThickness", 984, &S::SetAbsThickness, &S::AbsThickness, 2),
        Accessor<std::uint32_t>("ControlColour", 2238, &S::SetControlColour, &S::ControlColour, 15593470),
        Accessor<std::uint32_t>("MainColour", 2242, &S::SetMainColour, &S::MainColour, 0x00112233),
        Accessor<std::uint8_t>("MaterialListLayout", 2246, &S::SetMaterialListLayout, &S::MaterialListLayout, 1),
        Accessor<std::uint32_t>("SelectedTextColour", 2251, &S::SetSelectedTextColour, &S::SelectedTextColour,
                                0x00FFFFFF),
        Accessor<std::uint32_t>("SelectedBackColour", 2255, &S::SetSelectedBackColour, &S::SelectedBackColour,
                                0x008A5F2F),
        Accessor<std::uint16_t>("WindowWidth", 2259, &S::SetWindowWidth, &S::WindowWidth, 660),
        Accessor<std::uint16_t>("WindowHeight", 2261, &S::SetWindowHeight, &S::WindowHeight, 520),
        Accessor<std::uint16_t>("WindowLeft", 2263, &S::SetWindowLeft, &S::WindowLeft, 0xABCD),
        Accessor<std::uint16_t>("WindowTop", 2265, &S::SetWindowTop, &S::WindowTop, 8),
        Accessor<std::uint8_t>("WindowState", 2267, &S::SetWindowState, &S::WindowState, 2),
        Column(1, 32), Column(2, 48), Column(3, 51), Column(4, 97),
        Column(5, 48), Column(6, 18), Column(7, 18), Column(8, 0x4142),
        Accessor<std::int32_t>("TapeAllowance", 3354, &S::SetTapeAllowance, &S::TapeAllowance, 20),
        Accessor<bool>("ResetLength", 3358, &S::SetResetLength, &S::ResetLength, true),
        Accessor<bool>("ResetWidth", 3359, &S::SetResetWidth, &S::ResetWidth, true),
        Accessor<bool>("ResetCount", 3360, &S::SetResetCount, &S::ResetCount, true),
        Accessor<bool>("ClearLabel", 3361, &S::SetClearLabel, &S::ClearLabel, true),
        Accessor<bool>("ResetBanding", 3363, &S::SetResetBanding, &S::ResetBanding, true),
    };
    return cases;
}

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
    EXPECT_EQ(GetIntegerField(s, *FindSettingsField("banding", "banding_in_use")), 1);
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
