#include "common/cutting/BoardSet.h"

#include <algorithm>

namespace {

std::int64_t Product(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int64_t>(a) * b;
}

} // namespace

struct BoardSet::Choice {
    bool Found = false;
    int Board = -1;
    LeafPlacement Placement;
    bool Turned = false;
    std::int64_t Waste = 0;   // leaf area less piece area: the tighter the better
    std::int32_t Side = 0;    // the shorter leftover side
    std::int32_t X = 0, Y = 0;

    bool Beats(const Choice &other) const
    {
        if (!other.Found)
            return true;
        if (Waste != other.Waste)
            return Waste < other.Waste;
        if (Side != other.Side)
            return Side < other.Side;
        if (Board != other.Board)
            return Board < other.Board;
        return Y != other.Y ? Y < other.Y : X < other.X;
    }
};

bool BoardSet::Consider(int board, int piece, bool turned, SplitRule rule, Choice &best, Choice *second) const
{
    const PieceShape &shape = m_problem->Shapes[piece];
    const std::int32_t ex = turned ? shape.Ey : shape.Ex;
    const std::int32_t ey = turned ? shape.Ex : shape.Ey;
    const GuillotineBoard &b = m_boards[board];
    if (b.SurelyTooSmall(ex, ey))
        return false;
    bool takes = false;
    for (const int leaf : b.FreeLeaves()) {
        const GuillotineBoard::Node &l = b.At(leaf);
        if (ex > l.W || ey > l.H)
            continue;
        Choice c;
        c.Found = true;
        c.Board = board;
        c.Turned = turned;
        c.Waste = Product(l.W, l.H) - Product(ex, ey);
        c.Side = std::min(l.W - ex, l.H - ey);
        c.X = l.X;
        c.Y = l.Y;
        if (!c.Beats(second ? *second : best)) {
            takes = takes || b.Fits(leaf, ex, ey, CutLine::AlongLength) || b.Fits(leaf, ex, ey, CutLine::AlongWidth);
            continue;
        }
        // The rule says which cut goes first; the stage limit may allow only the other.
        CutLine preferred;
        if (rule == SplitRule::LargerPart)
            preferred = Product(l.W, l.H - ey) >= Product(l.W - ex, l.H) ? CutLine::AlongLength : CutLine::AlongWidth;
        else
            preferred = l.W - ex < l.H - ey ? CutLine::AlongLength : CutLine::AlongWidth;
        CutLine other = preferred == CutLine::AlongLength ? CutLine::AlongWidth : CutLine::AlongLength;
        // Under a stage limit the way that spends fewer stages leaves more for later pieces.
        if (m_problem->Stages > 0 && b.Fits(leaf, ex, ey, other)
            && b.StagesNeeded(leaf, ex, ey, other) < b.StagesNeeded(leaf, ex, ey, preferred))
            std::swap(preferred, other);
        if (b.Fits(leaf, ex, ey, preferred))
            c.Placement = LeafPlacement{leaf, preferred};
        else if (b.Fits(leaf, ex, ey, other))
            c.Placement = LeafPlacement{leaf, other};
        else
            continue;
        if (!second) {
            best = c;
        } else if (c.Beats(best)) {
            *second = best;
            best = c;
        } else {
            *second = c;
        }
        takes = true;
    }
    return takes;
}

bool BoardSet::Insert(int piece, SplitRule rule, int skipBoard, int enough)
{
    return InsertChosen(piece, rule, skipBoard, enough, nullptr, 0);
}

bool BoardSet::InsertVaried(int piece, SplitRule rule, PlanRandom &random, int secondPercent)
{
    return InsertChosen(piece, rule, -1, 0, &random, secondPercent);
}

