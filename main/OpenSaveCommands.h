#pragma once
// Opening a database file into a new window or into the active document, and
// saving the active document. Every failure is shown in a box; each command
// leaves the process's current directory as it found it.

#include <QString>
#include <QStringList>

struct CommandContext;

// An empty or missing name asks with the open dialog; `askNewWindow` allows
// the question whether to merge into the active document.
void OpenDatabase(const CommandContext &context, const QString &fileName, bool askNewWindow);
// Files named on the command line: each into a window of its own; a name that
// is no file is the reader's "not found", never the open dialog.
void OpenNamedFiles(const CommandContext &context, const QStringList &fileNames);
// Asks for a file name, asks what saving there must (replacing a file, what a
// ".tun" does not keep), and writes the active document there, retitling it.
// A document holding nothing is not saved.
void SaveDatabase(const CommandContext &context);

// A document's title from its file's name, by the one title rule.
QString TitleOfFile(const QString &fileName);
// "DATA" under the program directory, where the dialogs start.
QString DataDirectory(const CommandContext &context);
