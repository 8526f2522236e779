#include "common/ElementSummary.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/Settings.h"

DisplayOptions DisplayOptionsOf(const TSettings &settings)
{
    DisplayOptions options;
    options.unit = settings.Unit();
    options.bandingInUse = settings.BandingInUse();
    for (int code = 1; code < kBandingCodeCount; ++code)
        options.bandingMarks[static_cast<std::size_t>(code)] = Win1250ToUtf8(settings.BandingMarkText(code));
    return options;
}

std::string BandingMark(const DisplayOptions &options, int code)
{
    if (code <= BandingNone || code >= kBandingCodeCount)
        return std::string();
    return options.bandingMarks[static_cast<std::size_t>(code)];
}

namespace {

// A stored millimetre value in the display unit, formatted and padded as the
// entry list shows it. An unknown unit is shown as millimetres.
std::string DimensionText(std::int32_t unit, std::int32_t millimetres)
{
    const double value = millimetres * UnitFactorOf(unit);
    std::string text;
    switch (unit) {
    case UnitCm:
        text = FloatToFixed(3, 1, value);
        break;
    case UnitM:
        text = FloatToFixed(1, 3, value);
        break;
    default:
        text = FloatToFixed(4, 0, value);
        break;
    }
    PadToFive(text, unit);
    return text;
}

} // namespace

std::string ElementSummary(const DisplayOptions &options, const TElement &e)
{
    std::string length = DimensionText(options.unit, e.Length);
    std::string width = DimensionText(options.unit, e.Width);
    if (options.bandingInUse) {
        length += BandingMark(options, e.LengthBanding);
        width += BandingMark(options, e.WidthBanding);
    }
    return length + (e.Grain != 0 ? " = " : " x ") + width + " [" + IntToText(e.Count) + " KOM.]";
}
