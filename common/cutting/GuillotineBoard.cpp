#include "common/cutting/GuillotineBoard.h"

#include <algorithm>

namespace {

CutLine Across(CutLine line)
{
    return line == CutLine::AlongLength ? CutLine::AlongWidth : CutLine::AlongLength;
}

// Whether a cut of this line is needed to bring a leaf down to the piece.
bool Needed(CutLine line, std::int32_t ex, std::int32_t ey, const GuillotineBoard::Node &leaf)
{
    return line == CutLine::AlongLength ? ey < leaf.H : ex < leaf.W;
}

} // namespace

GuillotineBoard::GuillotineBoard(std::int32_t length, std::int32_t width, std::int32_t kerf, int stageLimit,
                                 std::int32_t smallestSide, std::int64_t smallestArea)
    : m_kerf(kerf), m_stageLimit(stageLimit), m_smallestSide(smallestSide), m_smallestArea(smallestArea)
{
    Node root;
    root.W = length;
    root.H = width;
    m_nodes.push_back(root);
    AddFree(0);
}

GuillotineBoard GuillotineBoard::Empty() const
{
    return GuillotineBoard(m_nodes[0].W, m_nodes[0].H, m_kerf, m_stageLimit, m_smallestSide, m_smallestArea);
}

int GuillotineBoard::StageOf(int node, CutLine line) const
{
    const int parent = m_nodes[node].Parent;
    if (parent < 0) // the board itself: stage 1 runs along the length
        return line == CutLine::AlongLength ? 1 : 2;
    const Node &split = m_nodes[parent];
    return line == split.Line ? split.Stage : split.Stage + 1;
}

int GuillotineBoard::StagesNeeded(int leaf, std::int32_t ex, std::int32_t ey, CutLine first) const
{
    const Node &l = m_nodes[leaf];
    if (ex > l.W || ey > l.H)
        return -1;
    const CutLine second = Across(first);
    const bool firstNeeded = Needed(first, ex, ey, l);
    const int firstStage = firstNeeded ? StageOf(leaf, first) : 0;
    int secondStage = 0;
    if (Needed(second, ex, ey, l))
        secondStage = firstNeeded ? firstStage + 1 : StageOf(leaf, second);
    return std::max(firstStage, secondStage);
}

bool GuillotineBoard::Fits(int leaf, std::int32_t ex, std::int32_t ey, CutLine first) const
{
    const int stages = StagesNeeded(leaf, ex, ey, first);
    return stages >= 0 && (m_stageLimit == 0 || stages <= m_stageLimit);
}

int GuillotineBoard::NewNode(const Node &node)
{
    if (m_recycled.empty()) {
        m_nodes.push_back(node);
        return static_cast<int>(m_nodes.size()) - 1;
    }
    const int index = m_recycled.back();
    m_recycled.pop_back();
    m_nodes[index] = node;
    return index;
}

void GuillotineBoard::AddFree(int node)
{
    Node &n = m_nodes[node];
    n.Type = Node::Kind::Free;
    n.FreeSlot = -1;
    if (n.W < m_smallestSide || n.H < m_smallestSide || static_cast<std::int64_t>(n.W) * n.H < m_smallestArea)
        return;
    n.FreeSlot = static_cast<int>(m_free.size());
    m_free.push_back(node);
    m_extentsKnown = false;
}

void GuillotineBoard::DropFree(int node)
{
    const int slot = m_nodes[node].FreeSlot;
    if (slot < 0)
        return;
    const int last = m_free.back();
    m_free[slot] = last;
    m_nodes[last].FreeSlot = slot;
    m_free.pop_back();
    m_nodes[node].FreeSlot = -1;
    m_extentsKnown = false;
}

void GuillotineBoard::Discard(int node)
{
    m_nodes[node].Parent = -1;
    m_recycled.push_back(node);
}

int GuillotineBoard::SplitLeaf(int leaf, CutLine line, std::int32_t nearExtent)
{
    DropFree(leaf);
    Node nearPart, farPart;
    const Node &l = m_nodes[leaf];
    nearPart.X = farPart.X = l.X;
    nearPart.Y = farPart.Y = l.Y;
    nearPart.W = farPart.W = l.W;
    nearPart.H = farPart.H = l.H;
    nearPart.Parent = farPart.Parent = leaf;
    if (line == CutLine::AlongLength) {
        nearPart.H = nearExtent;
        farPart.Y += nearExtent;
        farPart.H -= nearExtent;
    } else {
        nearPart.W = nearExtent;
        farPart.X += nearExtent;
        farPart.W -= nearExtent;
    }
    const int stage = StageOf(leaf, line);
    const int nearIndex = NewNode(nearPart);
    const int farIndex = NewNode(farPart);
    Node &split = m_nodes[leaf];
    split.Type = Node::Kind::Split;
    split.Line = line;
    split.Stage = stage;
    split.Near = nearIndex;
    split.Far = farIndex;
    AddFree(nearIndex);
    AddFree(farIndex);
    return nearIndex;
}

int GuillotineBoard::Place(const LeafPlacement &placement, std::int32_t ex, std::int32_t ey, int piece, bool turned)
{
    int node = placement.Leaf;
    const CutLine first = placement.FirstLine;
    if (Needed(first, ex, ey, m_nodes[node]))
        node = SplitLeaf(node, first, first == CutLine::AlongLength ? ey : ex);
    const CutLine second = Across(first);
    if (Needed(second, ex, ey, m_nodes[node]))
        node = SplitLeaf(node, second, second == CutLine::AlongLength ? ey : ex);
    DropFree(node);
    Node &n = m_nodes[node];
    n.Type = Node::Kind::Piece;
    n.Piece = piece;
    n.Turned = turned;
    m_pieceArea += static_cast<std::int64_t>(ex - m_kerf) * (ey - m_kerf);
    return node;
}

