#include "print/core/PlanPage.h"

#include "print/core/LabelLayout.h"
#include "print/core/PlanBoardDrawing.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr double kMarginMm = 10.0;
constexpr double kHeaderMm = 14.0;
constexpr double kDrawingShare = 0.62;  // of the page height below the header
constexpr int kListFontSize = 8;

QString Mm(std::int32_t value)
{
    return QString::number(value);
}

class PlanPage {
public:
    PlanPage(PrintCanvas &canvas, const CuttingPlan &plan, int board, const PlanPrintTexts &texts)
        : m_canvas(canvas), m_plan(plan), m_board(board), m_texts(texts), m_margin(Dots(kMarginMm))
    {
    }

    void Draw()
    {
        const int bottom = m_canvas.PageHeight() - m_margin;
        int top = Header(false);
        const int drawingBottom = top + static_cast<int>((bottom - top) * kDrawingShare);
        DrawPlanBoard(m_canvas, m_plan, m_board, DotsRect(m_margin, top, m_canvas.PageWidth() - m_margin, drawingBottom));
        CutList(drawingBottom + Dots(4));
    }

private:
    int Dots(double mm) const { return std::max(1, MmToDots(mm, m_canvas.DpiX())); }

    void Text(const QRect &box, const QString &text, int size, bool bold, bool right = false)
    {
        PrintFont font;
        font.size = size;
        font.bold = bold;
        m_canvas.SetFont(font);
        const int x = right ? box.x() + box.width() - m_canvas.TextWidth(text) : box.x();
        m_canvas.TextRect(box, x, box.y(), text, TextBackground::Transparent);
    }

    // The two header lines; returns the top of what follows.
    int Header(bool continued)
    {
        const CuttingBoard &b = m_plan.Board;
        const int width = m_canvas.PageWidth() - 2 * m_margin;
        const int line = Dots(kHeaderMm / 2);
        QString left = QStringLiteral("Plan krojenja");
        if (!m_texts.Title.isEmpty())
            left += QStringLiteral(": ") + m_texts.Title;
        if (!m_texts.Customer.isEmpty())
            left += QStringLiteral(", ") + m_texts.Customer;
        QString right = QStringLiteral("Tabla %1 / %2").arg(m_board + 1).arg(m_plan.Boards.size());
        if (continued)
            right += QStringLiteral(" (nastavak)");
        Text(QRect(m_margin, m_margin, width, line), left, 12, true);
        Text(QRect(m_margin, m_margin, width, line), right, 12, true, true);
        QString details = QStringLiteral("Tabla %1 x %2 mm, korisno %3 x %4 mm, rez %5 mm, faze: %6")
                              .arg(Mm(b.Length), Mm(b.Width), Mm(b.UsableLength), Mm(b.UsableWidth), Mm(m_plan.Kerf))
                              .arg(m_plan.Stages == 0 ? QStringLiteral("bez ogranicenja") : QString::number(m_plan.Stages));
        if (!m_texts.Material.isEmpty())
            details = m_texts.Material + QStringLiteral("; ") + details;
        Text(QRect(m_margin, m_margin + line, width, line), details, 9, false);
        return m_margin + 2 * line;
    }

    // The cut list in columns under the drawing, then on further pages.
    void CutList(int top)
    {
        const BoardPlan &board = m_plan.Boards[static_cast<std::size_t>(m_board)];
        const int bottom = m_canvas.PageHeight() - m_margin;
        const int right = m_canvas.PageWidth() - m_margin;
        PrintFont font;
        font.size = kListFontSize;
        m_canvas.SetFont(font);
        const int line = m_canvas.TextHeight(QStringLiteral("0"));
        QStringList lines;
        int widest = 0;
        for (std::size_t i = 0; i < board.Cuts.size(); ++i) {
            lines << CutListLine(static_cast<int>(i) + 1, board.Cuts[i]);
            widest = std::max(widest, m_canvas.TextWidth(lines.back()));
        }
        Text(QRect(m_margin, top, right - m_margin, line), QStringLiteral("Redosled rezova"), kListFontSize, true);
        int y = top + line;
        int x = m_margin;
        const int columnWidth = widest + Dots(5);
        for (const QString &text : lines) {
            if (y + line > bottom) {
                y = top + line;
                x += columnWidth;
                if (x + widest > right) {
                    m_canvas.NewPage();
                    top = Header(true);
                    y = top;
                    x = m_margin;
                }
            }
            Text(QRect(x, y, columnWidth, line), text, kListFontSize, false);
            y += line;
        }
    }

    PrintCanvas &m_canvas;
    const CuttingPlan &m_plan;
    int m_board;
    const PlanPrintTexts &m_texts;
    int m_margin;
};

} // namespace

QString CutListLine(int number, const PlanCut &cut)
{
    const bool alongLength = cut.Y1 == cut.Y2;
    const QString at = alongLength ? QStringLiteral("y %1, x %2 - %3").arg(Mm(cut.Y1), Mm(cut.X1), Mm(cut.X2))
                                   : QStringLiteral("x %1, y %2 - %3").arg(Mm(cut.X1), Mm(cut.Y1), Mm(cut.Y2));
    return QStringLiteral("%1. faza %2: %3").arg(number).arg(cut.Stage).arg(at);
}

void DrawPlanPage(PrintCanvas &canvas, const CuttingPlan &plan, int board, const PlanPrintTexts &texts)
{
    PlanPage(canvas, plan, board, texts).Draw();
}
