#pragma once
// The cutting plan commands: the plan window of the active document, and the
// plan on paper.

#include <QString>

#include <optional>

class Document;
class QWidget;
struct CommandContext;
struct CuttingPlan;

// Plan secenja...: the active document's plan window, made when it has none,
// brought to the front. Nothing without a document or with an empty list.
void ShowPlanWindow(const CommandContext &context, QWidget *frame);

// The plan of a document (made for the board named `material`), one board a
// landscape page, on the default printer or, when none is installed, into
// "DATA/<title>-plan.pdf", opened with the desktop's viewer. Returns the line
// for the status bar, if any.
std::optional<QString> PrintPlanOfDocument(const CommandContext &context, const Document &document,
                                           const CuttingPlan &plan, const QString &material, QWidget *parent);
