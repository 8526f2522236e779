#include "common/MaterialMemory.h"

#include "common/ResultCodes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(MaterialMemory, LivesInTheUsersSettingsFolder)
{
    struct Case {
        const char *xdg;
        const char *home;
        const char *file;
    };
    const Case cases[] = {
        {"/cfg", "/home/ana", "/cfg/Morvena/materials"},
        {nullptr, "/home/ana", "/home/ana/.config/Morvena/materials"},
        {"", "/home/ana", "/home/ana/.config/Morvena/materials"},
        {"relative", "/home/ana", "/home/ana/.config/Morvena/materials"}, // not absolute: ignored
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MaterialMemoryFile(c.xdg, c.home), c.file) << (c.xdg ? c.xdg : "-") << " " << (c.home ? c.home : "-");
}

TEST(MaterialMemory, ReadsBackWhatItWroteAndSkipsLinesItCannotRead)
{
    const MaterialMemory memory = {
        {"/home/ana/DATA/kuhinja.tab", {2, 2800, 2070, "Iverica \x8A" "ampanj"}},
        {"/mnt/radionica/spisak = 1 [a].tun", {600, 1830, 3660, ""}},
    };
    const std::string text = FormatMaterialMemory(memory);
    EXPECT_EQ(ParseMaterialMemory(text), memory);

    const std::string damaged = text + "\n3\t2800\t2070\tIverica\n" // no path
        + "0\t2800\t2070\tIverica\t/a.tab\n"                         // no board 0
        + "x\t2800\t2070\tIverica\t/b.tab\n"
        + "4\t-5\t2070\tIverica\t/c.tab\n"
        + "5\t2800\t2070\tIverica\t/d e\tf.tab\n";                    // the path is the rest
    const MaterialMemory read = ParseMaterialMemory(damaged);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read.at("/d e\tf.tab").board, 5);
}

TEST(MaterialMemory, WritesIntoFoldersItMakesAndAMissingFileIsEmpty)
{
    TempDir dir;
    const std::string file = MaterialMemoryFile((dir.path() + "/new/config").c_str(), nullptr);
    MaterialMemory memory = {{"/x.tab", {1, 10, 20, "A"}}};
    std::filesystem::create_directory(dir.path() + "/new");
    MaterialMemory read;
    EXPECT_EQ(ReadMaterialMemory(file, read), rcOK);
    EXPECT_TRUE(read.empty());
    ASSERT_EQ(WriteMaterialMemory(file, memory), rcOK);
    read.clear();
    ASSERT_EQ(ReadMaterialMemory(file, read), rcOK);
    EXPECT_EQ(read, memory);
}

TEST(MaterialMemory, ABoardCountsOnlyWhileTheTableHasItWithItsNameAndSize)
{
    TBoardTable table{};
    for (int b = 0; b < 3; ++b) {
        table[b].Length = 2800;
        table[b].Width = 2070;
        table[b].Name.assign("Iverica " + std::to_string(b + 1));
    }
    const RememberedMaterial second = MaterialOfBoard(table, 2);
    EXPECT_EQ(second, (RememberedMaterial{2, 2800, 2070, "Iverica 2"}));
    EXPECT_TRUE(StillInTable(second, table));
    EXPECT_FALSE(StillInTable({4, 0, 0, ""}, table)) << "beyond the boards in the table";
    EXPECT_FALSE(StillInTable({0, 0, 0, ""}, table));
    TBoardTable renamed = table;
    renamed[1].Name.assign("Iverica 2 hrast");
    TBoardTable resized = table;
    resized[1].Width = 2071;
    for (const TBoardTable *edited : {&renamed, &resized})
        EXPECT_FALSE(StillInTable(second, *edited));

    EXPECT_TRUE(FitsMaterialMemory("/a b.tab", second));
    EXPECT_FALSE(FitsMaterialMemory("", second));
    EXPECT_FALSE(FitsMaterialMemory("/a\tb.tab", second));
    EXPECT_FALSE(FitsMaterialMemory("/a.tab", {1, 1, 1, "line\nbreak"}));
}

} // namespace
