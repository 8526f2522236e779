#include "common/DatabaseLock.h"

#include "common/ProcessIdentity.h"
#include "common/ResultCodes.h"
#include "FileTestHelpers.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::int64_t Now()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

// Sets the time a lock was last refreshed, secondsAgo before now.
void Age(const std::string &lockFile, std::int64_t secondsAgo)
{
    const timespec times[2] = {{Now() - secondsAgo, 0}, {Now() - secondsAgo, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, lockFile.c_str(), times, 0), 0);
}

LockHolder HolderOn(const std::string &host, pid_t pid)
{
    return {"ana", host, pid, 0, "t0k3n", Now()};
}

} // namespace

// Two documents of one program, as two document managers would open one file,
// one of them through a link: the lock lies beside the file the link leads to.
TEST(DatabaseLock, ASecondOpenSeesTheFirstUntilItIsReleased)
{
    TempDir dir;
    const std::string database = dir.file("good.tab");
    WriteAll(database, "list");
    std::filesystem::create_symlink("good.tab", dir.file("link.tab"));
    LockAttempt first;
    std::unique_ptr<DatabaseLock> lock = DatabaseLock::Take(dir.file("link.tab"), first);
    ASSERT_TRUE(lock);
    EXPECT_EQ(first.outcome, LockOutcome::Taken);
    EXPECT_EQ(lock->FileName(), dir.file(".good.tab.mvlock"));

    LockAttempt second;
    EXPECT_FALSE(DatabaseLock::Take(database, second));
    EXPECT_EQ(second.outcome, LockOutcome::HeldByOther);
    EXPECT_EQ(second.holder.user, ThisUserName());
    EXPECT_EQ(second.holder.host, ThisHostName());
    EXPECT_EQ(second.holder.pid, ::getpid());
    EXPECT_LE(second.holder.since, Now());
    EXPECT_EQ(DirectoryEntries(dir.path()), (std::vector<std::string>{".good.tab.mvlock", "good.tab", "link.tab"}));

    lock.reset();
    EXPECT_EQ(DirectoryEntries(dir.path()), (std::vector<std::string>{"good.tab", "link.tab"}));
    EXPECT_TRUE(DatabaseLock::Take(database, second));
}

TEST(DatabaseLock, StaleWhenItsProgramHereIsGoneOrUnrefreshedForTenMinutes)
{
    const std::string here = ThisHostName();
    const pid_t dead = DeadProcessId();
    const std::int64_t limit = kLockStaleAfter.count();
    LockHolder reused = HolderOn(here, ::getpid());
    reused.programStart = ProcessStartTicks(::getpid()) + 1; // our id, another program's start
    struct Case {
        LockHolder holder;
        std::int64_t age;
        bool stale;
    } const cases[] = {
        {HolderOn(here, ::getpid()), 0, false},
        {HolderOn(here, dead), 0, true},
        {reused, 0, true},
        {HolderOn("elsewhere", dead), 0, false},
        {HolderOn("elsewhere", dead), limit - 1, false},
        {HolderOn("elsewhere", dead), limit, true},
        {HolderOn("elsewhere", dead), limit + 1, true},
        {LockHolder(), limit - 1, false}, // a text that is no lock
        {LockHolder(), limit, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.holder.host + " " + std::to_string(c.holder.pid) + " " + std::to_string(c.age));
        EXPECT_EQ(IsStaleLock(c.holder, Now() - c.age, Now()), c.stale);
    }
}

// What another program left: replaced when stale, told when not.
TEST(DatabaseLock, AStaleLockIsReplacedAndALiveOneTold)
{
    TempDir dir;
    const std::string database = dir.file("good.tab");
    const std::string lockFile = LockFileNameOf(database);
    WriteAll(database, "list");
    struct Case {
        std::string text;
        std::int64_t age;
        LockOutcome outcome;
    } const cases[] = {
        {LockText(HolderOn(ThisHostName(), DeadProcessId())), 0, LockOutcome::Taken},
        {LockText(HolderOn("elsewhere", 4242)), 0, LockOutcome::HeldByOther},
        {LockText(HolderOn("elsewhere", 4242)), 11 * 60, LockOutcome::Taken},
        {"", 0, LockOutcome::HeldByOther},
        {"garbage", 11 * 60, LockOutcome::Taken},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        WriteAll(lockFile, c.text);
        Age(lockFile, c.age);
        LockAttempt attempt;
        const auto lock = DatabaseLock::Take(database, attempt);
        EXPECT_EQ(attempt.outcome, c.outcome);
        const std::string expected = lock ? LockText(lock->Holder()) : c.text;
        EXPECT_EQ(ReadAll(lockFile), expected);
        EXPECT_EQ(DirectoryEntries(dir.path()).size(), 2u);
    }
}

TEST(DatabaseLock, RefreshKeepsItFreshUntilAnotherTookItOver)
{
    TempDir dir;
    const std::string database = dir.file("good.tab");
    WriteAll(database, "list");
    LockAttempt attempt;
    std::unique_ptr<DatabaseLock> lock = DatabaseLock::Take(database, attempt);
    ASSERT_TRUE(lock);
    const std::string lockFile = lock->FileName();
    Age(lockFile, 9 * 60);
    ASSERT_EQ(lock->Refresh(), rcOK);
    EXPECT_GE(std::filesystem::last_write_time(lockFile), std::filesystem::file_time_type::clock::now()
                                                               - std::chrono::seconds(5));
    const std::string other = LockText(HolderOn("elsewhere", 4242));
    WriteAll(lockFile, other);
    EXPECT_EQ(lock->Refresh(), rcFileNotFound);
    lock.reset();
    EXPECT_EQ(ReadAll(lockFile), other); // the other's lock stays
}
