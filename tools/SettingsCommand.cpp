// mvtool settings: the settings record "Setup.Dat" shown as an INI text, and
// built again from one. Every named field of the record has one key; the
// bytes without a name are zero or come from a base record.

#include "tools/Commands.h"
#include "tools/SettingsFields.h"
#include "tools/SettingsText.h"
#include "tools/ToolFiles.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/FileUtils.h"
#include "common/NumberText.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"

#include <cstdio>
#include <iostream>
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
                 "; A key left out keeps the value of the --base record (zero without one, unit 1).\n"
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

int Refuse(const IniProblems &problems)
{
    problems.print();
    std::cerr << "mvtool: nothing written\n";
    return 1;
}

} // namespace

int MakeSettings(const std::string &iniName, const std::string &outName, const std::string &baseName)
{
    TSettings settings;
    // Zeros but for the unit, which the program would show as millimetres anyway.
    settings.SetUnit(UnitMm);
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

    IniProblems problems(iniName);
    ApplySettingsText(text, settings, problems);
    if (!problems.empty())
        return Refuse(problems);

    return WriteMadeFile(outName, settings.bytes().data(), TSettings::Size);
}
