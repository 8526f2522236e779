#include "platform/FormWidgets.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

QLabel *LabelAt(const QString &caption, int left, int top, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

void SetBaseColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}
