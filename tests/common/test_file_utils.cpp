#include "common/FileUtils.h"

#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "support/MessageCapture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// Bytes that differ from block to block, so a dropped, repeated or shifted
// block shows in the comparison.
std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// Permission tests mean nothing to root, who reads every file.
bool RunningAsRoot() { return ::geteuid() == 0; }

} // namespace

TEST(DirectoryOf, CutsAtTheLastSeparator)
{
    struct Case {
        const char *path;
        const char *dir;
    } const cases[] = {
        {"D:\\A\\B\\prog.exe", "D:\\A\\B"},
        {"D:\\prog.exe", "D:"},
        {"/usr/lib/mvinput/mvinput", "/usr/lib/mvinput"},
        {"/opt/a\\b/prog", "/opt/a\\b"},
        {"/mvinput", ""}, // the root: JoinPath puts the separator back
        {"mvinput", "."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
}

TEST(GetProgramDir, IsTheFolderOfTheRunningProgram)
{
    const std::string dir = GetProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.front(), '/');
    EXPECT_NE(dir.back(), '/');
    EXPECT_TRUE(FileExists(JoinPath(dir, program_invocation_short_name)));
}

TEST(JoinPath, PutsOneSeparatorBetween)
{
    EXPECT_EQ(JoinPath("/a/b", "Setup.Dat"), "/a/b/Setup.Dat");
    EXPECT_EQ(JoinPath("/a/b/", "Setup.Dat"), "/a/b/Setup.Dat");
    EXPECT_EQ(JoinPath(DirectoryOf("/mvinput"), "Table.T01"), "/Table.T01");
}

TEST(FileExists, OnlyRegularFiles)
{
    TempDir dir;
    WriteAll(dir.file("a"), "x");
    WriteAll(dir.file("empty"), "");
    EXPECT_TRUE(FileExists(dir.file("a")));
    EXPECT_TRUE(FileExists(dir.file("empty")));
    EXPECT_FALSE(FileExists(dir.file("missing")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(""));
}

TEST(CopyDataFile, CopiesSeveralBlocksByteExact)
{
    TempDir dir;
    // 70000 bytes: two whole blocks of 32768 and a last one of 4464.
    const std::string bytes = Pattern(70000);
    WriteAll(dir.file("src"), bytes);
    ASSERT_EQ(CopyDataFile(dir.file("src"), dir.file("dst")), rcOK);
    EXPECT_EQ(ReadAll(dir.file("dst")), bytes);
}

TEST(CopyDataFile, ExactBlockMultipleAndEmptySource)
{
    TempDir dir;
    const std::string bytes = Pattern(2 * 32768);
    WriteAll(dir.file("src"), bytes);
    ASSERT_EQ(CopyDataFile(dir.file("src"), dir.file("dst")), rcOK);
    EXPECT_EQ(ReadAll(dir.file("dst")), bytes);

    WriteAll(dir.file("empty"), "");
    EXPECT_EQ(CopyDataFile(dir.file("empty"), dir.file("dst")), rcOK);
    EXPECT_TRUE(FileExists(dir.file("dst")));
    EXPECT_EQ(ReadAll(dir.file("dst")), "");
}

TEST(CopyDataFile, OverwritesALongerDestination)
{
    TempDir dir;
    WriteAll(dir.file("src"), "short");
    WriteAll(dir.file("dst"), Pattern(1000));
    ASSERT_EQ(CopyDataFile(dir.file("src"), dir.file("dst")), rcOK);
    EXPECT_EQ(ReadAll(dir.file("dst")), "short");
}

TEST(CopyDataFile, OntoItselfKeepsTheFile)
{
    TempDir dir;
    const std::string bytes = Pattern(5000);
    WriteAll(dir.file("src"), bytes);
    EXPECT_EQ(CopyDataFile(dir.file("src"), dir.file("src")), rcOK);
    EXPECT_EQ(ReadAll(dir.file("src")), bytes);
    // The same file under another name.
    std::filesystem::create_hard_link(dir.file("src"), dir.file("link"));
    EXPECT_EQ(CopyDataFile(dir.file("src"), dir.file("link")), rcOK);
    EXPECT_EQ(ReadAll(dir.file("src")), bytes);
}

TEST(CopyDataFile, FailureCodes)
{
    TempDir dir;
    WriteAll(dir.file("src"), "data");
    EXPECT_EQ(CopyDataFile(dir.file("missing"), dir.file("dst")), rcFileNotFound);
    EXPECT_EQ(CopyDataFile(dir.path(), dir.file("dst")), rcFileNotFound);
    EXPECT_FALSE(FileExists(dir.file("dst")));
    EXPECT_EQ(CopyDataFile(dir.file("src"), dir.file("no-such-folder/dst")), rcFileCreateError);
    EXPECT_EQ(CopyDataFile(dir.file("src"), dir.path()), rcFileCreateError);
}

TEST(CopyDataFile, FullDiscReportsMinus143)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    TempDir dir;
    WriteAll(dir.file("src"), Pattern(100));
    EXPECT_EQ(CopyDataFile(dir.file("src"), "/dev/full"), rcDiscFull);
}

TEST(CopyDataFile, UnreadableSourceIsAnAccessError)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    WriteAll(dir.file("src"), "data");
    ::chmod(dir.file("src").c_str(), 0);
    EXPECT_EQ(CopyDataFile(dir.file("src"), dir.file("dst")), rcFileAccessError);
    EXPECT_FALSE(FileExists(dir.file("dst")));
}

