#include "main/PlanView.h"

#include "print/core/PlanBoardDrawing.h"
#include "print/core/ScreenCanvas.h"

#include "common/ResultCodes.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kMargin = 8;

} // namespace

PlanView::PlanView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PlanView"));
    setMinimumSize(320, 200);
}

void PlanView::SetPlan(CuttingPlan plan)
{
    m_plan = std::move(plan);
    ShowBoard(m_board);
}

void PlanView::ShowBoard(int board)
{
    m_board = std::clamp(board, 0, std::max(0, BoardCount() - 1));
    update();
    emit BoardShown(m_board);
}

void PlanView::paintEvent(QPaintEvent *)
{
    ScreenCanvas canvas(*this);
    if (canvas.Begin() != rcOK)
        return; // nothing to paint on: the widget stays as it was
    const QColor background = palette().color(QPalette::Base);
    canvas.SetPen(background, 1);
    canvas.SetBrush(background, BrushStyle::Solid);
    canvas.Rectangle(rect());
    if (m_board < BoardCount())
        DrawPlanBoard(canvas, m_plan, m_board, rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    canvas.End();
}
