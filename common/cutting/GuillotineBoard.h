#pragma once
// One board of a plan as a guillotine tree: every node is a rectangle that is
// free, holds one piece, or is split by one edge-to-edge cut into a near part
// (smaller coordinates) and a far part. Pieces go into free leaves at their
// near corner; taking a piece out frees its leaf and joins free neighbours.
//
// All measures here are grown by the kerf: the board and every piece are one
// kerf longer and wider than on the saw, so parts that touch in the tree lie a
// kerf apart on the board and a piece may end within a kerf of the edge.
//
// Stages: a cut along the length (y constant) in the whole board is stage 1;
// a cut inside a part is of its parent's stage when parallel to the parent's
// cut, one stage more when across it.

#include "common/cutting/CuttingPlan.h"

#include <cstdint>
#include <vector>

enum class CutLine : std::uint8_t { AlongLength, AlongWidth };

// How a piece of grown extents ex (along x) by ey goes into a free leaf:
// FirstLine is the cut made first; the other one then frees the piece.
struct LeafPlacement {
    int Leaf = -1;
    CutLine FirstLine = CutLine::AlongLength;
};

class GuillotineBoard {
public:
    // length, width: the usable board grown by the kerf; stageLimit 0 for any
    // depth. Free parts narrower than smallestSide or smaller than smallestArea
    // (grown, of the smallest piece) take no piece and are left out of FreeLeaves.
    GuillotineBoard(std::int32_t length, std::int32_t width, std::int32_t kerf, int stageLimit,
                    std::int32_t smallestSide = 1, std::int64_t smallestArea = 1);

    // A board of the same size and limits with nothing on it.
    GuillotineBoard Empty() const;

    struct Node {
        enum class Kind : std::uint8_t { Free, Piece, Split };
        std::int32_t X = 0, Y = 0, W = 0, H = 0;
        int Parent = -1, Near = -1, Far = -1;
        Kind Type = Kind::Free;
        CutLine Line = CutLine::AlongLength; // Split: the cut
        int Stage = 1;                       // Split: its stage
        int Piece = -1;                      // Piece: index into the plan's pieces
        bool Turned = false;
        int FreeSlot = -1;                   // Free and big enough for a piece: index into m_free
    };

    // The free leaves a piece may go into.
    const std::vector<int> &FreeLeaves() const { return m_free; }
    const Node &At(int node) const { return m_nodes[node]; }
    int Root() const { return 0; }

    // The highest stage of the cuts that bring a free leaf down to the piece,
    // this cut first (0: the piece fills the leaf), or -1 when it is too small.
    int StagesNeeded(int leaf, std::int32_t ex, std::int32_t ey, CutLine first) const;
    // Whether a free leaf takes the piece with this first cut within the stage limit.
    bool Fits(int leaf, std::int32_t ex, std::int32_t ey, CutLine first) const;
    // Places the piece (Fits must hold); returns its node.
    int Place(const LeafPlacement &placement, std::int32_t ex, std::int32_t ey, int piece, bool turned);
    // Frees a piece node and joins the free parts around it.
    void Remove(int pieceNode);
    // Every piece node under node (node itself included).
    void PiecesUnder(int node, std::vector<int> &pieceNodes) const;

    std::int64_t PieceArea() const { return m_pieceArea; } // on the saw, mm²
    // A cheap necessary test: no free leaf is as long or as wide as the piece.
    bool SurelyTooSmall(std::int32_t ex, std::int32_t ey) const;
    // The largest leftover on the saw, mm².
    std::int64_t LargestOffcut() const;

    // The board on the saw: pieces, cuts in cutting order and offcuts.
    BoardPlan Export() const;

private:
    int StageOf(int node, CutLine line) const;
    int NewNode(const Node &node);
    void AddFree(int node);
    void DropFree(int node);
    void Discard(int node);
    int SplitLeaf(int leaf, CutLine line, std::int32_t nearExtent);
    void ExportCuts(int node, int baseStage, CutLine baseLine, BoardPlan &plan) const;
    // Every free leaf on the saw, however small.
    std::vector<Offcut> Leftovers() const;

    std::int32_t m_kerf;
    int m_stageLimit;
    std::int32_t m_smallestSide;
    std::int64_t m_smallestArea;
    std::vector<Node> m_nodes;
    std::vector<int> m_free;
    std::vector<int> m_recycled;
    std::int64_t m_pieceArea = 0;
    mutable bool m_extentsKnown = false;
    mutable std::int32_t m_freeW = 0, m_freeH = 0;
};
