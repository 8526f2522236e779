#include "common/ProgramPlaces.h"

#include "common/FileUtils.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The folders the tests name; no test of these binaries reads them otherwise.
class ProgramPlacesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("HOME", "/home/ana", 1);
        ::setenv("XDG_DATA_HOME", "/home/ana/.data", 1);
    }
};

TEST_F(ProgramPlacesTest, APortableCopyKeepsAllBesideItAndAnInstalledOneItsDataInTheUsersFolder)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("portable"));
    WriteAll(dir.file("portable/setup.bak"), "settings");
    std::filesystem::create_directories(dir.file("usr/bin"));
    std::filesystem::create_directories(dir.file("usr/share/morvena"));
    std::filesystem::create_directories(dir.file("nothing/bin"));
    struct Case {
        std::string programDir;
        std::string filesDir;
        std::string dataDir;
    } const cases[] = {
        {dir.file("portable"), dir.file("portable"), dir.file("portable/DATA")},
        {dir.file("usr/bin"), dir.file("usr/share/morvena"), "/home/ana/.data/Morvena/DATA"},
        {dir.file("nothing/bin"), dir.file("nothing/bin"), dir.file("nothing/bin/DATA")},
    };
    for (const Case &c : cases) {
        const ProgramPlaces places = LocateProgramPlaces(c.programDir);
        EXPECT_EQ(places.FilesDir, c.filesDir);
        EXPECT_EQ(places.DataDir, c.dataDir);
    }
    // Settings beside an installed program win: a copy unpacked into a "bin" stays portable.
    WriteAll(dir.file("usr/bin/Setup.Dat"), "settings");
    EXPECT_EQ(LocateProgramPlaces(dir.file("usr/bin")).DataDir, dir.file("usr/bin/DATA"));
}

TEST_F(ProgramPlacesTest, TheUsersFolderFollowsXdgDataHomeElseHome)
{
    EXPECT_EQ(UserDataHome(), "/home/ana/.data");
    ::setenv("XDG_DATA_HOME", "relative/data", 1); // not absolute: ignored
    EXPECT_EQ(UserDataHome(), "/home/ana/.local/share");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataHome(), "/home/ana/.local/share");
}

// A copy in a folder its user cannot write keeps its data in the user's folder.
TEST_F(ProgramPlacesTest, APortableCopyInAFolderItCannotWriteKeepsItsDataInTheUsersFolder)
{
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    std::filesystem::create_directories(dir.file("ro"));
    WriteAll(dir.file("ro/Setup.Dat"), "settings");
    ::chmod(dir.file("ro").c_str(), 0555);
    const pid_t child = fork();
    if (child == 0) {
        // Root writes everywhere: the child becomes nobody when it is root.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            _exit(2);
        const ProgramPlaces places = LocateProgramPlaces(dir.file("ro"));
        _exit(places.FilesDir == dir.file("ro") && places.DataDir == "/home/ana/.data/Morvena/DATA" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
