#pragma once
// One board of a cutting plan drawn to scale in a rectangle of any canvas, as
// the plan pages and the plan window show it: the whole board grey around its
// usable area, each piece with its reference and size, its banded edges and
// grain marked as on the labels, the offcuts hatched, the cuts red and
// numbered in cutting order, and above a board with grain an arrow.

#include "print/core/PrintCanvas.h"

#include "common/cutting/CuttingPlan.h"

#include <QRect>

// board is 0-based and must be one of the plan's. Leaves the pen black.
void DrawPlanBoard(PrintCanvas &canvas, const CuttingPlan &plan, int board, const QRect &room);
