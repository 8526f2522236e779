#include "print/core/PdfExport.h"

#include "print/core/ElementListPrintout.h"
#include "print/core/OffscreenGuiApplication.h"
#include "print/core/PdfCanvas.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <optional>

int PrintDatabaseToPdf(const std::string &databaseFile, const std::string &pdfFile, const TSettings &settings)
{
    TElementList list;
    TElementGroups groups;
    ClearGroups(groups);
    TDatabaseHeader header{};
    const int read = ReadDatabaseFile(databaseFile, list, groups, header);
    if (read != rcOK)
        return read;

    std::optional<OffscreenGuiApplication> gui;
    if (!QCoreApplication::instance())
        gui.emplace();
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return rcUnexpectedError;
    PdfCanvas canvas(pdfFile);
    return PrintElementList(canvas, list, settings, nullptr);
}
