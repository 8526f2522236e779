#pragma once
// What the main window holds for the whole run and lends to every document
// window and dialog: the settings record, the board table, the unit factor.

#include "common/BoardType.h"
#include "common/ElementSummary.h"
#include "common/Settings.h"

#include <string>

struct ProgramState {
    std::string ProgramDir;
    TSettings Settings;
    TBoardTable BoardTypes{};
    double UnitFactor = 1.0;

    // Unit and banding marks as the element texts need them (marks in UTF-8).
    DisplayOptions Display() const;
};
