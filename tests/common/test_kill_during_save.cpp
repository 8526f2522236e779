#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/SameBytes.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TElementList FullList(std::int32_t firstLength)
{
    TElementList list;
    ClearList(list);
    for (int i = 0; i < kMaxElements; ++i)
        list[i] = MakeElement(firstLength + i, 300 + i % 97, static_cast<std::uint16_t>(1 + i % 9), "deo");
    return list;
}

int TemporaryCount(const std::string &dir)
{
    int count = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        count += entry.path().filename().string().rfind(".list.tab.", 0) == 0 ? 1 : 0;
    return count;
}

} // namespace

class KillDuringSave : public testing::TestWithParam<bool> {};

// A child saves two full lists by turns without pause; it is killed at random
// moments, and each time the file must read back whole as one of them. A file
// with a second name is rewritten in place: both names must read the same.
TEST_P(KillDuringSave, FileIsAlwaysTheOldOrTheNewList)
{
    const bool hardLinked = GetParam();
    TempDir dir;
    const std::string target = dir.file("list.tab");
    const TElementList lists[2] = {FullList(1000), FullList(2000)};
    const TElementGroups groups = NoGroups();
    ASSERT_EQ(WriteDatabaseFile(target, lists[0], groups, "", "", ""), rcOK);
    if (hardLinked)
        std::filesystem::create_hard_link(target, dir.file("other name.tab"));

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    for (int kill = 0; kill < 200; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned turn = 0;; ++turn)
                WriteDatabaseFile(target, lists[turn % 2], groups, "", "", "");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        TElementList read;
        TElementGroups readGroups;
        TDatabaseHeader header;
        ASSERT_EQ(ReadDatabaseFile(target, read, readGroups, header), rcOK);
        EXPECT_TRUE(SameBytes(read, lists[0]) || SameBytes(read, lists[1]));
        if (hardLinked) {
            EXPECT_EQ(ReadAll(dir.file("other name.tab")), ReadAll(target));
        }
        // Each read or save clears what the saves killed before it left.
        EXPECT_LE(TemporaryCount(dir.path()), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(OneNameAndTwo, KillDuringSave, testing::Bool());
