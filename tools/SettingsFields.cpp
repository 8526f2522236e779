#include "tools/SettingsFields.h"

#include <limits>

namespace {

using Kind = SettingsFieldKind;
constexpr double kInt32Min = -2147483648.0;
constexpr double kInt32Max = 2147483647.0;
constexpr double kUInt16Max = 65535.0;
constexpr double kDoubleMax = std::numeric_limits<double>::max();

TSettingsField Flag(const char *section, const char *key, std::size_t offset, const char *meaning)
{
    return {section, key, offset, Kind::Flag, 0, 1, 0, meaning};
}

TSettingsField Number(const char *section, const char *key, std::size_t offset, Kind kind, double minimum,
                      double maximum, const char *meaning)
{
    return {section, key, offset, kind, minimum, maximum, 0, meaning};
}

TSettingsField Colour(const char *key, std::size_t offset, const char *meaning)
{
    // #RRGGBB, or any stored value: Windows marks system colours in the high byte.
    return {"colours", key, offset, Kind::Colour, 0, 0xFFFFFFFF, 0, meaning};
}

TSettingsField Text(const char *section, const char *key, std::size_t offset, std::size_t capacity,
                    const char *meaning)
{
    return {section, key, offset, Kind::Text, 0, 0, capacity, meaning};
}

std::vector<TSettingsField> MakeFields()
{
    namespace O = SettingsOffset;
    return {
        Number("material", "remembered_material", O::RememberedMaterial, Kind::UInt16, 0, kUInt16Max,
               "material chosen for a new window: board number in Table.T01 plus 1 (2 = the first board, 0 = none)"),
        Text("material", "material_name", O::MaterialName, kMaterialNameCapacity,
             "name of the current material (at most 40 characters)"),
        Number("material", "board_length", O::BoardLength, Kind::Int32, kInt32Min, kInt32Max,
               "board length of the current material in mm"),
        Number("material", "board_width", O::BoardWidth, Kind::Int32, kInt32Min, kInt32Max,
               "board width of the current material in mm"),
        Number("material", "usable_length", O::UsableBoardLength, Kind::Int32, kInt32Min, kInt32Max,
               "usable board length in mm (board length less the trim)"),
        Number("material", "usable_width", O::UsableBoardWidth, Kind::Int32, kInt32Min, kInt32Max,
               "usable board width in mm (board width less the trim)"),
        Number("material", "trim", O::Trim, Kind::Int32, kInt32Min, kInt32Max,
               "trim in mm, taken once off each board dimension"),
        Number("material", "price_per_m2", O::PricePerM2, Kind::Double, -kDoubleMax, kDoubleMax,
               "price of one square metre of the current material"),
        Flag("material", "default_grain", O::DefaultGrain,
             "the current material has a grain: 'Prati teksturu' is ticked by default (0 or 1)"),
        Number("material", "material_list_layout", O::MaterialListLayout, Kind::Byte, 0, 255,
               "material list: 1 = name first, any other value = short text first"),

        // The program shows any other unit as millimetres, so every stored value is one to keep.
        Number("entry", "unit", O::Unit, Kind::Int32, kInt32Min, kInt32Max,
               "unit of measure: 1 = mm, 2 = cm, 3 = m (any other value reads as mm)"),
        Flag("entry", "auto_sort", O::AutoSort,
             "sort the elements by length after reading a file and after adding (0 or 1)"),
        Flag("entry", "edit_hints", O::EditHints, "hints shown in the edit dialog (0 or 1)"),
        Flag("entry", "labels_entered", O::LabelsEntered, "element labels are entered (0 or 1)"),
        Flag("entry", "add_abs_thickness", O::AddAbsThickness,
             "add the ABS tape thickness to ABS-banded elements on entry (0 or 1)"),
        Number("entry", "abs_thickness", O::AbsThickness, Kind::Int32, kInt32Min, kInt32Max,
               "that ABS tape thickness in mm"),
        Flag("entry", "reset_length", O::ResetLength, "after an entry, set the length field back to 000 (0 or 1)"),
        Flag("entry", "reset_width", O::ResetWidth, "after an entry, set the width field back to 000 (0 or 1)"),
        Flag("entry", "reset_count", O::ResetCount, "after an entry, set the count field back to 1 (0 or 1)"),
        Flag("entry", "clear_label", O::ClearLabel, "after an entry, clear the label field (0 or 1)"),
        Flag("entry", "reset_banding", O::ResetBanding,
             "after an entry, set both banding boxes back to no banding (0 or 1)"),

        Flag("banding", "banding_in_use", O::BandingInUse, "edge banding in use (0 or 1)"),
        Number("banding", "tape_surplus", O::TapeSurplus, Kind::Byte, 0, 255, "edge tape to order, in percent of the demand (110 = 10 % surplus)"),
        Number("banding", "tape_allowance", O::TapeAllowance, Kind::Int32, kInt32Min, kInt32Max,
               "edge tape allowance in mm per banded edge"),
        Text("banding", "mark_1", TSettings::BandingMarkOffset(1), kBandingMarkCapacity,
             "mark after a dimension banded on one edge with PVC (at most 6 characters)"),
        Text("banding", "mark_2", TSettings::BandingMarkOffset(2), kBandingMarkCapacity,
             "mark after a dimension banded on both edges with PVC (at most 6 characters)"),
        Text("banding", "mark_3", TSettings::BandingMarkOffset(3), kBandingMarkCapacity,
             "mark after a dimension banded on one edge with ABS (at most 6 characters)"),
        Text("banding", "mark_4", TSettings::BandingMarkOffset(4), kBandingMarkCapacity,
             "mark after a dimension banded on both edges with ABS (at most 6 characters)"),
        Text("banding", "mark_5", TSettings::BandingMarkOffset(5), kBandingMarkCapacity,
             "mark after a dimension banded with PVC on one edge and ABS on the other (at most 6 characters)"),

        Colour("control_background", O::ControlColour, "background of grids, edits and lists (#RRGGBB)"),
        Colour("main_background", O::MainColour, "background of the main window around the documents (#RRGGBB)"),
        Colour("selected_text", O::SelectedTextColour, "text of selected rows (#RRGGBB)"),
        Colour("selected_background", O::SelectedBackColour, "background of selected rows (#RRGGBB)"),

        Flag("window", "group_panel", O::GroupPanel, "document windows show the group panel (0 or 1)"),
        Number("window", "width", O::WindowWidth, Kind::UInt16, 0, kUInt16Max,
               "document window width in pixels (0 or 1: the program's default)"),
        Number("window", "height", O::WindowHeight, Kind::UInt16, 0, kUInt16Max,
               "document window height in pixels (0 or 1: the program's default)"),
        Number("window", "left", O::WindowLeft, Kind::UInt16, 0, kUInt16Max, "document window left edge in pixels"),
        Number("window", "top", O::WindowTop, Kind::UInt16, 0, kUInt16Max, "document window top edge in pixels"),
        Number("window", "state", O::WindowState, Kind::Byte, 0, 255,
               "document window state: 0 = normal, 1 = minimised, 2 = maximised"),
        Number("window", "column_widths", O::ColumnWidths, Kind::ColumnWidths, 0, kUInt16Max,
               "widths in pixels of the eight element grid columns RB., DUZINA, SIRINA, OZNAKA, POV, T, P, KOM"),
    };
}

} // namespace

