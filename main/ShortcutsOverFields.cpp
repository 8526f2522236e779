#include "main/ShortcutsOverFields.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ShortcutsOverFields::ShortcutsOverFields(QWidget &frame, const QList<QAction *> &commands)
    : QObject(&frame), m_frame(frame), m_commands(commands.cbegin(), commands.cend())
{
    qApp->installEventFilter(this);
}

bool ShortcutsOverFields::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (widget == nullptr || widget->window() != &m_frame)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    for (const QPointer<QAction> &command : m_commands) {
        if (command && command->isEnabled() && command->shortcuts().contains(pressed)) {
            event->ignore(); // not claimed by the field: the short cut runs
            return true;
        }
    }
    return false;
}
