#include "dialogs/AboutPicture.h"

#include <QPainter>

namespace {

// Parts on a board of 28 x 20 units: left, top, length, width.
constexpr int kBoardUnitsAcross = 28;
constexpr int kBoardUnitsDown = 20;
constexpr int kParts[][4] = {
    {1, 1, 12, 8}, {14, 1, 13, 5}, {14, 7, 6, 6}, {21, 7, 6, 6}, {1, 10, 8, 9}, {10, 10, 3, 9}, {14, 14, 13, 5},
};

} // namespace

QImage DrawAboutPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF board = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6);
    const double unitX = board.width() / kBoardUnitsAcross;
    const double unitY = board.height() / kBoardUnitsDown;

    painter.setPen(QPen(QColor(110, 70, 30), 2));
    painter.setBrush(QColor(222, 184, 135));
    painter.drawRect(board);
    painter.setPen(QPen(QColor(150, 110, 60), 1));
    for (double y = board.top() + unitY / 2; y < board.bottom(); y += unitY)
        painter.drawLine(QPointF(board.left() + 1, y), QPointF(board.right() - 1, y));

    painter.setPen(QPen(QColor(128, 0, 0), 1.5));
    painter.setBrush(QColor(255, 240, 200));
    for (const auto &part : kParts) {
        painter.drawRect(QRectF(board.left() + part[0] * unitX, board.top() + part[1] * unitY,
                                part[2] * unitX, part[3] * unitY));
    }
    return image;
}
