// The cutting plan on paper: a landscape page for every board holding every
// piece of that board and the whole list of its cuts, long lists going on to
// pages of their own.

#include "PrintTestHelpers.h"

#include "print/core/PlanPrintout.h"

#include "common/cutting/CuttingPlanner.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// The texts of each page, in order.
std::vector<QSet<QString>> PageTexts(const RecordingCanvas &canvas)
{
    std::vector<QSet<QString>> pages(1);
    for (const CanvasCall &call : canvas.Calls()) {
        if (call.kind == CanvasCall::Kind::NewPage)
            pages.emplace_back();
        else if (call.kind == CanvasCall::Kind::Text)
            pages.back().insert(call.text);
    }
    return pages;
}

CuttingPlan PlanOf(int kinds, int count, std::int32_t largest)
{
    PlanRequest request;
    request.Board = CuttingBoard{2800, 2070, 2790, 2060, true};
    request.Stages = 3;
    for (int k = 1; k <= kinds; ++k) {
        for (int n = 1; n <= count; ++n) {
            request.Pieces.push_back(CuttingPiece{std::to_string(k) + "/" + std::to_string(n), 60 + (k * 97) % largest,
                                                  40 + (k * 53) % (largest / 2), k % 3 == 0, BandingPvcTwo, BandingAbsOne});
        }
    }
    PlanLimits limits;
    limits.Iterations = 100;
    return PlanCutting(request, limits).Plan;
}

} // namespace

TEST(PlanPrintout, EveryBoardOnItsOwnLandscapePagesWithAllItsPiecesAndCuts)
{
    struct Case {
        const char *what;
        CuttingPlan plan;
    } cases[] = {
        {"large pieces on several boards", PlanOf(12, 3, 1400)},
        {"hundreds of small pieces: the cut list goes on to more pages", PlanOf(40, 12, 200)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RecordingCanvas canvas;
        ASSERT_EQ(PrintCuttingPlan(canvas, c.plan, PlanPrintTexts{QStringLiteral("Kuhinja"), QString(), QString()},
                                   nullptr),
                  rcOK);
        EXPECT_TRUE(canvas.Landscape());
        EXPECT_GT(canvas.PageWidth(), canvas.PageHeight());
        const std::vector<QSet<QString>> pages = PageTexts(canvas);
        std::size_t page = 0;
        for (std::size_t b = 0; b < c.plan.Boards.size(); ++b) {
            ASSERT_LT(page, pages.size());
            const QString title = QStringLiteral("Tabla %1 / %2").arg(b + 1).arg(c.plan.Boards.size());
            EXPECT_TRUE(pages[page].contains(title)) << b;
            QSet<QString> texts = pages[page];
            // Pages that go on with the same board's list.
            while (page + 1 < pages.size() && pages[page + 1].contains(title + QStringLiteral(" (nastavak)")))
                texts.unite(pages[++page]);
            ++page;
            const BoardPlan &board = c.plan.Boards[b];
            for (const PlacedPiece &placed : board.Pieces)
                EXPECT_TRUE(texts.contains(QString::fromStdString(c.plan.Pieces[static_cast<std::size_t>(placed.Piece)].Ref)));
            for (std::size_t i = 0; i < board.Cuts.size(); ++i)
                EXPECT_TRUE(texts.contains(CutListLine(static_cast<int>(i) + 1, board.Cuts[i]))) << i;
        }
        EXPECT_EQ(page, pages.size()) << "no page left over";
    }
}

TEST(PlanPrintout, TheCutListNamesTheStageThePositionAndTheExtent)
{
    EXPECT_EQ(CutListLine(1, PlanCut{0, 604, 2790, 604, 1}), QStringLiteral("1. faza 1: y 604, x 0 - 2790"));
    EXPECT_EQ(CutListLine(12, PlanCut{720, 0, 720, 600, 2}), QStringLiteral("12. faza 2: x 720, y 0 - 600"));
}
