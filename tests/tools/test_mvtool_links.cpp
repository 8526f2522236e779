// mvtool's readers and writers over links and special files, run as the real program.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

ToolRun Mvtool(const std::vector<std::string> &args)
{
    return RunTool(MVTOOL_PATH, args);
}

} // namespace

// convert writes the file a link leads to, keeping the link, and every name of a file with two.
TEST(MvtoolLinks, ConvertWritesThroughASymbolicLinkAndOntoEveryHardLink)
{
    TempDir dir;
    const std::string source = dir.file("source.tab");
    ASSERT_EQ(WriteDatabaseFile(source, ListOf({MakeElement(720, 560, 2, "bok")}), NoGroups(), "Petar", "", ""),
              rcOK);
    std::filesystem::create_directories(dir.file("shared"));
    const std::string real = dir.file("shared/real.tab");
    WriteAll(real, "old bytes");
    std::filesystem::create_symlink("shared/real.tab", dir.file("link.tab"));
    std::filesystem::create_hard_link(real, dir.file("second name.tab"));

    for (const char *target : {"link.tab", "second name.tab"}) {
        WriteAll(real, "old bytes");
        const ToolRun run = Mvtool({"convert", source, dir.file(target)});
        EXPECT_EQ(run.exitCode, 0) << target << "\n" << run.err;
        EXPECT_EQ(ReadAll(real), ReadAll(source)) << target;
        EXPECT_EQ(ReadAll(dir.file("second name.tab")), ReadAll(source)) << target;
        EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.tab")));
    }
}

// A FIFO nobody writes to is refused at once, named for what it is.
TEST(MvtoolLinks, DumpConvertAndImportRefuseAFifo)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.tab");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::vector<std::string>> commands = {
        {"dump", fifo},
        {"convert", fifo, dir.file("out.tab")},
        {"import", fifo, dir.file("out.tab"), "--format", "mvinput"},
    };
    for (const std::vector<std::string> &args : commands) {
        const ToolRun run = Mvtool(args);
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_NE(run.err.find(fifo + " is a FIFO, not a regular file"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.tab")));
    }
}
