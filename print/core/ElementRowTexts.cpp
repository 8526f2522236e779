#include "print/core/ElementRowTexts.h"

#include "print/core/Win1250Text.h"

#include "common/Conversions.h"

ElementRowTexts::ElementRowTexts(const PrintoutSettings &settings) : m_unit(settings.unit)
{
    for (int code = 1; code < kBandingCodeCount; ++code)
        m_marks[code] = FromWin1250(settings.bandingMarks[code]);
}

QString ElementRowTexts::Dimension(std::int32_t millimetres, std::uint8_t banding) const
{
    // Every unit but millimetres prints centimetres, metres included.
    const std::string value = m_unit == UnitMm ? IntToText(millimetres) : FloatToFixed(1, 1, millimetres / 10.0);
    const QString mark = banding < kBandingCodeCount ? m_marks[banding] : QString();
    return QString::fromStdString(value) + mark;
}

TPrintRowTexts ElementRowTexts::Of(const TElement &element, int number) const
{
    const TElement &e = element;
    return TPrintRowTexts{
        QString::fromStdString(ZeroPad(3, static_cast<std::uint16_t>(number))),
        Dimension(e.Length, e.LengthBanding),
        Dimension(e.Width, e.WidthBanding),
        QString::fromStdString(IntToText(e.Count)),
        e.Grain != 0 ? QStringLiteral("+") : QString(),
        QLatin1Char(' ') + FromWin1250(e.Label.str()),
    };
}
