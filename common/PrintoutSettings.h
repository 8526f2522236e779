#pragma once
// What the printouts take from the settings: the unit the dimensions print in,
// the marks after banded dimensions and the material name on the labels. A
// small copy, so a print job keeps its own while the settings change.

#include "common/Conversions.h"
#include "common/Element.h"

#include <array>
#include <cstdint>
#include <string>

class TSettings;

struct PrintoutSettings {
    std::int32_t unit = UnitMm;
    std::array<std::string, kBandingCodeCount> bandingMarks; // Windows-1250, by banding code; [0] stays empty
    std::string materialName;                                // Windows-1250
};

// The marks are taken whether or not banding is in use: they print either way.
PrintoutSettings PrintoutSettingsOf(const TSettings &settings);
