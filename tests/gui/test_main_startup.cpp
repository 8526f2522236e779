// Start-up of the main window: the settings file with its backup, the board
// table, the unit factor and the colours.

#include "test_main_fixture.h"

#include "common/BoardType.h"
#include "common/FileUtils.h"
#include "common/MessageSink.h"

#include <QApplication>
#include <QMdiArea>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

TSettings SettingsWithUnit(std::int32_t unit)
{
    TSettings settings = TestSettings();
    settings.SetUnit(unit);
    return settings;
}

std::string BoardTableBytes(int records)
{
    TBoardTable table{};
    for (int i = 0; i < records; ++i) {
        table[i].Length = 2800 + i;
        table[i].Width = 2070;
    }
    return std::string(reinterpret_cast<const char *>(table.data()), sizeof(TBoardType) * records);
}

bool AnyMainWindowExists()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TForm1 *>(widget))
            return true;
    }
    return false;
}

} // namespace

TEST_F(MainWindowTest, ReadsSetupDatAndLeavesTheBackupAlone)
{
    const TSettings settings = SettingsWithUnit(2);
    const TSettings backup = SettingsWithUnit(3);
    WriteSettings(settings);
    WriteAll(Path(kSettingsBackupName), Bytes(backup));

    StartWindow();

    EXPECT_EQ(Bytes(window->State().Settings), Bytes(settings));
    EXPECT_EQ(ReadAll(Path(kSettingsFileName)), Bytes(settings));
    EXPECT_EQ(ReadAll(Path(kSettingsBackupName)), Bytes(backup));
    EXPECT_EQ(window->State().ProgramDir, dir.path());
    EXPECT_DOUBLE_EQ(window->State().UnitFactor, 0.1);
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_FALSE(window->isVisible()); // shown by the caller, not by the start
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Morvena"));
}

TEST_F(MainWindowTest, ReadsOnlyTheFirstRecordOfALongerSetupDat)
{
    const TSettings settings = SettingsWithUnit(3);
    WriteAll(Path(kSettingsFileName), Bytes(settings) + "trailing bytes");

    StartWindow();

    EXPECT_EQ(Bytes(window->State().Settings), Bytes(settings));
    EXPECT_FALSE(FileExists(Path(kSettingsBackupName)));
}

// A missing and a short "Setup.Dat" alike are restored from the backup.
class RestoreFromBackup : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(RestoreFromBackup, ReadsTheBackupAndCopiesItOverSetupDat)
{
    const int setupDatSize = GetParam(); // -1: no file
    if (setupDatSize >= 0)
        WriteAll(Path(kSettingsFileName), Bytes(SettingsWithUnit(2)).substr(0, std::size_t(setupDatSize)));
    const TSettings backup = SettingsWithUnit(3);
    WriteAll(Path(kSettingsBackupName), Bytes(backup));

    StartWindow();

    EXPECT_EQ(Bytes(window->State().Settings), Bytes(backup));
    EXPECT_EQ(ReadAll(Path(kSettingsFileName)), Bytes(backup));
    EXPECT_DOUBLE_EQ(window->State().UnitFactor, 0.001);
    EXPECT_TRUE(desktop.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(MissingOrShort, RestoreFromBackup, ::testing::Values(-1, 0, 7647));

TEST_F(MainWindowTest, RefusesToStartWithoutAnySettingsFile)
{
    desktop.AnswerBox(Platform::Answer::Ok);

    EXPECT_EQ(TForm1::Start(desktop, state, dir.path()), nullptr);

    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Error);
    EXPECT_EQ(desktop.Boxes()[0].buttons, Platform::Buttons::Ok);
    EXPECT_EQ(desktop.Boxes()[0].text.toStdString(),
              "Error loading file [" + Path(kSettingsBackupName) + "]\nError: -149 [File not found]");
    EXPECT_FALSE(AnyMainWindowExists());
    EXPECT_FALSE(FileExists(Path(kSettingsFileName)));
}

TEST_F(MainWindowTest, RefusesToStartWhenTheBackupIsShortToo)
{
    WriteAll(Path(kSettingsBackupName), Bytes(TestSettings()).substr(0, 100));
    desktop.AnswerBox(Platform::Answer::Ok);

    EXPECT_EQ(TForm1::Start(desktop, state, dir.path()), nullptr);

    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text.toStdString(),
              "Error loading file [" + Path(kSettingsBackupName) + "]\nError: -148 [File is corrupted]");
}

