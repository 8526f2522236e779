#include "main/ControlBar.h"

#include "platform/Colours.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kHeight = 36;
} // namespace

ControlBar::ControlBar(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(kHeight);
}

void ControlBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = ColourFromWindows(kDesignColour);
    // A faint fall from light to the bar colour stands in for the band's bitmap.
    QLinearGradient fall(0, 0, 0, height());
    fall.setColorAt(0, colour.lighter(104));
    fall.setColorAt(1, colour.darker(103));
    painter.fillRect(rect(), fall);
    // Soft bevel: light above, shadow below.
    painter.setPen(colour.lighter(110));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(colour.darker(115));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
