#include "common/AtomicFile.h"
#include "common/DatabaseFile.h"
#include "common/DatabaseLock.h"
#include "common/ProcessIdentity.h"
#include "common/ResultCodes.h"
#include "FileTestHelpers.h"
#include "support/ChildProcess.h"
#include "support/Elements.h"
#include "support/FaultSweep.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Every call of a database save failed in turn, for both file types, and the
// bare writer under it with an empty and a large file.
TEST(FileFaults, EveryFailedCallOfASaveKeepsOldOrNewFile)
{
    TempDir dir;
    const TElementList list = ListOf({MakeElement(720, 560, 2, "bok"), MakeElement(400, 300, 1, "polica")});
    const TElementGroups groups = NoGroups();
    for (const char *name : {"list.tab", "list.tun", "LIST.TUN"}) {
        SCOPED_TRACE(name);
        const std::string target = dir.file(name);
        SweepFileFaults(target, "an older list",
                        [&] { return WriteDatabaseFile(target, list, groups, "Kupac", "Adresa", "011"); });
    }
    const std::string big(200000, 'b');
    for (const std::string &bytes : {std::string(), big}) {
        const std::string target = dir.file("raw.bin");
        SweepFileFaults(target, "old", [&] { return WriteFileAtomically(target, bytes.data(), bytes.size()); },
                        [&](const std::string &now) { return now == bytes; });
    }
}

// The same through a symbolic link, and in place onto a file with two names:
// both names always hold the same bytes, and the link stays a link.
TEST(FileFaults, EveryFailedCallOfASaveThroughALinkKeepsOldOrNewFile)
{
    TempDir dir;
    const TElementList list = ListOf({MakeElement(720, 560, 2, "bok")});
    const std::string target = dir.file("real.tab");
    std::filesystem::create_symlink("real.tab", dir.file("link.tab"));
    SweepFileFaults(target, "an older list", [&] {
        return WriteDatabaseFile(dir.file("link.tab"), list, NoGroups(), "Kupac", "", "");
    });
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.tab")));

    std::filesystem::create_hard_link(target, dir.file("other.tab"));
    const std::string big(100000, 'b');
    SweepFileFaults(target, "an older list", [&] {
        const int code = WriteFileAtomically(target, big.data(), big.size());
        EXPECT_EQ(ReadAll(dir.file("other.tab")), ReadAll(target));
        return code;
    });
    EXPECT_EQ(std::filesystem::hard_link_count(target), 2u);
}

// Taking a lock, with none there before and over a stale one: the lock file is
// there whole or not at all (the stale one then stays), and no temporary remains.
TEST(FileFaults, EveryFailedCallOfTakingALockLeavesItWholeOrAsItWas)
{
    TempDir dir;
    const std::string database = dir.file("good.tab");
    WriteAll(database, "list");
    const std::string lockFile = LockFileNameOf(database);
    std::vector<std::unique_ptr<DatabaseLock>> held; // kept, so the sweep finds what each took
    const auto take = [&] {
        LockAttempt attempt;
        held.push_back(DatabaseLock::Take(database, attempt));
        return attempt.outcome == LockOutcome::Taken ? rcOK : attempt.code;
    };
    const auto isOurs = [](const std::string &text) {
        LockHolder holder;
        return ParseLockText(text, holder) && holder.pid == ::getpid() && holder.host == ThisHostName();
    };
    SweepFileFaults(lockFile, std::nullopt, take, isOurs);
    LockHolder stale{"ana", ThisHostName(), DeadProcessId(), 0, "t0k3n", 0};
    SweepFileFaults(lockFile, LockText(stale), take, isOurs);
}
