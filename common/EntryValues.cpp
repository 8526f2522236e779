#include "common/EntryValues.h"

#include "common/Conversions.h"
#include "common/DecimalText.h"
#include "common/Element.h"

#include <algorithm>
#include <limits>

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
    const std::int64_t mm = ScaledHalfEven(LenientDecimal(text), ScaleOfUnitFactor(unitFactor));
    return static_cast<std::int32_t>(std::min<std::int64_t>(mm, std::numeric_limits<std::int32_t>::max()));
}

bool IsAcceptedCount(std::int32_t count)
{
    return count >= 1 && count <= kMaxCount;
}

bool IsAcceptedDimension(std::int32_t millimetres)
{
    return millimetres >= 1 && millimetres <= kMaxDimensionMm;
}
