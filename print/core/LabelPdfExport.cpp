#include "print/core/LabelPdfExport.h"

#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"

int PrintLabelsToPdf(const LabelDocument &document, const std::string &pdfFile, const PrintoutSettings &settings,
                     const LabelPrintOptions &options)
{
    return WithGuiApplication([&] {
        PdfCanvas canvas(pdfFile, kLabelPdfDpi, LabelPageSize(options.layout));
        return PrintPartLabels(canvas, document, settings, options, nullptr);
    });
}
