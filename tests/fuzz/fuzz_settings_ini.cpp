// The INI reader of `mvtool settings make` on any text: whatever it accepts
// lies in the accepted range of its field.

#include "FuzzSupport.h"

#include "tools/SettingsFields.h"
#include "tools/SettingsText.h"

#include <cmath>

namespace {

// A field the text did not give stays zero, which may lie outside its range.
void RequireInRange(const TSettings &settings, const TSettingsField &field)
{
    switch (field.Kind) {
    case SettingsFieldKind::Text:
        Require(settings.shortString(field.Offset, field.Capacity).size() <= field.Capacity, "a text fits");
        return;
    case SettingsFieldKind::Double: {
        const double value = settings.get<double>(field.Offset);
        Require(value == 0 || (value >= field.Minimum && value <= field.Maximum), "a number in its range");
        return;
    }
    case SettingsFieldKind::ColumnWidths:
        for (int column = 1; column <= kElementGridColumns; ++column) {
            const auto width = static_cast<double>(GetIntegerField(settings, field, column));
            Require(width == 0 || (width >= field.Minimum && width <= field.Maximum), "a width in its range");
        }
        return;
    case SettingsFieldKind::Flag:
    case SettingsFieldKind::Byte:
    case SettingsFieldKind::UInt16:
    case SettingsFieldKind::Int32:
    case SettingsFieldKind::Colour: {
        const auto value = static_cast<double>(GetIntegerField(settings, field));
        Require(value == 0 || (value >= field.Minimum && value <= field.Maximum), "a value in its range");
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    TSettings settings;
    IniProblems problems("fuzz.ini");
    ApplySettingsText(text, settings, problems);
    for (const TSettingsField &field : SettingsFields())
        RequireInRange(settings, field);
    return 0;
}
