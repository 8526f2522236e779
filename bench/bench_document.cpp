// Figures for the document window: an 800-element database file opened into a
// new window up to its grid being painted, and a unit switch with 800 rows shown.

#include "SampleList.h"

#include "common/DatabaseFile.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "dialogs/DesktopPlatform.h"
#include "document/Unit16.h"
#include "document/UnitLabel.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/OpenSaveCommands.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

// A frame's worth of program: the MDI area, its documents and what they read.
struct Desk {
    Desk()
    {
        state.Settings.SetUnit(1);
        state.Settings.SetBandingInUse(true);
        state.ProgramDir = dir.path();
        area.resize(1000, 700);
        area.show();
    }
    // Paints what the last change left to paint, as the screen would.
    static void Settle(TForm16 &document)
    {
        QCoreApplication::sendPostedEvents();
        document.SG1->viewport()->repaint();
    }

    TempDir dir;
    ProgramState state;
    DesktopPlatform desktop;
    QMenu menu;
    QMdiArea area;
    DocumentManager documents{area, state, desktop, &menu, nullptr};
    CommandContext context{documents, state, desktop};
};

void BM_OpenFullDatabaseIntoAWindow(benchmark::State &state)
{
    Desk desk;
    const std::string file = desk.dir.file("full.tab");
    if (WriteDatabaseFile(file, SampleList(), NoGroupsAtAll(), "Kupac", "Adresa", "Telefon") != rcOK)
        state.SkipWithError("the sample database could not be saved");
    for (auto _ : state) {
        OpenDatabase(desk.context, QString::fromStdString(file), false);
        TForm16 *document = desk.documents.ActiveDocument();
        Desk::Settle(*document);
        state.PauseTiming();
        document->CloseQueried();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_SwitchUnitWith800RowsShown(benchmark::State &state)
{
    Desk desk;
    TForm16 *document = desk.documents.OpenContents(DatabaseContents{SampleList(), {}, {}}, QStringLiteral("Untitled 1"),
                                                    DocumentManager::Sorting::AsRead, DocumentManager::Saved::No);
    Desk::Settle(*document);
    for (auto _ : state) {
        emit document->PaintBox1->DoubleClicked();
        Desk::Settle(*document);
    }
    document->CloseQueried();
}

} // namespace

BENCHMARK(BM_OpenFullDatabaseIntoAWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchUnitWith800RowsShown)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
