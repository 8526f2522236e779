#pragma once
// The group list of the document window. While it has the focus it shows a
// focus frame around itself when it holds no group, so a keyboard user sees
// where the focus went.

#include <QListWidget>

class GroupListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
