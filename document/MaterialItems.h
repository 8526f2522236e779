#pragma once
// The material selector's item texts and marks, from the board-type records.

#include "common/BoardType.h"

#include <string>

// "PLOCA (18) [12]" for layout 1 (name first), "18 (PLOCA) [12]" for any other
// layout; Windows-1250 bytes like the record's texts.
std::string MaterialItemText(const TBoardType &board, std::uint8_t layout);

// Every board of this type is used up: the item is drawn greyed on pink.
bool IsMaterialUsedUp(const TBoardType &board);
