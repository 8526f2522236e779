// mvtool print, export and import, run as the real program.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

ToolRun Mvtool(const std::vector<std::string> &args)
{
    return RunTool(MVTOOL_PATH, args);
}

class ListTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        TElement banded = MakeElement(900, 500, 2, "Vrata \x9A" "ank");
        banded.LengthBanding = 5;
        banded.Grain = 1;
        TElementGroups groups = NoGroups();
        groups[0].Pieces[0] = MakeElement(700, 300);
        ASSERT_EQ(WriteDatabaseFile(database, ListOf({banded, MakeElement(400, 300, 3, "Polica")}), groups,
                                    "Petar", "Ulica 5", "011"),
                  rcOK);
    }

    TempDir dir;
    const std::string database = dir.file("kuhinja.tab");
};

TEST_F(ListTools, PrintWritesThePdfQuietlyWithTheShippedSettings)
{
    const ToolRun run = Mvtool({"print", database, "--pdf", dir.file("kuhinja.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no start-up warnings of Qt";
    EXPECT_EQ(ReadAll(dir.file("kuhinja.pdf")).substr(0, 4), "%PDF");

    const ToolRun missing = Mvtool({"print", dir.file("none.tab"), "--pdf", dir.file("none.pdf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Error loading database!\nError: -149 [" + std::string(ResultText(rcFileNotFound)) + "]\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.pdf")));
}

TEST_F(ListTools, EveryReadableFormatGoesOutAndBackIn)
{
    for (const char *format : {"mvinput", "smart2d", "spreadsheet"}) {
        SCOPED_TRACE(format);
        const std::string csv = dir.file(std::string(format) + ".csv");
        const std::string back = dir.file(std::string(format) + ".tab");
        ASSERT_EQ(Mvtool({"export", database, csv, "--format", format}).exitCode, 0);
        const ToolRun run = Mvtool({"import", csv, back, "--format", format});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        TElementList elements;
        TElementGroups groups;
        TDatabaseHeader header;
        ASSERT_EQ(ReadDatabaseFile(back, elements, groups, header), rcOK);
        EXPECT_EQ(+elements[0].Length, 900);
        EXPECT_EQ(+elements[0].LengthBanding, 5);
        EXPECT_EQ(elements[1].Label.str(), "Polica");
        if (std::string(format) == "mvinput") {
            EXPECT_EQ(ReadAll(back), ReadAll(database)) << "the full-fidelity CSV keeps every byte";
        }
    }
}

TEST_F(ListTools, ABadRowWritesNothingAndNamesItsLine)
{
    WriteAll(dir.file("bad.csv"), "RB;Duzina;Sirina;Komada\r\n1;500;300;2\r\n2;abc;300;1\r\n");
    const ToolRun run = Mvtool({"import", dir.file("bad.csv"), dir.file("bad.tab"), "--format", "spreadsheet"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("red 3: ", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.tab")));
}

// Any input is read only up to 4 MB: an endless device ends in a message, not an abort.
TEST_F(ListTools, AnInputBeyondFourMegabytesIsRefusedWithItsOwnMessage)
{
    WriteAll(dir.file("big.csv"), "Duzina;Sirina;Komada\n" + std::string(4 * 1024 * 1024, '\n'));
    const ToolRun big = Mvtool({"import", dir.file("big.csv"), dir.file("out.tab"), "--format", "spreadsheet"});
    EXPECT_EQ(big.exitCode, 1);
    EXPECT_EQ(big.err, "mvtool: cannot read " + dir.file("big.csv") + ": datoteka je veca od 4 MB\n");
    // A device never ends: it is no file to read at all.
    const ToolRun zero = Mvtool({"import", "/dev/zero", dir.file("out.tab"), "--format", "spreadsheet"});
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_NE(zero.err.find("/dev/zero is a character device, not a regular file"), std::string::npos) << zero.err;
    const ToolRun settings = Mvtool({"settings", "make", "/dev/zero", dir.file("s.dat")});
    EXPECT_EQ(settings.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tab")));
}

TEST_F(ListTools, AnExportOfMoreRowsThanAListHoldsIsWrittenWithAWarning)
{
    const TElementList elements = FullListOf(MakeElement(500, 300));
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(700, 100);
    ASSERT_EQ(WriteDatabaseFile(database, elements, groups, "", "", ""), rcOK);
    const ToolRun run = Mvtool({"export", database, dir.file("big.csv"), "--format", "smart2d"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("801 redova"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file("big.csv")));
    EXPECT_EQ(Mvtool({"export", database, dir.file("all.csv"), "--format", "mvinput"}).err, "");
}

TEST_F(ListTools, AnUnknownOrWriteOnlyFormatIsAUsageError)
{
    EXPECT_EQ(Mvtool({"export", database, dir.file("x.csv"), "--format", "excel"}).exitCode, 2);
    EXPECT_EQ(Mvtool({"import", dir.file("x.csv"), dir.file("x.tab"), "--format", "cutlist-optimizer"}).exitCode, 2);
    EXPECT_EQ(Mvtool({"print", database}).exitCode, 2) << "--pdf is required";
}

} // namespace