TEST(ReadSettingsRecord, ReadsExactlyOneRecord)
{
    TempDir dir;
    const std::string bytes = Pattern(TSettings::Size + 100);
    WriteAll(dir.file("exact"), bytes.substr(0, TSettings::Size));
    WriteAll(dir.file("longer"), bytes);
    for (const char *name : {"exact", "longer"}) {
        std::vector<std::uint8_t> buffer(TSettings::Size + 1, 0xEE);
        ASSERT_EQ(ReadSettingsRecord(dir.file(name), buffer.data()), rcOK) << name;
        EXPECT_EQ(std::string(buffer.begin(), buffer.end() - 1), bytes.substr(0, TSettings::Size)) << name;
        EXPECT_EQ(buffer.back(), 0xEE) << "wrote past the record: " << name;
    }
}

TEST(ReadSettingsRecord, FailureCodes)
{
    TempDir dir;
    WriteAll(dir.file("short"), Pattern(TSettings::Size - 1));
    WriteAll(dir.file("empty"), "");
    std::vector<std::uint8_t> buffer(TSettings::Size);
    EXPECT_EQ(ReadSettingsRecord(dir.file("short"), buffer.data()), rcFileCorrupted);
    EXPECT_EQ(ReadSettingsRecord(dir.file("empty"), buffer.data()), rcFileCorrupted);
    EXPECT_EQ(ReadSettingsRecord(dir.file("missing"), buffer.data()), rcFileNotFound);
    EXPECT_EQ(ReadSettingsRecord(dir.path(), buffer.data()), rcFileNotFound);
    EXPECT_EQ(ReadSettingsRecord("", buffer.data()), rcFileNotFound);
}

TEST(LoadBuffer, WholeFileOrTheRequestedSize)
{
    TempDir dir;
    const std::string bytes = Pattern(300);
    WriteAll(dir.file("f"), bytes);

    std::vector<char> buffer(400, 'x');
    ASSERT_EQ(LoadBuffer(dir.file("f"), buffer.data(), -1, buffer.size()), rcOK);
    EXPECT_EQ(std::string(buffer.data(), 300), bytes);
    EXPECT_EQ(buffer[300], 'x');

    std::vector<char> part(400, 'x');
    ASSERT_EQ(LoadBuffer(dir.file("f"), part.data(), 100, part.size()), rcOK);
    EXPECT_EQ(std::string(part.data(), 100), bytes.substr(0, 100));
    EXPECT_EQ(part[100], 'x');
}

