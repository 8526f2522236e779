#pragma once
// The first plan, made in one pass: the pieces, largest first in a few orders,
// each into the tightest free part of the boards so far or onto a new board.

#include "common/cutting/BoardSet.h"

#include <atomic>

// The orders in which the pieces go in, for this plan and for the last board's offcut.
enum class PieceOrder { Area, LongSide, ShortSide, Length, Width };
std::vector<int> OrderedPieces(const PlanProblem &problem, const std::vector<int> &pieces, PieceOrder order);

// The best of the passes: fewest boards, then the least on the emptiest board.
// Once stop (when given) is set, no further pass begins.
BoardSet FirstBoards(const PlanProblem &problem, const std::atomic<bool> *stop = nullptr);
