#pragma once
// The material chosen for each database file, kept across runs in the user's
// own settings, never in "Setup.Dat" nor in the database file: a small text
// file with one line per database, its board number, size and name, then its
// path, separated by tabs.

#include "common/BoardType.h"

#include <cstdint>
#include <map>
#include <string>

struct RememberedMaterial {
    std::int32_t board = 0; // 1-based in the board table
    std::int32_t length = 0;
    std::int32_t width = 0;
    std::string name;       // Windows-1250 bytes, as the table holds them

    bool operator==(const RememberedMaterial &other) const
    {
        return board == other.board && length == other.length && width == other.width && name == other.name;
    }
    bool operator!=(const RememberedMaterial &other) const { return !(*this == other); }
};

// By the database file's absolute path.
using MaterialMemory = std::map<std::string, RememberedMaterial>;

// "$XDG_CONFIG_HOME/Morvena/materials", or "$HOME/.config/Morvena/materials"
// when that is unset, empty or not absolute; empty when HOME is missing too.
std::string MaterialMemoryFile(const char *xdgConfigHome, const char *home);
// The same from the process's environment.
std::string MaterialMemoryFile();

// Lines that do not read as an entry are skipped.
MaterialMemory ParseMaterialMemory(const std::string &text);
std::string FormatMaterialMemory(const MaterialMemory &memory);
// A missing file is an empty memory (-150); otherwise LoadTextFile's codes.
int ReadMaterialMemory(const std::string &file, MaterialMemory &memory);
// Makes the file's directory when it is missing, then writes atomically.
int WriteMaterialMemory(const std::string &file, const MaterialMemory &memory);

// What board number `board` (1-based) of the table is, for the memory.
RememberedMaterial MaterialOfBoard(const TBoardTable &table, int board);
// The table still has that board at that number: same name and size.
bool StillInTable(const RememberedMaterial &remembered, const TBoardTable &table);
// False for an empty path, and for a path or name the file's lines cannot hold
// (a tab or a line break in it).
bool FitsMaterialMemory(const std::string &path, const RememberedMaterial &material);
