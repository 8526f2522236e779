#include "print/core/FontFit.h"

#include <algorithm>

namespace {

QSize MeasureOnCanvas(PrintCanvas &canvas, const QString &text, const PrintFont &font)
{
    canvas.SetFont(font);
    return QSize(canvas.TextWidth(text), canvas.TextHeight(text));
}

int StyleBits(const PrintFont &font)
{
    return (font.bold ? 1 : 0) | (font.underline ? 2 : 0) | (font.italic ? 4 : 0)
        | (static_cast<int>(font.pitch) << 3);
}

} // namespace

QSize TextMeasureCache::Measure(PrintCanvas &canvas, const QString &text, const PrintFont &font)
{
    const Key key{text, font.size, StyleBits(font)};
    const auto found = m_measures.constFind(key);
    if (found != m_measures.constEnd())
        return *found;
    const QSize measured = MeasureOnCanvas(canvas, text, font);
    m_measures.insert(key, measured);
    return measured;
}

int FitFontSize(PrintCanvas &canvas, const QString &text, int maxWidth, int maxHeight, int cap,
                TextMeasureCache *cache)
{
    const PrintFont original = canvas.Font();
    PrintFont trial = original;
    int size = 1;
    for (;; ++size) {
        if (cap != 0 && size > cap)
            break;
        trial.size = size;
        const QSize measured = cache ? cache->Measure(canvas, text, trial) : MeasureOnCanvas(canvas, text, trial);
        if (measured.width() >= maxWidth || measured.height() >= maxHeight)
            break;
    }
    if (canvas.Font().size != original.size)
        canvas.SetFont(original);
    return std::max(1, size - 1);
}
