#include "support/RecordingCanvas.h"

#include "common/ResultCodes.h"

#include <utility>

bool CanvasCall::operator==(const CanvasCall &other) const
{
    return kind == other.kind && rect == other.rect && from == other.from && to == other.to
        && text == other.text && background == other.background && penColour == other.penColour
        && penWidth == other.penWidth && brushColour == other.brushColour
        && brushStyle == other.brushStyle && font == other.font;
}

RecordingCanvas::RecordingCanvas(int pageWidth, int pageHeight, int dotsPerInch)
    : m_pageWidth(pageWidth), m_pageHeight(pageHeight), m_dotsPerInch(dotsPerInch)
{
}

void RecordingCanvas::SetLandscape()
{
    m_landscape = true;
    if (m_pageWidth < m_pageHeight)
        std::swap(m_pageWidth, m_pageHeight);
}

void RecordingCanvas::SetPen(const QColor &colour, int width)
{
    m_penColour = colour;
    m_penWidth = width;
}

void RecordingCanvas::SetBrush(const QColor &colour, BrushStyle style)
{
    m_brushColour = colour;
    m_brushStyle = style;
}

int RecordingCanvas::TextWidth(const QString &text)
{
    ++m_measurements;
    const int perMille = m_font.bold ? 1100 : 1000;
    return static_cast<int>(static_cast<long long>(text.size()) * m_font.size * m_dotsPerInch * perMille
                            / (144 * 1000));
}

int RecordingCanvas::TextHeight(const QString &)
{
    ++m_measurements;
    return m_font.size * m_dotsPerInch / 60;
}

CanvasCall RecordingCanvas::Call(CanvasCall::Kind kind) const
{
    return CanvasCall{kind, {}, {}, {}, {}, TextBackground::Transparent, m_penColour, m_penWidth,
                      m_brushColour, m_brushStyle, m_font};
}

void RecordingCanvas::TextRect(const QRect &clip, int x, int y, const QString &text, TextBackground background)
{
    CanvasCall call = Call(CanvasCall::Kind::Text);
    call.rect = clip;
    call.from = QPoint(x, y);
    call.text = text;
    call.background = background;
    m_calls.push_back(call);
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2)
{
    CanvasCall call = Call(CanvasCall::Kind::Line);
    call.from = QPoint(x1, y1);
    call.to = QPoint(x2, y2);
    m_calls.push_back(call);
}

void RecordingCanvas::Rectangle(const QRect &rect)
{
    CanvasCall call = Call(CanvasCall::Kind::Rectangle);
    call.rect = rect;
    m_calls.push_back(call);
}

int RecordingCanvas::Begin()
{
    m_calls.push_back(Call(CanvasCall::Kind::Begin));
    return rcOK;
}

void RecordingCanvas::NewPage()
{
    m_calls.push_back(Call(CanvasCall::Kind::NewPage));
}

int RecordingCanvas::End()
{
    m_calls.push_back(Call(CanvasCall::Kind::End));
    return rcOK;
}
