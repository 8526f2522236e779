#include "print/core/PdfExport.h"

#include "print/core/ElementListPrintout.h"
#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"

#include "common/ResultCodes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <optional>

int PrintListToPdf(const TElementList &list, const std::string &pdfFile, const PrintoutSettings &settings)
{
    std::optional<OffscreenGuiApplication> gui;
    if (!QCoreApplication::instance())
        gui.emplace();
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return rcUnexpectedError;
    PdfCanvas canvas(pdfFile);
    return PrintElementList(canvas, list, settings, nullptr);
}
