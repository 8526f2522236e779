// mvtool: the command-line companion of MvInput for scripting and for making
// the program's data files.

#include "tools/Commands.h"
#include "common/NumberText.h"

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <optional>
#include <iostream>
#include <string>

namespace {

// Every command with every option, one a line.
constexpr const char *kUsage = "usage:\n"
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

// The largest kerf a saw blade has.
constexpr std::int32_t kMaxKerfMm = 99;

// "LxW" in whole millimetres, each 1 .. kMaxDimensionMm.
bool ParseBoardSize(const std::string &text, PlanCommand &command)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    const std::optional<std::int64_t> length = ParseInteger(std::string_view(text).substr(0, x), PlusSign::Refused);
    const std::optional<std::int64_t> width = ParseInteger(std::string_view(text).substr(x + 1), PlusSign::Refused);
    if (!length || !width || *length < 1 || *width < 1 || *length > kMaxDimensionMm || *width > kMaxDimensionMm)
        return false;
    command.BoardLength = static_cast<std::int32_t>(*length);
    command.BoardWidth = static_cast<std::int32_t>(*width);
    return true;
}

// Every value in its range; a trim leaves some of the board given.
bool CheckPlanCommand(const std::string &board, std::int64_t trim, bool trimGiven, PlanCommand &command)
{
    if (!board.empty() && !ParseBoardSize(board, command))
        return false;
    if (trimGiven) {
        if (trim < 0 || trim > kMaxDimensionMm)
            return false;
        if (command.BoardLength && (trim >= *command.BoardLength || trim >= *command.BoardWidth))
            return false;
        command.Trim = static_cast<std::int32_t>(trim);
    }
    const bool stagesKnown = command.Stages == 0 || command.Stages == 2 || command.Stages == 3;
    return stagesKnown && command.Kerf >= 0 && command.Kerf <= kMaxKerfMm && command.Seconds > 0
        && command.Iterations >= 0;
}

int UsageError()
{
    std::cerr << kUsage;
    return 2;
}

// A file name a command cannot do without.
struct FileArgument {
    const char *Name;
    std::string &Into;
    const char *Meaning;
};

CLI::App &AddCommand(CLI::App &parent, const char *name, const char *meaning,
                     std::initializer_list<FileArgument> files)
{
    CLI::App &command = *parent.add_subcommand(name, meaning);
    for (const FileArgument &file : files)
        command.add_option(file.Name, file.Into, file.Meaning)->required()->type_name("");
    return command;
}

