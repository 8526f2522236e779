#pragma once
// The canvas over a window or an image while it is painted, so the screen
// draws with the printouts' own drawing: one page, the device's size, at the
// device's resolution. Begin it in the paint event and End it there.

#include "print/core/PainterCanvas.h"

class ScreenCanvas : public PainterCanvas {
public:
    // device must outlive the canvas.
    explicit ScreenCanvas(QPaintDevice &device) : PainterCanvas(device) {}

    // A screen has no job to title or to abort.
    void SetTitle(const QString &) override {}
    void Abort() override {}
    bool Aborted() const override { return false; }
};
