#include "main/SaveQuestions.h"

#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "document/Document.h"
#include "platform/Platform.h"

#include <QFile>

#include <optional>

namespace {

std::string LocalName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

// The one question about the file: whether an existing one may be replaced.
std::optional<QString> FileQuestion(const QString &fileName)
{
    if (!FileExists(LocalName(fileName)))
        return std::nullopt;
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
    for (const std::optional<QString> &question : {FileQuestion(fileName), FormatQuestion(document, fileName)}) {
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
