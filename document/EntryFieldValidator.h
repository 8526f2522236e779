#pragma once
// Keeps the quick-entry fields to what they can mean: digits in millimetres and
// in the count, digits and one decimal point in centimetres and metres. A typed
// comma becomes the point. The unit is read at every keystroke, so a unit switch
// in another window applies at once.

#include <QValidator>

struct ProgramState;

class EntryFieldValidator : public QValidator {
    Q_OBJECT
public:
    enum class Kind { Dimension, Count };

    EntryFieldValidator(Kind kind, const ProgramState &state, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    Kind m_kind;
    const ProgramState &m_state;
};