// Every failure of the command line, a wrong option as much as a missing
// name, gives the one usage text and exit code 2; only the help is CLI11's.
int RunCommandLine(int argc, char **argv)
{
    CLI::App app("The command-line companion of MvInput: its data files as text, and back.", "mvtool");
    app.require_subcommand(1);
    // The file names of whichever command is given, in their order.
    std::string first, second, base;

    CLI::App &dump = AddCommand(app, "dump", "a database file as JSON on standard output",
                                {{"FILE", first, "the database file; exit 1 when it cannot be read"}});
    CLI::App &convert =
        AddCommand(app, "convert", "reads SRC, writes DST",
                   {{"SRC", first, "the database file to read"},
                    {"DST", second, "the database file to write (\".tun\" names are UNIDTA, others TABDTA)"}});

    CLI::App &settings = AddCommand(app, "settings", "the settings record as INI text and back", {});
    settings.require_subcommand(1);
    CLI::App &settingsShow = AddCommand(settings, "show", "the settings record as INI text on standard output",
                                        {{"FILE", first, "the settings record (Setup.Dat)"}});
    CLI::App &settingsMake = AddCommand(settings, "make", "the settings record built from an INI text",
                                        {{"INI", first, "the INI text, as settings show prints it"},
                                         {"OUT", second, "the settings record to write"}});
    settingsMake.add_option("--base", base, "the record whose values the keys left out keep (zero without one)")
        ->type_name("FILE")
        ->take_last();

    CLI::App &boards = AddCommand(app, "boards", "the board table as CSV and back", {});
    boards.require_subcommand(1);
    CLI::App &boardsShow = AddCommand(boards, "show", "the board table as CSV on standard output",
                                      {{"FILE", first, "the board table (Table.T01)"}});
    AddCommand(boards, "make", "the board table built from a CSV",
               {{"CSV", first, "the CSV, as boards show prints it"}, {"OUT", second, "the board table to write"}});
    std::string pdf, settingsRecord, formatName;
    CLI::App &print = AddCommand(app, "print", "the printed element list of a database file as a PDF",
                                 {{"FILE", first, "the database file"}});
    print.add_option("--pdf", pdf, "the PDF to write")->required()->type_name("OUT");
    print.add_option("--settings", settingsRecord, "the settings record whose unit and banding marks print "
                                                   "(the one beside mvtool when not given)")
        ->type_name("SETUP.DAT");
    std::string layoutName;
    int firstPosition = 1;
    CLI::App &labels = AddCommand(app, "labels", "the part labels of a database file as a PDF of label sheets",
                                  {{"FILE", first, "the database file"}});
    labels.add_option("--pdf", pdf, "the PDF to write")->required()->type_name("OUT");
    labels.add_option("--layout", layoutName, "a4-3x8, a4-2x7 or roll-100x50")->required()->type_name("L");
    labels.add_option("--start", firstPosition, "the position of the first label on the first sheet (1 when not given)")
        ->type_name("N");
    labels.add_option("--settings", settingsRecord, "the settings record whose material and banding marks print "
                                                    "(the one beside mvtool when not given)")
        ->type_name("SETUP.DAT");
    CLI::App &exportList = AddCommand(app, "export", "a database file as the CSV of a cutting optimiser or spreadsheet",
                                      {{"FILE", first, "the database file"}, {"OUT", second, "the CSV to write"}});
    CLI::App &importList = AddCommand(app, "import", "a CSV part list as a database file",
                                      {{"IN", first, "the CSV to read"},
                                       {"OUT", second, "the database file to write (\".tun\" names are UNIDTA)"}});
    for (CLI::App *command : {&exportList, &importList})
        command->add_option("--format", formatName, "mvinput, cutlist-optimizer (export only), smart2d or spreadsheet")
            ->required()
            ->type_name("F");
    PlanCommand plan;
    std::string boardSize;
    std::int64_t trim = 0;
    CLI::App &planCommand = AddCommand(app, "plan", "the cutting plan of a database file: how many boards the saw uses",
                                       {{"FILE", plan.Database, "the database file"}});
    planCommand.add_option("--settings", plan.Settings, "the settings record whose material is the board "
                                                        "(the one beside mvtool when not given)")
        ->type_name("SETUP.DAT");
    planCommand.add_option("--board", boardSize, "the board's length and width in mm, instead of the material")
        ->type_name("LxW");
    planCommand.add_flag("--grain", plan.Grain, "the board has grain: pieces that follow it are not turned");
    CLI::Option *trimOption =
        planCommand.add_option("--trim", trim, "mm taken off each dimension of the board (0 with --board, else the "
                                               "material's usable size)")
            ->type_name("MM");
    planCommand.add_option("--kerf", plan.Kerf, "the saw cut's width in mm (4 when not given)")->type_name("MM");
    planCommand.add_option("--stages", plan.Stages, "the most stages of cuts, 2 or 3 for a beam saw; 0: any (default)")
        ->type_name("N");
    CLI::Option *seconds =
        planCommand.add_option("--seconds", plan.Seconds, "how long the search improves the plan (10 when not given)")
            ->type_name("S");
    CLI::Option *iterations =
        planCommand.add_option("--iterations", plan.Iterations, "search steps instead of seconds: the same plan every run")
            ->type_name("N");
    seconds->excludes(iterations);
    planCommand.add_option("--seed", plan.Seed, "the search's random seed (1 when not given)")->type_name("N");
    planCommand.add_option("--json", plan.Json, "the plan as JSON")->type_name("OUT");
    planCommand.add_option("--pdf", plan.Pdf, "the plan as a PDF, one board a page")->type_name("OUT");
    // Set last, so that the commands do not take it over.
    app.footer(kUsage);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success &help) {
        return app.exit(help);
    } catch (const CLI::ParseError &) {
        return UsageError();
    }
    if (dump)
        return RunDump(first);
    if (convert)
        return RunConvert(first, second);
    if (settingsShow)
        return ShowSettings(first);
    if (settingsMake)
        return MakeSettings(first, second, base);
    if (boardsShow)
        return ShowBoards(first);
    if (print)
        return PrintList(first, pdf, settingsRecord);
    if (labels) {
        const std::optional<LabelLayout> layout = LabelLayoutFromName(layoutName);
        if (!layout)
            return UsageError();
        if (!IsLabelPosition(*layout, firstPosition)) {
            std::cerr << "mvtool: pocetna pozicija " << firstPosition << " je van lista od "
                      << SheetOf(*layout).LabelsPerPage() << " nalepnica\n";
            return 2;
        }
        return PrintLabels(first, pdf, *layout, firstPosition, settingsRecord);
    }
    if (planCommand) {
        if (!CheckPlanCommand(boardSize, trim, trimOption->count() > 0, plan) || (iterations->count() > 0 && plan.Iterations < 1))
            return UsageError();
        return RunPlan(plan);
    }
    if (exportList || importList) {
        const std::optional<ExchangeFormat> format = ExchangeFormatFromName(formatName);
        if (!format || (importList && !IsReadableExchangeFormat(*format)))
            return UsageError();
        return exportList ? ExportList(first, second, *format) : ImportList(first, second, *format);
    }
    return MakeBoards(first, second); // the one command left
}

} // namespace

int main(int argc, char **argv)
{
    const int exitCode = RunCommandLine(argc, argv);
    // Output that never arrived (a full disc) must not pass for a success.
    if (!(std::cout << std::flush)) {
        std::cerr << "mvtool: the output could not be written\n";
        return 1;
    }
    return exitCode;
}
