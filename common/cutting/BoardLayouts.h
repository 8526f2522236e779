#pragma once
// A set of pieces laid out afresh on one empty board, in each of the first
// plan's orders and with both splits: for the last board's offcut and for a
// loose piece that an existing layout has no room for.

#include "common/cutting/BoardSet.h"

#include <functional>
#include <vector>

// take gets every layout that holds all the pieces, until it returns true.
void ForEachBoardLayout(const PlanProblem &problem, const std::vector<int> &pieces,
                        const std::function<bool(const GuillotineBoard &)> &take);
