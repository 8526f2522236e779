// mvtool labels: the part labels of a database file as a PDF of label sheets.

#include "tools/Commands.h"
#include "tools/ToolInputs.h"

#include "common/DocumentTitle.h"
#include "common/Encoding.h"
#include "common/ResultCodes.h"
#include "print/core/LabelPdfExport.h"

#include <QString>

#include <iostream>

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
    document.Customer = QString::fromStdString(Win1250ToUtf8(database.Header.Customer.str()));
    document.Title = QString::fromStdString(TitleOfFile(databaseName));
    const int code = PrintLabelsToPdf(document, pdfName, settings, LabelPrintOptions{layout, firstPosition});
    if (code == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << pdfName << ": " << ResultText(code) << "\n";
    return 1;
}
