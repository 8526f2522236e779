// mvtool print, export and import: a database file as the printed PDF, and a
// database file to and from the CSV part lists of optimisers and spreadsheets.

#include "tools/Commands.h"
#include "tools/ToolFiles.h"
#include "tools/ToolInputs.h"

#include "common/DatabaseFile.h"
#include "common/PrintoutSettings.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "common/exchange/Exchange.h"
#include "print/core/PdfExport.h"

#include <iostream>

int PrintList(const std::string &databaseName, const std::string &pdfName, const std::string &settingsName)
{
    // The unit and the banding marks come from the settings beside the program unless named.
    TSettings settings;
    if (!ReadToolSettings(settingsName, settings))
        return 1;
    Database database;
    if (!ReadDatabase(databaseName, database))
        return 1;
    return WrittenExitCode(pdfName, PrintListToPdf(database.Elements, pdfName, PrintoutSettingsOf(settings)));
}

int ExportList(const std::string &databaseName, const std::string &outName, ExchangeFormat format)
{
    Database database;
    if (!ReadDatabase(databaseName, database))
        return 1;
    const CustomerTexts customer{database.Header.Customer.str(), database.Header.Address.str(),
                                 database.Header.Telephone.str()};
    std::vector<std::string> notes;
    const std::string text = WriteExchange(format, database.Elements, database.Groups, customer, &notes);
    for (const std::string &note : notes)
        std::cerr << note << "\n";
    const int exitCode = WriteMadeFile(outName, text.data(), text.size());
    const std::string warning = ExportWarning(format, database.Elements, database.Groups);
    if (exitCode == 0 && !warning.empty())
        std::cerr << "mvtool: " << warning << "\n";
    return exitCode;
}

int ImportList(const std::string &csvName, const std::string &databaseName, ExchangeFormat format)
{
    std::string bytes;
    if (!ReadFileBytes(csvName, bytes))
        return 1;
    const ExchangeReadResult read = ReadExchange(bytes, format);
    for (const ExchangeRefusal &refusal : read.Refusals)
        std::cerr << LineMessage(refusal.Line, refusal.Reason) << "\n";
    if (!read.Ok())
        return 1;
    const int code = WriteDatabaseFile(databaseName, read.Elements, read.Groups, read.Customer.Customer,
                                       read.Customer.Address, read.Customer.Telephone);
    if (code == rcOK)
        return 0;
    ShowError("Greska prilikom snimanja baze podataka!", code);
    return 1;
}
