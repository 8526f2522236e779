#include "print/core/PieceSketch.h"

#include "print/core/LabelLayout.h"

#include <algorithm>

namespace {

enum class EdgeKind { Plain, Pvc, Abs };

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

    // Outside the piece lies (left, top) to (right, bottom); lengthAcross puts
    // the length edges at top and bottom.
    void Draw(int left, int top, int right, int bottom, std::uint8_t lengthBanding, std::uint8_t widthBanding,
              bool lengthAcross, bool grain)
    {
        EdgeKind first, second;
        EdgesOf(lengthAcross ? lengthBanding : widthBanding, first, second);
        Edge(first, left, top, right, top, 0, 1);
        Edge(second, left, bottom, right, bottom, 0, -1);
        EdgesOf(lengthAcross ? widthBanding : lengthBanding, first, second);
        Edge(first, left, top, left, bottom, 1, 0);
        Edge(second, right, top, right, bottom, -1, 0);
        if (grain)
            Arrow(left, top, right, bottom, lengthAcross);
        m_canvas.SetPen(Qt::black, 1);
    }

    int Dots(double millimetres) const { return std::max(1, MmToDots(millimetres, m_dpi)); }

private:
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

    // Through the middle, along the length, pointing right or down.
    void Arrow(int left, int top, int right, int bottom, bool across)
    {
        const int inset = Dots(1.2);
        const int head = Dots(0.9);
        m_canvas.SetPen(Qt::black, Dots(0.2));
        if (across) {
            const int y = (top + bottom) / 2;
            m_canvas.Line(left + inset, y, right - inset, y);
            m_canvas.Line(right - inset, y, right - inset - head, y - head);
            m_canvas.Line(right - inset, y, right - inset - head, y + head);
        } else {
            const int x = (left + right) / 2;
            m_canvas.Line(x, top + inset, x, bottom - inset);
            m_canvas.Line(x, bottom - inset, x - head, bottom - inset - head);
            m_canvas.Line(x, bottom - inset, x + head, bottom - inset - head);
        }
    }

    PrintCanvas &m_canvas;
    int m_dpi;
};

} // namespace

void DrawPieceSketch(PrintCanvas &canvas, const QRect &box, const TElement &element)
{
    Sketch sketch(canvas);
    const std::int32_t length = element.Length;
    const std::int32_t width = element.Width;
    const int margin = sketch.Dots(0.8);
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
    sketch.Draw(left, top, left + w, top + h, element.LengthBanding, element.WidthBanding, true, element.Grain != 0);
}

void DrawBandedPiece(PrintCanvas &canvas, const QRect &rect, std::uint8_t lengthBanding, std::uint8_t widthBanding,
                     bool lengthAcross, bool grain)
{
    Sketch(canvas).Draw(rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height(), lengthBanding,
                        widthBanding, lengthAcross, grain);
}
