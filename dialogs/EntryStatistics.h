#pragma once
// The figures of the entry dialog's statistics panel, as the texts it shows.

#include "common/Element.h"

#include <string>

class TSettings;

struct EntryStatistics {
    std::string pieces;     // "12  [3]": pieces, then the elements
    std::string area;       // "4.000 m²"
    std::string material;   // the material's name, UTF-8
    std::string board;      // "2000 x 1000"
    std::string boardArea;  // "2.000 m²"
    std::string boards;     // whole boards the area fills, plus one; "-" without a board
    std::string price;      // per m², three decimals
    std::string totalPrice; // the area at that price
};

EntryStatistics ComputeEntryStatistics(const TElementList &elements, const TSettings &settings);
