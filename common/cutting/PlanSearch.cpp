#include "common/cutting/PlanSearch.h"

#include "common/cutting/BoardLayouts.h"
#include "common/cutting/PlanRandom.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace {

constexpr int kHistoryLength = 300;     // steps of late acceptance
constexpr int kMaxRandomPieces = 5;     // the most pieces one random ruin frees
constexpr int kMaxClimb = 3;            // levels above a piece a tree ruin may start
constexpr int kBlinkPercent = 10;       // pieces that swap places in the order of putting back
constexpr int kRepackPercent = 60;      // steps that lay a board out afresh with a loose piece
constexpr int kPairPercent = 25;        // of those, steps that lay out two boards together
constexpr int kMakeRoomPercent = 50;    // of the others, steps that make room for a loose piece
constexpr std::int64_t kStallSteps = 2000;  // steps without less loose area before the search loosens
constexpr double kReheat = 5.0;             // how much more loose area it then accepts
constexpr int kSecondBestPercent = 15;  // pieces put back into the second best place, not the best
constexpr int kSideOrderPercent = 40;   // steps that put pieces back longest side, length or width first
constexpr std::int64_t kRestartSteps = 40000; // steps without a board less before the search starts over
constexpr int kEmptierBoards = 3;       // the boards it then may take away
constexpr double kTickSeconds = 0.1;    // between two reports of the steps made

class Search {
public:
    Search(const PlanProblem &problem, const BoardSet &start, const SearchControl &control)
        : m_problem(problem), m_control(control), m_random(control.Seed), m_current(start), m_best(start),
          m_began(std::chrono::steady_clock::now())
    {
    }

    BoardSet Run(std::int64_t &iterations)
    {
        if (m_current.BoardCount() > m_control.LowerBound)
            DropEmptiestBoard();
        Cost cost = CostNow();
        std::vector<Cost> history(kHistoryLength, cost);
        double lowest = cost.Loose;
        std::int64_t stalled = 0;
        std::int64_t sinceBetter = 0;
        std::int64_t step = 0;
        double lastTick = 0;
        while (!m_unplaced.empty() && !Over(step)) {
            m_current.BeginStep();
            const std::vector<int> before = m_unplaced;
            int first = -1;
            if (m_random.Chance(kRepackPercent))
                RepackWithLoose();
            else if (!m_random.Chance(kMakeRoomPercent) || !MakeRoom(first))
                Ruin();
            Recreate(first);
            const Cost candidate = CostNow();
            Cost &then = history[static_cast<std::size_t>(step % kHistoryLength)];
            if (candidate <= cost || candidate <= then) {
                m_current.Commit();
                cost = candidate;
            } else {
                m_current.Undo();
                m_unplaced = before;
            }
            if (cost <= then)
                then = cost;
            ++step;
            // Stuck: for a while, steps that loosen more pieces may be taken.
            if (cost.Loose < lowest) {
                lowest = cost.Loose;
                stalled = 0;
            } else if (++stalled >= kStallSteps) {
                std::fill(history.begin(), history.end(), Cost{cost.Loose * kReheat, 0});
                stalled = 0;
            }
            // Long stuck on this board count: from the best plan again, without another of its emptier boards.
            if (!m_unplaced.empty() && ++sinceBetter >= kRestartSteps) {
                m_current = m_best;
                m_unplaced.clear();
                DropEmptierBoard();
                cost = CostNow();
                std::fill(history.begin(), history.end(), cost);
                lowest = cost.Loose;
                stalled = 0;
                sinceBetter = 0;
            }
            if (m_unplaced.empty()) {
                sinceBetter = 0;
                m_best = m_current;
                if (m_control.Improved)
                    m_control.Improved(m_best, step);
                if (m_current.BoardCount() > m_control.LowerBound)
                    DropEmptiestBoard();
                cost = CostNow();
                std::fill(history.begin(), history.end(), cost);
                lowest = cost.Loose;
                stalled = 0;
            }
            if (m_control.Tick && Seconds() >= lastTick + kTickSeconds) {
                lastTick = Seconds();
                m_control.Tick(step);
            }
        }
        iterations = step;
        return m_best;
    }

private:
    bool Over(std::int64_t step) const
    {
        if (m_control.Stop && m_control.Stop->load(std::memory_order_relaxed))
            return true;
        if (m_control.Iterations > 0)
            return step >= m_control.Iterations;
        return Seconds() >= m_control.Seconds;
    }

