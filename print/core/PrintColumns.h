#pragma once
// The six columns of the printed table, as edges in dots of the page.

#include <QString>

#include <array>
#include <cstdint>

enum PrintAlignment : std::uint8_t { PrintAlignLeft = 0, PrintAlignRight = 1, PrintAlignCentre = 2 };

struct TPrintFontStyle {
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

struct TPrintColumn {
    std::uint16_t Left;
    std::uint16_t Right;
    std::uint8_t HeadingAlignment;
    std::uint8_t CellAlignment;
    TPrintFontStyle HeadingStyle;
    TPrintFontStyle CellStyle;
};

constexpr int kPrintColumnCount = 6;
using TPrintTable = std::array<TPrintColumn, kPrintColumnCount>;
using TPrintRowTexts = std::array<QString, kPrintColumnCount>;

// "RB", "DUZINA", "SIRINA", "KOM", "T", "OZNAKA".
const TPrintRowTexts &PrintHeadings();
// The left block of a page pageWidth dots wide: from dot 1, 2 dots between columns.
TPrintTable LeftPrintBlock(int pageWidth);
// The same columns moved right by offset dots.
TPrintTable ShiftedPrintBlock(const TPrintTable &table, int offset);
