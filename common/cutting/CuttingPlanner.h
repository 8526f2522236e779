#pragma once
// Cutting plans: how many boards the saw really uses for a list of pieces, and
// how each board is cut. A function over values for a worker thread: it may be
// stopped through an atomic flag and reports the best plan so far as it goes.
//
// Every plan is guillotine: each board is cut by edge-to-edge cuts, each a kerf
// wide, part by part. Stage 1 cuts run along the board's length (lines of
// constant y from end to end), making strips as long as the board; stage 2
// cuts run across the strips, stage 3 along the length again; every cut
// counts, trimming ones too. A piece whose Grain is set keeps its length along the board's length
// when the board has grain; every other piece may be turned. Fewest boards
// first; among those, the largest offcut on the last board.

#include "common/cutting/CuttingPlan.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr double kDefaultPlanSeconds = 10.0;

struct PlanRequest {
    CuttingBoard Board;
    std::int32_t Kerf = kDefaultKerfMm;
    int Stages = 0; // 0: any depth; 2 or 3 for a beam saw
    std::vector<CuttingPiece> Pieces;
};

struct PlanProgress {
    std::int64_t Iterations = 0;  // search steps so far
    double Seconds = 0;
    const CuttingPlan *Best = nullptr; // valid during the call only: copy what is kept
    bool NewBest = false;              // Best differs from the last call's (the first call's is new)
};

struct PlanLimits {
    // > 0: exactly this many search steps and no clock, so a seed gives the same plan every time.
    std::int64_t Iterations = 0;
    double Seconds = kDefaultPlanSeconds; // the time budget when Iterations is 0
    std::uint64_t Seed = 1;
    const std::atomic<bool> *Stop = nullptr; // set from any thread: the best plan so far is returned
    // Called on the planning thread: with the first plan, with every better one, and about ten
    // times a second in between with the steps made.
    std::function<void(const PlanProgress &)> Progress;
};

enum class PlanRefusal {
    None,
    NoBoard,        // no usable board (a size 0 or less, or above a kilometre), a kerf below 0 or above
                    // a kilometre, or a stage limit other than 0, 2, 3
    TooManyPieces,  // more than kMaxPlanPieces
    PieceTooLarge,  // pieces that fit the usable board in no allowed orientation: TooLarge names them
};

struct PlanResult {
    PlanRefusal Refusal = PlanRefusal::None;
    std::vector<std::string> TooLarge; // references, in list order
    CuttingPlan Plan;                  // empty on a refusal
    std::int64_t Iterations = 0;
};

PlanResult PlanCutting(const PlanRequest &request, const PlanLimits &limits);
