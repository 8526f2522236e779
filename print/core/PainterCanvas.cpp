#include "print/core/PainterCanvas.h"

#include "common/ResultCodes.h"

#include <QPageLayout>

PainterCanvas::PainterCanvas(QPagedPaintDevice &device) : m_device(device), m_pages(&device) {}

PainterCanvas::PainterCanvas(QPaintDevice &device) : m_device(device) {}

int PainterCanvas::PageWidth() const { return m_device.width(); }
int PainterCanvas::PageHeight() const { return m_device.height(); }
double PainterCanvas::PageWidthMm() const { return m_device.widthMM(); }
double PainterCanvas::PageHeightMm() const { return m_device.heightMM(); }
int PainterCanvas::DpiX() const { return m_device.logicalDpiX(); }
int PainterCanvas::DpiY() const { return m_device.logicalDpiY(); }

void PainterCanvas::SetPortrait()
{
    if (m_pages)
        m_pages->setPageOrientation(QPageLayout::Portrait);
}

void PainterCanvas::SetLandscape()
{
    if (m_pages)
        m_pages->setPageOrientation(QPageLayout::Landscape);
}

void PainterCanvas::SetPen(const QColor &colour, int width)
{
    m_pen = QPen(colour, width);
    if (m_painter.isActive())
        m_painter.setPen(m_pen);
}

void PainterCanvas::SetBrush(const QColor &colour, BrushStyle style)
{
    m_brush = style == BrushStyle::Solid ? QBrush(colour) : QBrush(Qt::NoBrush);
    if (m_painter.isActive())
        m_painter.setBrush(m_brush);
}

QFont PainterCanvas::ToQFont(const PrintFont &font)
{
    // The face stays the default one; only size, style and pitch are chosen.
    QFont qfont;
    qfont.setPointSize(font.size);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    qfont.setItalic(font.italic);
    if (font.pitch != FontPitch::Default) {
        const bool fixed = font.pitch == FontPitch::Fixed;
        qfont.setFixedPitch(fixed);
        qfont.setStyleHint(fixed ? QFont::Monospace : QFont::AnyStyle);
    }
    return qfont;
}

void PainterCanvas::SetFont(const PrintFont &font)
{
    m_font = font;
    m_qfont = ToQFont(font);
    m_metrics.reset();
    if (m_painter.isActive())
        m_painter.setFont(m_qfont);
}

const QFontMetrics &PainterCanvas::Metrics()
{
    if (!m_metrics)
        m_metrics.emplace(m_qfont, &m_device);
    return *m_metrics;
}

int PainterCanvas::TextWidth(const QString &text)
{
    return Metrics().horizontalAdvance(text);
}

int PainterCanvas::TextHeight(const QString &)
{
    // The cell height of the font, whatever the text, as printers measure it.
    return Metrics().height();
}

void PainterCanvas::TextRect(const QRect &clip, int x, int y, const QString &text, TextBackground background)
{
    m_painter.save();
    m_painter.setClipRect(clip);
    if (background == TextBackground::Opaque && m_brush.style() != Qt::NoBrush)
        m_painter.fillRect(clip, m_brush.color());
    m_painter.setPen(m_font.colour);
    m_painter.drawText(x, y + Metrics().ascent(), text);
    m_painter.restore();
}

void PainterCanvas::Line(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::Rectangle(const QRect &rect)
{
    // The frame lies inside the rectangle, as the right and bottom edges are outside it.
    m_painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

int PainterCanvas::Begin()
{
    if (!m_painter.begin(&m_device))
        return rcUnexpectedError;
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
    m_painter.setFont(m_qfont);
    return rcOK;
}

void PainterCanvas::NewPage()
{
    if (m_pages)
        m_pages->newPage();
}

int PainterCanvas::End()
{
    if (m_painter.isActive())
        m_painter.end();
    return rcOK;
}
