#include "dialogs/DialogHints.h"

#include "platform/Hint.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char *kHintProperty = "mvDialogHint";

} // namespace

void SetDialogHint(QWidget *widget, const QString &hint)
{
    widget->setProperty(kHintProperty, hint);
}

void ShowDialogHints(QWidget *root, bool on)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QVariant hint = widget->property(kHintProperty);
        if (!hint.isValid())
            continue;
        if (on) {
            SetHint(widget, hint.toString());
        } else {
            widget->setToolTip(QString());
            widget->setStatusTip(QString());
        }
    }
}
