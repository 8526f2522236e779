// mvtool plan, run as the real program: its JSON read back and checked by the
// plan validator, the board from the options or the settings, and its refusals.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "support/Elements.h"
#include "support/PlanValidator.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Ordered: the keys come in the order the file has them.
using json = nlohmann::ordered_json;

// A kitchen: three elements of several pieces, one following the grain, and a group.
std::string WriteKitchen(const TempDir &dir, const std::vector<TElement> &extra = {})
{
    std::vector<TElement> elements = {MakeElement(2000, 600, 2, "Bok"), MakeElement(720, 560, 4, "Polica"),
                                      MakeElement(800, 300, 3, "Front")};
    elements[0].Grain = 1;
    elements[2].LengthBanding = BandingPvcTwo;
    elements.insert(elements.end(), extra.begin(), extra.end());
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(500, 100);
    groups[0].Pieces[1] = MakeElement(450, 100);
    const std::string name = dir.file("kuhinja.tab");
    EXPECT_EQ(WriteDatabaseFile(name, ListOf(elements), groups, "Petar", "", ""), rcOK);
    return name;
}

// The plan as the validator takes it, with the pieces named by the references.
CuttingPlan PlanOf(const json &j, const std::vector<CuttingPiece> &pieces)
{
    CuttingPlan plan;
    plan.Board = CuttingBoard{j["board"]["length"], j["board"]["width"], j["board"]["usable_length"],
                              j["board"]["usable_width"], j["board"]["grain"]};
    plan.Kerf = j["kerf"];
    plan.Stages = j["stages"];
    plan.Pieces = pieces;
    plan.AreaUsed = j["area_used"];
    plan.LowerBound = j["lower_bound"];
    for (const json &b : j["boards"]) {
        BoardPlan board;
        for (const json &p : b["pieces"]) {
            int index = 0;
            while (index < static_cast<int>(pieces.size()) && pieces[static_cast<std::size_t>(index)].Ref != p["ref"])
                ++index;
            board.Pieces.push_back(PlacedPiece{index, p["x"], p["y"], p["length"], p["width"], p["turned"]});
        }
        for (const json &c : b["cuts"])
            board.Cuts.push_back(PlanCut{c["x1"], c["y1"], c["x2"], c["y2"], c["stage"]});
        plan.Boards.push_back(board);
    }
    return plan;
}

std::vector<CuttingPiece> KitchenPieces()
{
    std::vector<CuttingPiece> pieces;
    const auto add = [&](const std::string &ref, int length, int width, bool grain) {
        pieces.push_back(CuttingPiece{ref, length, width, grain, 0, 0});
    };
    for (int k = 1; k <= 2; ++k)
        add("1/" + std::to_string(k), 2000, 600, true);
    for (int k = 1; k <= 4; ++k)
        add("2/" + std::to_string(k), 720, 560, false);
    for (int k = 1; k <= 3; ++k)
        add("3/" + std::to_string(k), 800, 300, false);
    add("G1.1", 500, 100, false);
    add("G1.2", 450, 100, false);
    return pieces;
}

json ReadJson(const std::string &name)
{
    return json::parse(ReadAll(name));
}

} // namespace

TEST(PlanTool, TheJsonHasExactlyItsKeysAndAValidPlanForEveryStageLimit)
{
    TempDir dir;
    const std::string database = WriteKitchen(dir);
    for (const char *stages : {"0", "2", "3"}) {
        const std::string out = dir.file(std::string("plan") + stages + ".json");
        const ToolRun run = RunTool(MVTOOL_PATH, {"plan", database, "--board", "2200x1300", "--trim", "10", "--grain",
                                                  "--kerf", "5", "--stages", stages, "--iterations", "300", "--json", out});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const json j = ReadJson(out);
        std::vector<std::string> keys;
        for (const auto &item : j.items())
            keys.push_back(item.key());
        EXPECT_EQ(keys, (std::vector<std::string>{"board", "kerf", "stages", "boards", "pieces", "area_used",
                                                  "lower_bound"}));
        EXPECT_EQ(j["board"], json::parse(R"({"length": 2200, "width": 1300, "usable_length": 2190,
                                              "usable_width": 1290, "grain": true})"));
        EXPECT_EQ(j["kerf"], 5);
        EXPECT_EQ(j["stages"], std::stoi(stages));
        EXPECT_EQ(j["pieces"], 11);
        // 2 x 1.2 + 4 x 0.4032 + 3 x 0.24 + 0.05 + 0.045 m² on boards of 2.8251 m².
        EXPECT_EQ(j["area_used"], 4827800);
        EXPECT_EQ(j["lower_bound"], 2);
        const json &piece = j["boards"][0]["pieces"][0];
        EXPECT_EQ(piece.size(), 6u);
        EXPECT_EQ(j["boards"][0]["cuts"][0].size(), 5u);
        EXPECT_EQ(plan_validator::Validate(PlanOf(j, KitchenPieces())), "") << stages;
    }
}

