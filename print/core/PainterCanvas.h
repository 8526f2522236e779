#pragma once
// The canvas over a QPainter on a paged device (a PDF writer or a printer), or
// on a window or image being painted, whose one page is the device itself.
// Subclasses own the device and say how the job is titled, ended and aborted.

#include "print/core/PrintCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <optional>

class PainterCanvas : public PrintCanvas {
public:
    int PageWidth() const override;
    int PageHeight() const override;
    double PageWidthMm() const override;
    double PageHeightMm() const override;
    int DpiX() const override;
    int DpiY() const override;
    void SetPortrait() override;
    void SetLandscape() override;

    void SetPen(const QColor &colour, int width) override;
    void SetBrush(const QColor &colour, BrushStyle style) override;
    void SetFont(const PrintFont &font) override;
    PrintFont Font() const override { return m_font; }

    int TextWidth(const QString &text) override;
    int TextHeight(const QString &text) override;
    void TextRect(const QRect &clip, int x, int y, const QString &text, TextBackground background) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(const QRect &rect) override;

    // rcUnexpectedError when the device refuses to start painting.
    int Begin() override;
    void NewPage() override;
    // Ends the painting; rcOK.
    int End() override;

protected:
    // device belongs to the subclass and is only used once it is constructed.
    explicit PainterCanvas(QPagedPaintDevice &device);
    // Without pages: orientation and new pages leave the device as it is.
    explicit PainterCanvas(QPaintDevice &device);

private:
    QPaintDevice &m_device;
    QPagedPaintDevice *m_pages = nullptr;
    QPainter m_painter;
    QPen m_pen{Qt::black};
    QBrush m_brush{Qt::white};
    PrintFont m_font;
    QFont m_qfont = ToQFont(m_font);
    // Of m_qfont on the device; made when first needed, as the device is
    // not yet constructed when this base is.
    std::optional<QFontMetrics> m_metrics;
    const QFontMetrics &Metrics();

    static QFont ToQFont(const PrintFont &font);
};
