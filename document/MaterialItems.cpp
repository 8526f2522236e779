#include "document/MaterialItems.h"

#include "common/Conversions.h"

namespace {

std::string CutTo(std::string text, std::size_t length)
{
    if (text.size() > length)
        text.resize(length);
    return text;
}

} // namespace

std::string MaterialItemText(const TBoardType &board, std::uint8_t layout)
{
    const std::string first = layout == 1 ? board.Name.str() : board.ShortText.str();
    const std::string second = layout == 1 ? board.ShortText.str() : board.Name.str();
    const std::size_t firstCut = layout == 1 ? 42 : 12;
    std::string text = CutTo(first + " (", firstCut);
    text = CutTo(text + second, 52);
    text = CutTo(text + ") [", 55);
    return text + IntToText(board.Quantity) + "]";
}

bool IsMaterialUsedUp(const TBoardType &board)
{
    return board.QuantityUsed != 0 && board.QuantityUsed >= board.Quantity;
}
