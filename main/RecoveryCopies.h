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

// "DATA/SWORK" under the program directory.
std::string WorkDirectoryOf(const std::string &programDir);
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
