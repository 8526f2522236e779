#pragma once
// Hints that belong to a dialog's design but show only while the dialog's hint
// setting is on: each widget keeps its hint, and the switch gives it to the
// tool tip or takes it away.

#include <QString>

class QWidget;

void SetDialogHint(QWidget *widget, const QString &hint);
// Every widget under root that has a hint shows it exactly when on.
void ShowDialogHints(QWidget *root, bool on);
