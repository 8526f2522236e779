#pragma once
// The dotted frame that shows a keyboard user where the cursor is. It inverts
// what lies under it, so it shows on the selection colours and the grid colour alike.

class QPainter;
class QRect;

void DrawFocusFrame(QPainter &painter, const QRect &rect);
