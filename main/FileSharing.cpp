#include "main/FileSharing.h"

#include "common/DatabaseLock.h"
#include "common/FileFingerprint.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

std::string LocalName(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString ShownName(const QString &fileName)
{
    return QFileInfo(fileName).fileName();
}

QString HolderText(const QString &fileName, const LockHolder &holder)
{
    const QString host = holder.host.empty() ? QStringLiteral("?") : QString::fromStdString(holder.host);
    const QString user = holder.user.empty() ? QStringLiteral("?") : QString::fromStdString(holder.user);
    const QString since = holder.since > 0
        ? QDateTime::fromSecsSinceEpoch(holder.since).toString(QStringLiteral("dd.MM.yyyy. HH:mm"))
        : QStringLiteral("?");
    return QStringLiteral("Baza %1 je otvorena na %2 (%3) od %4. Otvoriti samo za citanje?")
        .arg(ShownName(fileName), host, user, since);
}

QString LockFailureText(const QString &fileName, int code)
{
    return QStringLiteral("Baza %1 je otvorena bez zakljucavanja: drugi korisnici ne vide da je otvorena (%2)")
        .arg(ShownName(fileName), QString::fromLatin1(ResultText(code)));
}

} // namespace

OpenedLock LockForOpening(const CommandContext &context, const QString &fileName)
{
    OpenedLock opened;
    LockAttempt attempt;
    opened.lock = DatabaseLock::Take(LocalName(fileName), attempt);
    switch (attempt.outcome) {
    case LockOutcome::Taken:
        opened.mode = OpenedLock::Mode::Locked;
        break;
    case LockOutcome::NotWritten:
        context.Tell(LockFailureText(fileName, attempt.code));
        opened.mode = OpenedLock::Mode::Unlocked;
        break;
    case LockOutcome::HeldByOther:
        switch (context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNoCancel,
                                           HolderText(fileName, attempt.holder), Platform::Answer::Yes)) {
        case Platform::Answer::Yes: opened.mode = OpenedLock::Mode::ReadOnly; break;
        case Platform::Answer::No: opened.mode = OpenedLock::Mode::Unlocked; break;
        default: opened.mode = OpenedLock::Mode::Cancelled; break;
        }
        break;
    }
    return opened;
}

TForm16 *WindowOfFile(const DocumentManager &documents, const QString &fileName)
{
    for (TForm16 *window : documents.Documents()) {
        if (IsFileOf(window->Model(), fileName))
            return window;
    }
    return nullptr;
}

bool IsFileOf(const Document &document, const QString &fileName)
{
    return !document.FileName().isEmpty() && IsSameFile(LocalName(document.FileName()), LocalName(fileName));
}

bool RefusedAsReadOnly(const CommandContext &context, const Document &document, const QString &fileName)
{
    if (!document.IsReadOnly() || !IsFileOf(document, fileName))
        return false;
    context.desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::Ok,
                               QStringLiteral("Baza %1 je otvorena samo za citanje. Snimite je pod drugim imenom.")
                                   .arg(ShownName(fileName)));
    return true;
}

void TakeOverFile(const CommandContext &context, Document &document, const QString &fileName,
                  const FileFingerprint &written)
{
    if (!IsFileOf(document, fileName)) {
        document.ReleaseLock();
        LockAttempt attempt;
        document.HoldLock(DatabaseLock::Take(LocalName(fileName), attempt));
        if (attempt.outcome == LockOutcome::NotWritten)
            context.Tell(LockFailureText(fileName, attempt.code));
        document.SetReadOnly(false);
    }
    document.SetDiskFingerprint(written);
}
