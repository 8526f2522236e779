#pragma once
// A document's material in the settings: what choosing a board type copies
// there, and the settings as they read with a document's material chosen.

#include "common/BoardType.h"
#include "common/Settings.h"

// Name, board size, usable size (the board less the settings' trim), price per
// m² and grain of `board`.
void ApplyBoardType(TSettings &settings, const TBoardType &board);

// A copy of settings with board type materialIndex (1-based) applied; as they
// are for 0 (no material chosen) or an index beyond the table's board types.
TSettings SettingsWithMaterial(const TSettings &settings, const TBoardTable &table, int materialIndex);
