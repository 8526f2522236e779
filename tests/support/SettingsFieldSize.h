#pragma once
// Bytes a field of the settings text's table occupies in the record: what the
// tests check the table against the record layout with.

#include "tools/SettingsFields.h"

#include <cstddef>

inline std::size_t SettingsFieldSize(const TSettingsField &field)
{
    switch (field.Kind) {
    case SettingsFieldKind::Flag:
    case SettingsFieldKind::Byte:
        return 1;
    case SettingsFieldKind::UInt16:
        return 2;
    case SettingsFieldKind::Int32:
    case SettingsFieldKind::Colour:
        return 4;
    case SettingsFieldKind::Double:
        return 8;
    case SettingsFieldKind::Text:
        return field.Capacity + 1;
    case SettingsFieldKind::ColumnWidths:
        return 2 * kElementGridColumns;
    }
    return 0;
}
