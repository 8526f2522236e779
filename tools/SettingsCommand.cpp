// mvtool settings: the settings record "Setup.Dat" shown as an INI text, and
// built again from one. Every named field of the record has one key; the
// bytes without a name are zero or come from a base record.

#include "tools/Commands.h"
#include "tools/FieldValues.h"
#include "tools/IniValue.h"
#include "tools/NumberText.h"
#include "tools/ToolFiles.h"

#include "common/Encoding.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// ---- show ----------------------------------------------------------------

// The five bytes the code page leaves unassigned decode to C1 controls.
bool IsControlByte(unsigned char b)
{
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
}

// A Windows-1250 text as a double-quoted INI value that make (and any INI
// reader of this dialect) reads back to the same bytes: quote and backslash
// escaped, control characters as octal escapes (a digit right after one is
// escaped too, as octal escapes run on), and a leading '@' doubled, which
// would mark a typed value.
std::string QuotedText(const std::string &bytes)
{
    std::string out = "\"";
    if (!bytes.empty() && bytes[0] == '@')
        out += '@';
    bool afterOctal = false;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const bool digitAfterOctal = afterOctal && b >= '0' && b <= '7';
        if (IsControlByte(b) || digitAfterOctal) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", b);
            out += escape;
            afterOctal = true;
            continue;
        }
        afterOctal = false;
        if (ch == '"' || ch == '\\')
            out += '\\';
        out += Win1250ToUtf8(std::string_view(&ch, 1));
    }
    return out + "\"";
}

std::string ColourText(std::int64_t value)
{
    // A value beyond plain RGB (a Windows system colour such as clBtnFace) is
    // shown as its number, which make takes back unchanged.
    if (value > 0xFFFFFF)
        return std::to_string(value);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(value & 0xFF), unsigned((value >> 8) & 0xFF),
                  unsigned((value >> 16) & 0xFF));
    return text;
}

std::string ValueText(const TSettings &settings, const TSettingsField &field)
{
    switch (field.Kind) {
    case SettingsFieldKind::Text:
        return QuotedText(settings.shortString(field.Offset, field.Capacity));
    case SettingsFieldKind::Double:
        return FormatNumber(settings.get<double>(field.Offset));
    case SettingsFieldKind::Colour:
        return ColourText(GetIntegerField(settings, field));
    case SettingsFieldKind::ColumnWidths: {
        std::string text;
        for (int column = 1; column <= kElementGridColumns; ++column)
            text += (column > 1 ? ", " : "") + std::to_string(GetIntegerField(settings, field, column));
        return text;
    }
    case SettingsFieldKind::Flag:
    case SettingsFieldKind::Byte:
    case SettingsFieldKind::UInt16:
    case SettingsFieldKind::Int32:
        break;
    }
    return std::to_string(GetIntegerField(settings, field));
}

} // namespace

int ShowSettings(const std::string &recordName)
{
    TSettings settings;
    const int rc = ReadSettingsRecord(recordName, settings.data());
    if (rc != rcOK) {
        std::cerr << "mvtool: cannot read " << recordName << ": " << ResultText(rc) << "\n";
        return 1;
    }
    std::cout << "; MvInput settings record (Setup.Dat).\n"
                 "; Build the record from this text with\n"
                 ";   mvtool settings make THIS.ini Setup.Dat [--base OLD.Dat]\n"
                 "; A key left out keeps the value of the --base record (zero without one).\n"
                 "; Texts stand in double quotes; a line starting with ';' is a comment.\n"
                 "; Colours are #RRGGBB; a Windows system colour shows as its number.\n";
    std::string section;
    for (const TSettingsField &field : SettingsFields()) {
        if (section != field.Section) {
            section = field.Section;
            std::cout << "\n[" << section << "]\n";
        }
        std::cout << "; " << field.Meaning << "\n" << field.Key << " = " << ValueText(settings, field) << "\n";
    }
    return 0;
}

namespace {

// ---- make ----------------------------------------------------------------

// Collects the refusals, each naming the line it concerns.
class Problems {
public:
    explicit Problems(std::string fileName) : m_fileName(std::move(fileName)) {}
    void add(int line, const std::string &text)
    {
        m_lines.push_back(m_fileName + ", line " + std::to_string(line) + ": " + text);
    }
    bool empty() const { return m_lines.empty(); }
    void print() const
    {
        for (const std::string &line : m_lines)
            std::cerr << "mvtool: " << line << "\n";
    }

private:
    std::string m_fileName;
    std::vector<std::string> m_lines;
};

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
                                           Problems &problems)
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
std::optional<std::string> PlainText(const std::string &item, int line, Problems &problems)
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
                                        Problems &problems)
{
    const std::string_view trimmed = TrimSpaces(text);
    if (!trimmed.empty() && trimmed[0] != '#') {
        const std::optional<std::int64_t> value = ParseInteger(trimmed);
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
                       Problems &problems)
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
                Problems &problems)
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
        else if (*number < field.Minimum || *number > field.Maximum)
            problems.add(line, *text + " is out of range 0.." + FormatNumber(field.Maximum));
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

// One reading of the text, line by line, applying every key to the record.
// Besides the values it refuses what an INI reader would quietly pass over:
// lines it cannot read, keys it does not know, repeated keys (of which it
// would take the last) and values continued on the next line.
void ApplyText(const std::string &text, TSettings &settings, Problems &problems)
{
    std::vector<KeyLine> keys;
    std::istringstream in(text);
    std::string line;
    std::string section;
    for (int number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        const std::string_view withoutReturn = std::string_view(line).substr(0, line.find_last_not_of('\r') + 1);
        const std::string_view trimmed = TrimSpaces(withoutReturn);
        if (trimmed.empty() || trimmed[0] == ';')
            continue;
        if (trimmed[0] == '[') {
            const std::size_t close = trimmed.find(']');
            const std::string_view rest = close == std::string_view::npos ? "" : TrimSpaces(trimmed.substr(close + 1));
            if (close == std::string_view::npos || (!rest.empty() && rest[0] != ';'))
                problems.add(number, "a section line must read [name]");
            else
                section = std::string(TrimSpaces(trimmed.substr(1, close - 1)));
            continue;
        }
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            problems.add(number, "expected key = value (comments start with ';')");
            continue;
        }
        const std::string key(TrimSpaces(trimmed.substr(0, equals)));
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

int Refuse(const Problems &problems)
{
    problems.print();
    std::cerr << "mvtool: nothing written\n";
    return 1;
}

} // namespace

int MakeSettings(const std::string &iniName, const std::string &outName, const std::string &baseName)
{
    TSettings settings;
    if (!baseName.empty()) {
        const int rc = ReadSettingsRecord(baseName, settings.data());
        if (rc != rcOK) {
            std::cerr << "mvtool: cannot read the base record " << baseName << ": " << ResultText(rc) << "\n";
            return 1;
        }
    }
    std::string text;
    if (!ReadTextFile(iniName, text))
        return 1;

    Problems problems(iniName);
    ApplyText(text, settings, problems);
    if (!problems.empty())
        return Refuse(problems);

    return WriteMadeFile(outName, settings.bytes().data(), TSettings::Size);
}
