#include "document/EntryValues.h"

#include "common/Conversions.h"
#include "common/Element.h"

#include <algorithm>

namespace {

std::string WithDecimalPoint(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

} // namespace

bool IsDimensionText(std::string text, std::int32_t unit)
{
    if (unit == UnitMm)
        return FilterDigits(text);
    text = WithDecimalPoint(std::move(text));
    return FilterDecimal(text);
}

bool IsCountText(std::string text)
{
    return FilterDigits(text);
}

std::optional<std::int32_t> DimensionFromText(std::string text, std::int32_t unit, double unitFactor)
{
    text = WithDecimalPoint(std::move(text));
    if (!IsDimensionText(text, unit))
        return std::nullopt;
    if (unit == UnitMm)
        return TextToInt(text);
    return RoundHalfEven(TextToFloat(text) / unitFactor);
}

bool IsAcceptedCount(std::int32_t count)
{
    return count >= 1 && count <= kMaxCount;
}

bool IsAcceptedDimension(std::int32_t millimetres)
{
    return millimetres >= 1 && millimetres <= kMaxDimensionMm;
}
