#include "tools/ToolInputs.h"
#include "tools/ToolFiles.h"

#include "common/FileUtils.h"
#include "common/ProgramPlaces.h"
#include "common/ResultCodes.h"

bool ReadDatabase(const std::string &name, Database &database)
{
    const int code = ReadDatabaseFile(name, database.Elements, database.Groups, database.Header);
    if (code == rcOK)
        return true;
    ShowError("Error loading database!", code);
    TellWhenNotAFile(name);
    return false;
}

bool ReadToolSettings(const std::string &name, TSettings &settings)
{
    const std::string file =
        name.empty() ? JoinPath(LocateProgramPlaces(GetProgramDir()).FilesDir, kSettingsFileName) : name;
    const int read = ReadSettingsRecord(file, settings.data());
    if (read == rcOK)
        return true;
    ShowError("Error loading file [" + file + "]", read);
    return false;
}
