#pragma once
// A cutting plan as values: the board, the pieces and, per board, where each
// piece lies, the cuts in the order the saw makes them and the offcuts left.
// Millimetres; x runs along the board's length and y along its width, both
// from the corner of the usable area.

#include <cstdint>
#include <string>
#include <vector>

constexpr int kMaxPlanPieces = 20000;
constexpr std::int32_t kDefaultKerfMm = 4;

struct CuttingBoard {
    std::int32_t Length = 0;       // the whole board
    std::int32_t Width = 0;
    std::int32_t UsableLength = 0; // what is left after the trim; the plan lies in it
    std::int32_t UsableWidth = 0;
    bool Grain = false;            // pieces that follow the grain keep their length along x
};

struct CuttingPiece {
    std::string Ref;               // "RB/piece" of an element, "G<group>.<piece>" of a group's piece
    std::int32_t Length = 0;
    std::int32_t Width = 0;
    bool Grain = false;
    std::uint8_t LengthBanding = 0; // banding codes, for the drawings
    std::uint8_t WidthBanding = 0;
};

struct PlacedPiece {
    int Piece = 0;                 // index into CuttingPlan::Pieces
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Length = 0;       // extent along x
    std::int32_t Width = 0;        // extent along y
    bool Turned = false;           // the piece's own length runs along y
};

// A kerf-wide cut whose near edge runs from (X1, Y1) to (X2, Y2): the saw takes
// away the kerf beyond that line (towards larger x or y).
struct PlanCut {
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;
    int Stage = 1;
};

struct Offcut {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Length = 0;
    std::int32_t Width = 0;

    std::int64_t Area() const { return static_cast<std::int64_t>(Length) * Width; }
};

struct BoardPlan {
    std::vector<PlacedPiece> Pieces;
    std::vector<PlanCut> Cuts;     // in cutting order
    std::vector<Offcut> Offcuts;   // every leftover the cuts free, largest first
};

struct CuttingPlan {
    CuttingBoard Board;
    std::int32_t Kerf = kDefaultKerfMm;
    int Stages = 0;                // 0: any depth
    std::vector<CuttingPiece> Pieces;
    std::vector<BoardPlan> Boards; // fullest first: the last keeps the largest offcut
    std::int64_t AreaUsed = 0;     // mm² of the placed pieces
    int LowerBound = 0;            // ceil(piece area / usable board area)
    // No plan has fewer boards: from the pieces' sizes as well as their area, so at least
    // LowerBound. A plan of this many is optimal.
    int LeastBoards = 0;
};
