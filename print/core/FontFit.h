#pragma once
// Choosing font sizes that fit a box, trying sizes upwards from 1 point.

#include "print/core/PrintCanvas.h"

#include <QHash>
#include <QSize>

// Text measures by text, style and size, for one canvas: the same text at the
// same size measures the same on every row, so it is measured once.
class TextMeasureCache {
public:
    // Width and height of text in font; sets the canvas's font on a miss.
    QSize Measure(PrintCanvas &canvas, const QString &text, const PrintFont &font);

private:
    struct Key {
        QString text;
        int size;
        int style; // bold, underline, italic and pitch as bits

        bool operator==(const Key &other) const
        {
            return size == other.size && style == other.style && text == other.text;
        }
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.text, key.size, key.style); }

    QHash<Key, QSize> m_measures;
};

// The largest size (at least 1) at which text is narrower than maxWidth and
// lower than maxHeight, not above cap unless cap is 0, in the canvas's current
// style. The canvas's font is left as it was. Without a cache every size is
// measured anew on the canvas.
int FitFontSize(PrintCanvas &canvas, const QString &text, int maxWidth, int maxHeight, int cap,
                TextMeasureCache *cache = nullptr);
