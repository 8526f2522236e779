#include "dialogs/KeyboardButton.h"

#include "dialogs/KeyboardDialog.h"

#include <QKeyEvent>

KeyboardButton::KeyboardButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void KeyboardButton::keyPressEvent(QKeyEvent *event)
{
    if (IsEnterKey(event->key())) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
