#pragma once
// The canvas over the system's default printer at its full resolution.
// Aborting cancels the job on the printer as far as the driver allows.

#include "print/core/PainterCanvas.h"

#include <QPrinter>

class PrinterCanvas : public PainterCanvas {
public:
    PrinterCanvas();

    void SetTitle(const QString &title) override;
    void Abort() override;
    bool Aborted() const override;

private:
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_aborted = false;
};
