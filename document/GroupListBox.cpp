#include "document/GroupListBox.h"

#include "document/FocusFrame.h"

#include <QPainter>

void GroupListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus() || count() > 0)
        return;
    QPainter painter(viewport());
    DrawFocusFrame(painter, viewport()->rect());
}
