#include "common/cutting/PlanPieces.h"

#include <utility>

namespace {

constexpr std::size_t kPieceCap = kMaxPlanPieces + 1;

CuttingPiece PieceOf(const TElement &element, std::string ref)
{
    CuttingPiece piece;
    piece.Ref = std::move(ref);
    piece.Length = element.Length;
    piece.Width = element.Width;
    piece.Grain = element.Grain != 0;
    piece.LengthBanding = element.LengthBanding;
    piece.WidthBanding = element.WidthBanding;
    return piece;
}

} // namespace

std::string ElementPieceRef(int element, int piece)
{
    return std::to_string(element) + "/" + std::to_string(piece);
}

std::string GroupPieceRef(int group, int piece)
{
    return "G" + std::to_string(group) + "." + std::to_string(piece);
}

std::int64_t PlanPieceCount(const TElementList &list, const TElementGroups &groups)
{
    std::int64_t count = TotalPieces(list);
    const int groupCount = GroupCount(groups);
    for (int g = 0; g < groupCount; ++g)
        count += GroupPieceCount(groups[g]);
    return count;
}

std::vector<CuttingPiece> PlanPiecesOf(const TElementList &list, const TElementGroups &groups)
{
    std::vector<CuttingPiece> pieces;
    const int elements = ElementCount(list);
    for (int i = 1; i <= elements && pieces.size() < kPieceCap; ++i) {
        const TElement &element = list[i - 1];
        const int count = element.Count;
        for (int k = 1; k <= count && pieces.size() < kPieceCap; ++k)
            pieces.push_back(PieceOf(element, ElementPieceRef(i, k)));
    }
    const int groupCount = GroupCount(groups);
    for (int g = 1; g <= groupCount && pieces.size() < kPieceCap; ++g) {
        const int count = GroupPieceCount(groups[g - 1]);
        for (int p = 1; p <= count && pieces.size() < kPieceCap; ++p)
            pieces.push_back(PieceOf(groups[g - 1].Pieces[p - 1], GroupPieceRef(g, p)));
    }
    return pieces;
}
