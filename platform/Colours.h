#pragma once
// The settings hold Windows colour values (red in the low byte); this is the one
// place where they become QColors and back.

#include <QColor>

#include <cstdint>

QColor ColourFromWindows(std::uint32_t value);
std::uint32_t ColourToWindows(const QColor &colour);
