// The program the crash test kills: the frame started from the directory given,
// with one unsaved document, writing its recovery copy within a blink.

#include "common/ProgramState.h"
#include "dialogs/DesktopPlatform.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/MAIN.h"
#include "support/RecoveryDocument.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2)
        return EXIT_FAILURE;
    QApplication app(argc, argv);
    DesktopPlatform desktop;
    ProgramState state;
    std::unique_ptr<TForm1> window = TForm1::Start(desktop, state, argv[1]);
    if (!window)
        return EXIT_FAILURE;
    using namespace std::chrono_literals;
    window->findChild<Autosave *>()->SetIntervals({50ms, 1h});
    window->show();
    TForm16 *document = window->NewDocument();
    const RecoveryDocument sample = SampleRecoveryDocument();
    document->Model().SetCustomer({sample.customer[0], sample.customer[1], sample.customer[2]});
    document->Model().Replace(sample.elements, sample.groups, QStringLiteral("Unos elementa"));
    return app.exec(); // until the test kills it
}
