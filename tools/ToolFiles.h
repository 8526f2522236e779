#pragma once
// The files the commands read whole and write made.

#include <cstddef>
#include <string>

// Reads a whole text file of at most 4 MB as UTF-8 (a Windows-1250 text is
// converted); false, after saying so on standard error, when it cannot be read
// (also a directory) or is larger.
bool ReadTextFile(const std::string &name, std::string &text);
// The same file's bytes as they are, for a reader that decodes them itself.
bool ReadFileBytes(const std::string &name, std::string &bytes);
// Writes a made file atomically; on failure says why on standard error. Exit code 0 or 1.
int WriteMadeFile(const std::string &name, const void *data, std::size_t size);
