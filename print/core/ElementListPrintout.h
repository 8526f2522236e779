#pragma once
// The printed element list: a numbered table in two blocks side by side under a
// title band, with a footer, on any canvas. Works on the list it is given;
// callers that let events run meanwhile pass a copy.

#include "print/core/PrintCanvas.h"
#include "print/core/PrintColumns.h"
#include "print/core/PrintProgress.h"

#include "common/Element.h"
#include "common/PrintoutSettings.h"

#include <QPoint>

#include <cstdint>

constexpr const char *kPrintJobTitle = "Morvena input - stampanje spiska elemenata";
constexpr const char *kPrintTitle = "S P I S A K   E L E M E N A T A";

// Trunc(centimetres / 2.54 x dotsPerInch).
std::uint16_t CmToDots(double centimetres, int dotsPerInch);

// Top left at which text in the canvas's font stands centred in the box.
QPoint CentreText(PrintCanvas &canvas, const QString &text, int left, int top, int right, int bottom);

// The measures of one printout, fixed from the canvas when it starts.
struct PrintLayout {
    int pageWidth;
    int pageHeight;
    int layoutUnit;       // h: 1.5 % of the page height
    int rowHeight;        // rh
    int footerLineHeight; // fh
    int footerTop;        // also the lower limit of the table
    int half;
    TPrintTable leftBlock;
    TPrintTable rightBlock;

    static PrintLayout Of(const PrintCanvas &canvas);
};

// Off measures every size anew: the reference the cache must reproduce.
enum class MeasureCache { On, Off };

// Prints the elements of list on canvas, calling progress (when given) before
// each row and stopping before the next row once the canvas is aborted.
// Returns Begin's code when it fails, else End's.
int PrintElementList(PrintCanvas &canvas, const TElementList &list, const PrintoutSettings &settings,
                     PrintProgress *progress, MeasureCache cache = MeasureCache::On);
