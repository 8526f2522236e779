#pragma once
// File helpers: the program's directory, joining names onto it, the block copy,
// the fixed-size record read and the whole-file read. All report result codes.

#include <cstddef>
#include <cstdint>
#include <string>

// The directory of the running program, cut at its last '\' or '/'.
std::string GetProgramDir();
// The directory part of any path, cut at its last '\' or '/'; "." for a bare name.
std::string DirectoryOf(const std::string &path);
// What follows that cut: the name without its directory.
std::string FileNameOf(const std::string &path);
// dir + the platform's separator + name.
std::string JoinPath(const std::string &dir, const std::string &name);
bool FileExists(const std::string &name); // a regular file, not a directory
// True when both names lead to one file: the same name, a symbolic or a hard
// link to it; false when either cannot be looked at.
bool IsSameFile(const std::string &a, const std::string &b);
// Creates the directory, and any folder above it that is missing, unless it
// exists; false when it is not there afterwards.
bool MakeDirectory(const std::string &name);
// The file a name leads to: symbolic links followed (a relative one from its
// own folder), so that a write lands in the linked file and keeps the link.
// A missing file, or a link to one, gives the name it would be created under.
// -150; -147 for a loop of links or a link that cannot be read.
int ResolveLinks(const std::string &name, std::string &file);

// Puts the process's current directory back when it goes out of scope, so a
// command leaves it as it found it whatever a dialog did meanwhile.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard();
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard &) = delete;
    CurrentDirectoryGuard &operator=(const CurrentDirectoryGuard &) = delete;

private:
    std::string m_directory; // empty when it could not be read
};

// Copies in blocks of 32768 bytes; -149, -147, -141, -143 or -150.
int CopyDataFile(const std::string &source, const std::string &destination);

// Reads exactly one settings record, TSettings::Size bytes: -149 cannot open,
// -148 short, -150 OK.
int ReadSettingsRecord(const std::string &name, std::uint8_t *buffer);

// The most a text the program reads (a cutting list, a settings or board text)
// may hold: far more than any of them needs.
constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

// Reads a whole file of at most maxSize bytes into text: -149 not found, -147
// unreadable (a directory too), -148 larger than maxSize (a regular file is
// refused before anything is read, a device or pipe once it passes the limit), -150.
int LoadTextFile(const std::string &name, std::string &text, std::size_t maxSize);
// What went wrong in LoadTextFile's words for people: -148 is a file too large
// ("datoteka je veca od 4 MB"), any other code its text.
std::string LoadTextFileProblem(int code);

// Reads `size` bytes (-1: the whole file) into buffer of `capacity` bytes.
// An oversize file shows "Common.LoadBuffer: Buffer overflow error" and returns -148.
int LoadBuffer(const std::string &name, void *buffer, std::int64_t size, std::size_t capacity);
