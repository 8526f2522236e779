#pragma once
// Refuses a character that Windows-1250 cannot store: labels and customer texts
// are edited as Unicode but saved as Windows-1250 bytes, and nothing typed may be
// lost on the way to the file.

#include <QValidator>

class Win1250Validator : public QValidator {
    Q_OBJECT
public:
    explicit Win1250Validator(QObject *parent) : QValidator(parent) {}

    State validate(QString &input, int &pos) const override;
};
