#include "tools/ToolInputs.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"

bool ReadDatabase(const std::string &name, Database &database)
{
    const int code = ReadDatabaseFile(name, database.Elements, database.Groups, database.Header);
    if (code == rcOK)
        return true;
    ShowError("Error loading database!", code);
    return false;
}

bool ReadToolSettings(const std::string &name, TSettings &settings)
{
    const std::string file = name.empty() ? JoinPath(GetProgramDir(), kSettingsFileName) : name;
    const int read = ReadSettingsRecord(file, settings.data());
    if (read == rcOK)
        return true;
    ShowError("Error loading file [" + file + "]", read);
    return false;
}
