#pragma once
// The field table of mvtool's settings text: every named field of the settings
// record once, with its INI section and key, its kind, the values it accepts
// and what it means. The order is the order of the INI text.

#include "common/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class SettingsFieldKind {
    Flag,         // byte, 0 or 1 (any non-zero byte reads as 1)
    Byte,         // unsigned 8-bit
    UInt16,       // unsigned 16-bit
    Int32,        // signed 32-bit
    Double,       // 64-bit float
    Colour,       // 32-bit Windows colour, red in the low byte
    Text,         // string[Capacity], Windows-1250
    ColumnWidths, // kElementGridColumns x unsigned 16-bit
};

struct TSettingsField {
    const char *Section;
    const char *Key;
    std::size_t Offset;
    SettingsFieldKind Kind;
    double Minimum;       // numbers: the accepted range, both ends included
    double Maximum;
    std::size_t Capacity; // Text: characters that fit
    const char *Meaning;
};

const std::vector<TSettingsField> &SettingsFields();
// The field of "section/key", or nullptr.
const TSettingsField *FindSettingsField(const std::string &section, const std::string &key);

// A Flag, Byte, UInt16, Int32 or Colour field, or column `column` (1..8) of
// ColumnWidths, as a plain integer; a flag reads as 0 or 1.
std::int64_t GetIntegerField(const TSettings &settings, const TSettingsField &field, int column = 1);
// Stores value (already checked against the range) in the field's width.
void SetIntegerField(TSettings &settings, const TSettingsField &field, std::int64_t value, int column = 1);
