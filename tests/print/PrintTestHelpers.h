#pragma once
// Printouts on the recording canvas (2400 x 3300 dots at 300 dpi unless told)
// and the calls the tests look for in them.

#include "print/core/ElementListPrintout.h"
#include "support/Elements.h"
#include "support/RecordingCanvas.h"

#include "common/ResultCodes.h"

#include <algorithm>
#include <vector>

inline TElementList NumberedList(int count)
{
    TElementList list;
    ClearList(list);
    for (int i = 0; i < count; ++i)
        list[i] = MakeElement(100 + i, 50 + i % 700, static_cast<std::uint16_t>(1 + i % 5), "EL" + std::to_string(i));
    return list;
}

inline std::vector<CanvasCall> TextsOf(const RecordingCanvas &canvas, const QString &text)
{
    std::vector<CanvasCall> found;
    std::copy_if(canvas.Calls().begin(), canvas.Calls().end(), std::back_inserter(found),
                 [&](const CanvasCall &call) { return call.kind == CanvasCall::Kind::Text && call.text == text; });
    return found;
}

inline int CountOf(const RecordingCanvas &canvas, CanvasCall::Kind kind)
{
    return static_cast<int>(std::count_if(canvas.Calls().begin(), canvas.Calls().end(),
                                           [&](const CanvasCall &call) { return call.kind == kind; }));
}

// The right edge of a canvas rectangle, outside it.
inline int RightOf(const QRect &rect) { return rect.x() + rect.width(); }
inline int BottomOf(const QRect &rect) { return rect.y() + rect.height(); }
