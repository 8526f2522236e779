#include "document/UnitLabel.h"

#include "common/Conversions.h"
#include "common/Settings.h"
#include "platform/Colours.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kSmallestPointSize = 6;
constexpr int kLargestPointSize = 20;
constexpr int kRightMargin = 5;

} // namespace

QString UnitLabelText(std::int32_t unit)
{
    switch (unit) {
    case UnitMm:
        return QStringLiteral("mm");
    case UnitCm:
        return QStringLiteral("cm");
    case UnitM:
        return QStringLiteral("m");
    default:
        return QString();
    }
}

UnitLabel::UnitLabel(const TSettings &settings, QWidget *parent) : QWidget(parent), m_settings(settings)
{
}

QFont UnitLabel::LabelFont(int pointSize) const
{
    QFont font = this->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

int UnitLabel::FittedPointSize() const
{
    const QString text = UnitLabelText(m_settings.Unit());
    // Grow while the text still fits, then step back once.
    int size = kSmallestPointSize;
    for (;;) {
        const QFontMetrics metrics(LabelFont(size));
        // The right margin counts: a text as wide as the box would start left of it, cut off.
        if (!(metrics.horizontalAdvance(text) + kRightMargin < width() && metrics.height() < height()
              && size < kLargestPointSize))
            break;
        ++size;
    }
    return size - 1;
}

void UnitLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor panel = parentWidget() != nullptr ? parentWidget()->palette().color(QPalette::Window)
                                                   : palette().color(QPalette::Window);
    // The label reaches down onto the bevel of the panel it sits on; the bevel stays whole.
    QRect face = rect();
    if (const auto *frame = qobject_cast<const QFrame *>(parentWidget()))
        face &= frame->contentsRect().translated(-pos());
    painter.setClipRect(face);
    painter.fillRect(face, panel);

    const QString text = UnitLabelText(m_settings.Unit());
    const QFont font = LabelFont(FittedPointSize());
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(ColourFromWindows(m_settings.SelectedBackColour()));
    const int x = width() - metrics.horizontalAdvance(text) - kRightMargin;
    const int y = height() / 2 - metrics.height() / 2;
    painter.drawText(x, y + metrics.ascent(), text);
}

void UnitLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Only the left button's double click switches, as on any other control.
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit DoubleClicked();
}
