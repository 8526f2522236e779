#pragma once
// Cutting lists as CSV: exporting the active document for an optimiser or a
// spreadsheet, and opening such a list into a new document.

#include <QString>

#include <optional>

struct CommandContext;

// The open dialog's entry for cutting lists.
QString CuttingListFilter();
bool IsCuttingListName(const QString &fileName);
// Opens the list into a new document titled with its name; the first twenty
// bad rows are listed in one box and nothing opens while any row is bad.
void OpenCuttingList(const CommandContext &context, const QString &fileName);
// Asks for a file and a format and writes the active document's list there.
// Returns the line for the status bar, if any.
std::optional<QString> ExportActiveDocument(const CommandContext &context);
