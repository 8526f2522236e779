// A whole program the shared-files tests run as a process of its own, its boxes
// answered Yes and its save dialog with a file in its data folder, each told on
// standard output:
//   mvframe_child recover DIR  the start-up recovery offer, then "recovered N",
//                              running on until killed, as a program at work does
//   mvframe_child work DIR     a list saved, printed and copied for recovery
// DIR holds the settings and the board table. Exit 0 when all went well.

#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/MAIN.h"
#include "platform/Platform.h"
#include "support/Elements.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class AnsweringPlatform : public Platform {
public:
    QString saveAs;

    std::optional<QString> InputBox(const QString &, const QString &, const QString &text) override { return text; }
    FileChoice OpenDialog(const FileDialog &) override { return {}; }
    FileChoice SaveDialog(const FileDialog &) override { return {saveAs, 0}; }
    std::optional<QColor> ColourDialog(const QColor &) override { return std::nullopt; }
    void ProcessEvents() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    std::optional<LabelJobOptions> LabelOptionsDialog(bool) override { return std::nullopt; }
    void OpenWithDesktop(const QString &fileName) override { std::printf("opened %s\n", qPrintable(fileName)); }
    void Beep() override {}

protected:
    Answer ShowMessageBox(Icon, Buttons, const QString &text, Answer) override
    {
        std::printf("box %s\n", qPrintable(text));
        return Answer::Yes;
    }
};

int Work(TForm1 &window, const ProgramState &state, AnsweringPlatform &desktop)
{
    TForm16 *document = window.NewDocument();
    document->Model().ReplaceElements(ListOf({MakeElement(720, 560, 2), MakeElement(400, 300)}),
                                      QStringLiteral("Unos elementa"));
    desktop.saveAs = QString::fromStdString(state.DataDir + "/kuhinja.tab");
    window.SaveDatabase();
    window.Stampanjespiskaelemenata1->trigger();
    document->Model().ReplaceElements(ListOf({MakeElement(720, 560, 3)}), QStringLiteral("Unos elementa"));
    const int copied = window.findChild<Autosave *>()->WriteNow(document->Model());
    std::printf("data %s\ncopy %d\n", state.DataDir.c_str(), copied);
    return copied == rcOK ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return EXIT_FAILURE;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AnsweringPlatform desktop;
    ProgramState state;
    std::unique_ptr<TForm1> window = TForm1::Start(desktop, state, argv[2]);
    if (!window)
        return EXIT_FAILURE;
    const std::string mode = argv[1];
    window->show(); // the recovery offer runs once the window is up
    int result = EXIT_FAILURE;
    QTimer::singleShot(0, &app, [&] {
        if (mode == "recover") {
            std::printf("recovered %d\n", static_cast<int>(window->Documents().size()));
            std::fflush(stdout);
            return;
        }
        if (mode == "work")
            result = Work(*window, state, desktop);
        std::fflush(stdout);
        // Ends as a killed program would: what the run left in the data folder is what counts.
        std::_Exit(result);
    });
    return app.exec();
}
