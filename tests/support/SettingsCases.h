#pragma once
// Settings records for the tests: random bytes, the check that a write kept to
// its own bytes, and every named accessor of TSettings with the bytes it stores.

#include "common/Settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

inline TSettings::Bytes RandomBytes(unsigned seed)
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
inline void ExpectOnlyChanged(const TSettings &before, const TSettings &after, std::size_t offset, std::size_t size)
{
    for (std::size_t i = 0; i < TSettings::Size; ++i) {
        if (i < offset || i >= offset + size) {
            ASSERT_EQ(before.bytes()[i], after.bytes()[i]) << "byte " << i << " changed";
        }
    }
}

// Each accessor with the offset and little-endian bytes of one value.
struct AccessorCase {
    const char *Name;
    std::size_t Offset;
    std::vector<std::uint8_t> Stored;          // the bytes Set leaves at Offset
    std::function<void(TSettings &)> Set;
    std::function<bool(const TSettings &)> Reads; // the getter gives the value back
};

inline std::ostream &operator<<(std::ostream &out, const AccessorCase &c)
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

inline AccessorCase Column(int column, std::uint16_t width)
{
    return {"ColumnWidth", 2268 + 2 * std::size_t(column - 1), LittleEndian(width),
            [=](TSettings &s) { s.SetColumnWidth(column, width); },
            [=](const TSettings &s) { return s.ColumnWidth(column) == width; }};
}

inline const std::vector<AccessorCase> &AccessorCases()
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
