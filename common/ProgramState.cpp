#include "common/ProgramState.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"

void LoadBoardTypes(ProgramState &state)
{
    ClearBoardTable(state.BoardTypes);
    const std::string name = JoinPath(state.ProgramDir, kBoardTableFileName);
    if (!FileExists(name))
        return;
    const int code = ReadBoardTable(name, state.BoardTypes);
    if (code != rcOK)
        ShowError("Error loading mainboard types (\"" + name + "\")", code);
}
