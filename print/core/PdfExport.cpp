#include "print/core/PdfExport.h"

#include "print/core/ElementListPrintout.h"
#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"

int PrintListToPdf(const TElementList &list, const std::string &pdfFile, const PrintoutSettings &settings)
{
    return WithGuiApplication([&] {
        PdfCanvas canvas(pdfFile);
        return PrintElementList(canvas, list, settings, nullptr);
    });
}
