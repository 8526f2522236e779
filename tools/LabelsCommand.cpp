// mvtool labels: the part labels of a database file as a PDF of label sheets.

#include "tools/Commands.h"
#include "tools/ToolFiles.h"
#include "tools/ToolInputs.h"

#include "common/DocumentTitle.h"
#include "common/PrintoutSettings.h"
#include "print/core/LabelPdfExport.h"
#include "print/core/Win1250Text.h"

#include <QString>

int PrintLabels(const std::string &databaseName, const std::string &pdfName, LabelLayout layout, int firstPosition,
                const std::string &settingsName)
{
    TSettings settings;
    if (!ReadToolSettings(settingsName, settings))
        return 1;
    Database database;
    if (!ReadDatabase(databaseName, database))
        return 1;
    LabelDocument document;
    document.Elements = database.Elements;
    document.Groups = database.Groups;
    document.Customer = FromWin1250(database.Header.Customer.str());
    document.Title = QString::fromStdString(TitleOfFile(databaseName));
    return WrittenExitCode(pdfName, PrintLabelsToPdf(document, pdfName, PrintoutSettingsOf(settings),
                                                     LabelPrintOptions{layout, firstPosition}));
}
