#include "main/Recovery.h"

#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/ProgramLock.h"
#include "main/RecoveryCopies.h"
#include "platform/Platform.h"

#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::size_t kMaxTitleBytes = 1024;

std::vector<RecoveryCopy> AbandonedCopies(const Autosave &autosave)
{
    std::vector<RecoveryCopy> abandoned;
    for (const RecoveryCopy &copy : ListCopies(autosave.WorkDir())) {
        // Our own lock reads as held, so a namesake's copies are told apart by number.
        const bool alive = copy.pid == ::getpid() ? autosave.Owns(copy)
                                                  : IsProgramRunning(autosave.WorkDir(), copy.pid);
        if (!alive)
            abandoned.push_back(copy);
    }
    return abandoned;
}

// A new window holding the copy, unsaved; null when the copy cannot be read.
TForm16 *OpenCopy(const CommandContext &context, const RecoveryCopy &copy)
{
    DatabaseContents contents;
    const int code = ReadDatabaseContents(copy.tabName, contents);
    if (code != rcOK) {
        ShowError("Error loading database!", code);
        return nullptr;
    }
    std::string title;
    const QString shownTitle = LoadTextFile(copy.titleName, title, kMaxTitleBytes) == rcOK && !title.empty()
        ? QString::fromUtf8(title)
        : context.documents.NextUntitledTitle();
    // Never marked saved, so closing asks.
    return context.documents.OpenContents(contents, shownTitle, DocumentManager::Sorting::AsRead,
                                          DocumentManager::Saved::No);
}

// A copy that stays where it is would be offered at every start: that is told.
void SetAside(const Autosave &autosave, const RecoveryCopy &copy)
{
    const int code = MoveAside(autosave.WorkDir(), copy);
    if (code != rcOK)
        ShowError("Cannot move " + copy.tabName + " aside", code);
}

void Recover(const CommandContext &context, Autosave &autosave, const RecoveryCopy &copy)
{
    TForm16 *document = OpenCopy(context, copy);
    // The old copy goes only once the window's own copy is on disk.
    if (document == nullptr || autosave.WriteNow(document->Model()) != rcOK || RemoveCopy(copy) != rcOK)
        SetAside(autosave, copy);
}

} // namespace

void OfferRecovery(const CommandContext &context, Autosave &autosave)
{
    const std::vector<RecoveryCopy> copies = AbandonedCopies(autosave);
    if (copies.empty())
        return;
    const QString question = QStringLiteral("Pronadjene su nesacuvane baze iz prethodnog rada (")
        + QString::number(copies.size()) + QStringLiteral("). Da li zelite da ih otvorite?");
    const bool open = context.desktop.MessageBox(Platform::Icon::Question, Platform::Buttons::YesNo, question)
        == Platform::Answer::Yes;
    std::set<pid_t> programs;
    for (const RecoveryCopy &copy : copies) {
        if (open)
            Recover(context, autosave, copy);
        else
            SetAside(autosave, copy);
        programs.insert(copy.pid);
    }
    programs.erase(::getpid());
    for (pid_t pid : programs)
        RemoveStaleLock(autosave.WorkDir(), pid);
}
