#pragma once
// Line edits on X11 take Ctrl+E and Ctrl+U for their own editing (to the end
// of the line, delete to its start), and a field's claim beats a window's short
// cut. In the frame's fields the frame's own commands on such keys win, the
// entry row above all, where a keyboard user types.

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

class ShortcutsOverFields : public QObject {
    Q_OBJECT
public:
    // Watches the whole application while `frame`, its parent, lives.
    ShortcutsOverFields(QWidget &frame, const QList<QAction *> &commands);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_frame;
    QList<QPointer<QAction>> m_commands;
};
