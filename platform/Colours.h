#pragma once
// The settings hold Windows colour values (red in the low byte); this is the one
// place where they become QColors and back. System colour values (high byte
// 0x80) take the matching colour of the desktop palette.

#include <QColor>

#include <cstdint>

// The program's design colour of edits, grids, lists and the tool band
// (red 254, green 239, blue 237).
constexpr std::uint32_t kDesignColour = 15593470;

QColor ColourFromWindows(std::uint32_t value);
std::uint32_t ColourToWindows(const QColor &colour);
