// The planner against an independent validator over a random set of lists,
// its refusals, its repeatability and its stop; the pieces a list gives.

#include "common/cutting/CuttingPlanner.h"
#include "common/cutting/PlanPieces.h"

#include "support/Elements.h"
#include "support/PlanValidator.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct RandomCase {
    PlanRequest Request;
    std::string Text; // what the case was, for a failure message
};

RandomCase MakeCase(std::mt19937 &random)
{
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    RandomCase c;
    PlanRequest &r = c.Request;
    const int trim = between(0, 20);
    r.Board.Length = between(400, 3000);
    r.Board.Width = between(300, 2100);
    r.Board.UsableLength = r.Board.Length - trim;
    r.Board.UsableWidth = r.Board.Width - trim;
    r.Board.Grain = between(0, 1) == 1;
    r.Kerf = between(0, 6);
    r.Stages = std::vector<int>{0, 2, 3}[static_cast<std::size_t>(between(0, 2))];
    const int kinds = between(1, 25);
    for (int k = 1; k <= kinds; ++k) {
        CuttingPiece piece;
        // Now and then a piece as large as the board allows, otherwise much smaller.
        const bool large = between(0, 9) == 0;
        piece.Length = between(1, large ? r.Board.UsableLength : r.Board.UsableLength / 3);
        piece.Width = between(1, large ? r.Board.UsableWidth : r.Board.UsableWidth / 3);
        piece.Grain = between(0, 1) == 1;
        const int count = between(1, 6);
        for (int n = 1; n <= count; ++n) {
            piece.Ref = std::to_string(k) + "/" + std::to_string(n);
            r.Pieces.push_back(piece);
        }
    }
    c.Text = "board " + std::to_string(r.Board.UsableLength) + "x" + std::to_string(r.Board.UsableWidth)
             + (r.Board.Grain ? " grain" : "") + ", kerf " + std::to_string(r.Kerf) + ", stages "
             + std::to_string(r.Stages) + ", " + std::to_string(r.Pieces.size()) + " pieces";
    return c;
}

PlanLimits Steps(std::int64_t iterations, std::uint64_t seed = 1)
{
    PlanLimits limits;
    limits.Iterations = iterations;
    limits.Seed = seed;
    return limits;
}

bool SamePlan(const CuttingPlan &a, const CuttingPlan &b)
{
    if (a.Boards.size() != b.Boards.size())
        return false;
    for (std::size_t i = 0; i < a.Boards.size(); ++i) {
        const BoardPlan &x = a.Boards[i];
        const BoardPlan &y = b.Boards[i];
        if (x.Pieces.size() != y.Pieces.size() || x.Cuts.size() != y.Cuts.size())
            return false;
        for (std::size_t p = 0; p < x.Pieces.size(); ++p) {
            if (x.Pieces[p].Piece != y.Pieces[p].Piece || x.Pieces[p].X != y.Pieces[p].X
                || x.Pieces[p].Y != y.Pieces[p].Y || x.Pieces[p].Turned != y.Pieces[p].Turned)
                return false;
        }
    }
    return true;
}

} // namespace

TEST(CuttingPlanner, EveryPlanOfARandomSetPassesTheValidator)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 150; ++i) {
        const RandomCase c = MakeCase(random);
        const PlanResult result = PlanCutting(c.Request, Steps(300));
        ASSERT_EQ(result.Refusal, PlanRefusal::None) << c.Text;
        EXPECT_EQ(plan_validator::Validate(result.Plan), "") << "case " << i << ": " << c.Text;
        EXPECT_GE(result.Plan.LeastBoards, result.Plan.LowerBound) << c.Text;
        EXPECT_GE(static_cast<int>(result.Plan.Boards.size()), result.Plan.LeastBoards) << c.Text;
    }
}

