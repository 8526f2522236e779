#include "common/AtomicFile.h"

#include "common/FileUtils.h"
#include "common/ProcessIdentity.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"
#include "FileTestHelpers.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
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

namespace {

std::string Temporary(const std::string &of, const std::string &marker, const std::string &host, pid_t pid)
{
    return "." + of + marker + host + "-" + std::to_string(pid) + "-a1B2c3";
}

} // namespace

// Only temporaries a dead program of this host left for the same file go; the
// user's look-alikes, other files', live writers' and other hosts' stay.
TEST(AtomicFileWriter, ASaveRemovesOnlyTheTemporariesThatDeadWritersOfThisHostLeft)
{
    TempDir dir;
    const std::string host = ThisHostName();
    const pid_t dead = DeadProcessId();
    const std::vector<std::string> stale = {Temporary("doc.tab", ".mvtmp-", host, dead)};
    const std::vector<std::string> kept = {
        ".doc.tab.backup", ".doc.tab.2024v1", ".doc.tab.a1B2c3",
        Temporary("doc.tab", ".mvtmp-", host, 1),             // a writer that runs
        Temporary("doc.tab", ".mvtmp-", host, ::getpid()),    // this very program
        Temporary("doc.tab", ".mvtmp-", "other-host", dead),  // cannot be told from here
        Temporary("doc.tun", ".mvtmp-", host, dead),          // another file's
        Temporary("xdoc.tab", ".mvtmp-", host, dead),
        ".doc.tab.mvtmp-" + host + "-x" + std::to_string(dead) + "-a1B2c3",
        ".doc.tab.mvtmp-" + host + "-" + std::to_string(dead) + "-a1B2c",
        "doc.tab.mvtmp-" + host + "-" + std::to_string(dead) + "-a1B2c3"};
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

// A host of dashes parses; a name too long for the tail is cut so the whole fits.
TEST(TemporaryName, ParsesWhatThePatternMakes)
{
    for (const std::string &name : {std::string("list.tab"), std::string(300, 'n')}) {
        const std::string pattern = TemporaryPattern("/d/" + name, TemporaryKind::NewBytes);
        TemporaryName parsed;
        ASSERT_LE(FileNameOf(pattern).size(), 255u);
        ASSERT_TRUE(ParseTemporaryName(FileNameOf(RenamedAs(pattern, TemporaryKind::OldBytes)), parsed));
        EXPECT_EQ(name.compare(0, parsed.fileName.size(), parsed.fileName), 0);
        EXPECT_EQ(parsed.kind, TemporaryKind::OldBytes);
        EXPECT_EQ(parsed.host + "/" + std::to_string(parsed.pid), ThisHostName() + "/" + std::to_string(::getpid()));
    }
    TemporaryName parsed;
    ASSERT_TRUE(ParseTemporaryName(".a.tab.mvtmp-my-host-7-abcdef", parsed));
    EXPECT_EQ(parsed.host + "/" + std::to_string(parsed.pid), "my-host/7");
}

// A symbolic link stays a link and the file it leads to gets the bytes, as
// does every hard link of a file; a link to nowhere makes its file.
TEST(AtomicFileWriter, WritesThroughSymbolicAndHardLinks)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("DATA"));
    std::filesystem::create_directories(dir.file("shared"));
    const std::string real = dir.file("shared/real.tab");
    struct Case {
        const char *link;
        std::string to;
    } const cases[] = {
        {"DATA/relative.tab", "../shared/real.tab"},
        {"DATA/absolute.tab", real},
        {"DATA/chain.tab", "relative.tab"},
    };
    for (const Case &c : cases)
        std::filesystem::create_symlink(c.to, dir.file(c.link));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.link);
        WriteAll(real, "old");
        ASSERT_EQ(WriteFileAtomically(dir.file(c.link), c.link, std::strlen(c.link)), rcOK);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.file(c.link)));
        EXPECT_EQ(ReadAll(real), c.link);
        EXPECT_EQ(DirectoryEntries(dir.file("shared")), std::vector<std::string>{"real.tab"});
    }

    std::filesystem::create_symlink("../shared/new.tab", dir.file("DATA/dangling.tab"));
    ASSERT_EQ(WriteFileAtomically(dir.file("DATA/dangling.tab"), "made", 4), rcOK);
    EXPECT_EQ(ReadAll(dir.file("shared/new.tab")), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("DATA/dangling.tab")));

    std::filesystem::create_symlink("loop.tab", dir.file("DATA/loop.tab"));
    EXPECT_EQ(WriteFileAtomically(dir.file("DATA/loop.tab"), "x", 1), rcFileAccessError);

    const std::string other = dir.file("DATA/other-name.tab");
    std::filesystem::create_hard_link(real, other);
    const std::string longer(70000, 'L');
    ASSERT_EQ(WriteFileAtomically(other, longer.data(), longer.size()), rcOK);
    EXPECT_EQ(ReadAll(real), longer);
    ASSERT_EQ(WriteFileAtomically(real, "short", 5), rcOK);
    EXPECT_EQ(ReadAll(other), "short");
    EXPECT_EQ(std::filesystem::hard_link_count(real), 2u);
    EXPECT_EQ(DirectoryEntries(dir.file("shared")), (std::vector<std::string>{"new.tab", "real.tab"}));
}

// A write in place that fails part way puts the old bytes back on every name.
TEST(AtomicFileWriter, AFailedWriteInPlacePutsTheOldBytesBack)
{
    TempDir dir;
    const std::string target = dir.file("doc.tab");
    WriteAll(target, "old bytes");
    std::filesystem::create_hard_link(target, dir.file("other.tab"));
    const int exitCode = ExitCodeUnderFileSizeLimit(16, [&] {
        const std::string big(100, 'x');
        return WriteFileAtomically(target, big.data(), big.size()) == rcDiscFull ? 0 : 1;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ReadAll(dir.file("other.tab")), "old bytes");
    EXPECT_EQ(std::filesystem::hard_link_count(target), 2u);
    EXPECT_EQ(DirectoryEntries(dir.path()).size(), 2u);
}