TEST(LoadBuffer, CapacityIsTheLimit)
{
    TempDir dir;
    WriteAll(dir.file("exact"), Pattern(64));
    WriteAll(dir.file("over"), Pattern(65));
    std::vector<char> buffer(64, 'x');

    MessageCapture capture;
    EXPECT_EQ(LoadBuffer(dir.file("exact"), buffer.data(), -1, buffer.size()), rcOK);
    EXPECT_TRUE(capture.messages().empty());

    std::vector<char> untouched(64, 'x');
    EXPECT_EQ(LoadBuffer(dir.file("over"), untouched.data(), -1, untouched.size()), rcFileCorrupted);
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].kind, MessageKind::Plain);
    EXPECT_EQ(capture.messages()[0].text, "Common.LoadBuffer: Buffer overflow error");
    EXPECT_EQ(untouched, std::vector<char>(64, 'x'));

    // An explicit size beyond the capacity is refused the same way, whatever the file holds.
    EXPECT_EQ(LoadBuffer(dir.file("exact"), untouched.data(), 65, untouched.size()), rcFileCorrupted);
    EXPECT_EQ(capture.messages().size(), 2u);
    EXPECT_EQ(untouched, std::vector<char>(64, 'x'));
}

TEST(LoadBuffer, FailureCodes)
{
    TempDir dir;
    WriteAll(dir.file("f"), Pattern(10));
    std::vector<char> buffer(100);
    MessageCapture capture;
    EXPECT_EQ(LoadBuffer("", buffer.data(), -1, buffer.size()), rcFileNotFound);
    EXPECT_EQ(LoadBuffer(dir.file("missing"), buffer.data(), -1, buffer.size()), rcFileNotFound);
    EXPECT_EQ(LoadBuffer(dir.path(), buffer.data(), -1, buffer.size()), rcFileNotFound);
    // More bytes asked for than the file holds: a short read.
    EXPECT_EQ(LoadBuffer(dir.file("f"), buffer.data(), 11, buffer.size()), rcFileCorrupted);
    EXPECT_EQ(std::string(buffer.data(), 10), Pattern(10));
    // A negative size other than "the whole file" is a caller's mistake.
    EXPECT_EQ(LoadBuffer(dir.file("f"), buffer.data(), -2, buffer.size()), rcUnexpectedError);
    EXPECT_TRUE(capture.messages().empty());
}

TEST(LoadBuffer, UnreadableFileIsAnAccessError)
{
    if (RunningAsRoot())
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    WriteAll(dir.file("f"), "data");
    ::chmod(dir.file("f").c_str(), 0);
    std::vector<char> buffer(10);
    EXPECT_EQ(LoadBuffer(dir.file("f"), buffer.data(), -1, buffer.size()), rcFileAccessError);
}

// The user's data folder may lie several folders below one that exists.
TEST(MakeDirectory, MakesTheMissingFoldersAboveAndAcceptsAnExistingOne)
{
    TempDir dir;
    const std::string deep = dir.file("share/Morvena/DATA");
    EXPECT_TRUE(MakeDirectory(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(MakeDirectory(deep));
    WriteAll(dir.file("file"), "x");
    EXPECT_FALSE(MakeDirectory(dir.file("file/DATA")));
    EXPECT_FALSE(MakeDirectory(dir.file("file")));
}

// What opening a file already open finds: the same file under any of its names.
TEST(IsSameFile, KnowsAFileUnderItsLinksAndNoOther)
{
    TempDir dir;
    WriteAll(dir.file("a.tab"), "x");
    WriteAll(dir.file("b.tab"), "x");
    std::filesystem::create_symlink("a.tab", dir.file("link.tab"));
    std::filesystem::create_hard_link(dir.file("a.tab"), dir.file("hard.tab"));
    for (const char *name : {"a.tab", "link.tab", "hard.tab"})
        EXPECT_TRUE(IsSameFile(dir.file("a.tab"), dir.file(name))) << name;
    EXPECT_FALSE(IsSameFile(dir.file("a.tab"), dir.file("b.tab")));
    EXPECT_FALSE(IsSameFile(dir.file("a.tab"), dir.file("missing.tab")));
}
