#include "print/PrintJob.h"

#include "print/PrintProgressDialog.h"
#include "print/PrinterCanvas.h"
#include "print/core/ElementListPrintout.h"
#include "print/core/PdfCanvas.h"

#include "common/ResultCodes.h"

#include <QFile>
#include <QPrinterInfo>
#include <QWidget>

#include <memory>

PrintResult PrintElementListJob(const TElementList &elements, const TSettings &settings,
                                const QString &pdfFallbackPath, QWidget *parent)
{
    // Events run while printing: only the copies are read after this point.
    const auto list = std::make_unique<TElementList>(elements);
    const TSettings ownSettings = settings;

    const bool toPrinter = !QPrinterInfo::defaultPrinter().isNull();
    std::unique_ptr<PrintCanvas> canvas;
    if (toPrinter)
        canvas = std::make_unique<PrinterCanvas>();
    else
        canvas = std::make_unique<PdfCanvas>(QFile::encodeName(pdfFallbackPath).toStdString());

    // Without a Qt parent: a window closed meanwhile cannot take the dialog with it.
    PrintProgressDialog progress(*canvas);
    progress.adjustSize();
    if (parent)
        progress.move(parent->window()->geometry().center() - progress.rect().center());
    const int code = PrintElementList(*canvas, *list, ownSettings, &progress);

    if (canvas->Aborted())
        return {PrintResult::Outcome::Cancelled, QString(), code};
    if (code != rcOK)
        return {PrintResult::Outcome::Failed, QString(), code};
    if (toPrinter)
        return {PrintResult::Outcome::Printed, QString(), code};
    return {PrintResult::Outcome::WrittenToPdf, pdfFallbackPath, code};
}
