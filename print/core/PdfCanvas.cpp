#include "print/core/PdfCanvas.h"

#include "common/AtomicFile.h"
#include "common/ResultCodes.h"

#include <QMarginsF>

#include <utility>

PdfCanvas::PdfCanvas(std::string fileName, int dotsPerInch, const QPageSize &pageSize)
    : PainterCanvas(m_writer), m_fileName(std::move(fileName))
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setPageSize(pageSize);
    m_writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_writer.setPageOrientation(QPageLayout::Portrait);
    m_writer.setResolution(dotsPerInch);
}

void PdfCanvas::SetTitle(const QString &title)
{
    m_writer.setTitle(title);
}

int PdfCanvas::End()
{
    PainterCanvas::End();
    if (m_aborted)
        return rcOK;
    return WriteFileAtomically(m_fileName, m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()));
}
