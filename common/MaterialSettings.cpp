#include "common/MaterialSettings.h"

#include <algorithm>
#include <limits>

namespace {

// A board dimension less the trim, kept inside 32 bits whatever the files hold.
std::int32_t Usable(std::int32_t dimension, std::int32_t trim)
{
    const std::int64_t usable = std::int64_t(dimension) - trim;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        usable, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void ApplyBoardType(TSettings &settings, const TBoardType &board)
{
    // Packed fields are copied, never referenced.
    const std::int32_t length = board.Length;
    const std::int32_t width = board.Width;
    const double price = board.PricePerM2;
    settings.SetMaterialName(board.Name.str());
    settings.SetBoardLength(length);
    settings.SetBoardWidth(width);
    settings.SetUsableBoardLength(Usable(length, settings.Trim()));
    settings.SetUsableBoardWidth(Usable(width, settings.Trim()));
    settings.SetPricePerM2(price);
    settings.SetDefaultGrain(board.Grain != 0);
}

TSettings SettingsWithMaterial(const TSettings &settings, const TBoardTable &table, int materialIndex)
{
    TSettings chosen = settings;
    if (materialIndex >= 1 && materialIndex <= BoardTypeCount(table))
        ApplyBoardType(chosen, table[static_cast<std::size_t>(materialIndex - 1)]);
    return chosen;
}
