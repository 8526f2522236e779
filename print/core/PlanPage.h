#pragma once
// One board of a cutting plan on a landscape page: the board to scale with its
// pieces (reference, size, banded edges, grain), its offcuts hatched and its
// cuts numbered in cutting order, and under the drawing the list of the cuts.
// A list too long for the page goes on to further pages of the same board.

#include "print/core/PrintCanvas.h"

#include "common/cutting/CuttingPlan.h"

#include <QString>

// What the pages of one plan say besides the plan.
struct PlanPrintTexts {
    QString Title;    // the document's title
    QString Customer;
    QString Material;
};

// Draws board (0-based) of plan from the top of the current page.
void DrawPlanPage(PrintCanvas &canvas, const CuttingPlan &plan, int board, const PlanPrintTexts &texts);

// The line of the cut list for cut number (1-based): "3. faza 2: x 600, y 0 - 2060".
QString CutListLine(int number, const PlanCut &cut);
