#include "print/core/PrintColumns.h"

namespace {

constexpr TPrintFontStyle kRegular{};
constexpr TPrintFontStyle kBold{true, false, false};

struct ColumnShape {
    int widthHundredthsPercent; // of the page width, integer so that Trunc is exact
    std::uint8_t cellAlignment;
};

constexpr std::array<ColumnShape, kPrintColumnCount> kShapes{{
    {400, PrintAlignCentre},  // RB
    {952, PrintAlignCentre},  // DUZINA
    {952, PrintAlignCentre},  // SIRINA
    {500, PrintAlignCentre},  // KOM
    {200, PrintAlignCentre},  // T
    {1950, PrintAlignLeft},   // OZNAKA
}};

} // namespace

const TPrintRowTexts &PrintHeadings()
{
    static const TPrintRowTexts headings{
        QStringLiteral("RB"), QStringLiteral("DUZINA"), QStringLiteral("SIRINA"),
        QStringLiteral("KOM"), QStringLiteral("T"), QStringLiteral("OZNAKA")};
    return headings;
}

TPrintTable LeftPrintBlock(int pageWidth)
{
    TPrintTable table{};
    int left = 1;
    for (int k = 0; k < kPrintColumnCount; ++k) {
        const int width = static_cast<int>(static_cast<long long>(pageWidth) * kShapes[k].widthHundredthsPercent / 10000);
        TPrintColumn &column = table[k];
        column.Left = static_cast<std::uint16_t>(left);
        column.Right = static_cast<std::uint16_t>(left + width);
        column.HeadingAlignment = PrintAlignCentre;
        column.CellAlignment = kShapes[k].cellAlignment;
        column.HeadingStyle = kBold;
        column.CellStyle = kRegular;
        left = column.Right + 2;
    }
    return table;
}

TPrintTable ShiftedPrintBlock(const TPrintTable &table, int offset)
{
    TPrintTable shifted = table;
    for (TPrintColumn &column : shifted) {
        column.Left = static_cast<std::uint16_t>(column.Left + offset);
        column.Right = static_cast<std::uint16_t>(column.Right + offset);
    }
    return shifted;
}
