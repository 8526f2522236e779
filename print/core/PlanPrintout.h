#pragma once
// A cutting plan on any canvas: landscape, one board a page (and more pages for
// a long cut list).

#include "print/core/PlanPage.h"
#include "print/core/PrintProgress.h"

constexpr const char *kPlanJobTitle = "Morvena input - plan krojenja";

// Calls progress (when given) before each board and stops before the next one
// once the canvas is aborted. Begin's code when it fails, else End's.
int PrintCuttingPlan(PrintCanvas &canvas, const CuttingPlan &plan, const PlanPrintTexts &texts,
                     PrintProgress *progress);
