#pragma once
// Opening a database file into a new window or into the active document, and
// saving the active document. Every failure is shown in a box; each command
// leaves the process's current directory as it found it.

#include <QString>

struct CommandContext;

// An empty or missing name asks with the open dialog; `askNewWindow` allows
// the question whether to merge into the active document.
void OpenDatabase(const CommandContext &context, const QString &fileName, bool askNewWindow);
// Asks for a file name and writes the active document there, retitling it.
void SaveDatabase(const CommandContext &context);

// "DATA" under the program directory, where the dialogs start.
QString DataDirectory(const CommandContext &context);
