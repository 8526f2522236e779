#pragma once
// A set of pieces laid out afresh on a few empty boards, in each of the first
// plan's orders and with both splits: for the last board's offcut and for a
// loose piece that the existing layouts have no room for.

#include "common/cutting/BoardSet.h"
#include "common/cutting/PlanRandom.h"

#include <functional>
#include <vector>

// take gets every layout that holds all the pieces on at most `boards` boards,
// until it returns true. With random, neighbours in each order swap now and
// then, so that the same pieces laid out again may find another layout.
void ForEachLayout(const PlanProblem &problem, const std::vector<int> &pieces, int boards,
                   const std::function<bool(const BoardSet &)> &take, PlanRandom *random = nullptr);
