#pragma once
// A small drawing of a piece on its label: the rectangle with its length across,
// each banded edge thick (PVC) or double (ABS), and an arrow along the length
// when the piece follows the grain.

#include "print/core/PrintCanvas.h"

#include "common/Element.h"

#include <QRect>

// Draws inside box only; leaves the pen black and one dot wide.
void DrawPieceSketch(PrintCanvas &canvas, const QRect &box, const TElement &element);
