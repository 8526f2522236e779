#include "dialogs/FieldFilters.h"

#include "common/Conversions.h"
#include "common/DecimalText.h"
#include "common/Element.h"
#include "common/Encoding.h"
#include "common/EntryValues.h"

#include <algorithm>

namespace {

QString WithPoint(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

// Latin-1 keeps one byte per character, so a filter that drops the last byte
// drops the last character whatever it is.
QString Filtered(const QString &text, bool (*filter)(std::string &))
{
    std::string bytes = text.toLatin1().toStdString();
    return filter(bytes) ? text : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsDimension(std::int32_t mm)
{
    return mm >= 1 && mm <= kMaxDimensionMm;
}

} // namespace

QString FilterEntryDimension(const QString &text, std::int32_t unit)
{
    if (unit == UnitMm)
        return Filtered(text, FilterDigits);
    return Filtered(WithPoint(text), FilterDecimal);
}

QString FilterEntryCount(const QString &text)
{
    return Filtered(text, FilterDigits);
}

QString FilterEditField(const QString &text, bool pointAllowed)
{
    const QString typed = pointAllowed ? WithPoint(text) : text;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (pointAllowed && c == QLatin1Char('.'));
        if (!allowed)
            return typed.left(i);
    }
    return typed;
}

std::optional<std::int32_t> StrictWholeNumber(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool fits = false;
    const std::int32_t n = text.toInt(&fits);
    return fits ? std::optional<std::int32_t>(n) : std::nullopt;
}

std::optional<std::uint16_t> CountFromText(const QString &text)
{
    const std::optional<std::int32_t> n = StrictWholeNumber(text);
    if (!n || !IsAcceptedCount(*n))
        return std::nullopt;
    return static_cast<std::uint16_t>(*n);
}

std::optional<std::int32_t> EntryMillimetres(const QString &text, std::int32_t unit, double unitFactor)
{
    return DimensionFromText(text.toStdString(), unit, unitFactor);
}

std::optional<std::int32_t> EditMillimetres(const QString &text, double unitFactor)
{
    std::optional<std::int32_t> mm = StrictWholeNumber(text);
    if (unitFactor != 1.0) {
        const std::int64_t scaled = ScaledHalfEven(LenientDecimal(text.toStdString()), ScaleOfUnitFactor(unitFactor));
        mm = static_cast<std::int32_t>(std::min<std::int64_t>(scaled, kMaxDimensionMm + 1));
    }
    if (!mm || !IsDimension(*mm))
        return std::nullopt;
    return mm;
}

std::optional<std::string> LabelBytes(const QString &text)
{
    constexpr int kLabelCharacters = 25;
    std::string bytes;
    if (!Utf8ToWin1250(text.left(kLabelCharacters).toStdString(), bytes))
        return std::nullopt;
    return bytes;
}
