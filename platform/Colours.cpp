#include "platform/Colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Windows marks a system colour by 0x80 in the high byte and its index below;
// settings written on Windows may hold them (clBtnFace, clWindow...).
constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

QColor SystemColour(std::uint32_t index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);              // window
    case 8: return palette.color(QPalette::Text);              // window text
    case 12: return palette.color(QPalette::Dark);             // MDI workspace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);           // button face
    case 18: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor ColourFromWindows(std::uint32_t value)
{
    if ((value & 0xFF000000u) == kSystemColourFlag)
        return SystemColour(value & 0xFFu);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t ColourToWindows(const QColor &colour)
{
    return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) | (std::uint32_t(colour.blue()) << 16);
}
