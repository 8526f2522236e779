#pragma once
// One-line and cell texts of an element, in the unit and banding marks the settings give.

#include "common/Element.h"

#include <array>
#include <string>

// What the texts need from the settings, passed in rather than read from a global.
struct DisplayOptions {
    std::int32_t unit = 1;         // 1 mm, 2 cm, 3 m
    bool bandingInUse = false;
    std::array<std::string, kBandingCodeCount> bandingMarks; // index = code; [0] stays empty
};

class TSettings;

// The unit, the banding switch and the marks (in UTF-8) of the settings.
DisplayOptions DisplayOptionsOf(const TSettings &settings);

// Empty for code 0 or an unknown code, else the mark of that code.
std::string BandingMark(const DisplayOptions &options, int code);
// " 600 x  400 [2 KOM.]" and its cm, m and banding variants.
std::string ElementSummary(const DisplayOptions &options, const TElement &e);
