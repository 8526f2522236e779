#include "main/SaveQuestions.h"

#include "common/DatabaseFile.h"
#include "common/FileFingerprint.h"
#include "common/FileUtils.h"
#include "document/Document.h"
#include "main/FileSharing.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

std::string LocalName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

// The one question about the file: whether the document's own file, changed
// on disk since it was read or written, may be replaced; else whether an
// existing file may be.
std::optional<QString> FileQuestion(const Document &document, const QString &fileName)
{
    if (!FileExists(LocalName(fileName)))
        return std::nullopt;
    if (IsFileOf(document, fileName)
        && CompareWithDisk(LocalName(fileName), document.DiskFingerprint()) != DiskState::Unchanged)
        return QStringLiteral("Baza %1 je u medjuvremenu promenjena na disku. Zameniti je?")
            .arg(QFileInfo(fileName).fileName());
    return QStringLiteral("Fajl \"") + fileName + QStringLiteral("\" vec postoji.\rDa li zelite da ga zamenite?");
}

std::optional<QString> FormatQuestion(const Document &document, const QString &fileName)
{
    if (!IsUniversalFileName(LocalName(fileName)) || !UniversalFileLoses(document.Contents()))
        return std::nullopt;
    return QStringLiteral("Format .tun ne cuva grupe i oznake duze od 15 znakova. Snimiti ipak?");
}

} // namespace

QStringList SaveQuestions(const Document &document, const QString &fileName)
{
    QStringList questions;
    for (const std::optional<QString> &question : {FileQuestion(document, fileName), FormatQuestion(document, fileName)}) {
        if (question)
            questions << *question;
    }
    return questions;
}

bool ConfirmSave(Platform &desktop, const Document &document, const QString &fileName)
{
    for (const QString &question : SaveQuestions(document, fileName)) {
        if (desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo, question, Platform::Answer::No)
            != Platform::Answer::Yes)
            return false;
    }
    return true;
}
