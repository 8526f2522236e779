#include "print/core/PlanBoardDrawing.h"

#include "print/core/ElementListPrintout.h"
#include "print/core/FontFit.h"
#include "print/core/LabelLayout.h"
#include "print/core/PieceSketch.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHatchGapMm = 2.5;
constexpr int kCutNumberFontSize = 6;

const QColor kCutColour(200, 0, 0);
const QColor kHatchColour(150, 150, 150);

// Millimetres of the plan on the page: the whole board to scale, the usable
// area centred on it, y downwards.
class BoardScale {
public:
    BoardScale(const CuttingBoard &board, const QRect &room)
    {
        const double length = std::max(board.Length, board.UsableLength);
        const double width = std::max(board.Width, board.UsableWidth);
        m_scale = std::min(room.width() / length, room.height() / width);
        m_left = room.x() + (room.width() - length * m_scale) / 2;
        m_top = room.y();
        m_boardRect = Rect(0, 0, length, width);
        m_offsetX = (length - board.UsableLength) / 2;
        m_offsetY = (width - board.UsableWidth) / 2;
    }

    const QRect &Board() const { return m_boardRect; }
    // A rectangle of the usable area, in dots.
    QRect Usable(double x, double y, double length, double width) const
    {
        return Rect(m_offsetX + x, m_offsetY + y, length, width);
    }
    QPoint Point(double x, double y) const
    {
        return QPoint(Dot(m_left, m_offsetX + x), Dot(m_top, m_offsetY + y));
    }

private:
    int Dot(double origin, double mm) const { return static_cast<int>(std::lround(origin + mm * m_scale)); }
    QRect Rect(double x, double y, double length, double width) const
    {
        return DotsRect(Dot(m_left, x), Dot(m_top, y), Dot(m_left, x + length), Dot(m_top, y + width));
    }

    double m_scale = 1, m_left = 0, m_top = 0, m_offsetX = 0, m_offsetY = 0;
    QRect m_boardRect;
};

class BoardDrawing {
public:
    BoardDrawing(PrintCanvas &canvas, const CuttingPlan &plan, int board)
        : m_canvas(canvas), m_plan(plan), m_board(plan.Boards[static_cast<std::size_t>(board)])
    {
    }

    void Draw(const QRect &room)
    {
        const CuttingBoard &b = m_plan.Board;
        const int arrowRoom = b.Grain ? Dots(6) : 0;
        const BoardScale scale(b, room.adjusted(0, arrowRoom, 0, 0));
        if (b.Grain)
            GrainArrow(scale.Board(), room.y());
        m_canvas.SetPen(Qt::black, 1);
        m_canvas.SetBrush(QColor(235, 235, 235), BrushStyle::Solid);
        m_canvas.Rectangle(scale.Board());
        m_canvas.SetBrush(Qt::white, BrushStyle::Solid);
        m_canvas.Rectangle(scale.Usable(0, 0, b.UsableLength, b.UsableWidth));
        for (const Offcut &offcut : m_board.Offcuts)
            Hatch(scale.Usable(offcut.X, offcut.Y, offcut.Length, offcut.Width));
        for (const PlacedPiece &placed : m_board.Pieces)
            Piece(placed, scale.Usable(placed.X, placed.Y, placed.Length, placed.Width));
        for (std::size_t i = 0; i < m_board.Cuts.size(); ++i)
            Cut(static_cast<int>(i) + 1, m_board.Cuts[i], scale);
        m_canvas.SetPen(Qt::black, 1);
    }

private:
    int Dots(double mm) const { return std::max(1, MmToDots(mm, m_canvas.DpiX())); }

    void GrainArrow(const QRect &board, int top)
    {
        const int y = top + Dots(2.5);
        const int head = Dots(1.2);
        const int right = board.x() + board.width() / 3;
        m_canvas.SetPen(Qt::black, Dots(0.3));
        m_canvas.Line(board.x(), y, right, y);
        m_canvas.Line(right, y, right - head, y - head);
        m_canvas.Line(right, y, right - head, y + head);
        PrintFont font;
        font.size = 8;
        m_canvas.SetFont(font);
        const QRect box(right + Dots(2), top, board.width() / 2, Dots(5));
        m_canvas.TextRect(box, box.x(), box.y(), QStringLiteral("Tekstura"), TextBackground::Transparent);
    }

