#include "print/core/LabelDrawing.h"

#include "print/core/Code128.h"
#include "print/core/ElementListPrintout.h"
#include "print/core/FontFit.h"
#include "print/core/LabelLayout.h"
#include "print/core/PieceSketch.h"
#include "print/core/Win1250Text.h"

#include "common/Conversions.h"
#include "common/ResultCodes.h"

#include <algorithm>

namespace {

enum class Align { Left, Centre, Right };

// Fractions of the inner height, from the top: header, size row, sketch row, bars.
constexpr double kHeaderShare = 0.13;
constexpr double kSizeShare = 0.17;
constexpr double kSketchShare = 0.28;
constexpr double kBarsShare = 0.30;

// The box from fraction `from` to fraction `to` of a rectangle's width.
QRect Columns(const QRect &box, double from, double to)
{
    const int left = box.x() + static_cast<int>(box.width() * from);
    const int right = box.x() + static_cast<int>(box.width() * to);
    return QRect(left, box.y(), right - left, box.height());
}

// Below this a label is no longer read at the bench.
constexpr int kSmallestPoints = 6;

// The text as it fits `width` in the canvas's font: whole, or cut with "…".
QString Elided(PrintCanvas &canvas, const QString &text, int width)
{
    if (canvas.TextWidth(text) < width)
        return text;
    const QString ellipsis(QChar(0x2026));
    QString cut = text;
    while (!cut.isEmpty() && canvas.TextWidth(cut + ellipsis) >= width)
        cut.chop(1);
    return cut + ellipsis;
}

// A text in the largest size that fits its box, clipped to it. Never below
// 6 points: a longer one (a customer's name, a label) is cut at that size.
void FittedText(PrintCanvas &canvas, const QRect &box, const QString &text, Align align, bool bold)
{
    if (text.isEmpty())
        return;
    PrintFont font;
    font.bold = bold;
    canvas.SetFont(font);
    font.size = std::max(kSmallestPoints, FitFontSize(canvas, text, box.width(), box.height(), 0));
    canvas.SetFont(font);
    const QString shown = Elided(canvas, text, box.width());
    const int right = box.x() + box.width();
    const QPoint centred = CentreText(canvas, shown, box.x(), box.y(), right, box.y() + box.height());
    int x = centred.x();
    if (align == Align::Left)
        x = box.x();
    else if (align == Align::Right)
        x = right - canvas.TextWidth(shown);
    canvas.TextRect(box, x, centred.y(), shown, TextBackground::Transparent);
}

// Bars of whole dots, centred in box: every module the same width on paper.
// rcUnexpectedError, nothing drawn, when a module would be narrower than a dot.
int DrawBarcode(PrintCanvas &canvas, const QRect &box, const QString &code)
{
    Code128Symbol symbol;
    const int encoded = EncodeCode128(code.toLatin1(), symbol);
    if (encoded != rcOK)
        return encoded;
    const int moduleDots = box.width() / symbol.modules;
    if (moduleDots < 1)
        return rcUnexpectedError;
    const int left = box.x() + (box.width() - symbol.modules * moduleDots) / 2;
    canvas.SetPen(Qt::black, 1);
    canvas.SetBrush(Qt::black, BrushStyle::Solid);
    for (const BarcodeBar &bar : symbol.bars)
        canvas.Rectangle(QRect(left + bar.start * moduleDots, box.y(), bar.width * moduleDots, box.height()));
    canvas.SetBrush(Qt::white, BrushStyle::Solid);
    return rcOK;
}

QString SizeText(const TElement &element, const LabelCommonTexts &common)
{
    const std::int32_t length = element.Length;
    const std::int32_t width = element.Width;
    const auto mark = [&](std::uint8_t code) { return code < kBandingCodeCount ? common.BandingMarks[code] : QString(); };
    return QString::fromStdString(IntToText(length)) + mark(element.LengthBanding) + QStringLiteral(" \u00d7 ")
        + QString::fromStdString(IntToText(width)) + mark(element.WidthBanding);
}

} // namespace

int DrawPartLabel(PrintCanvas &canvas, const QRect &label, const PartLabel &part, const LabelCommonTexts &common)
{
    const int padding = MmToDots(kLabelPaddingMm, canvas.DpiX());
    const QRect inner = label.adjusted(padding, padding, -padding, -padding);
    const int gap = std::max(1, inner.width() / 50);
    int top = inner.y();
    const auto row = [&](double share) {
        const QRect box(inner.x(), top, inner.width(), static_cast<int>(inner.height() * share));
        top += box.height();
        return box;
    };
    const QRect header = row(kHeaderShare);
    const QRect size = row(kSizeShare);
    const QRect sketch = row(kSketchShare);
    const QRect bars = row(kBarsShare);
    const QRect code(inner.x(), top, inner.width(), inner.y() + inner.height() - top);

    FittedText(canvas, Columns(header, 0, 0.5).adjusted(0, 0, -gap, 0), common.Customer, Align::Left, false);
    FittedText(canvas, Columns(header, 0.5, 1), common.Title, Align::Right, false);
    FittedText(canvas, Columns(size, 0, 0.28).adjusted(0, 0, -gap, 0), QStringLiteral("RB. ") + part.Number,
               Align::Left, true);
    FittedText(canvas, Columns(size, 0.28, 0.8).adjusted(0, 0, -gap, 0), SizeText(part.Element, common),
               Align::Centre, true);
    FittedText(canvas, Columns(size, 0.8, 1), part.Piece, Align::Right, true);

    DrawPieceSketch(canvas, Columns(sketch, 0, 0.3), part.Element);
    const QRect sketchTexts = Columns(sketch, 0.3, 1).adjusted(gap, 0, 0, 0);
    // The label's text and the material; below them, on a label printed by a
    // cutting plan, where the plan puts the piece.
    const int textRows = part.Position.isEmpty() ? 2 : 3;
    const int textHeight = sketchTexts.height() / textRows;
    const auto textRow = [&](int row) {
        const int rowTop = sketchTexts.y() + row * textHeight;
        const int rowBottom = row == textRows - 1 ? sketchTexts.y() + sketchTexts.height() : rowTop + textHeight;
        return QRect(sketchTexts.x(), rowTop, sketchTexts.width(), rowBottom - rowTop);
    };
    FittedText(canvas, textRow(0), FromWin1250(part.Element.Label.str()), Align::Left, true);
    FittedText(canvas, textRow(1), common.Material, Align::Left, false);
    if (textRows == 3)
        FittedText(canvas, textRow(2), part.Position, Align::Left, true);

    const int drawn = DrawBarcode(canvas, bars, part.Code);
    FittedText(canvas, code, part.Code, Align::Centre, false);
    return drawn;
}
