#include "document/FocusFrame.h"

#include <QPainter>
#include <QPen>

void DrawFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.restore();
}
