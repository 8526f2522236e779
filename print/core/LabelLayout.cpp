#include "print/core/LabelLayout.h"

#include <array>
#include <cmath>

namespace {

struct NamedSheet {
    LabelLayout layout;
    const char *name;
    LabelSheet sheet;
};

// The office sheets run their labels edge to edge across the page; the 2 x 7
// sheet is centred with a gap between its two columns.
const std::array<NamedSheet, 3> kSheets = {{
    {LabelLayout::A4By3x8, "a4-3x8", {{210, 297}, {70, 37}, 3, 8, 0, 0.5, 0}},
    {LabelLayout::A4By2x7, "a4-2x7", {{210, 297}, {99.1, 38.1}, 2, 7, 4.65, 15.15, 2.5}},
    {LabelLayout::Roll100x50, "roll-100x50", {{100, 50}, {100, 50}, 1, 1, 0, 0, 0}},
}};

const NamedSheet &Named(LabelLayout layout)
{
    for (const NamedSheet &named : kSheets)
        if (named.layout == layout)
            return named;
    return kSheets.front();
}

} // namespace

const LabelSheet &SheetOf(LabelLayout layout)
{
    return Named(layout).sheet;
}

std::optional<LabelLayout> LabelLayoutFromName(const std::string &name)
{
    for (const NamedSheet &named : kSheets)
        if (name == named.name)
            return named.layout;
    return std::nullopt;
}

QPageSize LabelPageSize(LabelLayout layout)
{
    if (SheetOf(layout).page == SheetOf(LabelLayout::A4By3x8).page)
        return QPageSize(QPageSize::A4);
    return QPageSize(SheetOf(layout).page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

bool IsLabelPosition(LabelLayout layout, int position)
{
    return position >= 1 && position <= SheetOf(layout).LabelsPerPage();
}

int MmToDots(double millimetres, int dotsPerInch)
{
    return static_cast<int>(std::lround(millimetres / 25.4 * dotsPerInch));
}

QRect LabelRect(LabelLayout layout, int position, int dotsPerInch)
{
    const LabelSheet &sheet = SheetOf(layout);
    const int column = (position - 1) % sheet.columns;
    const int row = (position - 1) / sheet.columns;
    // Each edge is rounded on its own, so neighbouring labels share their edge.
    const double left = sheet.left + column * (sheet.label.width() + sheet.columnGap);
    const double top = sheet.top + row * sheet.label.height();
    const int x = MmToDots(left, dotsPerInch);
    const int y = MmToDots(top, dotsPerInch);
    return QRect(x, y, MmToDots(left + sheet.label.width(), dotsPerInch) - x,
                 MmToDots(top + sheet.label.height(), dotsPerInch) - y);
}
