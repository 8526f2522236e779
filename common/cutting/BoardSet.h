#pragma once
// The boards of a plan being made and where each piece lies on them: pieces go
// in one at a time, each to the tightest free part of any board that takes it,
// and come out again. The construction and the search both work on it.

#include "common/cutting/CuttingPlan.h"
#include "common/cutting/GuillotineBoard.h"
#include "common/cutting/PlanRandom.h"

#include <cstdint>
#include <utility>
#include <vector>

// A piece as the boards see it: grown by the kerf, x along the board's length.
struct PieceShape {
    std::int32_t Ex = 0;
    std::int32_t Ey = 0;
    bool CanTurn = false;
    std::int64_t Area = 0; // on the saw, mm²
};

struct PlanProblem {
    std::int32_t Length = 0; // usable board, grown by the kerf
    std::int32_t Width = 0;
    std::int32_t Kerf = 0;
    int Stages = 0;
    std::vector<PieceShape> Shapes;
    std::int64_t BoardArea = 0; // usable board on the saw, mm²
    std::int32_t SmallestSide = 1; // of any piece, grown
    std::int64_t SmallestArea = 1;
};

// Which of two free parts a piece leaves whole when both cuts are needed.
enum class SplitRule { LargerPart, ShorterAxis };

class BoardSet {
public:
    explicit BoardSet(const PlanProblem &problem) : m_problem(&problem), m_where(problem.Shapes.size()) {}

    struct Where {
        int Board = -1; // -1: not placed
        int Node = -1;
    };

    int BoardCount() const { return static_cast<int>(m_boards.size()); }
    const GuillotineBoard &Board(int board) const { return m_boards[board]; }

    // Into the tightest free part of any board but skipBoard; false, nothing
    // changed, when no board takes it. enough > 0 looks no further than that
    // many boards that take the piece, the earliest first: quick on long lists.
    bool Insert(int piece, SplitRule rule, int skipBoard = -1, int enough = 0);
    // As Insert, but secondPercent of the time into the second best place: a
    // search that always takes the best lays the same pieces out the same way.
    bool InsertVaried(int piece, SplitRule rule, PlanRandom &random, int secondPercent);
    // As Insert, onto a new empty board when no board takes it.
    void InsertOrOpen(int piece, SplitRule rule, int enough = 0);
    void Remove(int piece);
    // Puts other layouts in boards' places, all at once: their pieces are placed
    // there, the boards' pieces they do not hold no longer placed.
    using Layouts = std::vector<std::pair<int, GuillotineBoard>>;
    void Replace(Layouts layouts);
    // Takes every piece off a board and the board away; the boards after it move down one.
    void RemoveBoard(int board, std::vector<int> &freed);

    // A step that may be taken back: every board is saved before its first
    // change after BeginStep; Undo puts the saved boards back, Commit keeps the changes.
    void BeginStep();
    void Undo();
    void Commit();

    std::int64_t Area(int board) const { return m_boards[board].PieceArea(); }
    std::vector<int> PiecesOn(int board) const;
    // The board with the least piece area, -1 when there is none.
    int Emptiest() const;

private:
    struct Choice;
    // Whether the board takes the piece so turned; best becomes the better choice,
    // second (when given) the runner-up.
    bool Consider(int board, int piece, bool turned, SplitRule rule, Choice &best, Choice *second) const;
    bool InsertChosen(int piece, SplitRule rule, int skipBoard, int enough, PlanRandom *random, int secondPercent);
    void Save(int board);
    void EndStep(const Layouts &saved);
    // Points the pieces of a board at it, or marks them not placed.
    void Track(int board, bool placed);

    const PlanProblem *m_problem;
    std::vector<GuillotineBoard> m_boards;
    std::vector<Where> m_where;
    bool m_stepping = false;
    Layouts m_saved;
    std::vector<char> m_isSaved;
};
