#include "common/ProgramPlaces.h"

#include "common/FileUtils.h"
#include "common/Settings.h"

#include <cstdlib>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDirectory(const std::string &name)
{
    struct stat info;
    return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool HoldsSettings(const std::string &dir)
{
    return FileExists(JoinPath(dir, kSettingsFileName)) || FileExists(JoinPath(dir, kSettingsBackupName));
}

// <prefix>/share/morvena beside <prefix>/bin; empty when the program is not in a "bin".
std::string InstalledFilesDir(const std::string &programDir)
{
    if (FileNameOf(programDir) != "bin")
        return {};
    return JoinPath(JoinPath(DirectoryOf(programDir), "share"), "morvena");
}

std::string HomeDirectory()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    const passwd *entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

} // namespace

std::string UserDataHome()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return dataHome;
    return JoinPath(JoinPath(HomeDirectory(), ".local"), "share");
}

ProgramPlaces LocateProgramPlaces(const std::string &programDir)
{
    const std::string installed = InstalledFilesDir(programDir);
    const bool portable = HoldsSettings(programDir) || installed.empty() || !IsDirectory(installed);
    ProgramPlaces places;
    places.FilesDir = portable ? programDir : installed;
    // Root can write /usr/bin, but an installed program keeps no data there.
    const bool beside = portable && ::access(programDir.c_str(), W_OK) == 0;
    places.DataDir = beside ? JoinPath(programDir, "DATA") : JoinPath(JoinPath(UserDataHome(), "Morvena"), "DATA");
    return places;
}
