#pragma once
// The canvas over a PDF writer: A4 (or the page given) portrait without margins, the pages kept in
// memory and saved atomically to the file at End. An aborted job writes nothing,
// so a cancelled PDF is never left behind and an older file of that name survives.

#include "print/core/PainterCanvas.h"

#include <QBuffer>
#include <QPageSize>
#include <QByteArray>
#include <QPdfWriter>

#include <string>

class PdfCanvas : public PainterCanvas {
public:
    explicit PdfCanvas(std::string fileName, int dotsPerInch = 300,
                       const QPageSize &pageSize = QPageSize(QPageSize::A4));

    void SetTitle(const QString &title) override;
    // rcOK, also when aborted; otherwise the code of WriteFileAtomically.
    int End() override;
    void Abort() override { m_aborted = true; }
    bool Aborted() const override { return m_aborted; }

private:
    std::string m_fileName;
    QByteArray m_bytes;
    QBuffer m_buffer{&m_bytes};
    QPdfWriter m_writer{&m_buffer};
    bool m_aborted = false;
};
