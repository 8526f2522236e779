// mvtool: the command-line companion of MvInput for scripting and for making
// the program's data files.

#include "tools/Commands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

namespace {

int UsageError()
{
    std::cerr << "usage:\n"
                 "  mvtool dump FILE\n"
                 "  mvtool convert SRC DST\n"
                 "  mvtool settings show FILE\n"
                 "  mvtool settings make INI OUT [--base FILE]\n"
                 "  mvtool boards show FILE\n"
                 "  mvtool boards make CSV OUT\n";
    return 2;
}

// A file name the command cannot do without.
void AddName(CLI::App &command, const char *name, std::string &into, const char *meaning)
{
    command.add_option(name, into, meaning)->required();
}

// Every failure of the command line, a wrong option as much as a missing
// name, gives the one usage text and exit code 2; only the help is CLI11's.
int RunCommandLine(int argc, char **argv)
{
    CLI::App app("The command-line companion of MvInput: its data files as text, and back.", "mvtool");
    app.require_subcommand(1);
    std::string first, second, base;

    CLI::App &dump = *app.add_subcommand("dump", "a database file as JSON on standard output");
    AddName(dump, "FILE", first, "the database file; exit 1 when it cannot be read");

    CLI::App &convert = *app.add_subcommand("convert", "reads SRC, writes DST");
    AddName(convert, "SRC", first, "the database file to read");
    AddName(convert, "DST", second, "the database file to write (\".tun\" names are UNIDTA, others TABDTA)");

    CLI::App &settings = *app.add_subcommand("settings", "the settings record as INI text and back");
    settings.require_subcommand(1);
    CLI::App &settingsShow = *settings.add_subcommand("show", "the settings record as INI text on standard output");
    AddName(settingsShow, "FILE", first, "the settings record (Setup.Dat)");
    CLI::App &settingsMake = *settings.add_subcommand("make", "the settings record built from an INI text");
    AddName(settingsMake, "INI", first, "the INI text, as settings show prints it");
    AddName(settingsMake, "OUT", second, "the settings record to write");
    settingsMake.add_option("--base", base, "the record whose values the keys left out keep (zero without one)")
        ->type_name("FILE")
        ->take_last();

    CLI::App &boards = *app.add_subcommand("boards", "the board table as CSV and back");
    boards.require_subcommand(1);
    CLI::App &boardsShow = *boards.add_subcommand("show", "the board table as CSV on standard output");
    AddName(boardsShow, "FILE", first, "the board table (Table.T01)");
    CLI::App &boardsMake = *boards.add_subcommand("make", "the board table built from a CSV");
    AddName(boardsMake, "CSV", first, "the CSV, as boards show prints it");
    AddName(boardsMake, "OUT", second, "the board table to write");

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
    return MakeBoards(first, second);
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
