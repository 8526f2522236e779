#pragma once
// One part label drawn into its rectangle on a canvas: who and what, the size
// with its banding, a sketch of the banded edges and the grain, the material,
// and the barcode with its text. Nothing is drawn outside the padding.

#include "print/core/PartLabels.h"
#include "print/core/PrintCanvas.h"

#include <QRect>
#include <QString>

// The texts every label of one printout shares.
struct LabelCommonTexts {
    QString Customer;
    QString Title;
    QString Material;
    QString BandingMarks[kBandingCodeCount]; // [0] stays empty
};

// Blank margin inside every label, millimetres.
constexpr double kLabelPaddingMm = 4.0;

// rcOK, or rcUnexpectedError when the barcode cannot be made or does not fit
// the label at the canvas's resolution (the rest is drawn).
int DrawPartLabel(PrintCanvas &canvas, const QRect &label, const PartLabel &part, const LabelCommonTexts &common);
