#include "print/PrintProgressDialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

QString ProgressText(PrintedItems items)
{
    switch (items) {
    case PrintedItems::Labels: return QStringLiteral("Odstampano %1 od %2 nalepnica");
    case PrintedItems::Boards: return QStringLiteral("Odstampano %1 od %2 tabli");
    case PrintedItems::Elements: break;
    }
    return QStringLiteral("Odstampano %1 od %2 elemenata");
}

QString Title(PrintedItems items)
{
    switch (items) {
    case PrintedItems::Labels: return QStringLiteral("Stampanje nalepnica");
    case PrintedItems::Boards: return QStringLiteral("Stampanje plana secenja");
    case PrintedItems::Elements: break;
    }
    return QStringLiteral("Stampanje spiska elemenata");
}

} // namespace

PrintProgressDialog::PrintProgressDialog(PrintCanvas &canvas, QWidget *parent, PrintedItems items)
    : QProgressDialog(parent),
      m_progressText(ProgressText(items))
{
    setWindowTitle(Title(items));
    setCancelButtonText(QStringLiteral("Prekini"));
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setAutoReset(false);
    setAutoClose(false);
    connect(this, &QProgressDialog::canceled, this, [&canvas] { canvas.Abort(); });
    QCoreApplication::instance()->installEventFilter(this);
}

void PrintProgressDialog::Step(int printed, int total)
{
    if (!isVisible())
        show();
    setLabelText(m_progressText.arg(printed).arg(total));
    setMaximum(total);
    setValue(printed);
    QCoreApplication::processEvents();
}

bool PrintProgressDialog::IsOwnTarget(QObject *watched) const
{
    if (watched == windowHandle())
        return true;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    return widget && (widget == this || isAncestorOf(widget));
}

bool PrintProgressDialog::eventFilter(QObject *watched, QEvent *event)
{
    return IsUserInput(event->type()) && !IsOwnTarget(watched);
}
