#include "print/core/PlanPrintout.h"

#include "common/ResultCodes.h"

int PrintCuttingPlan(PrintCanvas &canvas, const CuttingPlan &plan, const PlanPrintTexts &texts,
                     PrintProgress *progress)
{
    canvas.SetLandscape();
    canvas.SetTitle(QString::fromLatin1(kPlanJobTitle));
    const int begun = canvas.Begin();
    if (begun != rcOK)
        return begun;
    const int boards = static_cast<int>(plan.Boards.size());
    for (int board = 0; board < boards; ++board) {
        if (progress)
            progress->Step(board, boards);
        if (canvas.Aborted())
            break;
        if (board > 0)
            canvas.NewPage();
        DrawPlanPage(canvas, plan, board, texts);
    }
    return canvas.End();
}
