#pragma once
// The entry dialog's preview: the usable board, white with maroon grain lines in a
// dash-dot-dot border, and the typed element in red and yellow in its bottom left
// corner, scaled to the picture.

#include <QImage>

#include <cstdint>

struct PreviewInput {
    std::int32_t boardLength = 0; // usable board, mm; both above 0
    std::int32_t boardWidth = 0;
    std::int32_t length = 0;      // the element, mm
    std::int32_t width = 0;
    bool grain = false;           // off: the element is drawn turned as well
};

QImage DrawElementPreview(QSize size, const PreviewInput &input);
// A picture of the face colour alone.
QImage ClearedPreview(QSize size);
