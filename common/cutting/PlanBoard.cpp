#include "common/cutting/PlanBoard.h"

#include "common/Settings.h"

CuttingBoard PlanBoardOf(const TSettings &settings)
{
    CuttingBoard board;
    board.Length = settings.BoardLength();
    board.Width = settings.BoardWidth();
    board.UsableLength = settings.UsableBoardLength();
    board.UsableWidth = settings.UsableBoardWidth();
    board.Grain = settings.DefaultGrain();
    return board;
}
