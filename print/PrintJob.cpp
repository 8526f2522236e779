#include "print/PrintJob.h"

#include "print/PrintProgressDialog.h"
#include "print/PrinterCanvas.h"
#include "print/core/ElementListPrintout.h"
#include "print/core/LabelPdfExport.h"
#include "print/core/LabelPrintout.h"
#include "print/core/PdfCanvas.h"
#include "print/core/PlanPrintout.h"

#include "common/PrintoutSettings.h"
#include "common/ResultCodes.h"

#include <QFile>
#include <QPrinterInfo>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace {

std::string PdfName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

// The default printer's canvas, or an A4 PDF's.
std::unique_ptr<PrintCanvas> PageCanvas(bool toPrinter, const QString &pdfPath)
{
    if (toPrinter)
        return std::make_unique<PrinterCanvas>();
    return std::make_unique<PdfCanvas>(PdfName(pdfPath));
}

// Runs print under the progress dialog; the caller's copies are all it reads.
PrintResult RunJob(PrintCanvas &canvas, bool toPrinter, const QString &pdfPath, QWidget *parent, PrintedItems items,
                   const std::function<int(PrintCanvas &, PrintProgress &)> &print)
{
    // Without a Qt parent: a window closed meanwhile cannot take the dialog with it.
    PrintProgressDialog progress(canvas, nullptr, items);
    progress.adjustSize();
    if (parent)
        progress.move(parent->window()->geometry().center() - progress.rect().center());
    const int code = print(canvas, progress);

    if (canvas.Aborted())
        return {PrintResult::Outcome::Cancelled, QString(), code};
    if (code != rcOK)
        return {PrintResult::Outcome::Failed, QString(), code};
    if (toPrinter)
        return {PrintResult::Outcome::Printed, QString(), code};
    return {PrintResult::Outcome::WrittenToPdf, pdfPath, code};
}

} // namespace

bool DefaultPrinterInstalled()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

PrintResult PrintElementListJob(const TElementList &elements, const TSettings &settings,
                                const QString &pdfFallbackPath, QWidget *parent)
{
    // Events run while printing: only the copies are read after this point.
    const auto list = std::make_unique<TElementList>(elements);
    const PrintoutSettings ownSettings = PrintoutSettingsOf(settings);

    const bool toPrinter = DefaultPrinterInstalled();
    const std::unique_ptr<PrintCanvas> canvas = PageCanvas(toPrinter, pdfFallbackPath);
    return RunJob(*canvas, toPrinter, pdfFallbackPath, parent, PrintedItems::Elements,
                  [&](PrintCanvas &on, PrintProgress &progress) {
                      return PrintElementList(on, *list, ownSettings, &progress);
                  });
}

PrintResult PrintLabelsJob(const LabelDocument &document, const TSettings &settings, const LabelJobOptions &options,
                           const QString &pdfPath, QWidget *parent, const CuttingPlan *plan)
{
    const auto ownDocument = std::make_unique<LabelDocument>(document);
    const PrintoutSettings ownSettings = PrintoutSettingsOf(settings);
    const std::optional<CuttingPlan> ownPlan = plan ? std::optional<CuttingPlan>(*plan) : std::nullopt;
    const LabelPrintOptions printOptions{options.layout, options.firstPosition, ownPlan ? &*ownPlan : nullptr};

    const bool toPrinter = !options.toPdf && DefaultPrinterInstalled();
    const QPageSize page = LabelPageSize(options.layout);
    std::unique_ptr<PrintCanvas> canvas;
    if (toPrinter)
        canvas = std::make_unique<PrinterCanvas>(page);
    else
        canvas = std::make_unique<PdfCanvas>(PdfName(pdfPath), kLabelPdfDpi, page);
    return RunJob(*canvas, toPrinter, pdfPath, parent, PrintedItems::Labels,
                  [&](PrintCanvas &on, PrintProgress &progress) {
                      return PrintPartLabels(on, *ownDocument, ownSettings, printOptions, &progress);
                  });
}

PrintResult PrintPlanJob(const CuttingPlan &plan, const PlanPrintTexts &texts, const QString &pdfFallbackPath,
                         QWidget *parent)
{
    const CuttingPlan ownPlan = plan;
    const PlanPrintTexts ownTexts = texts;

    const bool toPrinter = DefaultPrinterInstalled();
    const std::unique_ptr<PrintCanvas> canvas = PageCanvas(toPrinter, pdfFallbackPath);
    return RunJob(*canvas, toPrinter, pdfFallbackPath, parent, PrintedItems::Boards,
                  [&](PrintCanvas &on, PrintProgress &progress) {
                      return PrintCuttingPlan(on, ownPlan, ownTexts, &progress);
                  });
}
