#pragma once
// What the plan window says of a plan besides the drawing: the summary line
// (boards, used area, the boards' price and the edge tapes) and the line of
// the board shown.

#include "common/cutting/CuttingPlan.h"

#include <QString>

// What a plan costs besides its boards' count, taken when the plan was asked for.
struct PlanCosts {
    double PricePerM2 = 0;  // of the whole board
    double PvcTape = 0;     // metres, as the statistics page gives them
    double AbsTape = 0;
};

// "Table: 3 (najmanje 2) | Iskorisceno: 81.4 % | Cena tabli: 17388.00 | Kant traka: 23.10 m | ABS traka: 0.00 m":
// the used area is the pieces' share of the boards' usable area; the price is
// boards x the whole board's area in m² x the price per m².
QString PlanSummaryLine(const CuttingPlan &plan, const PlanCosts &costs);

// "Tabla 2 / 3: 14 komada, iskorisceno 78.0 %" for board (0-based).
QString BoardLine(const CuttingPlan &plan, int board);
