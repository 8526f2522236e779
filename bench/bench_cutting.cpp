// Cutting plans: quality on the classic two-dimensional bin packing instances
// (classes 1 to 10) and speed on workshop lists. A plain program, not run by CI:
//
//   mvbench_cutting quality DIR [SECONDS [R|O [CLASS...]]]
//                     per class, SECONDS per instance (default 1; above 1000, search
//                     steps instead), both variants
//                     or one, all ten classes or those named
//   mvbench_cutting speed                   first plan of 300, 2000 and 20000 pieces; 10 s of search on them

#include "common/cutting/CuttingPlanner.h"
#include "common/cutting/PlanRandom.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

using nlohmann::json;

struct Instance {
    std::string Name;
    int Class = 0;
    PlanRequest Request;
};

// Bin packing as a plan: no kerf, no trim, any guillotine depth; "oriented"
// keeps every item as given, as grain would.
Instance ReadInstance(const std::filesystem::path &file, bool oriented)
{
    std::ifstream in(file);
    const json data = json::parse(in);
    Instance instance;
    instance.Name = data.at("Name").get<std::string>();
    instance.Class = std::stoi(instance.Name.substr(5, 2));
    const json &bin = data.at("Objects").at(0);
    CuttingBoard &board = instance.Request.Board;
    board.Length = board.UsableLength = bin.at("Length").get<int>();
    board.Width = board.UsableWidth = bin.at("Height").get<int>();
    board.Grain = oriented;
    instance.Request.Kerf = 0;
    instance.Request.Stages = 0;
    for (const json &item : data.at("Items")) {
        CuttingPiece piece;
        piece.Length = item.at("Length").get<int>();
        piece.Width = item.at("Height").get<int>();
        piece.Grain = oriented;
        for (int copy = item.at("Demand").get<int>(); copy > 0; --copy) {
            piece.Ref = std::to_string(instance.Request.Pieces.size() + 1);
            instance.Request.Pieces.push_back(piece);
        }
    }
    return instance;
}

struct ClassTotals {
    int Instances = 0;
    int First = 0;
    int Boards = 0;
    int LowerBound = 0;
    int LeastBoards = 0;
    int Optimal = 0; // plans with no more boards than LeastBoards
    double Seconds = 0;
};

void Quality(const std::string &dir, double seconds, const std::string &variants, const std::vector<int> &only)
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() == ".json")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const bool oriented : {false, true}) {
        if (variants.find(oriented ? 'O' : 'R') == std::string::npos)
            continue;
        const char *variant = oriented ? "2BP|O|G" : "2BP|R|G";
        std::map<int, ClassTotals> classes;
        std::printf("# %s, %.1f s per instance\n", variant, seconds);
        for (const auto &file : files) {
            const Instance instance = ReadInstance(file, oriented);
            if (!only.empty() && std::find(only.begin(), only.end(), instance.Class) == only.end())
                continue;
            PlanLimits limits;
            // Above a thousand "seconds" are search steps: figures that the machine's load does not move.
            if (seconds > 1000)
                limits.Iterations = static_cast<std::int64_t>(seconds);
            else
                limits.Seconds = seconds;
            int first = -1;
            limits.Progress = [&](const PlanProgress &progress) {
                if (first < 0)
                    first = static_cast<int>(progress.Best->Boards.size());
            };
            const auto began = std::chrono::steady_clock::now();
            const PlanResult result = PlanCutting(instance.Request, limits);
            const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
            ClassTotals &totals = classes[instance.Class];
            ++totals.Instances;
            totals.First += first;
            totals.Boards += static_cast<int>(result.Plan.Boards.size());
            totals.LowerBound += result.Plan.LowerBound;
            totals.LeastBoards += result.Plan.LeastBoards;
            totals.Optimal += static_cast<int>(result.Plan.Boards.size()) <= result.Plan.LeastBoards ? 1 : 0;
            totals.Seconds += spent;
            std::printf("%s %s boards %zu first %d lb %d least %d %.2f s\n", variant, instance.Name.c_str(),
                        result.Plan.Boards.size(), first, result.Plan.LowerBound, result.Plan.LeastBoards, spent);
            std::fflush(stdout);
        }
        std::printf("\n| Class | Instances | First plan | Boards | Continuous bound | Boards / bound | Least boards |"
                    " Proven optimal |\n");
        std::printf("|---|---|---|---|---|---|---|---|\n");
        ClassTotals all;
        const auto row = [](const std::string &name, const ClassTotals &t) {
            std::printf("| %s | %d | %d | %d | %d | %.3f | %d | %d |\n", name.c_str(), t.Instances, t.First, t.Boards,
                        t.LowerBound, static_cast<double>(t.Boards) / t.LowerBound, t.LeastBoards, t.Optimal);
        };
        for (const auto &[cls, totals] : classes) {
            row(std::to_string(cls), totals);
            all.Instances += totals.Instances;
            all.First += totals.First;
            all.Boards += totals.Boards;
            all.LowerBound += totals.LowerBound;
            all.LeastBoards += totals.LeastBoards;
            all.Optimal += totals.Optimal;
        }
        row("all", all);
        std::printf("\n");
    }
}

