#pragma once
// The files the commands read whole and write made.

#include <cstddef>
#include <string>

// Reads a whole text file of at most 4 MB as UTF-8 (a Windows-1250 text is
// converted); false, after saying so on standard error, when it cannot be read
// (also anything but a regular file, named by its kind) or is larger.
bool ReadTextFile(const std::string &name, std::string &text);
// The same file's bytes as they are, for a reader that decodes them itself.
bool ReadFileBytes(const std::string &name, std::string &bytes);
// Writes a made file atomically; on failure says why on standard error. Exit code 0 or 1.
int WriteMadeFile(const std::string &name, const void *data, std::size_t size);
// Says on standard error what a name that is no regular file is ("mvtool: X
// is a FIFO, not a regular file"); nothing for a regular or missing file.
void TellWhenNotAFile(const std::string &name);
// The exit code of writing `name` with result code `code`: 0 for rcOK, else 1
// after saying on standard error why it was not written.
int WrittenExitCode(const std::string &name, int code);
