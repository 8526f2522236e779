#include "tools/SettingsText.h"

#include "tools/FieldValues.h"
#include "tools/IniValue.h"
#include "tools/SettingsFields.h"

#include "common/Encoding.h"
#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

void IniProblems::print() const
{
    for (const std::string &line : m_lines)
        std::cerr << "mvtool: " << line << "\n";
}

namespace {

struct KeyLine {
    const TSettingsField *Field;
    int Line;
};

std::string RangeText(const TSettingsField &field)
{
    return std::to_string(static_cast<std::int64_t>(field.Minimum)) + ".."
        + std::to_string(static_cast<std::int64_t>(field.Maximum));
}

std::optional<std::int64_t> IntegerInRange(const std::string &text, const TSettingsField &field, int line,
                                           IniProblems &problems)
{
    std::string problem;
    const auto value = ReadInteger(text, static_cast<std::int64_t>(field.Minimum),
                                   static_cast<std::int64_t>(field.Maximum), "", problem);
    if (!value)
        problems.add(line, problem);
    return value;
}

// A leading '@' marks a typed value in this INI dialect, so a plain one is
// written doubled.
std::optional<std::string> PlainText(const std::string &item, int line, IniProblems &problems)
{
    if (item.compare(0, 2, "@@") == 0)
        return item.substr(1);
    if (!item.empty() && item[0] == '@') {
        problems.add(line, "a value may not start with '@' (write \"@@\" for a plain @)");
        return std::nullopt;
    }
    return item;
}

std::optional<std::int64_t> ColourValue(const std::string &text, const TSettingsField &field, int line,
                                        IniProblems &problems)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed[0] != '#') {
        const std::optional<std::int64_t> value = ParseInteger(trimmed, PlusSign::Refused);
        if (value && *value >= field.Minimum && *value <= field.Maximum)
            return value;
    }
    std::uint32_t rgb = 0;
    const bool hex = trimmed.size() == 7 && trimmed[0] == '#'
        && trimmed.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string_view::npos;
    if (!hex || std::from_chars(trimmed.data() + 1, trimmed.data() + 7, rgb, 16).ec != std::errc()) {
        problems.add(line, "\"" + text + "\" is not a colour #RRGGBB (nor a Windows colour number " + RangeText(field)
                               + ")");
        return std::nullopt;
    }
    // Windows keeps red in the low byte.
    return std::int64_t((rgb >> 16) & 0xFF) | (std::int64_t((rgb >> 8) & 0xFF) << 8) | (std::int64_t(rgb & 0xFF) << 16);
}

// A field keeps its bytes when the text gives the value it already has, so a
// flag stored as 2 or a text with bytes after its end survives show and make.
void ApplyInteger(TSettings &settings, const TSettingsField &field, std::int64_t value, int column = 1)
{
    if (GetIntegerField(settings, field, column) != value)
        SetIntegerField(settings, field, value, column);
}

void ApplyColumnWidths(TSettings &settings, const TSettingsField &field, const IniValue &value, int line,
                       IniProblems &problems)
{
    if (value.Items.size() != kElementGridColumns) {
        problems.add(line, std::to_string(kElementGridColumns) + " column widths expected, found "
                               + std::to_string(value.Items.size()));
        return;
    }
    for (int column = 1; column <= kElementGridColumns; ++column) {
        const std::optional<std::string> text = PlainText(value.Items[column - 1], line, problems);
        if (!text)
            continue;
        if (const auto width = IntegerInRange(*text, field, line, problems))
            ApplyInteger(settings, field, *width, column);
    }
}

void ApplyValue(TSettings &settings, const TSettingsField &field, const IniValue &value, int line,
                IniProblems &problems)
{
    if (!value.BadEscape.empty()) {
        problems.add(line, value.BadEscape + " is not an escape (write \\\\ for a backslash)");
        return;
    }
    if (field.Kind == SettingsFieldKind::ColumnWidths) {
        ApplyColumnWidths(settings, field, value, line, problems);
        return;
    }
    if (value.IsList) {
        problems.add(line, "one value expected; a text with commas goes in double quotes");
        return;
    }
    const std::optional<std::string> text = PlainText(value.Items.front(), line, problems);
    if (!text)
        return;
    switch (field.Kind) {
    case SettingsFieldKind::Text: {
        std::string problem;
        const std::optional<std::string> bytes = ReadWin1250Text(*text, field.Capacity, "the text", problem);
        if (!bytes)
            problems.add(line, problem);
        else if (settings.shortString(field.Offset, field.Capacity) != *bytes)
            settings.setShortString(field.Offset, field.Capacity, *bytes);
        return;
    }
    case SettingsFieldKind::Double: {
        const std::optional<double> number = ParseNumber(*text);
        if (!number)
            problems.add(line, "\"" + *text + "\" is not a number");
        else if (settings.get<double>(field.Offset) != *number)
            settings.set(field.Offset, *number);
        return;
    }
    case SettingsFieldKind::Colour:
        if (const auto colour = ColourValue(*text, field, line, problems))
            ApplyInteger(settings, field, *colour);
        return;
    case SettingsFieldKind::Flag:
    case SettingsFieldKind::Byte:
    case SettingsFieldKind::UInt16:
    case SettingsFieldKind::Int32:
        if (const auto number = IntegerInRange(*text, field, line, problems))
            ApplyInteger(settings, field, *number);
        return;
    case SettingsFieldKind::ColumnWidths:
        break;
    }
}

} // namespace

void ApplySettingsText(const std::string &text, TSettings &settings, IniProblems &problems)
{
    std::vector<KeyLine> keys;
    std::istringstream in(text);
    std::string line;
    std::string section;
    for (int number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        const std::string_view withoutReturn = std::string_view(line).substr(0, line.find_last_not_of('\r') + 1);
        const std::string_view trimmed = TrimBlanks(withoutReturn);
        if (trimmed.empty() || trimmed[0] == ';')
            continue;
        if (trimmed[0] == '[') {
            const std::size_t close = trimmed.find(']');
            const std::string_view rest = close == std::string_view::npos ? "" : TrimBlanks(trimmed.substr(close + 1));
            if (close == std::string_view::npos || (!rest.empty() && rest[0] != ';'))
                problems.add(number, "a section line must read [name]");
            else
                section = std::string(TrimBlanks(trimmed.substr(1, close - 1)));
            continue;
        }
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            problems.add(number, "expected key = value (comments start with ';')");
            continue;
        }
        const std::string key(TrimBlanks(trimmed.substr(0, equals)));
        // Blanks at the end belong to a value whose text has quotes.
        const IniValue value = DecodeIniValue(withoutReturn.substr(withoutReturn.find('=') + 1));
        const TSettingsField *field = FindSettingsField(section, key);
        if (!field) {
            const std::string where = section.empty() ? " outside any section" : " in [" + section + "]";
            problems.add(number, "unknown key \"" + key + "\"" + where);
            continue;
        }
        if (value.Unclosed) {
            problems.add(number, "a double quote is not closed");
            continue;
        }
        if (value.Continued) {
            problems.add(number, "a value must end on its own line");
            continue;
        }
        const auto earlier = std::find_if(keys.begin(), keys.end(), [&](const KeyLine &k) { return k.Field == field; });
        if (earlier != keys.end()) {
            problems.add(number, "\"" + key + "\" was already given on line " + std::to_string(earlier->Line));
            continue;
        }
        keys.push_back({field, number});
        ApplyValue(settings, *field, value, number, problems);
    }
}