const std::vector<TSettingsField> &SettingsFields()
{
    static const std::vector<TSettingsField> fields = MakeFields();
    return fields;
}

const TSettingsField *FindSettingsField(const std::string &section, const std::string &key)
{
    for (const TSettingsField &field : SettingsFields()) {
        if (section == field.Section && key == field.Key)
            return &field;
    }
    return nullptr;
}

std::int64_t GetIntegerField(const TSettings &settings, const TSettingsField &field, int column)
{
    switch (field.Kind) {
    case SettingsFieldKind::Flag:
        return settings.flag(field.Offset) ? 1 : 0;
    case SettingsFieldKind::Byte:
        return settings.get<std::uint8_t>(field.Offset);
    case SettingsFieldKind::UInt16:
        return settings.get<std::uint16_t>(field.Offset);
    case SettingsFieldKind::Int32:
        return settings.get<std::int32_t>(field.Offset);
    case SettingsFieldKind::Colour:
        return settings.get<std::uint32_t>(field.Offset);
    case SettingsFieldKind::ColumnWidths:
        return settings.get<std::uint16_t>(field.Offset + 2 * static_cast<std::size_t>(column - 1));
    case SettingsFieldKind::Double:
    case SettingsFieldKind::Text:
        break;
    }
    return 0;
}

void SetIntegerField(TSettings &settings, const TSettingsField &field, std::int64_t value, int column)
{
    switch (field.Kind) {
    case SettingsFieldKind::Flag:
        settings.setFlag(field.Offset, value != 0);
        break;
    case SettingsFieldKind::Byte:
        settings.set(field.Offset, static_cast<std::uint8_t>(value));
        break;
    case SettingsFieldKind::UInt16:
        settings.set(field.Offset, static_cast<std::uint16_t>(value));
        break;
    case SettingsFieldKind::Int32:
        settings.set(field.Offset, static_cast<std::int32_t>(value));
        break;
    case SettingsFieldKind::Colour:
        settings.set(field.Offset, static_cast<std::uint32_t>(value));
        break;
    case SettingsFieldKind::ColumnWidths:
        settings.set(field.Offset + 2 * static_cast<std::size_t>(column - 1), static_cast<std::uint16_t>(value));
        break;
    case SettingsFieldKind::Double:
    case SettingsFieldKind::Text:
        break;
    }
}