TEST(CuttingPlanner, PiecesLongerThanHalfTheBoardBoundTheBoardsFromBelow)
{
    // A 1000 x 600 board, kerf 4: two pieces lie side by side along its length
    // when their lengths and a kerf make at most 1000.
    struct Case {
        const char *What;
        std::int32_t Length, Width;
        int Count;
        bool Grain;
        int Least;
    } cases[] = {
        {"big both ways, just too long to pair", 499, 301, 3, true, 3},
        {"big across only: two pair along the length, none stack", 498, 301, 3, true, 2},
        {"big both ways, and turned it is too wide for the board", 700, 302, 2, false, 2},
        {"only long: they stack across the board", 600, 150, 5, true, 2},
        {"only long, yet turned they lie side by side", 600, 150, 5, false, 1},
        {"long both ways: turning does not help", 510, 510, 3, false, 3},
    };
    for (const Case &c : cases) {
        PlanRequest r;
        r.Board = CuttingBoard{1000, 600, 1000, 600, true};
        r.Pieces.assign(static_cast<std::size_t>(c.Count), CuttingPiece{"1/1", c.Length, c.Width, c.Grain, 0, 0});
        const PlanResult result = PlanCutting(r, Steps(200));
        EXPECT_EQ(result.Plan.LeastBoards, c.Least) << c.What;
        EXPECT_EQ(static_cast<int>(result.Plan.Boards.size()), c.Least) << c.What;
    }
}

TEST(CuttingPlanner, PiecesThatFillTheBoardExactlyNeedOneBoardEach)
{
    // Four quarters of a board with a kerf between them fill it to the millimetre.
    PlanRequest r;
    r.Board = CuttingBoard{1010, 610, 1004, 604, true};
    r.Kerf = 4;
    for (const int stages : {0, 2, 3}) {
        r.Stages = stages;
        r.Pieces.assign(8, CuttingPiece{"1/1", 500, 300, true, 0, 0});
        const PlanResult result = PlanCutting(r, Steps(100));
        EXPECT_EQ(result.Plan.Boards.size(), 2u) << "stages " << stages;
        EXPECT_EQ(result.Plan.LowerBound, 2);
        EXPECT_EQ(plan_validator::Validate(result.Plan), "");
        EXPECT_TRUE(result.Plan.Boards[1].Offcuts.empty());
    }
}

TEST(CuttingPlanner, RefusesPiecesLargerThanTheUsableBoardByReference)
{
    PlanRequest r;
    r.Board = CuttingBoard{2800, 2070, 2790, 2060, true};
    struct Case {
        std::int32_t Length, Width;
        bool Grain;
        bool Fits;
    } cases[] = {
        {2790, 2060, true, true},   // the usable board itself
        {2791, 2060, false, false}, // a millimetre longer, and turned it is wider still
        {2790, 2061, false, false},
        {2060, 2790, false, true},  // fits turned
        {2060, 2790, true, false},  // would fit turned, but follows the grain
        {0, 500, false, false},     // no piece at all
    };
    for (const Case &c : cases) {
        r.Pieces = {CuttingPiece{"1/1", 100, 100, false, 0, 0}, CuttingPiece{"2/1", c.Length, c.Width, c.Grain, 0, 0}};
        const PlanResult result = PlanCutting(r, Steps(10));
        EXPECT_EQ(result.Refusal, c.Fits ? PlanRefusal::None : PlanRefusal::PieceTooLarge) << c.Length << "x" << c.Width;
        EXPECT_EQ(result.TooLarge, c.Fits ? std::vector<std::string>{} : std::vector<std::string>{"2/1"});
        EXPECT_EQ(result.Plan.Boards.empty(), !c.Fits);
    }
}

