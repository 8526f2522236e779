#pragma once
// The canvas over the system's default printer at its full resolution.
// Aborting cancels the job on the printer as far as the driver allows.
// Given a page, the whole sheet of that size is the canvas, margins and all,
// as label stock needs.

#include "print/core/PainterCanvas.h"

#include <QPageSize>
#include <QPrinter>

class PrinterCanvas : public PainterCanvas {
public:
    PrinterCanvas();
    explicit PrinterCanvas(const QPageSize &page);

    void SetTitle(const QString &title) override;
    void Abort() override;
    bool Aborted() const override;

private:
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_aborted = false;
};
