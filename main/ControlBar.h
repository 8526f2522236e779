#pragma once
// The band above the documents that carries the tool bars: 36 pixels high, in
// the program's pale control colour, with a soft bevel.

#include <QWidget>

class ControlBar : public QWidget {
public:
    explicit ControlBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
