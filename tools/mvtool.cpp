// mvtool: the command-line companion of MvInput for scripting and for making
// the program's data files.

#include "tools/Commands.h"

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
                               "  mvtool import IN OUT --format mvinput|smart2d|spreadsheet\n";

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
