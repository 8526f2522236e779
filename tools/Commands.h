#pragma once
// The commands of mvtool, each given its arguments by the command line and
// returning the process exit code.

#include "common/exchange/Exchange.h"
#include "print/core/LabelLayout.h"

#include <string>

int RunDump(const std::string &fileName);                                // dump FILE
int RunConvert(const std::string &sourceName, const std::string &targetName); // convert SRC DST
int ShowSettings(const std::string &recordName);                         // settings show FILE
// settings make INI OUT [--base FILE]; an empty base name starts from zero bytes.
int MakeSettings(const std::string &iniName, const std::string &outName, const std::string &baseName);
int ShowBoards(const std::string &tableName);                            // boards show FILE
int MakeBoards(const std::string &csvName, const std::string &outName);  // boards make CSV OUT
// print FILE --pdf OUT [--settings SETUP.DAT]; an empty settings name takes the one beside the program.
int PrintList(const std::string &databaseName, const std::string &pdfName, const std::string &settingsName);
// labels FILE --pdf OUT --layout L [--start N] [--settings SETUP.DAT]; firstPosition lies on the sheet.
int PrintLabels(const std::string &databaseName, const std::string &pdfName, LabelLayout layout, int firstPosition,
                const std::string &settingsName);
int ExportList(const std::string &databaseName, const std::string &outName, ExchangeFormat format); // export
int ImportList(const std::string &csvName, const std::string &databaseName, ExchangeFormat format); // import