TEST(PlanTool, WithoutABoardTheSettingsMaterialAndTheSameSeedGiveTheSamePlan)
{
    TempDir dir;
    const std::string database = WriteKitchen(dir);
    TSettings settings;
    settings.SetBoardLength(2800);
    settings.SetBoardWidth(2070);
    settings.SetUsableBoardLength(2790);
    settings.SetUsableBoardWidth(2060);
    settings.SetDefaultGrain(true);
    const std::string record = dir.file("Setup.Dat");
    WriteAll(record, std::string(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size));
    struct Case {
        std::vector<std::string> Options;
        json Board;
    } cases[] = {
        {{}, json::parse(R"({"length": 2800, "width": 2070, "usable_length": 2790, "usable_width": 2060, "grain": true})")},
        {{"--trim", "30"},
         json::parse(R"({"length": 2800, "width": 2070, "usable_length": 2770, "usable_width": 2040, "grain": true})")},
    };
    for (const Case &c : cases) {
        std::vector<std::string> args = {"plan", database, "--settings", record, "--iterations", "200", "--seed", "9"};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        std::vector<std::string> again = args;
        args.insert(args.end(), {"--json", dir.file("a.json")});
        again.insert(again.end(), {"--json", dir.file("b.json")});
        ASSERT_EQ(RunTool(MVTOOL_PATH, args).exitCode, 0);
        ASSERT_EQ(RunTool(MVTOOL_PATH, again).exitCode, 0);
        EXPECT_EQ(ReadJson(dir.file("a.json"))["board"], c.Board);
        EXPECT_EQ(ReadAll(dir.file("a.json")), ReadAll(dir.file("b.json")));
    }
    // No material chosen: nothing to plan on.
    settings.SetUsableBoardLength(0);
    WriteAll(record, std::string(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size));
    const ToolRun run = RunTool(MVTOOL_PATH, {"plan", database, "--settings", record});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no usable board"), std::string::npos) << run.err;
}

TEST(PlanTool, RefusesPiecesTooLargeAndListsTooLongWithExitOne)
{
    TempDir dir;
    struct Case {
        std::vector<TElement> Extra;
        std::string Board;
        std::string Said;
    } cases[] = {
        {{}, "1999x600", "larger than the usable board of 1999 x 600 mm: 1/1 1/2"},
        {{MakeElement(2002, 100)}, "2005x700", "larger than the usable board of 2001 x 696 mm: 4/1"},
        {{MakeElement(100, 100, 20000)}, "2800x2070", "20011 pieces; a plan takes at most 20000"},
    };
    for (const Case &c : cases) {
        const std::string database = WriteKitchen(dir, c.Extra);
        const std::string out = dir.file("refused.json");
        const ToolRun run = RunTool(MVTOOL_PATH, {"plan", database, "--board", c.Board, "--trim", c.Board == "2005x700" ? "4" : "0",
                                                  "--iterations", "10", "--json", out});
        EXPECT_EQ(run.exitCode, 1) << c.Board;
        EXPECT_NE(run.err.find(c.Said), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_EQ(RunTool(MVTOOL_PATH, {"plan", dir.file("missing.tab"), "--board", "2800x2070"}).exitCode, 1);
}

TEST(PlanTool, ThePdfHasAPageForEveryBoard)
{
    TempDir dir;
    const std::string database = WriteKitchen(dir);
    const ToolRun run = RunTool(MVTOOL_PATH, {"plan", database, "--board", "2200x1300", "--iterations", "100", "--json",
                                              dir.file("p.json"), "--pdf", dir.file("p.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no start-up warnings of Qt";
    const ToolRun info = RunTool("/usr/bin/pdfinfo", {dir.file("p.pdf")});
    const std::size_t boards = ReadJson(dir.file("p.json"))["boards"].size();
    EXPECT_NE(info.out.find("Pages:           " + std::to_string(boards) + "\n"), std::string::npos) << info.out;
}
