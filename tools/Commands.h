#pragma once
// The commands of mvtool, each given its arguments by the command line and
// returning the process exit code.

#include "common/cutting/CuttingPlanner.h"
#include "common/exchange/Exchange.h"
#include "print/core/LabelLayout.h"

#include <cstdint>
#include <optional>
#include <string>

int RunDump(const std::string &fileName);                                // dump FILE
int RunConvert(const std::string &sourceName, const std::string &targetName); // convert SRC DST
int ShowSettings(const std::string &recordName);                         // settings show FILE
// settings make INI OUT [--base FILE]; an empty base name starts from zero bytes.
int MakeSettings(const std::string &iniName, const std::string &outName, const std::string &baseName);
int ShowBoards(const std::string &tableName);                            // boards show FILE
int MakeBoards(const std::string &csvName, const std::string &outName);  // boards make CSV OUT
// print FILE --pdf OUT [--settings SETUP.DAT]; an empty settings name takes the one beside the program.
int PrintList(const std::string &databaseName, const std::string &pdfName, const std::string &settingsName);
// labels FILE --pdf OUT --layout L [--start N] [--settings SETUP.DAT]; firstPosition lies on the sheet.
int PrintLabels(const std::string &databaseName, const std::string &pdfName, LabelLayout layout, int firstPosition,
                const std::string &settingsName);
int ExportList(const std::string &databaseName, const std::string &outName, ExchangeFormat format); // export
int ImportList(const std::string &csvName, const std::string &databaseName, ExchangeFormat format); // import

// plan FILE [...]: the options as the command line gave them, already checked.
struct PlanCommand {
    std::string Database;
    std::string Settings;         // empty: the one beside the program, read only without a board
    std::optional<std::int32_t> BoardLength, BoardWidth; // --board LxW
    bool Grain = false;
    std::optional<std::int32_t> Trim;
    std::int32_t Kerf = kDefaultKerfMm;
    int Stages = 0;
    double Seconds = kDefaultPlanSeconds;
    std::int64_t Iterations = 0;  // > 0 instead of the seconds
    std::uint64_t Seed = 1;
    std::string Json, Pdf;        // empty: not written
};
int RunPlan(const PlanCommand &command);
