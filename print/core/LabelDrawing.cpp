#include "print/core/LabelDrawing.h"

#include "print/core/Code128.h"
#include "print/core/ElementListPrintout.h"
#include "print/core/FontFit.h"
#include "print/core/LabelLayout.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/ResultCodes.h"

#include <algorithm>

namespace {

enum class Align { Left, Centre, Right };
enum class EdgeKind { Plain, Pvc, Abs };

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

// A text in the largest size that fits its box, clipped to it.
void FittedText(PrintCanvas &canvas, const QRect &box, const QString &text, Align align, bool bold)
{
    if (text.isEmpty())
        return;
    PrintFont font;
    font.bold = bold;
    canvas.SetFont(font);
    font.size = FitFontSize(canvas, text, box.width(), box.height(), 0);
    canvas.SetFont(font);
    const int right = box.x() + box.width();
    const QPoint centred = CentreText(canvas, text, box.x(), box.y(), right, box.y() + box.height());
    int x = centred.x();
    if (align == Align::Left)
        x = box.x();
    else if (align == Align::Right)
        x = right - canvas.TextWidth(text);
    canvas.TextRect(box, x, centred.y(), text, TextBackground::Transparent);
}

// The two edges of one side of the piece, first and second, by banding code.
void EdgesOf(std::uint8_t banding, EdgeKind &first, EdgeKind &second)
{
    static const EdgeKind kFirst[kBandingCodeCount] = {EdgeKind::Plain, EdgeKind::Pvc, EdgeKind::Pvc,
                                                       EdgeKind::Abs,   EdgeKind::Abs, EdgeKind::Pvc};
    static const EdgeKind kSecond[kBandingCodeCount] = {EdgeKind::Plain, EdgeKind::Plain, EdgeKind::Pvc,
                                                        EdgeKind::Plain, EdgeKind::Abs,   EdgeKind::Abs};
    const bool known = banding < kBandingCodeCount;
    first = known ? kFirst[banding] : EdgeKind::Plain;
    second = known ? kSecond[banding] : EdgeKind::Plain;
}

class Sketch {
public:
    explicit Sketch(PrintCanvas &canvas) : m_canvas(canvas), m_dpi(canvas.DpiX()) {}

    // The piece with its length across, its banded edges and its grain, in box.
    void Draw(const QRect &box, const TElement &element)
    {
        const std::int32_t length = element.Length;
        const std::int32_t width = element.Width;
        const int margin = Dots(0.8);
        const QRect room = box.adjusted(margin, margin, -margin, -margin);
        // Very long or narrow pieces are drawn less extreme, so every edge stays visible.
        const double ratio = std::clamp(static_cast<double>(length) / std::max(width, 1), 0.5, 4.0);
        int w = room.width();
        int h = static_cast<int>(w / ratio);
        if (h > room.height()) {
            h = room.height();
            w = static_cast<int>(h * ratio);
        }
        const int left = room.x() + (room.width() - w) / 2;
        const int top = room.y() + (room.height() - h) / 2;
        const int right = left + w;
        const int bottom = top + h;

        EdgeKind first, second;
        EdgesOf(element.LengthBanding, first, second);
        Edge(first, left, top, right, top, 0, 1);
        Edge(second, left, bottom, right, bottom, 0, -1);
        EdgesOf(element.WidthBanding, first, second);
        Edge(first, left, top, left, bottom, 1, 0);
        Edge(second, right, top, right, bottom, -1, 0);
        if (element.Grain != 0)
            Arrow(left, right, top + h / 2);
        m_canvas.SetPen(Qt::black, 1);
    }

private:
    int Dots(double millimetres) const { return std::max(1, MmToDots(millimetres, m_dpi)); }

    // (inX, inY): the direction into the piece, where ABS's second line goes.
    void Edge(EdgeKind kind, int x1, int y1, int x2, int y2, int inX, int inY)
    {
        const int thin = Dots(0.15);
        m_canvas.SetPen(Qt::black, kind == EdgeKind::Pvc ? Dots(0.6) : thin);
        m_canvas.Line(x1, y1, x2, y2);
        if (kind != EdgeKind::Abs)
            return;
        const int gap = Dots(0.45);
        m_canvas.Line(x1 + inX * gap, y1 + inY * gap, x2 + inX * gap, y2 + inY * gap);
    }

    void Arrow(int left, int right, int y)
    {
        const int inset = Dots(1.2);
        const int head = Dots(0.9);
        m_canvas.SetPen(Qt::black, Dots(0.2));
        m_canvas.Line(left + inset, y, right - inset, y);
        m_canvas.Line(right - inset, y, right - inset - head, y - head);
        m_canvas.Line(right - inset, y, right - inset - head, y + head);
    }

    PrintCanvas &m_canvas;
    int m_dpi;
};

// Bars of whole dots, centred in box: every module the same width on paper.
int DrawBarcode(PrintCanvas &canvas, const QRect &box, const QString &code)
{
    Code128Symbol symbol;
    const int encoded = EncodeCode128(code.toLatin1(), symbol);
    if (encoded != rcOK)
        return encoded;
    const int moduleDots = std::max(1, box.width() / symbol.modules);
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

    Sketch(canvas).Draw(Columns(sketch, 0, 0.3), part.Element);
    const QRect sketchTexts = Columns(sketch, 0.3, 1).adjusted(gap, 0, 0, 0);
    const QRect labelText(sketchTexts.x(), sketchTexts.y(), sketchTexts.width(), sketchTexts.height() / 2);
    const QRect material(sketchTexts.x(), labelText.y() + labelText.height(), sketchTexts.width(),
                         sketchTexts.height() - labelText.height());
    FittedText(canvas, labelText, QString::fromStdString(Win1250ToUtf8(part.Element.Label.str())), Align::Left, true);
    FittedText(canvas, material, common.Material, Align::Left, false);

    const int drawn = DrawBarcode(canvas, bars, part.Code);
    FittedText(canvas, code, part.Code, Align::Centre, false);
    return drawn;
}
