#include "common/AtomicFile.h"

#include "common/ResultCodes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<std::string> DirectoryEntries(const std::string &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

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
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        AtomicFileWriter writer(target);
        const std::string big(100, 'x');
        const bool opened = writer.Open() == rcOK;
        const bool wrote = writer.Write(big.data(), big.size());
        _exit(opened && !wrote && writer.Commit() == rcUnexpectedError ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"doc.tab"});
}
