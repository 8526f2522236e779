#pragma once
// A drawing surface measured in device dots, page by page: what the printout
// needs from a printer, a PDF writer or a test's recorder. Rectangles are
// QRect(left, top, right - left, bottom - top): right and bottom lie outside.

#include <QColor>
#include <QRect>
#include <QString>

enum class FontPitch { Default, Fixed, Variable };

struct PrintFont {
    int size = 10; // points
    bool bold = false;
    bool underline = false;
    bool italic = false;
    FontPitch pitch = FontPitch::Default;
    QColor colour = Qt::black;

    bool operator==(const PrintFont &other) const
    {
        return size == other.size && bold == other.bold && underline == other.underline
            && italic == other.italic && pitch == other.pitch && colour == other.colour;
    }
};

enum class BrushStyle { Solid, None };
// Opaque text first fills its clip rectangle with the brush colour.
enum class TextBackground { Transparent, Opaque };

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    virtual int PageWidth() const = 0; // dots
    virtual int PageHeight() const = 0;
    virtual double PageWidthMm() const = 0;
    virtual double PageHeightMm() const = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual void SetPortrait() = 0;
    virtual void SetLandscape() = 0;
    virtual void SetTitle(const QString &title) = 0;

    virtual void SetPen(const QColor &colour, int width) = 0;
    virtual void SetBrush(const QColor &colour, BrushStyle style) = 0;
    virtual void SetFont(const PrintFont &font) = 0;
    virtual PrintFont Font() const = 0;

    // In the current font, dots.
    virtual int TextWidth(const QString &text) = 0;
    virtual int TextHeight(const QString &text) = 0;
    // (x, y) is the top left of the text; nothing shows outside clip.
    virtual void TextRect(const QRect &clip, int x, int y, const QString &text, TextBackground background) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Filled with the brush, framed with the pen.
    virtual void Rectangle(const QRect &rect) = 0;

    // Begin and End return the program's result codes; End is called once Begin
    // succeeded, also after an abort.
    virtual int Begin() = 0;
    virtual void NewPage() = 0;
    virtual int End() = 0;
    virtual void Abort() = 0;
    virtual bool Aborted() const = 0;
};

// The rectangle between two edges of each direction, as the canvas takes it.
inline QRect DotsRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
