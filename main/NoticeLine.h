#pragma once
// The status bar's line for what the user must read: a failed autosave, where a
// printout went, a file opened without its lock. A permanent widget of the bar,
// so hover hints never erase it; it stays through the command that told it and
// goes when a later command ends without telling anything.

#include <QLabel>

class NoticeLine : public QLabel {
    Q_OBJECT
public:
    explicit NoticeLine(QWidget *parent = nullptr);

    void Tell(const QString &line);
    // Every frame command calls this when it has run.
    void CommandEnded();

private:
    bool m_toldSinceLastCommand = false;
};
