#include "main/ToolPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kWidth = 21;
constexpr int kHeight = 19;
const QColor kOutline(64, 64, 72);

void DrawPage(QPainter &p)
{
    QPainterPath page;
    page.moveTo(4.5, 1.5);
    page.lineTo(12.5, 1.5);
    page.lineTo(16.5, 5.5);
    page.lineTo(16.5, 17.5);
    page.lineTo(4.5, 17.5);
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(214, 220, 232));
    p.drawPolygon(QPolygonF({QPointF(12.5, 1.5), QPointF(12.5, 5.5), QPointF(16.5, 5.5)}));
}

void DrawNewFile(QPainter &p)
{
    DrawPage(p);
    // A small spark: the page is new.
    p.setPen(QPen(QColor(240, 170, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 10.0), QPointF(15.5, 17.0));
    p.drawLine(QPointF(12.0, 13.5), QPointF(19.0, 13.5));
    p.setPen(QPen(QColor(240, 170, 20), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.2, 11.2), QPointF(17.8, 15.8));
    p.drawLine(QPointF(17.8, 11.2), QPointF(13.2, 15.8));
}

void DrawOpenFile(QPainter &p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(222, 168, 56));
    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(9.5, 6.5);
    back.lineTo(17.5, 6.5);
    back.lineTo(17.5, 16.5);
    back.lineTo(1.5, 16.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 212, 100));
    p.drawPolygon(QPolygonF({QPointF(4.5, 9.5), QPointF(20.0, 9.5), QPointF(17.5, 16.5), QPointF(1.5, 16.5)}));
}

void DrawSaveFile(QPainter &p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(52, 102, 190));
    p.drawRoundedRect(QRectF(2.5, 1.5, 15, 16), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    p.drawLine(QPointF(7, 3.5), QPointF(13, 3.5));
    p.drawLine(QPointF(7, 5.5), QPointF(13, 5.5));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(200, 206, 216));
    p.drawRect(QRectF(5.5, 11.5, 9, 6));
    p.setBrush(QColor(52, 102, 190));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(11, 12.5, 2, 4));
}

void DrawAddElements(QPainter &p)
{
    // A short list of parts with a green plus.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 15));
    p.setPen(QPen(QColor(110, 130, 170), 1));
    for (double y = 5.5; y < 16; y += 3)
        p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
    p.setPen(QPen(QColor(30, 110, 40), 1));
    p.setBrush(QColor(60, 170, 70));
    p.drawEllipse(QRectF(10.5, 8.5, 9, 9));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15, 10.3), QPointF(15, 15.7));
    p.drawLine(QPointF(12.3, 13), QPointF(17.7, 13));
}

void DrawAbout(QPainter &p)
{
    p.setPen(QPen(QColor(30, 70, 150), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(2.0, 1.0, 17, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9.3, 4.0, 2.6, 2.6));
    p.drawRoundedRect(QRectF(9.4, 8.0, 2.4, 7.0), 0.8, 0.8);
}

void DrawPrint(QPainter &p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 10, 6));
    p.setBrush(QColor(150, 156, 168));
    p.drawRoundedRect(QRectF(1.5, 7.5, 18, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 12.5, 10, 5));
    p.setPen(QPen(QColor(120, 130, 160), 1));
    p.drawLine(QPointF(7, 14.5), QPointF(14, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QRectF(15.5, 9.0, 2.2, 2.2));
}

void Draw(ToolPicture picture, QPainter &p)
{
    switch (picture) {
    case ToolPicture::NewFile: DrawNewFile(p); break;
    case ToolPicture::OpenFile: DrawOpenFile(p); break;
    case ToolPicture::SaveFile: DrawSaveFile(p); break;
    case ToolPicture::AddElements: DrawAddElements(p); break;
    case ToolPicture::About: DrawAbout(p); break;
    case ToolPicture::Print: DrawPrint(p); break;
    }
}

// The normal look is the hot one with most of its colour taken out.
void Quieten(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int grey = qGray(c);
            auto mix = [grey](int channel) { return (channel * 2 + grey * 3) / 5; };
            line[x] = qRgba(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)), qAlpha(c));
        }
    }
}

QPixmap Render(ToolPicture picture, int scale, bool hot)
{
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        Draw(picture, painter);
    }
    if (!hot)
        Quieten(image);
    return QPixmap::fromImage(image);
}

} // namespace

QIcon ToolIcon(ToolPicture picture)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        icon.addPixmap(Render(picture, scale, false), QIcon::Normal);
        icon.addPixmap(Render(picture, scale, true), QIcon::Active);
    }
    return icon;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(QColor(120, 80, 40), 1));
        p.setBrush(QColor(226, 184, 128));
        p.drawRect(QRectF(0.5, 2.5, 15, 11));
        p.setPen(QPen(QColor(150, 100, 50), 0.8));
        p.drawLine(QPointF(9.5, 2.5), QPointF(9.5, 13.5));
        p.drawLine(QPointF(0.5, 8.5), QPointF(9.5, 8.5));
        p.drawLine(QPointF(9.5, 6.5), QPointF(15.5, 6.5));
        p.drawLine(QPointF(5, 8.5), QPointF(5, 13.5));
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
