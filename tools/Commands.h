#pragma once
// The commands of mvtool; each takes the arguments after its own name and
// returns the process exit code.

#include <cstddef>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int RunDump(const Arguments &args);     // dump FILE
int RunConvert(const Arguments &args);  // convert SRC DST
int RunSettings(const Arguments &args); // settings show FILE | settings make INI OUT [--base FILE]
int RunBoards(const Arguments &args);   // boards show FILE | boards make CSV OUT

// Prints the usage text to standard error and returns exit code 2.
int UsageError();

// "show ..." or "make ..." of the settings and boards commands.
int RunShowOrMake(const Arguments &args, int (*show)(const Arguments &), int (*make)(const Arguments &));
// Reads a whole text file; false, after saying so on standard error, when it
// cannot be read (also a directory).
bool ReadTextFile(const std::string &name, std::string &text);
// Writes a made file atomically; on failure says why on standard error. Exit code 0 or 1.
int WriteMadeFile(const std::string &name, const void *data, std::size_t size);
