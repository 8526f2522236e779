// The program: the main window on the desktop, until it closes. Database files
// named on the command line open at start, each in a window of its own.

#include "common/ProgramState.h"
#include "dialogs/DesktopPlatform.h"
#include "main/MAIN.h"
#include "main/ToolPictures.h"

#include <QApplication>

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv); // takes Qt's own options off the command line
    QApplication::setApplicationName(QStringLiteral("MvInput"));
    QApplication::setWindowIcon(ProgramIcon());

    CLI::App commandLine("MvInput, the input program of Morvena: cutting lists entered, kept and printed.",
                         "mvinput");
    std::vector<std::string> files;
    commandLine.add_option("FILE", files, "database files (.tab, .tun) or cutting lists (.csv) to open");
    try {
        commandLine.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return commandLine.exit(error);
    }

    DesktopPlatform desktop;
    ProgramState state; // outlives the window, which lends it to every document
    std::unique_ptr<TForm1> window = TForm1::Start(desktop, state);
    if (!window)
        return EXIT_FAILURE; // no settings: the error has been shown
    window->show();
    QStringList names;
    for (const std::string &file : files)
        names << QString::fromLocal8Bit(file.c_str());
    window->OpenFiles(names);
    return app.exec();
}
