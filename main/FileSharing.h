#pragma once
// What open and save do about a database other copies of the program may have
// open, or may have written since this one read it: the lock beside the file,
// the window that already shows it, and the question before a file is written
// over. Every question is a box of the desktop and defaults to the safe answer.

#include "common/DatabaseLock.h"

#include <QString>

#include <memory>

class Document;
class DocumentManager;
class TForm16;
struct CommandContext;
struct FileFingerprint;

// How a database is opened once its lock has been looked at.
struct OpenedLock {
    enum class Mode { Locked, ReadOnly, Unlocked, Cancelled };
    Mode mode = Mode::Cancelled;
    std::unique_ptr<DatabaseLock> lock; // Locked only
};

// Takes the lock of `fileName`. Held by another copy: asks whether to open it
// read-only (the default), anyway, or not at all. A lock that cannot be written
// is told on the notice line and the file opens without one.
OpenedLock LockForOpening(const CommandContext &context, const QString &fileName);

// The document window already showing that file (under any of its names), or null.
TForm16 *WindowOfFile(const DocumentManager &documents, const QString &fileName);

// True when `fileName` is the file of `document` under any of its names.
bool IsFileOf(const Document &document, const QString &fileName);
// A read-only document is never written over its own file: true, after a box
// saying so, when `fileName` is that file.
bool RefusedAsReadOnly(const CommandContext &context, const Document &document, const QString &fileName);

// After `document` was written to `fileName`: it is that file's now, with the
// bytes written; saved under another name it lets its old lock go and takes the
// new file's.
void TakeOverFile(const CommandContext &context, Document &document, const QString &fileName,
                  const FileFingerprint &written);
