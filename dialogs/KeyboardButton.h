#pragma once
// A push button that Enter presses only while it has the focus. It is never
// the dialog's default, so Enter in a field never reaches it by itself.

#include <QPushButton>

class KeyboardButton : public QPushButton {
    Q_OBJECT
public:
    KeyboardButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
