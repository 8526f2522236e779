// The program: the main window on the desktop, until it closes.

#include "common/ProgramState.h"
#include "main/MAIN.h"
#include "main/ToolPictures.h"
#include "platform/QtPlatform.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MvInput"));
    QApplication::setWindowIcon(ProgramIcon());
    QtPlatform desktop;
    ProgramState state; // outlives the window, which lends it to every document
    std::unique_ptr<TForm1> window = TForm1::Start(desktop, state);
    if (!window)
        return EXIT_FAILURE; // no settings: the error has been shown
    window->show();
    return app.exec();
}
