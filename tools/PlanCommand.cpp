// mvtool plan: the cutting plan of a database file, as JSON and as a PDF.

#include "tools/Commands.h"
#include "tools/PlanJson.h"
#include "tools/ToolFiles.h"
#include "tools/ToolInputs.h"

#include "common/Encoding.h"
#include "common/ResultCodes.h"
#include "common/cutting/PlanBoard.h"
#include "common/cutting/PlanPieces.h"
#include "print/core/Win1250Text.h"
#include "print/core/PlanPdfExport.h"

#include <QString>

#include <filesystem>
#include <iostream>
#include <string>

namespace {

std::string Size(std::int32_t length, std::int32_t width)
{
    return std::to_string(length) + " x " + std::to_string(width) + " mm";
}

// The board of --board and --trim, or the settings' material. false, said on
// standard error, when there is none.
bool BoardOf(const PlanCommand &command, const TSettings *settings, CuttingBoard &board)
{
    if (command.BoardLength) {
        board.Length = *command.BoardLength;
        board.Width = *command.BoardWidth;
        board.Grain = command.Grain;
        board.UsableLength = board.Length - command.Trim.value_or(0);
        board.UsableWidth = board.Width - command.Trim.value_or(0);
    } else {
        board = PlanBoardOf(*settings);
        board.Grain = board.Grain || command.Grain;
        if (command.Trim) {
            board.UsableLength = board.Length - *command.Trim;
            board.UsableWidth = board.Width - *command.Trim;
        }
    }
    if (board.UsableLength > 0 && board.UsableWidth > 0)
        return true;
    std::cerr << "mvtool: no usable board (" << Size(board.UsableLength, board.UsableWidth)
              << "): choose a material in the settings or give --board\n";
    return false;
}

bool Refused(const PlanResult &result, const CuttingBoard &board)
{
    switch (result.Refusal) {
    case PlanRefusal::None:
        return false;
    case PlanRefusal::PieceTooLarge:
        std::cerr << "mvtool: larger than the usable board of " << Size(board.UsableLength, board.UsableWidth) << ":";
        for (const std::string &ref : result.TooLarge)
            std::cerr << " " << ref;
        std::cerr << "\n";
        return true;
    case PlanRefusal::TooManyPieces:
    case PlanRefusal::NoBoard:
        break;
    }
    std::cerr << "mvtool: the plan was refused\n";
    return true;
}

} // namespace

int RunPlan(const PlanCommand &command)
{
    TSettings settings;
    const bool withSettings = !command.BoardLength || !command.Settings.empty();
    if (withSettings && !ReadToolSettings(command.Settings, settings))
        return 1;
    Database database;
    if (!ReadDatabase(command.Database, database))
        return 1;
    PlanRequest request;
    if (!BoardOf(command, withSettings ? &settings : nullptr, request.Board))
        return 1;
    const std::int64_t pieces = PlanPieceCount(database.Elements, database.Groups);
    if (pieces > kMaxPlanPieces) {
        std::cerr << "mvtool: " << pieces << " pieces; a plan takes at most " << kMaxPlanPieces << "\n";
        return 1;
    }
    request.Pieces = PlanPiecesOf(database.Elements, database.Groups);
    request.Kerf = command.Kerf;
    request.Stages = command.Stages;

    PlanLimits limits;
    limits.Iterations = command.Iterations;
    limits.Seconds = command.Seconds;
    limits.Seed = command.Seed;
    const PlanResult result = PlanCutting(request, limits);
    if (Refused(result, request.Board))
        return 1;
    const CuttingPlan &plan = result.Plan;

    if (!command.Json.empty()) {
        const std::string text = PlanJsonText(plan);
        if (WriteMadeFile(command.Json, text.data(), text.size()) != 0)
            return 1;
    }
    if (!command.Pdf.empty()) {
        PlanPrintTexts texts;
        // The program titles a document with its file name less the extension.
        texts.Title = QString::fromStdString(std::filesystem::path(command.Database).stem().string());
        texts.Customer = FromWin1250(database.Header.Customer.str());
        if (withSettings)
            texts.Material = FromWin1250(settings.MaterialName());
        const int code = PrintPlanToPdf(plan, texts, command.Pdf);
        if (code != rcOK) {
            std::cerr << "mvtool: cannot write " << command.Pdf << ": " << ResultText(code) << "\n";
            return 1;
        }
    }
    std::cout << plan.Boards.size() << " boards (lower bound " << plan.LowerBound << ") for " << plan.Pieces.size()
              << " pieces\n";
    return 0;
}
