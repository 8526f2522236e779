// mvtool's command line, run as the real program.

#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kUsage = "usage:\n"
                           "  mvtool dump FILE\n"
                           "  mvtool convert SRC DST\n"
                           "  mvtool settings show FILE\n"
                           "  mvtool settings make INI OUT [--base FILE]\n"
                           "  mvtool boards show FILE\n"
                           "  mvtool boards make CSV OUT\n"
                           "  mvtool print FILE --pdf OUT [--settings SETUP.DAT]\n"
                           "  mvtool labels FILE --pdf OUT --layout a4-3x8|a4-2x7|roll-100x50 [--start N] "
                           "[--settings SETUP.DAT]\n"
                           "  mvtool export FILE OUT --format mvinput|cutlist-optimizer|smart2d|spreadsheet\n"
                           "  mvtool import IN OUT --format mvinput|smart2d|spreadsheet\n"
                           "  mvtool plan FILE [--settings SETUP.DAT] [--board LxW] [--grain] [--trim MM] [--kerf MM] "
                           "[--stages 0|2|3] [--seconds S | --iterations N] [--seed N] [--json OUT] [--pdf OUT]\n";

TEST(CommandLine, HelpOfEveryCommandListsItsCommandsAndOptions)
{
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"--help"}, {"dump", "convert", "settings", "boards", kUsage}},
        {{"-h"}, {"dump", "convert", "settings", "boards"}},
        {{"dump", "--help"}, {"FILE"}},
        {{"convert", "--help"}, {"SRC", "DST"}},
        {{"settings", "--help"}, {"show", "make"}},
        {{"settings", "show", "--help"}, {"FILE"}},
        {{"settings", "make", "--help"}, {"INI", "OUT", "--base FILE"}},
        {{"boards", "--help"}, {"show", "make"}},
        {{"boards", "show", "--help"}, {"FILE"}},
        {{"boards", "make", "x.csv", "--help"}, {"CSV", "OUT"}},
        {{"print", "--help"}, {"FILE", "--pdf", "--settings"}},
        {{"labels", "--help"}, {"FILE", "--pdf", "--layout", "a4-2x7", "--start", "--settings"}},
        {{"export", "--help"}, {"FILE", "OUT", "--format"}},
        {{"import", "--help"}, {"IN", "OUT", "--format"}},
        {{"plan", "--help"}, {"FILE", "--board", "--grain", "--trim", "--kerf", "--stages", "--seconds", "--iterations",
                              "--seed", "--json", "--pdf", "--settings"}},
    };
    for (const auto &[args, listed] : cases) {
        const ToolRun run = RunTool(MVTOOL_PATH, args);
        EXPECT_EQ(run.exitCode, 0) << args[0];
        EXPECT_EQ(run.err, "");
        for (const std::string &text : listed)
            EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
    }
}

TEST(CommandLine, WrongOptionsAndMissingValuesGiveTheUsage)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--frob"}, {"dump", "-x", "a.mvd"}, {"convert", "a", "b", "--force"}, {"settings", "--base", "x"},
             {"settings", "make", "a.ini", "b.dat", "--base"}, {"boards", "make", "a.csv", "b", "c"}, {"Dump", "a"},
             {"labels", "a.tab", "--pdf", "a.pdf", "--layout", "a4-4x10"},
             {"labels", "a.tab", "--pdf", "a.pdf"},
             {"plan"}, {"plan", "a.tab", "--board", "2800"}, {"plan", "a.tab", "--board", "0x2070"},
             {"plan", "a.tab", "--board", "100000x2070"}, {"plan", "a.tab", "--board", "2800x2070x5"},
             {"plan", "a.tab", "--board", "2800x2070", "--trim", "2070"}, {"plan", "a.tab", "--trim", "-1"},
             {"plan", "a.tab", "--kerf", "-1"}, {"plan", "a.tab", "--kerf", "100"}, {"plan", "a.tab", "--stages", "1"},
             {"plan", "a.tab", "--stages", "4"}, {"plan", "a.tab", "--seconds", "0"},
             {"plan", "a.tab", "--iterations", "0"}, {"plan", "a.tab", "--seconds", "1", "--iterations", "5"},
             {"plan", "a.tab", "--seed", "x"}}) {
        const ToolRun run = RunTool(MVTOOL_PATH, args);
        EXPECT_EQ(run.exitCode, 2) << args[0];
        EXPECT_EQ(run.err, kUsage);
        EXPECT_EQ(run.out, "");
    }
}

// A first position off the sheet is named with the sheet's size, not answered with the usage.
TEST(CommandLine, StartOffTheSheetSaysWhy)
{
    const std::pair<std::vector<std::string>, const char *> cases[] = {
        {{"a4-3x8", "25"}, "pocetna pozicija 25 je van lista od 24 nalepnica"},
        {{"a4-3x8", "0"}, "pocetna pozicija 0 je van lista od 24 nalepnica"},
        {{"a4-2x7", "15"}, "pocetna pozicija 15 je van lista od 14 nalepnica"},
        {{"roll-100x50", "2"}, "pocetna pozicija 2 je van lista od 1 nalepnica"},
    };
    for (const auto &[layout, message] : cases) {
        const ToolRun run = RunTool(MVTOOL_PATH, {"labels", "a.tab", "--pdf", "a.pdf", "--layout", layout[0], "--start",
                                                  layout[1]});
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_EQ(run.err, std::string("mvtool: ") + message + "\n");
    }
}

TEST(CommandLine, LastBaseCounts)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[entry]\nunit = 2\n");
    const ToolRun run = RunTool(MVTOOL_PATH, {"settings", "make", dir.file("s.ini"), dir.file("out.dat"), "--base",
                                              dir.file("missing"), "--base=" + std::string(MVDATA_DIR) + "/Setup.Dat"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

} // namespace
