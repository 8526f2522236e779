#include "main/EditMenu.h"

#include "main/MAIN.h"
#include "platform/Hint.h"

#include <QAction>
#include <QMenu>
#include <QUndoGroup>

void BuildEditMenu(TForm1 &frame, QUndoGroup &group)
{
    // A focused text field claims these keys first (its shortcut override), so
    // they take back its typing there and the document's steps everywhere else.
    frame.EditUndoItem = group.createUndoAction(frame.Edit1, QStringLiteral("&Undo"));
    frame.EditUndoItem->setObjectName(QStringLiteral("EditUndoItem"));
    frame.EditUndoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    SetHint(frame.EditUndoItem, QStringLiteral("Undo|Undo the last change of the list"));

    frame.EditRedoItem = group.createRedoAction(frame.Edit1, QStringLiteral("&Redo"));
    frame.EditRedoItem->setObjectName(QStringLiteral("EditRedoItem"));
    frame.EditRedoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    SetHint(frame.EditRedoItem, QStringLiteral("Redo|Redo the last change undone"));

    for (QAction *action : {frame.EditUndoItem, frame.EditRedoItem}) {
        action->setShortcutContext(Qt::WindowShortcut);
        frame.Edit1->addAction(action);
    }
}