// A workshop's list: carcass sides, shelves, doors and drawer parts of
// furniture, a third following the grain, on 2800 x 2070 boards less a 10 mm trim.
PlanRequest WorkshopList(int pieces, std::uint64_t seed)
{
    PlanRandom random(seed);
    PlanRequest request;
    request.Board = CuttingBoard{2800, 2070, 2790, 2060, true};
    while (static_cast<int>(request.Pieces.size()) < pieces) {
        CuttingPiece piece;
        piece.Length = 200 + random.Below(2200);
        piece.Width = 80 + random.Below(std::min(piece.Length, 900) - 79);
        piece.Grain = random.Chance(33);
        piece.LengthBanding = static_cast<std::uint8_t>(random.Below(6));
        const int count = 1 + random.Below(4);
        for (int k = 1; k <= count && static_cast<int>(request.Pieces.size()) < pieces; ++k) {
            piece.Ref = std::to_string(request.Pieces.size() + 1) + "/" + std::to_string(k);
            request.Pieces.push_back(piece);
        }
    }
    return request;
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Speed()
{
    for (const int pieces : {300, 2000, kMaxPlanPieces}) {
        const PlanRequest request = WorkshopList(pieces, 7);
        // The longest list once, without a stage limit: it shows the first plan's time at the limit.
        const std::vector<int> stageLimits = pieces == kMaxPlanPieces ? std::vector<int>{0} : std::vector<int>{0, 3, 2};
        for (const int stages : stageLimits) {
            PlanRequest staged = request;
            staged.Stages = stages;
            PlanLimits limits;
            limits.Seconds = 10;
            double firstSeconds = -1;
            int firstBoards = 0;
            std::vector<std::pair<double, int>> better;
            limits.Progress = [&](const PlanProgress &progress) {
                const int boards = static_cast<int>(progress.Best->Boards.size());
                if (firstSeconds < 0) {
                    firstSeconds = progress.Seconds;
                    firstBoards = boards;
                } else if (better.empty() ? boards < firstBoards : boards < better.back().second) {
                    better.emplace_back(progress.Seconds, boards);
                }
            };
            const PlanResult result = PlanCutting(staged, limits);
            std::printf("%d pieces, stages %d: first plan %.3f s, %d boards (bound %d); after %.1f s: %zu boards,"
                        " %lld steps; peak memory %ld kB\n",
                        pieces, stages, firstSeconds, firstBoards, result.Plan.LowerBound, limits.Seconds,
                        result.Plan.Boards.size(), static_cast<long long>(result.Iterations), PeakKilobytes());
            for (const auto &[when, boards] : better)
                std::printf("    %d boards at %.2f s\n", boards, when);
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "quality") {
        std::vector<int> only;
        for (std::size_t i = 4; i < args.size(); ++i)
            only.push_back(std::stoi(args[i]));
        Quality(args[1], args.size() >= 3 ? std::stod(args[2]) : 1.0, args.size() >= 4 ? args[3] : "RO", only);
        return 0;
    }
    if (args.size() == 1 && args[0] == "speed") {
        Speed();
        return 0;
    }
    std::cerr << "usage: mvbench_cutting quality DIR [SECONDS] | speed\n";
    return 2;
}
