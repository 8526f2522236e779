#pragma once
// A piece drawn as the labels and the cutting plans draw it: the rectangle with
// each banded edge thick (PVC) or double (ABS), and an arrow along the length
// when the piece follows the grain.

#include "print/core/PrintCanvas.h"

#include "common/Element.h"

#include <QRect>

#include <cstdint>

// A small drawing of the piece with its length across, in box: very long or
// narrow pieces are drawn less extreme so that every edge shows. Leaves the pen
// black and one dot wide.
void DrawPieceSketch(PrintCanvas &canvas, const QRect &box, const TElement &element);

// The piece exactly in rect, its length across or (lengthAcross false) down.
// Leaves the pen black and one dot wide.
void DrawBandedPiece(PrintCanvas &canvas, const QRect &rect, std::uint8_t lengthBanding, std::uint8_t widthBanding,
                     bool lengthAcross, bool grain);
