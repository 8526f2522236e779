#include "dialogs/ElementPreview.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {

const QColor kGrainLines(128, 0, 0);

// The rectangle a desktop canvas fills between two corners: the right and
// bottom edges are outside it.
QRect BetweenCorners(int x1, int y1, int x2, int y2)
{
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    return QRect(r.left(), r.top(), r.width() - 1, r.height() - 1);
}

QRect ElementRect(int height, double lengthScale, double widthScale, std::int32_t along, std::int32_t across)
{
    const int a = static_cast<int>(along * lengthScale);
    const int b = static_cast<int>(across * widthScale);
    return BetweenCorners(1, height - 1, a, height - 1 - b);
}

} // namespace

QImage ClearedPreview(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QApplication::palette().color(QPalette::Button));
    return image;
}

QImage DrawElementPreview(QSize size, const PreviewInput &input)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const QRect board(0, 0, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(Qt::black, 0, Qt::DashDotDotLine));
    painter.setBrush(Qt::white);
    painter.drawRect(board);
    painter.setBrush(QBrush(kGrainLines, Qt::HorPattern));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawRect(board);

    const double sx = double(size.width()) / input.boardLength;
    const double sy = double(size.height()) / input.boardWidth;
    painter.setPen(QPen(Qt::red, 0, Qt::SolidLine));
    painter.setBrush(Qt::yellow);
    painter.drawRect(ElementRect(size.height(), sx, sy, input.length, input.width));
    if (!input.grain)
        painter.drawRect(ElementRect(size.height(), sx, sy, input.width, input.length));
    return image;
}
