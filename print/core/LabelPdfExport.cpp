#include "print/core/LabelPdfExport.h"

#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"

#include "common/ResultCodes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <optional>

int PrintLabelsToPdf(const LabelDocument &document, const std::string &pdfFile, const PrintoutSettings &settings,
                     const LabelPrintOptions &options)
{
    std::optional<OffscreenGuiApplication> gui;
    if (!QCoreApplication::instance())
        gui.emplace();
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return rcUnexpectedError;
    PdfCanvas canvas(pdfFile, kLabelPdfDpi, LabelPageSize(options.layout));
    return PrintPartLabels(canvas, document, settings, options, nullptr);
}
