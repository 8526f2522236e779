#pragma once
// The questions a save asks before it writes, in the order they come: at most
// one about the file itself, then one about what the chosen format cannot
// keep. Each defaults to No, and the first answer other than Yes stops the save.

#include <QStringList>

class Document;
class Platform;

// What saving `document` as `fileName` must ask, in order; empty when nothing.
QStringList SaveQuestions(const Document &document, const QString &fileName);
// Asks them in turn; true when each was answered Yes (or none was needed).
bool ConfirmSave(Platform &desktop, const Document &document, const QString &fileName);
