#include "print/PrinterCanvas.h"

PrinterCanvas::PrinterCanvas() : PainterCanvas(m_printer) {}

void PrinterCanvas::SetTitle(const QString &title)
{
    m_printer.setDocName(title);
}

void PrinterCanvas::Abort()
{
    m_aborted = true;
    m_printer.abort();
}

bool PrinterCanvas::Aborted() const
{
    return m_aborted || m_printer.printerState() == QPrinter::Aborted;
}
