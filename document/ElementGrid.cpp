#include "document/ElementGrid.h"

#include "document/FocusFrame.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// X11 and Wayland key codes of the digit row: evdev KEY_1..KEY_6 (2..7) plus 8.
constexpr quint32 kScanCodeOfOne = 10;
constexpr int kHighestDigit = 6;

} // namespace

int MainKeyboardDigit(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier)
        return 0;
    if (event.key() >= Qt::Key_1 && event.key() < Qt::Key_1 + kHighestDigit)
        return event.key() - Qt::Key_0;
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= kScanCodeOfOne && scanCode < kScanCodeOfOne + kHighestDigit)
        return static_cast<int>(scanCode - kScanCodeOfOne) + 1;
    return 0;
}

void ElementGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return;
    const int lastColumn = model()->columnCount() - 1;
    const QRect row = visualRect(model()->index(current.row(), 0))
                          .united(visualRect(model()->index(current.row(), lastColumn)));
    QPainter painter(viewport());
    DrawFocusFrame(painter, row);
}
