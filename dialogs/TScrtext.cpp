#include "dialogs/TScrtext.h"

#include <QFontMetrics>
#include <QHideEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

TScrollingText::TScrollingText(QWidget *parent) : QFrame(parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    resize(100, 30);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
}

TScrollingText::~TScrollingText()
{
    StopScrolling();
}

void TScrollingText::StartScrolling()
{
    Position = 1;
    if (!m_timer.isActive())
        m_timer.start(Timer, this);
}

void TScrollingText::StopScrolling()
{
    m_timer.stop();
}

void TScrollingText::ScrollStep()
{
    ++Position;
    DrawScroll(Position);
}

TScrollingText::Line TScrollingText::LineAt(int n) const
{
    const QFontMetrics metrics(font());
    const int k = std::clamp(n, 0, static_cast<int>(Text.size()));
    Line line;
    line.shown = Text.left(k) + QString(std::max(0, n - k), QLatin1Char(' '));
    line.x = width() - metrics.horizontalAdvance(line.shown) - 1;
    line.y = (height() - metrics.height()) / 2;
    line.leftControl = metrics.horizontalAdvance(Text) + line.x < 0;
    return line;
}

void TScrollingText::DrawScroll(int n)
{
    if (LineAt(n).leftControl)
        Position = 0;
    update();
}

void TScrollingText::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const Line line = LineAt(Position);
    QPainter painter(this);
    const QRect strip(1, 1, width() - 2, height() - 2);
    painter.fillRect(strip, palette().color(QPalette::Button));
    painter.setClipRect(strip);
    painter.setPen(TextColor);
    const QFontMetrics metrics(font());
    painter.drawText(line.x, line.y + metrics.ascent(), Text);
}

void TScrollingText::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QFrame::timerEvent(event);
        return;
    }
    ScrollStep();
}

void TScrollingText::hideEvent(QHideEvent *event)
{
    // A minimised window hides its children only for a while: the text goes on
    // once it is back. Hiding the panel or closing its window stops it.
    if (!event->spontaneous())
        StopScrolling();
    QFrame::hideEvent(event);
}
