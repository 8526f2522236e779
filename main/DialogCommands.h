#pragma once
// The commands that open the modal dialogs: adding elements, editing the
// current one, and the about box. Each dialog is created, shown and freed here.

#include <QString>

#include <functional>
#include <optional>

struct CommandContext;
class QWidget;

// Where a printout the new-elements dialog asks for reports (the status bar).
using StatusReport = std::function<void(const QString &)>;

// The active document's list goes into the new-elements dialog and comes back
// however the dialog closes; then it is sorted when the settings say so. The
// whole session, a clearing of the list in it too, is one undo step.
void AddElementsThroughDialog(const CommandContext &context, QWidget *parent, const StatusReport &report);
// The element of the grid's current row in the edit dialog; rows 0 and 1 hold none.
void EditCurrentElement(const CommandContext &context, QWidget *parent, const QString &step);
void ShowAboutBox(QWidget *parent);
