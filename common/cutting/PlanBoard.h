#pragma once
// The board a plan is cut from when the settings' material is taken: its size,
// the usable size the settings give (the board less the trim) and its grain.

#include "common/cutting/CuttingPlan.h"

class TSettings;

CuttingBoard PlanBoardOf(const TSettings &settings);
