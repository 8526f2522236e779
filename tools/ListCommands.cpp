// mvtool print, export and import: a database file as the printed PDF, and a
// database file to and from the CSV part lists of optimisers and spreadsheets.

#include "tools/Commands.h"
#include "tools/ToolFiles.h"

#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "common/exchange/Exchange.h"
#include "print/core/PdfExport.h"

#include <iostream>

namespace {

struct Database {
    TElementList Elements{};
    TElementGroups Groups{};
    TDatabaseHeader Header{};
};

// Reads the database; says why on standard error, as the program's box does, when it cannot.
bool ReadDatabase(const std::string &name, Database &database)
{
    const int code = ReadDatabaseFile(name, database.Elements, database.Groups, database.Header);
    if (code == rcOK)
        return true;
    ShowError("Error loading database!", code);
    return false;
}

} // namespace

int PrintList(const std::string &databaseName, const std::string &pdfName, const std::string &settingsName)
{
    // The unit and the banding marks come from the settings beside the program unless named.
    const std::string name = settingsName.empty() ? JoinPath(GetProgramDir(), kSettingsFileName) : settingsName;
    TSettings settings;
    const int read = ReadSettingsRecord(name, settings.data());
    if (read != rcOK) {
        ShowError("Error loading file [" + name + "]", read);
        return 1;
    }
    Database database;
    if (!ReadDatabase(databaseName, database))
        return 1;
    const int code = PrintListToPdf(database.Elements, pdfName, settings);
    if (code == rcOK)
        return 0;
    std::cerr << "mvtool: cannot write " << pdfName << ": " << ResultText(code) << "\n";
    return 1;
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
    return WriteMadeFile(outName, text.data(), text.size());
}

int ImportList(const std::string &csvName, const std::string &databaseName, ExchangeFormat format)
{
    std::string text;
    if (!ReadTextFile(csvName, text))
        return 1;
    const ExchangeReadResult read = ReadExchange(text, format);
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
