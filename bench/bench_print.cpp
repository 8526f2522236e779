// Figures for the printout: a full list of 800 elements to PDF in memory and
// saved, with and without the text measure cache, and the layout alone.

#include "SampleList.h"

#include "print/core/ElementListPrintout.h"
#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

#include "common/Element.h"
#include "common/ResultCodes.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void PrintToPdf(benchmark::State &state, MeasureCache cache)
{
    const TElementList list = SampleList();
    const PrintoutSettings settings; // in millimetres
    TempDir dir;
    for (auto _ : state) {
        PdfCanvas pdf(dir.file("list.pdf"));
        if (PrintElementList(pdf, list, settings, nullptr, cache) != rcOK)
            state.SkipWithError("the PDF was not written");
    }
}

void BM_PrintFullListToPdf(benchmark::State &state) { PrintToPdf(state, MeasureCache::On); }
void BM_PrintFullListToPdfMeasuringAnew(benchmark::State &state) { PrintToPdf(state, MeasureCache::Off); }

void BM_LayoutFullListOnRecorder(benchmark::State &state)
{
    const TElementList list = SampleList();
    for (auto _ : state) {
        RecordingCanvas canvas(2479, 3508, 300);
        benchmark::DoNotOptimize(PrintElementList(canvas, list, PrintoutSettings{}, nullptr));
    }
}

} // namespace

BENCHMARK(BM_PrintFullListToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintFullListToPdfMeasuringAnew)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutFullListOnRecorder)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    const OffscreenGuiApplication gui; // fonts and the PDF writer need QtGui
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
