#include "main/StartupSettings.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"

std::optional<TSettings> ReadStartupSettings(const std::string &programDir)
{
    TSettings settings;
    const std::string settingsName = JoinPath(programDir, kSettingsFileName);
    if (ReadSettingsRecord(settingsName, settings.data()) == rcOK)
        return settings;

    const std::string backupName = JoinPath(programDir, kSettingsBackupName);
    const int read = ReadSettingsRecord(backupName, settings.data());
    if (read != rcOK) {
        ShowError("Error loading file [" + backupName + "]", read);
        return std::nullopt;
    }
    const int copied = CopyDataFile(backupName, settingsName);
    if (copied != rcOK)
        ShowError("Error copying file \"" + backupName + "\" to \"" + settingsName + "\".", copied);
    return settings;
}
