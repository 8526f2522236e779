#pragma once
// Keeps the quick-entry fields to what they can mean: digits in millimetres and
// in the count, digits and one decimal point in centimetres and metres. A typed
// comma becomes the point. The unit is read at every keystroke, so a unit switch
// in another window applies at once. Deleting is always allowed, so a text left
// over from another unit ("60.5" after switching to mm) can still be corrected;
// such a text is never added, since it is not acceptable.

#include <QValidator>

class TSettings;

class EntryFieldValidator : public QValidator {
    Q_OBJECT
public:
    enum class Kind { Dimension, Count };

    EntryFieldValidator(Kind kind, const TSettings &settings, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    Kind m_kind;
    const TSettings &m_settings;
    // The last text let through: the line edit has already changed its own text
    // when it asks, so this is how a deletion is told from an insertion.
    mutable QString m_previous;
};
