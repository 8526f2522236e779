#pragma once
// Who and where this program is, and whether another program of this host
// still runs: what the temporary files and the locks beside a database carry,
// so that a later program can tell a live writer from one that died.

#include <cstdint>
#include <string>

#include <sys/types.h>

// The host's name as it goes into file names: letters, digits, '.', '_' and
// '-' only (anything else becomes '_'), at most 64 characters, never empty.
std::string ThisHostName();
// The login name of the user running the program, or the user id in digits.
std::string ThisUserName();
// When the process started, in clock ticks since the host booted; 0 when unknown.
// With the process id it names one program even after the id is reused.
std::uint64_t ProcessStartTicks(pid_t pid);
// True while a process `pid` exists on this host, and, when startTicks is not 0,
// it is the one that started then.
bool ProgramRuns(pid_t pid, std::uint64_t startTicks = 0);
