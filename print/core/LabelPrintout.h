#pragma once
// The part labels of a document on any canvas whose page is the layout's page:
// one label per piece, sheet after sheet, from a chosen first position.

#include "print/core/LabelLayout.h"
#include "print/core/PartLabels.h"
#include "print/core/PrintCanvas.h"
#include "print/core/PrintProgress.h"

#include "common/PrintoutSettings.h"

constexpr const char *kLabelJobTitle = "Morvena input - stampanje nalepnica";

struct LabelPrintOptions {
    LabelLayout layout = LabelLayout::A4By3x8;
    int firstPosition = 1; // where the first label goes on the first sheet
    // With a plan of the document's pieces: the labels in cutting order, each
    // with its board and position. Not owned; lives through the printout.
    const CuttingPlan *plan = nullptr;
};

// Calls progress (when given) before each label and stops before the next one
// once the canvas is aborted. rcUnexpectedError, with nothing begun, when the
// first position is not on the sheet; else Begin's code when it fails, then the
// first barcode failure, then End's code.
int PrintPartLabels(PrintCanvas &canvas, const LabelDocument &document, const PrintoutSettings &settings,
                    const LabelPrintOptions &options, PrintProgress *progress);
