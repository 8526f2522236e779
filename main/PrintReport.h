#pragma once
// What the print commands share: where a printout goes when no printer takes
// it, and what a finished job tells the user.

#include <QString>

#include <optional>

class Document;
struct CommandContext;
struct PrintResult;

// "DATA/<title><suffix>.pdf"; the data folder is made when missing (a failure
// to make it shows as the write's).
QString PdfPathOf(const CommandContext &context, const Document &document, const QString &suffix);

// A PDF opens in the desktop's viewer and the returned line says where it went,
// beginning with `what`; a failure is a box.
std::optional<QString> ReportPrintResult(const CommandContext &context, const PrintResult &result,
                                         const QString &what);