TEST_F(MainWindowTest, StartsWithTheBackupWhenItCannotBeCopied)
{
    // A folder in the way of "Setup.Dat" can be neither read nor replaced.
    std::filesystem::create_directory(Path(kSettingsFileName));
    const TSettings backup = SettingsWithUnit(2);
    WriteAll(Path(kSettingsBackupName), Bytes(backup));
    desktop.AnswerBox(Platform::Answer::Ok);

    StartWindow();

    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Error);
    EXPECT_EQ(desktop.Boxes()[0].text.toStdString(),
              "Error copying file \"" + Path(kSettingsBackupName) + "\" to \"" + Path(kSettingsFileName)
                  + "\".\nError: -141 [File create error]");
    EXPECT_EQ(Bytes(window->State().Settings), Bytes(backup));
}

class UnitFactorAtStart : public MainWindowTest,
                          public ::testing::WithParamInterface<std::pair<std::int32_t, double>> {};

TEST_P(UnitFactorAtStart, FollowsTheUnitOfTheSettings)
{
    WriteSettings(SettingsWithUnit(GetParam().first));
    StartWindow();
    EXPECT_DOUBLE_EQ(window->State().UnitFactor, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitFactorAtStart,
                         ::testing::Values(std::pair{0, 1.0}, std::pair{1, 1.0}, std::pair{2, 0.1},
                                           std::pair{3, 0.001}, std::pair{4, 1.0}, std::pair{-1, 1.0}));

TEST_F(MainWindowTest, StartsWithAnEmptyBoardTableWhenTheFileIsMissing)
{
    WriteSettings(TestSettings());
    StartWindow();
    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 0);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(MainWindowTest, LoadsTheBoardTable)
{
    WriteSettings(TestSettings());
    WriteAll(Path(kBoardTableFileName), BoardTableBytes(3));
    StartWindow();
    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 3);
    const std::int32_t length = window->State().BoardTypes[2].Length; // packed: read by value
    EXPECT_EQ(length, 2802);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(MainWindowTest, ReportsABoardTableTooLongAndStartsAnyway)
{
    WriteSettings(TestSettings());
    WriteAll(Path(kBoardTableFileName), BoardTableBytes(kMaxBoardTypes) + "x");
    desktop.AnswerBox(Platform::Answer::Ok);
    desktop.AnswerBox(Platform::Answer::Ok);

    StartWindow();

    ASSERT_EQ(desktop.Boxes().size(), 2u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::None);
    EXPECT_EQ(desktop.Boxes()[0].buttons, Platform::Buttons::Ok);
    EXPECT_EQ(desktop.Boxes()[0].text, QStringLiteral("Common.LoadBuffer: Buffer overflow error"));
    EXPECT_EQ(desktop.Boxes()[1].icon, Platform::Icon::Error);
    EXPECT_EQ(desktop.Boxes()[1].text.toStdString(),
              "Error loading mainboard types (\"" + Path(kBoardTableFileName) + "\")\nError: -148 [File is corrupted]");
    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 0);
}

TEST_F(MainWindowTest, LoadBoardTypesReadsTheFileAgain)
{
    WriteSettings(TestSettings());
    WriteAll(Path(kBoardTableFileName), BoardTableBytes(3));
    StartWindow();

    WriteAll(Path(kBoardTableFileName), BoardTableBytes(1));
    window->LoadBoardTypes();
    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 1);

    std::filesystem::remove(Path(kBoardTableFileName));
    window->LoadBoardTypes();
    EXPECT_EQ(BoardTypeCount(window->State().BoardTypes), 0);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(MainWindowTest, CoreMessagesReachTheDesktopWhileTheWindowLives)
{
    std::vector<std::string> elsewhere;
    const MessageSink before = SetMessageSink([&](MessageKind, const std::string &text) { elsewhere.push_back(text); });
    WriteSettings(TestSettings());
    StartWindow();

    desktop.AnswerBox(Platform::Answer::Ok);
    ShowMessage(MessageKind::Error, "while open");
    window.reset();
    ShowMessage(MessageKind::Error, "after closing");
    SetMessageSink(before);

    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, QStringLiteral("while open"));
    EXPECT_EQ(elsewhere, std::vector<std::string>{"after closing"});
}

TEST_F(MainWindowTest, PaintsTheClientAreaInTheMainWindowColour)
{
    TSettings settings = TestSettings();
    settings.SetMainColour(0x00332211); // red 0x11, green 0x22, blue 0x33
    WriteSettings(settings);
    StartWindow();
    EXPECT_EQ(ClientArea()->background().color(), QColor(0x11, 0x22, 0x33));
}
