#pragma once
// The program-wide state for the whole run: the settings record, the board table,
// the unit factor, the program directory (where its read-only files are) and the
// data directory (where its databases, printouts and recovery copies go; see
// ProgramPlaces.h). The program creates it before the main window and frees it
// after; windows, dialogs and printouts read and change it in place.

#include "common/BoardType.h"
#include "common/Settings.h"

#include <string>

struct ProgramState {
    std::string ProgramDir;
    std::string DataDir;
    TSettings Settings;
    TBoardTable BoardTypes{};
    double UnitFactor = 1.0;
};

// Clears the board table and reads "Table.T01" of the program directory again.
// A missing file leaves it empty; a failed read is shown through ShowError.
void LoadBoardTypes(ProgramState &state);
