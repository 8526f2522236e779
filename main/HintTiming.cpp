#include "main/HintTiming.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QRect>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kWakeUpMs = 50;
constexpr int kShownMs = 600;

// Qt asks the style how long the mouse must rest before a tool tip.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kWakeUpMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// How long a tool tip stays is a property of each widget; showing the widget's
// own tip here gives every control of every window the same short time.
class HintDuration : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), widget->toolTip(), widget, QRect(),
                           kShownMs);
        return true;
    }
};

} // namespace

void InstallHintTiming()
{
    const QString filterName = QStringLiteral("HintDuration");
    if (!qApp->findChild<QObject *>(filterName, Qt::FindDirectChildrenOnly)) {
        auto *filter = new HintDuration(qApp); // owned by the application
        filter->setObjectName(filterName);
        qApp->installEventFilter(filter);
    }
    if (!dynamic_cast<HintTimingStyle *>(QApplication::style()))
        QApplication::setStyle(new HintTimingStyle(QApplication::style()->name())); // the application owns it
}
