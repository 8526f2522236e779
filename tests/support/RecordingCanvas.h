#pragma once
// A canvas that draws nothing: it records every drawing and document call with
// its coordinates, text and the pen, brush and font it was made with, and
// measures text by a fixed formula, so a layout can be checked dot by dot.

#include "print/core/PrintCanvas.h"

#include <QPoint>

#include <vector>

struct CanvasCall {
    enum class Kind { Begin, NewPage, End, Text, Line, Rectangle };
    Kind kind;
    QRect rect;    // Text: the clip; Rectangle: the rectangle
    QPoint from;   // Text: its top left; Line: its start
    QPoint to;     // Line: its end
    QString text;
    TextBackground background = TextBackground::Transparent;
    QColor penColour;
    int penWidth = 0;
    QColor brushColour;
    BrushStyle brushStyle = BrushStyle::Solid;
    PrintFont font;

    bool operator==(const CanvasCall &other) const;
};

class RecordingCanvas : public PrintCanvas {
public:
    explicit RecordingCanvas(int pageWidth = 2400, int pageHeight = 3300, int dotsPerInch = 300);

    int PageWidth() const override { return m_pageWidth; }
    int PageHeight() const override { return m_pageHeight; }
    double PageWidthMm() const override { return m_pageWidth * 25.4 / m_dotsPerInch; }
    double PageHeightMm() const override { return m_pageHeight * 25.4 / m_dotsPerInch; }
    int DpiX() const override { return m_dotsPerInch; }
    int DpiY() const override { return m_dotsPerInch; }
    void SetPortrait() override { m_portrait = true; }
    // Turns the page: the longer side across.
    void SetLandscape() override;
    void SetTitle(const QString &title) override { m_title = title; }

    void SetPen(const QColor &colour, int width) override;
    void SetBrush(const QColor &colour, BrushStyle style) override;
    void SetFont(const PrintFont &font) override { m_font = font; }
    PrintFont Font() const override { return m_font; }

    // Half an em per character (a tenth more when bold); 1.2 em high.
    int TextWidth(const QString &text) override;
    int TextHeight(const QString &text) override;
    void TextRect(const QRect &clip, int x, int y, const QString &text, TextBackground background) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(const QRect &rect) override;

    int Begin() override;
    void NewPage() override;
    int End() override;
    void Abort() override { m_aborted = true; }
    bool Aborted() const override { return m_aborted; }

    const std::vector<CanvasCall> &Calls() const { return m_calls; }
    int Measurements() const { return m_measurements; }
    bool Portrait() const { return m_portrait; }
    bool Landscape() const { return m_landscape; }
    const QString &Title() const { return m_title; }

private:
    CanvasCall Call(CanvasCall::Kind kind) const;

    int m_pageWidth;
    int m_pageHeight;
    int m_dotsPerInch;
    bool m_portrait = false;
    bool m_landscape = false;
    QString m_title;
    QColor m_penColour = Qt::black;
    int m_penWidth = 1;
    QColor m_brushColour = Qt::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    PrintFont m_font;
    bool m_aborted = false;
    int m_measurements = 0;
    std::vector<CanvasCall> m_calls;
};
