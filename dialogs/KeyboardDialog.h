#pragma once
// A dialog that Escape does not close and Enter does not end: the entry dialogs
// give both keys their own meaning. The close box still closes (rejects).

#include <QDialog>

class KeyboardDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardDialog(QWidget *parent) : QDialog(parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// True for both Enter keys (main and keypad).
bool IsEnterKey(int key);
