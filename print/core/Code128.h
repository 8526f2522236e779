#pragma once
// Code 128 symbols made by zint, as bars counted in modules, so a canvas can
// draw each bar as a rectangle of whole dots.

#include <QByteArray>

#include <vector>

struct BarcodeBar {
    int start; // modules from the symbol's left edge, quiet zone included
    int width; // modules
};

struct Code128Symbol {
    int modules = 0; // the whole width, both quiet zones included
    std::vector<BarcodeBar> bars;
};

// Scanners want ten blank modules on each side of the bars.
constexpr int kQuietZoneModules = 10;

// Encodes Latin-1 text; rcOK, or rcUnexpectedError (symbol left empty) when
// zint refuses the text or cannot allocate.
int EncodeCode128(const QByteArray &latin1, Code128Symbol &symbol);
