#include "main/PrintReport.h"

#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "main/CommandContext.h"
#include "main/OpenSaveCommands.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"

#include <QFile>

QString PdfPathOf(const CommandContext &context, const Document &document, const QString &suffix)
{
    MakeDirectory(QFile::encodeName(DataDirectory(context)).toStdString());
    return DataDirectory(context) + QLatin1Char('/') + document.Title() + suffix + QStringLiteral(".pdf");
}

std::optional<QString> ReportPrintResult(const CommandContext &context, const PrintResult &result,
                                         const QString &what)
{
    switch (result.outcome) {
    case PrintResult::Outcome::WrittenToPdf:
        context.desktop.OpenWithDesktop(result.pdfPath);
        return what + QStringLiteral(" je snimljen u ") + result.pdfPath;
    case PrintResult::Outcome::Failed:
        ShowError("Greska prilikom stampanja!", result.code);
        return std::nullopt;
    case PrintResult::Outcome::Printed:
    case PrintResult::Outcome::Cancelled:
        break;
    }
    return std::nullopt;
}
