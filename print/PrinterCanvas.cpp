#include "print/PrinterCanvas.h"

#include <QMarginsF>

PrinterCanvas::PrinterCanvas() : PainterCanvas(m_printer) {}

PrinterCanvas::PrinterCanvas(const QPageSize &page) : PainterCanvas(m_printer)
{
    m_printer.setFullPage(true);
    m_printer.setPageSize(page);
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_printer.setPageOrientation(QPageLayout::Portrait);
}

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
