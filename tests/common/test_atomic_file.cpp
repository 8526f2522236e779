#include "common/AtomicFile.h"

#include "common/ResultCodes.h"
#include "FileTestHelpers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(AtomicFileWriter, TargetChangesOnlyOnCommit)
{
    TempDir dir;
    const std::string target = dir.file("doc.tab");
    WriteAll(target, "old");
    AtomicFileWriter writer(target);
    ASSERT_EQ(writer.Open(), rcOK);
    ASSERT_TRUE(writer.Write("new bytes", 9));
    // The temporary file sits beside the target, hidden.
    const std::vector<std::string> during = DirectoryEntries(dir.path());
    ASSERT_EQ(during.size(), 2u);
    EXPECT_EQ(ReadAll(target), "old");
    ASSERT_EQ(writer.Commit(), rcOK);
    EXPECT_EQ(ReadAll(target), "new bytes");
    EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"doc.tab"});
}

TEST(AtomicFileWriter, NeverCommittedLeavesNoTrace)
{
    TempDir dir;
    const std::string target = dir.file("doc.tab");
    WriteAll(target, "old");
    {
        AtomicFileWriter writer(target);
        ASSERT_EQ(writer.Open(), rcOK);
        ASSERT_TRUE(writer.Write("half", 4));
    }
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"doc.tab"});
}

TEST(AtomicFileWriter, UnopenedWriterRefuses)
{
    TempDir dir;
    AtomicFileWriter writer(dir.file("doc.tab"));
    EXPECT_FALSE(writer.Write("x", 1));
    EXPECT_EQ(writer.Commit(), rcUnexpectedError);
    EXPECT_TRUE(DirectoryEntries(dir.path()).empty());
}

TEST(AtomicFileWriter, CommitAfterAFailedWriteKeepsTheTarget)
{
    TempDir dir;
    const std::string target = dir.file("doc.tab");
    WriteAll(target, "old");
    const int exitCode = ExitCodeUnderFileSizeLimit(16, [&] {
        AtomicFileWriter writer(target);
        const std::string big(100, 'x');
        const bool opened = writer.Open() == rcOK;
        const bool wrote = writer.Write(big.data(), big.size());
        return opened && !wrote && writer.Commit() == rcUnexpectedError ? 0 : 1;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"doc.tab"});
}

// Only the temporary names of the same target go: ".doc.tab." and six letters or digits.
TEST(AtomicFileWriter, ASaveRemovesTheTemporariesOfItsOwnTargetOnly)
{
    TempDir dir;
    const std::vector<std::string> stale = {".doc.tab.a1B2c3", ".doc.tab.XXXXXX"};
    const std::vector<std::string> kept = {".doc.tab.a1B2c", ".doc.tab.a1B2c3d", ".doc.tab.a1-2c3",
                                           ".doc.tun.a1B2c3", ".xdoc.tab.a1B2c3", "doc.tab.a1B2c3"};
    for (const std::string &name : stale)
        WriteAll(dir.file(name), "left by a killed save");
    for (const std::string &name : kept)
        WriteAll(dir.file(name), "someone else's");
    ASSERT_EQ(WriteFileAtomically(dir.file("doc.tab"), "new", 3), rcOK);
    std::vector<std::string> expected = kept;
    expected.push_back("doc.tab");
    std::vector<std::string> entries = DirectoryEntries(dir.path());
    std::sort(entries.begin(), entries.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
}
