#pragma once
// The temporary files a write leaves beside its file while it works, named so
// that they are unmistakably ours and tell who wrote them:
//   ".<name>.mvtmp-<host>-<pid>-XXXXXX"  new bytes on their way in
//   ".<name>.mvold-<host>-<pid>-XXXXXX"  the old bytes of a file rewritten in place
// A later write of the same file finishes what a dead writer of this host left
// (see FinishInterruptedWrites); nothing else in the folder is ever touched.

#include <string>

#include <sys/types.h>

enum class TemporaryKind { NewBytes, OldBytes };

struct TemporaryName {
    std::string fileName; // the name of the file written, cut as TemporaryPattern cuts it
    TemporaryKind kind = TemporaryKind::NewBytes;
    std::string host;
    pid_t pid = 0;
};

// The mkostemp pattern of a temporary of `file` (a path) written by this
// program, in the file's folder; a long name is cut so the whole stays a valid name.
std::string TemporaryPattern(const std::string &file, TemporaryKind kind);
// The name a temporary (a path) takes as the other kind, same writer, same unique part.
std::string RenamedAs(const std::string &temporary, TemporaryKind kind);
// False for every name not made by TemporaryPattern.
bool ParseTemporaryName(const std::string &entry, TemporaryName &parsed);
// True when the temporary's writer was a program of this host that no longer runs.
bool WriterIsGone(const TemporaryName &name);

// What dead writers of this host left beside `file`: an interrupted in-place
// rewrite is undone from its old bytes (the file then holds what it held before
// that write), and their temporaries are removed. The old bytes stay when they
// cannot be put back.
void FinishInterruptedWrites(const std::string &file);