    // Lines at 45 degrees, clipped to the rectangle.
    void Hatch(const QRect &r)
    {
        m_canvas.SetPen(kHatchColour, 1);
        const int left = r.x(), top = r.y(), right = r.x() + r.width(), bottom = r.y() + r.height();
        const int gap = Dots(kHatchGapMm);
        // Each line x - y = c runs from its lowest to its highest point inside.
        for (int c = left - bottom + gap; c < right - top; c += gap) {
            const int x1 = std::max(left, c + top), y1 = x1 - c;
            const int x2 = std::min(right, c + bottom), y2 = x2 - c;
            if (x2 > x1)
                m_canvas.Line(x1, y1, x2, y2);
        }
        m_canvas.SetBrush(Qt::white, BrushStyle::None);
        m_canvas.Rectangle(r);
        m_canvas.SetBrush(Qt::white, BrushStyle::Solid);
    }

    void Piece(const PlacedPiece &placed, const QRect &r)
    {
        const CuttingPiece &piece = m_plan.Pieces[static_cast<std::size_t>(placed.Piece)];
        m_canvas.SetPen(Qt::black, 1);
        m_canvas.SetBrush(Qt::white, BrushStyle::Solid);
        m_canvas.Rectangle(r);
        DrawBandedPiece(m_canvas, r, piece.LengthBanding, piece.WidthBanding, !placed.Turned, piece.Grain);
        const QString ref = QString::fromStdString(piece.Ref);
        const QString size = QString::number(piece.Length) + QStringLiteral(" x ") + QString::number(piece.Width);
        const int pad = std::min(Dots(1), r.width() / 8);
        const QRect inner = r.adjusted(pad, pad, -pad, -pad);
        // The reference always; the size under it where there is room for both.
        const bool both = inner.height() > Dots(6);
        const QRect refBox = both ? QRect(inner.x(), inner.y(), inner.width(), inner.height() / 2) : inner;
        Fitted(refBox, ref, true);
        if (both)
            Fitted(QRect(inner.x(), refBox.y() + refBox.height(), inner.width(), inner.height() - refBox.height()),
                   size, false);
    }

    void Fitted(const QRect &box, const QString &text, bool bold)
    {
        PrintFont font;
        font.bold = bold;
        m_canvas.SetFont(font);
        font.size = FitFontSize(m_canvas, text, box.width(), box.height(), 10, &m_measures);
        m_canvas.SetFont(font);
        const QPoint at = CentreText(m_canvas, text, box.x(), box.y(), box.x() + box.width(), box.y() + box.height());
        m_canvas.TextRect(box, at.x(), at.y(), text, TextBackground::Transparent);
    }

    void Cut(int number, const PlanCut &cut, const BoardScale &scale)
    {
        const QPoint from = scale.Point(cut.X1, cut.Y1);
        const QPoint to = scale.Point(cut.X2, cut.Y2);
        m_canvas.SetPen(kCutColour, Dots(0.25));
        m_canvas.Line(from.x(), from.y(), to.x(), to.y());
        PrintFont font;
        font.size = kCutNumberFontSize;
        font.colour = kCutColour;
        m_canvas.SetFont(font);
        const QString text = QString::number(number);
        const QRect box(from.x() + 1, from.y() + 1, m_canvas.TextWidth(text), m_canvas.TextHeight(text));
        m_canvas.TextRect(box, box.x(), box.y(), text, TextBackground::Transparent);
    }

    PrintCanvas &m_canvas;
    const CuttingPlan &m_plan;
    const BoardPlan &m_board;
    TextMeasureCache m_measures;
};

} // namespace

void DrawPlanBoard(PrintCanvas &canvas, const CuttingPlan &plan, int board, const QRect &room)
{
    BoardDrawing(canvas, plan, board).Draw(room);
}
