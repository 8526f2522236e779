#pragma once
// Where the program finds its read-only files and keeps its data. A portable
// copy keeps everything beside its executable. An installed one finds its files
// in <prefix>/share/morvena, and keeps its data, as any copy whose folder it
// cannot write, in the user's own folder, so that a normal user can save,
// print and autosave.

#include <string>

struct ProgramPlaces {
    // "Setup.Dat", "setup.bak", "Table.T01" and the wallpaper: the program's
    // folder when either settings file is there, else <prefix>/share/morvena
    // when the program sits in <prefix>/bin and that folder exists, else the
    // program's folder (whose missing files are then reported).
    std::string FilesDir;
    // "DATA", with "SWORK" and "stare" in it: beside the program when its files
    // are there too and the folder can be written; else
    // $XDG_DATA_HOME/Morvena/DATA. Made on first use, not here.
    std::string DataDir;
};

ProgramPlaces LocateProgramPlaces(const std::string &programDir);
// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share (the
// home from the user database when $HOME is unset).
std::string UserDataHome();
