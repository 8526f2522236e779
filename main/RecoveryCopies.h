#pragma once
// The recovery copies in the work folder "DATA/SWORK": "<pid>-<n>.tab" holds
// document n of program pid as a database file, "<pid>-<n>.title" its window
// title in UTF-8. Copies are removed or moved to "stare", never overwritten there.

#include <string>
#include <vector>

#include <sys/types.h>

struct RecoveryCopy {
    pid_t pid = 0;
    int number = 0;
    std::string tabName;
    std::string titleName;
};

// "SWORK" in the data directory.
std::string WorkDirectoryOf(const std::string &dataDir);
RecoveryCopy CopyIn(const std::string &workDir, pid_t pid, int number);
// True when either file of the copy exists.
bool CopyExists(const RecoveryCopy &copy);
// Every ".tab" copy in workDir, ordered by program and number; none when the
// folder is missing.
std::vector<RecoveryCopy> ListCopies(const std::string &workDir);
// Removes both files: -150, or -138 when one stays.
int RemoveCopy(const RecoveryCopy &copy);
// Moves both files into workDir/stare under a name still free there: -150,
// -141 when the folder cannot be made, -140 when a rename fails.
int MoveAside(const std::string &workDir, const RecoveryCopy &copy);

// Takes a copy left by a program that no longer runs for this one, before the
// user is asked about it: its files are renamed to `into`, a copy of this
// program (which holds its lock), so no other program takes it for abandoned.
// Renaming is atomic: of two programs claiming one copy, the one that renames
// its ".tab" first owns it. -150; -149 when another program claimed it first;
// -140 when a rename fails otherwise (when only the title's fails, the copy is
// ours without its title).
int ClaimCopy(const RecoveryCopy &copy, const RecoveryCopy &into);

// The temporary file of a copy write killed before its rename.
struct InterruptedCopyWrite {
    std::string temporary;
    std::string file;           // the copy's ".tab" or ".title" it was to replace
    bool newerThanCopy = false; // changed after that file, or the file is gone
};
// Those in workDir whose writer was a program of this host that no longer runs.
// The one of a ".tab" may hold a whole list newer than the copy (read it to
// know); either is kept (renamed over its file) or dropped (removed).
std::vector<InterruptedCopyWrite> FindInterruptedCopyWrites(const std::string &workDir);
int KeepInterruptedCopyWrite(const InterruptedCopyWrite &write); // -150, or -140
int DropInterruptedCopyWrite(const InterruptedCopyWrite &write); // -150, or -138
