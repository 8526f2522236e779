// The steps a starting program takes over the recovery copies a crash left:
// its own lock written whole or not at all, each copy claimed by exactly one
// program, and the temporaries of copy writes that were killed found.

#include "common/ProcessIdentity.h"
#include "common/ResultCodes.h"
#include "main/ProgramLock.h"
#include "main/RecoveryCopies.h"
#include "support/ChildProcess.h"
#include "support/FaultSweep.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

TEST(ProgramLockFaults, EveryFailedCallLeavesTheLockWholeOrNoFileAtAll)
{
    TempDir work;
    std::vector<std::unique_ptr<ProgramLock>> held; // removed at the end, as at a normal exit
    const std::string pid = std::to_string(getpid()) + "\n";
    SweepFileFaults(
        LockFileName(work.path(), getpid()), std::nullopt,
        [&] {
            int code = 0;
            held.push_back(ProgramLock::Take(work.path(), code));
            return code;
        },
        [&](const std::string &text) { return text == pid; });
}

// Two programs started after one crash both find its copy; a start signal lets
// them claim it at the same moment, and exactly one gets it.
TEST(ClaimCopy, TwoProgramsClaimingOneCopyGetItExactlyOnce)
{
    TempDir work;
    const RecoveryCopy left = CopyIn(work.path(), DeadProcessId(), 3);
    WriteAll(left.tabName, "a list");
    WriteAll(left.titleName, "Kuhinja Petrovic");
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t children[2];
    for (pid_t &child : children) {
        child = fork();
        if (child == 0) {
            char go;
            close(start[1]);
            const bool got = read(start[0], &go, 1) == 0; // closed by the parent: go
            _exit(got && ClaimCopy(left, CopyIn(work.path(), getpid(), 1)) == rcOK ? 0 : 1);
        }
    }
    close(start[0]);
    close(start[1]);
    int claimed = 0;
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        claimed += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
    }
    EXPECT_EQ(claimed, 1);
    const std::vector<RecoveryCopy> copies = ListCopies(work.path());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(copies[0].pid == children[0] || copies[0].pid == children[1]);
    EXPECT_EQ(ReadAll(copies[0].titleName), "Kuhinja Petrovic");
    EXPECT_EQ(ClaimCopy(left, CopyIn(work.path(), getpid(), 1)), rcFileNotFound);
}

TEST(InterruptedCopyWrites, OnlyThoseOfDeadWritersOfThisHostAreFound)
{
    TempDir work;
    const std::string host = ThisHostName();
    const std::string dead = std::to_string(DeadProcessId());
    const auto temporary = [&](const std::string &of, const std::string &writerHost, const std::string &writer) {
        return work.file("." + of + ".mvtmp-" + writerHost + "-" + writer + "-a1B2c3");
    };
    WriteAll(work.file("7-1.tab"), "older copy");
    std::filesystem::last_write_time(work.file("7-1.tab"), std::filesystem::file_time_type::clock::now()
                                                               - std::chrono::hours(1));
    WriteAll(temporary("7-1.tab", host, dead), "newer list");
    WriteAll(temporary("7-2.title", host, dead), "title");
    WriteAll(temporary("7-3.tab", host, "1"), "a writer that runs");
    WriteAll(temporary("7-4.tab", "elsewhere", dead), "cannot be told");
    WriteAll(temporary("list.tab", host, dead), "no copy of ours");

    std::vector<InterruptedCopyWrite> found = FindInterruptedCopyWrites(work.path());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].file, work.file("7-1.tab"));
    EXPECT_TRUE(found[0].newerThanCopy);
    EXPECT_EQ(found[1].file, work.file("7-2.title"));
    EXPECT_TRUE(found[1].newerThanCopy); // no title at all
    ASSERT_EQ(KeepInterruptedCopyWrite(found[0]), rcOK);
    EXPECT_EQ(ReadAll(work.file("7-1.tab")), "newer list");
    ASSERT_EQ(DropInterruptedCopyWrite(found[1]), rcOK);
    EXPECT_TRUE(FindInterruptedCopyWrites(work.path()).empty());
}
