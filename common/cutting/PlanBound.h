#pragma once
// How many boards a list needs at least, from the pieces' sizes as well as
// their area: a plan with that many boards is optimal and the search may stop.

#include "common/cutting/BoardSet.h"

// The largest of three bounds: the pieces' area; the pieces too big for any
// two to share a board, with what the others leave over; and, per direction,
// the pieces longer than half the board, which all cross its middle line.
int LeastBoards(const PlanProblem &problem);
