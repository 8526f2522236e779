#include "main/Recovery.h"

#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/RecoveryCopies.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QFileInfo>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxTitleBytes = 1024;

// The title the copy's program showed, or nothing when its title file is lost.
QString StoredTitle(const RecoveryCopy &copy)
{
    std::string title;
    if (LoadTextFile(copy.titleName, title, kMaxTitleBytes) != rcOK || title.empty())
        return QString();
    return QString::fromUtf8(title);
}

// "Kuhinja Petrovic, 14:32": what the question names a copy by; the day too
// when it was not written today.
QString CopyLine(const RecoveryCopy &copy)
{
    const QString title = StoredTitle(copy);
    const QDateTime written = QFileInfo(QString::fromStdString(copy.tabName)).lastModified();
    const QString format = written.date() == QDate::currentDate() ? QStringLiteral("HH:mm")
                                                                   : QStringLiteral("dd.MM.yyyy. HH:mm");
    return (title.isEmpty() ? QStringLiteral("Untitled") : title) + QStringLiteral(", ") + written.toString(format);
}

QString Question(const std::vector<RecoveryCopy> &copies)
{
    QStringList lines;
    for (const RecoveryCopy &copy : copies)
        lines << CopyLine(copy);
    return QStringLiteral("Pronadjene su nesacuvane baze iz prethodnog rada (%1): %2.\r"
                          "Da li zelite da ih otvorite? Ako ne, cuvaju se u DATA/SWORK/stare.")
        .arg(copies.size())
        .arg(lines.join(QStringLiteral("; ")));
}

// A copy that cannot be read goes to "stare", and the notice line says so; one
// that stays where it is would be offered at every start: that is told too.
void SetAsideUnreadable(const CommandContext &context, Autosave &autosave, const RecoveryCopy &copy)
{
    const int code = autosave.SetAside(copy);
    if (code == rcOK)
        context.Tell(QStringLiteral("Rezervna kopija \"%1\" se ne moze procitati; premestena je u DATA/SWORK/stare")
                         .arg(QFileInfo(QString::fromStdString(copy.tabName)).fileName()));
    else
        ShowError("Cannot move " + copy.tabName + " aside", code);
}

// Opens the copy in a window of its own, unsaved, the copy from then on its recovery copy.
void Recover(const CommandContext &context, Autosave &autosave, const RecoveryCopy &copy)
{
    DatabaseContents contents;
    const int code = ReadDatabaseContents(copy.tabName, contents);
    if (code != rcOK) {
        ShowError("Error loading database!", code);
        SetAsideUnreadable(context, autosave, copy);
        return;
    }
    const QString title = StoredTitle(copy);
    // Never marked saved, so closing asks.
    const TForm16 *window = context.documents.OpenContents(
        contents, title.isEmpty() ? context.documents.NextUntitledTitle() : title, DocumentManager::Sorting::AsRead,
        DocumentManager::Saved::No);
    autosave.Adopt(window->Model(), copy);
}

} // namespace

void OfferRecovery(const CommandContext &context, Autosave &autosave)
{
    const std::vector<RecoveryCopy> copies = autosave.ClaimAbandonedCopies();
    if (copies.empty())
        return;
    const bool open = context.desktop.MessageBox(Platform::Icon::Question, Platform::Buttons::YesNo, Question(copies))
        == Platform::Answer::Yes;
    for (const RecoveryCopy &copy : copies) {
        if (open) {
            Recover(context, autosave, copy);
        } else if (const int code = autosave.SetAside(copy); code != rcOK) {
            ShowError("Cannot move " + copy.tabName + " aside", code);
        }
    }
}
