#pragma once
// An edit that selects its whole text when the keyboard brings the focus to it
// (Enter, Tab, the program), so typing replaces the old value; a mouse click
// still places the caret where it lands.

#include <QLineEdit>

class SelectingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SelectingLineEdit(QWidget *parent) : QLineEdit(parent) {}

protected:
    void focusInEvent(QFocusEvent *event) override;
};