TEST(CuttingPlanner, RefusesMoreThanTwentyThousandPiecesAndBadBoards)
{
    PlanRequest r;
    r.Board = CuttingBoard{2800, 2070, 2790, 2060, false};
    r.Pieces.assign(kMaxPlanPieces + 1, CuttingPiece{"1/1", 10, 10, false, 0, 0});
    EXPECT_EQ(PlanCutting(r, Steps(1)).Refusal, PlanRefusal::TooManyPieces);
    r.Pieces.resize(3);
    for (const int stages : {-1, 1, 4}) {
        r.Stages = stages;
        EXPECT_EQ(PlanCutting(r, Steps(1)).Refusal, PlanRefusal::NoBoard) << stages;
    }
    r.Stages = 0;
    r.Kerf = -1;
    EXPECT_EQ(PlanCutting(r, Steps(1)).Refusal, PlanRefusal::NoBoard);
    r.Kerf = 4;
    for (const std::int32_t width : {0, 1000001}) {
        r.Board.UsableWidth = width;
        EXPECT_EQ(PlanCutting(r, Steps(1)).Refusal, PlanRefusal::NoBoard) << width;
    }
    r.Board.UsableWidth = 1000000;
    EXPECT_EQ(PlanCutting(r, Steps(1)).Refusal, PlanRefusal::None);
}

TEST(CuttingPlanner, TheSameSeedAndStepsGiveTheSamePlan)
{
    std::mt19937 random(7);
    for (int i = 0; i < 10; ++i) {
        const RandomCase c = MakeCase(random);
        const PlanResult a = PlanCutting(c.Request, Steps(500, 42));
        const PlanResult b = PlanCutting(c.Request, Steps(500, 42));
        EXPECT_TRUE(SamePlan(a.Plan, b.Plan)) << c.Text;
    }
}

TEST(CuttingPlanner, ReportsTheFirstPlanAndEveryBetterOneAndStopsWhenAsked)
{
    std::mt19937 random(3);
    RandomCase c = MakeCase(random);
    while (c.Request.Pieces.size() < 40)
        c = MakeCase(random);
    std::vector<std::size_t> boards;
    std::atomic<bool> stop{false};
    PlanLimits limits = Steps(0);
    limits.Seconds = 1e9; // only the stop ends this search
    limits.Stop = &stop;
    limits.Progress = [&](const PlanProgress &progress) {
        if (boards.empty()) {
            EXPECT_EQ(progress.Iterations, 0);
        }
        // Only a new best is worth copying: the first plan and each with fewer boards.
        EXPECT_EQ(progress.NewBest, boards.empty() || progress.Best->Boards.size() < boards.back());
        boards.push_back(progress.Best->Boards.size());
        if (progress.Iterations >= 2000)
            stop = true;
    };
    const PlanResult result = PlanCutting(c.Request, limits);
    ASSERT_FALSE(boards.empty());
    EXPECT_TRUE(std::is_sorted(boards.rbegin(), boards.rend())) << "the best so far never gets worse";
    EXPECT_EQ(boards.back(), result.Plan.Boards.size());
    EXPECT_EQ(plan_validator::Validate(result.Plan), "");
}

TEST(PlanPieces, ElementsPieceByPieceThenGroupsAsTheLabelsNameThem)
{
    TElementList list = ListOf({MakeElement(600, 400, 2), MakeElement(300, 200, 1)});
    list[0].Grain = 1;
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(500, 100, 7); // a group's piece is one piece whatever it counts
    groups[0].Pieces[1] = MakeElement(400, 100);
    groups[1].Pieces[0] = MakeElement(800, 90);
    const std::vector<CuttingPiece> pieces = PlanPiecesOf(list, groups);
    std::vector<std::string> refs;
    for (const CuttingPiece &p : pieces)
        refs.push_back(p.Ref);
    EXPECT_EQ(refs, (std::vector<std::string>{"1/1", "1/2", "2/1", "G1.1", "G1.2", "G2.1"}));
    EXPECT_EQ(PlanPieceCount(list, groups), 6);
    EXPECT_TRUE(pieces[1].Grain);
    EXPECT_EQ(pieces[5].Length, 800);
}

TEST(PlanPieces, AListTooLongForAPlanStopsJustPastTheLimit)
{
    TElementList list = ListOf({MakeElement(600, 400, 65535)});
    EXPECT_EQ(PlanPieceCount(list, NoGroups()), 65535);
    EXPECT_EQ(PlanPiecesOf(list, NoGroups()).size(), static_cast<std::size_t>(kMaxPlanPieces + 1));
}
