#include "common/DatabaseFile.h"
#include "common/FileFingerprint.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// What a document read or wrote is what the file on disk is compared with before the next save.
TEST(FileFingerprint, TellsAFileChangedBehindTheProgramFromOneRewrittenAlike)
{
    TempDir dir;
    const std::string name = dir.file("good.tab");
    const TElementList list = ListOf({MakeElement(720, 560, 2, "bok")});
    FileFingerprint written;
    ASSERT_EQ(WriteDatabaseFile(name, list, NoGroups(), "Kupac", "", "", &written), rcOK);
    TElementList read;
    TElementGroups groups = NoGroups();
    TDatabaseHeader header;
    FileFingerprint seen;
    ASSERT_EQ(ReadDatabaseFile(name, read, groups, header, &seen), rcOK);
    EXPECT_EQ(seen, written);
    EXPECT_EQ(CompareWithDisk(name, written), DiskState::Unchanged);

    // Another program saves the same list: nothing to lose, nothing to ask.
    ASSERT_EQ(WriteDatabaseFile(name, list, NoGroups(), "Kupac", "", ""), rcOK);
    EXPECT_EQ(CompareWithDisk(name, written), DiskState::Unchanged);
    // One part more, or one letter of the customer: changed.
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({MakeElement(720, 560, 2, "bok"), MakeElement(1, 1, 1, "")}),
                                NoGroups(), "Kupac", "", ""),
              rcOK);
    EXPECT_EQ(CompareWithDisk(name, written), DiskState::Changed);
    ASSERT_EQ(WriteDatabaseFile(name, list, NoGroups(), "Kupad", "", ""), rcOK);
    EXPECT_EQ(CompareWithDisk(name, written), DiskState::Changed);
    std::filesystem::remove(name);
    EXPECT_EQ(CompareWithDisk(name, written), DiskState::Missing);
}
