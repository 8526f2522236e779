#pragma once
// The element grid's view: a plain row-select table whose letters and digits
// never jump the cursor (the digit keys set edge banding instead), and whose
// current row carries a focus frame while the grid has the focus.

#include <QTableView>

class QKeyEvent;

class ElementGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    void keyboardSearch(const QString &) override {}

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The digit 1..6 of a key on the main keyboard, with or without Shift; 0 for
// any other key. Shift+3 reports "#" or another symbol as its key on a real
// keyboard, so the key's position (its scan code) decides there.
int MainKeyboardDigit(const QKeyEvent &event);
