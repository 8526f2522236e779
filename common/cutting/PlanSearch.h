#pragma once
// The search that improves a plan board by board (a goal-driven ruin and
// recreate). It takes the emptiest board away and, step after step, frees some
// pieces (a part of one board's cutting tree, a few random pieces of one board,
// or the smallest part of a board that a loose piece would fit) and puts every
// loose piece back where it fits best, now and then second best, or lays one
// or two boards out afresh with a loose piece. A step is kept when it leaves no more
// loose area than the step some while ago did (late acceptance) and undone
// otherwise; when the loose area stops falling, worse steps are allowed for a
// while. When no piece is left over, the plan has one board less and the next
// board goes.

#include "common/cutting/BoardSet.h"

#include <atomic>
#include <cstdint>
#include <functional>

struct SearchControl {
    std::int64_t Iterations = 0;   // > 0: stop after this many steps
    double Seconds = 10;           // without Iterations: stop after this time
    std::uint64_t Seed = 1;
    const std::atomic<bool> *Stop = nullptr;
    int LowerBound = 0;            // no plan has fewer boards: the search ends there
    // A plan with fewer boards was found.
    std::function<void(const BoardSet &best, std::int64_t iterations)> Improved;
    // Called about ten times a second with the steps made so far.
    std::function<void(std::int64_t iterations)> Tick;
};

// The best plan found, start itself when nothing better comes; iterations gets the steps made.
BoardSet ImproveBoards(const PlanProblem &problem, const BoardSet &start, const SearchControl &control,
                       std::int64_t &iterations);
