#include "dialogs/KeyboardDialog.h"

#include <QKeyEvent>

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void KeyboardDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || IsEnterKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