    double Seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_began).count();
    }

    void DropEmptiestBoard()
    {
        m_current.RemoveBoard(m_current.Emptiest(), m_unplaced);
    }

    // One of the kEmptierBoards emptiest, at random.
    void DropEmptierBoard()
    {
        std::vector<int> boards(static_cast<std::size_t>(m_current.BoardCount()));
        std::iota(boards.begin(), boards.end(), 0);
        const std::size_t count = std::min<std::size_t>(kEmptierBoards, boards.size());
        std::partial_sort(boards.begin(), boards.begin() + static_cast<std::ptrdiff_t>(count), boards.end(),
                          [&](int a, int b) { return m_current.Area(a) < m_current.Area(b); });
        const int board = boards[static_cast<std::size_t>(m_random.Below(static_cast<int>(count)))];
        m_current.RemoveBoard(board, m_unplaced);
    }

    // Loose pieces first, each by its squared share of a board: one big loose
    // piece weighs more than small ones of its area, as small ones find room
    // more easily. Then pieces gathered on fewer boards, which leaves the room
    // loose pieces need in one place.
    struct Cost {
        double Loose = 0;
        double Spread = 0; // minus the sum of the squared fill of the boards

        bool operator<=(const Cost &other) const
        {
            return Loose != other.Loose ? Loose < other.Loose : Spread <= other.Spread;
        }
    };

    Cost CostNow() const
    {
        Cost cost;
        for (const int piece : m_unplaced) {
            const double share = static_cast<double>(m_problem.Shapes[piece].Area) / m_problem.BoardArea;
            cost.Loose += share * share;
        }
        for (int board = 0; board < m_current.BoardCount(); ++board) {
            const double fill = static_cast<double>(m_current.Area(board)) / m_problem.BoardArea;
            cost.Spread -= fill * fill;
        }
        return cost;
    }

    // The smallest part of a random board's tree that a loose piece fits:
    // its pieces make room for the loose one, which goes back first.
    bool MakeRoom(int &first)
    {
        const int loose = m_unplaced[static_cast<std::size_t>(m_random.Below(static_cast<int>(m_unplaced.size())))];
        const int board = m_random.Below(m_current.BoardCount());
        const GuillotineBoard &b = m_current.Board(board);
        const PieceShape &shape = m_problem.Shapes[loose];
        int best = -1;
        std::int64_t bestArea = 0;
        const auto visit = [&](const auto &self, int node) -> std::int64_t {
            const GuillotineBoard::Node &n = b.At(node);
            std::int64_t area = 0;
            if (n.Type == GuillotineBoard::Node::Kind::Piece)
                area = m_problem.Shapes[n.Piece].Area;
            else if (n.Type == GuillotineBoard::Node::Kind::Split)
                area = self(self, n.Near) + self(self, n.Far);
            const bool holds = (shape.Ex <= n.W && shape.Ey <= n.H) || (shape.CanTurn && shape.Ey <= n.W && shape.Ex <= n.H);
            if (holds && area > 0 && (best < 0 || area < bestArea || (area == bestArea && m_random.Chance(50)))) {
                best = node;
                bestArea = area;
            }
            return area;
        };
        visit(visit, b.Root());
        if (best < 0)
            return false;
        std::vector<int> nodes;
        b.PiecesUnder(best, nodes);
        Loosen(b, nodes);
        first = loose;
        return true;
    }

    // One or two random boards laid out afresh with a loose piece, or with it
    // instead of a smaller one of theirs, picked at random, which goes loose:
    // what putting pieces back one by one into the boards' layouts cannot find.
    void RepackWithLoose()
    {
        const std::size_t at = static_cast<std::size_t>(m_random.Below(static_cast<int>(m_unplaced.size())));
        const int loose = m_unplaced[at];
        std::vector<int> boards = {m_random.Below(m_current.BoardCount())};
        if (m_current.BoardCount() > 1 && m_random.Chance(kPairPercent)) {
            const int other = m_random.Below(m_current.BoardCount() - 1);
            boards.push_back(other >= boards[0] ? other + 1 : other);
        }
        std::vector<int> pieces;
        for (const int board : boards) {
            const std::vector<int> on = m_current.PiecesOn(board);
            pieces.insert(pieces.end(), on.begin(), on.end());
        }
        pieces.push_back(loose);
        int leaving = -1;
        if (!Repack(boards, pieces)) {
            std::vector<std::size_t> smaller;
            for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
                if (m_problem.Shapes[pieces[i]].Area < m_problem.Shapes[loose].Area)
                    smaller.push_back(i);
            }
            if (smaller.empty())
                return;
            const std::size_t which = smaller[static_cast<std::size_t>(m_random.Below(static_cast<int>(smaller.size())))];
            leaving = pieces[which];
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(which));
            if (!Repack(boards, pieces))
                return;
        }
        m_unplaced.erase(m_unplaced.begin() + static_cast<std::ptrdiff_t>(at));
        if (leaving >= 0)
            m_unplaced.push_back(leaving);
    }

    // Whether the pieces fit these boards laid out afresh; if so they are laid
    // out so (a board the layout does not need is left empty).
    bool Repack(const std::vector<int> &boards, const std::vector<int> &pieces)
    {
        bool done = false;
        ForEachLayout(m_problem, pieces, static_cast<int>(boards.size()), [&](const BoardSet &layout) {
            BoardSet::Layouts layouts;
            for (std::size_t i = 0; i < boards.size(); ++i) {
                const int from = static_cast<int>(i);
                layouts.emplace_back(boards[i],
                                     from < layout.BoardCount() ? layout.Board(from) : m_current.Board(boards[i]).Empty());
            }
            m_current.Replace(std::move(layouts));
            done = true;
            return true;
        }, &m_random);
        return done;
    }

    // Takes the pieces of these nodes of board b off it.
    void Loosen(const GuillotineBoard &b, const std::vector<int> &nodes)
    {
        std::vector<int> freed;
        for (const int node : nodes)
            freed.push_back(b.At(node).Piece);
        for (const int piece : freed) {
            m_current.Remove(piece);
            m_unplaced.push_back(piece);
        }
    }

    void Ruin()
    {
        const int board = m_random.Below(m_current.BoardCount());
        const GuillotineBoard &b = m_current.Board(board);
        std::vector<int> nodes;
        b.PiecesUnder(b.Root(), nodes);
        if (nodes.empty())
            return;
        if (m_random.Chance(50)) {
            // A part of the cutting tree: the pieces near one piece.
            int node = nodes[static_cast<std::size_t>(m_random.Below(static_cast<int>(nodes.size())))];
            for (int climb = m_random.Below(kMaxClimb + 1); climb > 0 && b.At(node).Parent >= 0; --climb)
                node = b.At(node).Parent;
            nodes.clear();
            b.PiecesUnder(node, nodes);
        } else {
            const int count = 1 + m_random.Below(std::min(kMaxRandomPieces, static_cast<int>(nodes.size())));
            for (int i = 0; i < count; ++i)
                std::swap(nodes[static_cast<std::size_t>(i)],
                          nodes[static_cast<std::size_t>(i + m_random.Below(static_cast<int>(nodes.size()) - i))]);
            nodes.resize(static_cast<std::size_t>(count));
        }
        Loosen(b, nodes);
    }

    // first, when not -1, goes back before all others.
    void Recreate(int first)
    {
        // Largest first, mostly by area, now and then by a side.
        const int by = m_random.Chance(kSideOrderPercent) ? 1 + m_random.Below(3) : 0;
        const auto key = [&](int piece) -> std::int64_t {
            const PieceShape &s = m_problem.Shapes[piece];
            switch (by) {
            case 1: return std::max(s.Ex, s.Ey);
            case 2: return s.Ex;
            case 3: return s.Ey;
            default: return s.Area;
            }
        };
        std::stable_sort(m_unplaced.begin(), m_unplaced.end(), [&](int a, int b) { return key(a) > key(b); });
        for (std::size_t i = 1; i < m_unplaced.size(); ++i) {
            if (m_random.Chance(kBlinkPercent))
                std::swap(m_unplaced[i - 1], m_unplaced[i]);
        }
        if (first >= 0) {
            const auto at = std::find(m_unplaced.begin(), m_unplaced.end(), first);
            std::rotate(m_unplaced.begin(), at, at + 1);
        }
        std::vector<int> left;
        for (const int piece : m_unplaced) {
            const SplitRule rule = m_random.Chance(50) ? SplitRule::LargerPart : SplitRule::ShorterAxis;
            if (!m_current.InsertVaried(piece, rule, m_random, kSecondBestPercent))
                left.push_back(piece);
        }
        m_unplaced = std::move(left);
    }

    const PlanProblem &m_problem;
    const SearchControl &m_control;
    PlanRandom m_random;
    BoardSet m_current;
    BoardSet m_best;
    std::vector<int> m_unplaced;
    std::chrono::steady_clock::time_point m_began;
};

} // namespace

BoardSet ImproveBoards(const PlanProblem &problem, const BoardSet &start, const SearchControl &control,
                       std::int64_t &iterations)
{
    iterations = 0;
    if (start.BoardCount() <= control.LowerBound)
        return start;
    return Search(problem, start, control).Run(iterations);
}
