#pragma once
// The commands of mvtool, each given its arguments by the command line and
// returning the process exit code.

#include <string>

int RunDump(const std::string &fileName);                                // dump FILE
int RunConvert(const std::string &sourceName, const std::string &targetName); // convert SRC DST
int ShowSettings(const std::string &recordName);                         // settings show FILE
// settings make INI OUT [--base FILE]; an empty base name starts from zero bytes.
int MakeSettings(const std::string &iniName, const std::string &outName, const std::string &baseName);
int ShowBoards(const std::string &tableName);                            // boards show FILE
int MakeBoards(const std::string &csvName, const std::string &outName);  // boards make CSV OUT