void GuillotineBoard::Remove(int pieceNode)
{
    Node &n = m_nodes[pieceNode];
    m_pieceArea -= static_cast<std::int64_t>(n.W - m_kerf) * (n.H - m_kerf);
    n.Piece = -1;
    AddFree(pieceNode);
    // A split whose two parts are both free is no cut at all.
    int node = pieceNode;
    for (int parent = m_nodes[node].Parent; parent >= 0; parent = m_nodes[node].Parent) {
        const int nearPart = m_nodes[parent].Near;
        const int farPart = m_nodes[parent].Far;
        if (m_nodes[nearPart].Type != Node::Kind::Free || m_nodes[farPart].Type != Node::Kind::Free)
            break;
        DropFree(nearPart);
        DropFree(farPart);
        Discard(nearPart);
        Discard(farPart);
        m_nodes[parent].Near = m_nodes[parent].Far = -1;
        AddFree(parent);
        node = parent;
    }
}

void GuillotineBoard::PiecesUnder(int node, std::vector<int> &pieceNodes) const
{
    const Node &n = m_nodes[node];
    if (n.Type == Node::Kind::Piece)
        pieceNodes.push_back(node);
    else if (n.Type == Node::Kind::Split) {
        PiecesUnder(n.Near, pieceNodes);
        PiecesUnder(n.Far, pieceNodes);
    }
}

bool GuillotineBoard::SurelyTooSmall(std::int32_t ex, std::int32_t ey) const
{
    if (!m_extentsKnown) {
        m_freeW = m_freeH = 0;
        for (const int leaf : m_free) {
            m_freeW = std::max(m_freeW, m_nodes[leaf].W);
            m_freeH = std::max(m_freeH, m_nodes[leaf].H);
        }
        m_extentsKnown = true;
    }
    return ex > m_freeW || ey > m_freeH;
}

std::vector<Offcut> GuillotineBoard::Leftovers() const
{
    std::vector<Offcut> leftovers;
    const auto walk = [&](const auto &self, int node) -> void {
        const Node &n = m_nodes[node];
        if (n.Type == Node::Kind::Split) {
            self(self, n.Near);
            self(self, n.Far);
        } else if (n.Type == Node::Kind::Free && n.W > m_kerf && n.H > m_kerf) {
            leftovers.push_back(Offcut{n.X, n.Y, n.W - m_kerf, n.H - m_kerf});
        }
    };
    walk(walk, 0);
    return leftovers;
}

std::int64_t GuillotineBoard::LargestOffcut() const
{
    std::int64_t largest = 0;
    for (const Offcut &offcut : Leftovers())
        largest = std::max(largest, offcut.Area());
    return largest;
}

void GuillotineBoard::ExportCuts(int node, int baseStage, CutLine baseLine, BoardPlan &plan) const
{
    const Node &n = m_nodes[node];
    if (n.Type == Node::Kind::Piece) {
        plan.Pieces.push_back(PlacedPiece{n.Piece, n.X, n.Y, n.W - m_kerf, n.H - m_kerf, n.Turned});
        return;
    }
    if (n.Type == Node::Kind::Free)
        return;
    // The parallel cuts of one stage across this part come first, in order of
    // position; then each strip between them is cut on its own.
    const CutLine line = n.Line;
    const int stage = line == baseLine ? baseStage : baseStage + 1;
    std::vector<int> cuts, parts;
    const auto gather = [&](const auto &self, int at) -> void {
        const Node &m = m_nodes[at];
        if (m.Type != Node::Kind::Split || m.Line != line) {
            parts.push_back(at);
            return;
        }
        self(self, m.Near);
        cuts.push_back(at);
        self(self, m.Far);
    };
    gather(gather, node);
    for (const int at : cuts) {
        const Node &m = m_nodes[at];
        const Node &nearPart = m_nodes[m.Near];
        PlanCut cut;
        cut.Stage = stage;
        if (line == CutLine::AlongLength) {
            cut.X1 = m.X;
            cut.X2 = m.X + m.W - m_kerf;
            cut.Y1 = cut.Y2 = m.Y + nearPart.H - m_kerf;
        } else {
            cut.Y1 = m.Y;
            cut.Y2 = m.Y + m.H - m_kerf;
            cut.X1 = cut.X2 = m.X + nearPart.W - m_kerf;
        }
        plan.Cuts.push_back(cut);
    }
    for (const int part : parts)
        ExportCuts(part, stage, line, plan);
}

BoardPlan GuillotineBoard::Export() const
{
    BoardPlan plan;
    const Node &root = m_nodes[0];
    // Without a stage limit the first cut of a board opens stage 1, whichever way it runs.
    const CutLine firstLine = m_stageLimit == 0 && root.Type == Node::Kind::Split ? root.Line : CutLine::AlongLength;
    ExportCuts(0, 1, firstLine, plan);
    plan.Offcuts = Leftovers();
    std::sort(plan.Offcuts.begin(), plan.Offcuts.end(), [](const Offcut &a, const Offcut &b) {
        if (a.Area() != b.Area())
            return a.Area() > b.Area();
        return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
    });
    return plan;
}
