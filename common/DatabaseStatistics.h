#pragma once
// The figures of a database's statistics page, computed from its lists and the
// material in the settings. Pure arithmetic: nothing can fail.

#include "common/Element.h"

#include <cstdint>

class TSettings;

struct DatabaseStatistics {
    std::int32_t pieces = 0;      // of the elements and of every group piece
    int lines = 0;                // the elements, each group counting as one line
    double area = 0.0;            // m2, elements and groups
    int minimalBoards = 1;        // from the ungrouped elements alone
    std::int32_t boardLength = 0; // mm, of the current material
    std::int32_t boardWidth = 0;
    double pvcTape = 0.0;         // metres, surplus and allowance included
    double absTape = 0.0;
};

// One more than the whole usable boards the area fills: the nearest integer to
// area / usableArea - 0.5 (a tie to the even one) plus 1; 1 without a usable
// board (an area of 0 or less), rather than a division by zero.
int MinimalBoardCount(double area, double usableArea);

// The tape of each group is rounded to whole millimetres by itself, as the
// group is taken as a list of its own.
DatabaseStatistics ComputeDatabaseStatistics(const TElementList &elements, const TElementGroups &groups,
                                             const TSettings &settings);