bool BoardSet::InsertChosen(int piece, SplitRule rule, int skipBoard, int enough, PlanRandom *random,
                            int secondPercent)
{
    const PieceShape &shape = m_problem->Shapes[piece];
    Choice first, second;
    Choice *runnerUp = random ? &second : nullptr;
    int taking = 0;
    for (int board = 0; board < BoardCount() && (enough == 0 || taking < enough); ++board) {
        if (board == skipBoard)
            continue;
        bool takes = Consider(board, piece, false, rule, first, runnerUp);
        if (shape.CanTurn && shape.Ex != shape.Ey)
            takes = Consider(board, piece, true, rule, first, runnerUp) || takes;
        taking += takes ? 1 : 0;
    }
    if (!first.Found)
        return false;
    const Choice &best = random && second.Found && random->Chance(secondPercent) ? second : first;
    const std::int32_t ex = best.Turned ? shape.Ey : shape.Ex;
    const std::int32_t ey = best.Turned ? shape.Ex : shape.Ey;
    Save(best.Board);
    const int node = m_boards[best.Board].Place(best.Placement, ex, ey, piece, best.Turned);
    m_where[piece] = Where{best.Board, node};
    return true;
}

void BoardSet::InsertOrOpen(int piece, SplitRule rule, int enough)
{
    if (Insert(piece, rule, -1, enough))
        return;
    m_boards.emplace_back(m_problem->Length, m_problem->Width, m_problem->Kerf, m_problem->Stages,
                          m_problem->SmallestSide, m_problem->SmallestArea);
    // Every piece fits an empty board: the planner refuses the others first.
    Insert(piece, rule);
}

void BoardSet::Remove(int piece)
{
    Where &where = m_where[piece];
    Save(where.Board);
    m_boards[where.Board].Remove(where.Node);
    where = Where{};
}

void BoardSet::Track(int board, bool placed)
{
    std::vector<int> nodes;
    m_boards[board].PiecesUnder(m_boards[board].Root(), nodes);
    for (const int node : nodes)
        m_where[m_boards[board].At(node).Piece] = placed ? Where{board, node} : Where{};
}

void BoardSet::RemoveBoard(int board, std::vector<int> &freed)
{
    std::vector<int> nodes;
    m_boards[board].PiecesUnder(m_boards[board].Root(), nodes);
    for (const int node : nodes) {
        const int piece = m_boards[board].At(node).Piece;
        freed.push_back(piece);
        m_where[piece] = Where{};
    }
    m_boards.erase(m_boards.begin() + board);
    for (int later = board; later < BoardCount(); ++later)
        Track(later, true);
}

void BoardSet::Save(int board)
{
    if (!m_stepping)
        return;
    if (m_isSaved.size() < m_boards.size())
        m_isSaved.resize(m_boards.size(), 0);
    if (m_isSaved[board])
        return;
    m_isSaved[board] = 1;
    m_saved.emplace_back(board, m_boards[board]);
}

void BoardSet::BeginStep()
{
    m_stepping = true;
}

void BoardSet::EndStep(const Layouts &saved)
{
    for (const auto &entry : saved)
        m_isSaved[entry.first] = 0;
    m_stepping = false;
}

void BoardSet::Commit()
{
    Layouts saved;
    saved.swap(m_saved);
    EndStep(saved);
}

void BoardSet::Undo()
{
    Layouts saved;
    saved.swap(m_saved);
    EndStep(saved);
    Replace(std::move(saved));
}

void BoardSet::Replace(Layouts layouts)
{
    // A piece that moves between two of these boards must be cleared from both
    // before either is put in place.
    for (const auto &entry : layouts) {
        Save(entry.first);
        Track(entry.first, false);
    }
    for (auto &entry : layouts) {
        m_boards[entry.first] = std::move(entry.second);
        Track(entry.first, true);
    }
}

int BoardSet::Emptiest() const
{
    int emptiest = -1;
    for (int board = 0; board < BoardCount(); ++board) {
        if (emptiest < 0 || Area(board) < Area(emptiest))
            emptiest = board;
    }
    return emptiest;
}

std::vector<int> BoardSet::PiecesOn(int board) const
{
    const GuillotineBoard &b = m_boards[board];
    std::vector<int> nodes, pieces;
    b.PiecesUnder(b.Root(), nodes);
    for (const int node : nodes)
        pieces.push_back(b.At(node).Piece);
    return pieces;
}
