#pragma once
// A hint "short|long": the short part is the tool tip, the long part the status
// bar text. A hint without "|" is both.

#include <QString>

class QAction;
class QWidget;

QString ShortHint(const QString &hint);
QString LongHint(const QString &hint);
void SetHint(QWidget *widget, const QString &hint);
void SetHint(QAction *action, const QString &hint);
