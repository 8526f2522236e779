// mvtool labels, run as the real program, read back by a barcode scanner.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The barcodes zbarimg finds on every page, the pages rendered at 600 dpi.
std::vector<std::string> ScannedCodes(const TempDir &dir, const std::string &pdf)
{
    const ToolRun render = RunTool("/usr/bin/pdftoppm", {"-r", "600", "-png", pdf, dir.file("page")});
    EXPECT_EQ(render.exitCode, 0) << render.err;
    std::vector<std::string> codes;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path())) {
        if (entry.path().extension() != ".png")
            continue;
        const ToolRun scan = RunTool("/usr/bin/zbarimg",
                                     {"-q", "--raw", "-Sdisable", "-Scode128.enable", entry.path().string()});
        EXPECT_EQ(scan.exitCode, 0) << entry.path() << scan.err;
        std::istringstream lines(scan.out);
        for (std::string code; std::getline(lines, code);)
            codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

TEST(LabelsTool, EveryPieceOfATenElementListScansAsTitleNumberAndPiece)
{
    TempDir dir;
    // The title is the file name: folded to ASCII and cut to 16 characters in the codes.
    const std::string database = dir.file("Kuhinja \xC4\x8C" "a\xC4\x8D" "ak Petrovi\xC4\x87.tab");
    std::vector<TElement> elements;
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) {
        const auto pieces = static_cast<std::uint16_t>(1 + i % 3);
        TElement e = MakeElement(300 + 97 * i, 100 + 31 * i, pieces, "Deo " + std::to_string(i));
        e.LengthBanding = static_cast<std::uint8_t>(i % 6);
        e.Grain = static_cast<std::uint8_t>(i % 2);
        elements.push_back(e);
        for (int k = 1; k <= pieces; ++k)
            expected.push_back("Kuhinja Cacak Pe/" + std::to_string(i) + "/" + std::to_string(k));
    }
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(640, 120);
    expected.push_back("Kuhinja Cacak Pe/G1.1/1");
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(WriteDatabaseFile(database, ListOf(elements), groups, "Petar", "Ulica 5", "011"), rcOK);

    for (const char *layout : {"a4-3x8", "a4-2x7", "roll-100x50"}) {
        TempDir pages;
        const std::string pdf = pages.file("labels.pdf");
        const ToolRun run = RunTool(MVTOOL_PATH, {"labels", database, "--pdf", pdf, "--layout", layout});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "") << "no start-up warnings of Qt";
        EXPECT_EQ(ScannedCodes(pages, pdf), expected) << layout;
    }
}

} // namespace
