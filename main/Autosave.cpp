#include "main/Autosave.h"

#include "common/AtomicFile.h"
#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/DocumentManager.h"
#include "main/ProgramLock.h"

#include <QByteArray>
#include <QTimer>

#include <utility>

#include <unistd.h>

struct Autosave::Watch {
    int number = 0;
    QTimer quiet;
    QTimer longest;
};

Autosave::Autosave(DocumentManager &documents, std::string workDir, FailureReport report, QObject *parent)
    : QObject(parent), m_workDir(std::move(workDir)), m_report(std::move(report))
{
    for (const TForm16 *window : documents.Documents())
        Track(window->Model());
    connect(&documents, &DocumentManager::DocumentCreated, this,
            [this](const TForm16 *window) { Track(window->Model()); });
}

Autosave::~Autosave()
{
    for (auto &[document, watch] : m_watches)
        Discard(*watch);
}

void Autosave::Track(const Document &document)
{
    auto watch = std::make_unique<Watch>();
    watch->number = NextFreeNumber();
    const Document *watched = &document;
    for (QTimer *timer : {&watch->quiet, &watch->longest}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, watched] { TimerFired(*watched); });
    }
    m_watches[watched] = std::move(watch);
    connect(watched, &Document::changed, this, [this, watched] { DocumentChanged(*watched); });
    // Closing deletes the window and its document: dropped or saved, its copy goes with it.
    connect(watched, &QObject::destroyed, this, [this, watched] { Forget(watched); });
}

void Autosave::Forget(const Document *document)
{
    const auto found = m_watches.find(document);
    if (found == m_watches.end())
        return;
    Discard(*found->second);
    m_watches.erase(found);
}

void Autosave::DocumentChanged(const Document &document)
{
    Watch &watch = *m_watches.at(&document);
    if (!document.IsModified()) {
        Discard(watch);
        return;
    }
    watch.quiet.start(m_intervals.quiet);
    if (!watch.longest.isActive())
        watch.longest.start(m_intervals.longest);
}

void Autosave::TimerFired(const Document &document)
{
    Watch &watch = *m_watches.at(&document);
    const int code = Write(document, watch);
    if (code == rcOK)
        return;
    Report(QStringLiteral("Rezervna kopija baze \"") + document.Title() + QStringLiteral("\" nije snimljena"), code);
    watch.longest.start(m_intervals.longest); // tried again, whether or not it changes
}

void Autosave::Report(const QString &what, int code) const
{
    m_report(what + QStringLiteral(". Error: ") + QString::number(code) + QStringLiteral(" [")
             + QString::fromLatin1(ResultText(code)) + QStringLiteral("]"));
}

int Autosave::WriteNow(const Document &document)
{
    return Write(document, *m_watches.at(&document));
}

int Autosave::Write(const Document &document, Watch &watch)
{
    watch.quiet.stop();
    watch.longest.stop();
    int code = LockWorkDir();
    const RecoveryCopy copy = CopyIn(m_workDir, ::getpid(), watch.number);
    // The title first: a copy found without its title would come back untitled.
    if (code == rcOK) {
        const QByteArray title = document.Title().toUtf8();
        code = WriteFileAtomically(copy.titleName, title.constData(), static_cast<std::size_t>(title.size()));
    }
    if (code == rcOK)
        code = WriteDatabaseContents(copy.tabName, document.Contents());
    return code;
}

void Autosave::Discard(Watch &watch)
{
    watch.quiet.stop();
    watch.longest.stop();
    // The number was free when it was given, so whatever bears it is this document's.
    const int code = RemoveCopy(CopyIn(m_workDir, ::getpid(), watch.number));
    if (code != rcOK)
        Report(QStringLiteral("Rezervna kopija nije obrisana"), code);
}

bool Autosave::Owns(const RecoveryCopy &copy) const
{
    if (copy.pid != ::getpid())
        return false;
    if (m_claimed.count(copy.number) > 0)
        return true;
    for (const auto &[document, watch] : m_watches) {
        if (watch->number == copy.number)
            return true;
    }
    return false;
}

std::vector<RecoveryCopy> Autosave::ClaimAbandonedCopies()
{
    std::vector<RecoveryCopy> abandoned;
    for (const RecoveryCopy &copy : ListCopies(m_workDir)) {
        // Our own lock reads as held, so a namesake's copies are told apart by number.
        const bool alive = copy.pid == ::getpid() ? Owns(copy) : IsProgramRunning(m_workDir, copy.pid);
        if (!alive)
            abandoned.push_back(copy);
    }
    const std::vector<InterruptedCopyWrite> interrupted = FindInterruptedCopyWrites(m_workDir);
    if (abandoned.empty() && interrupted.empty())
        return {};
    if (LockWorkDir() != rcOK)
        return {}; // unclaimed copies stay for a program that can lock the folder
    for (const InterruptedCopyWrite &write : interrupted) {
        // A newer whole list is worth more than the copy it was to replace.
        TElementList elements{};
        TElementGroups groups{};
        TDatabaseHeader header{};
        const bool list = write.file.size() > 4 && write.file.compare(write.file.size() - 4, 4, ".tab") == 0;
        const bool whole = !list || ReadDatabaseFile(write.temporary, elements, groups, header) == rcOK;
        if (write.newerThanCopy && whole)
            KeepInterruptedCopyWrite(write);
        else
            DropInterruptedCopyWrite(write);
    }
    std::vector<RecoveryCopy> claimed;
    std::set<pid_t> programs;
    for (const RecoveryCopy &copy : ListCopies(m_workDir)) {
        const bool alive = copy.pid == ::getpid() ? Owns(copy) : IsProgramRunning(m_workDir, copy.pid);
        if (alive)
            continue;
        const RecoveryCopy ours = CopyIn(m_workDir, ::getpid(), NextFreeNumber());
        // Another program starting now may have been quicker: the copy is then its own.
        if (ClaimCopy(copy, ours) != rcOK)
            continue;
        m_claimed.insert(ours.number);
        claimed.push_back(ours);
        programs.insert(copy.pid);
    }
    programs.erase(::getpid());
    for (pid_t pid : programs)
        RemoveStaleLock(m_workDir, pid);
    return claimed;
}

void Autosave::Adopt(const Document &document, const RecoveryCopy &claimed)
{
    m_claimed.erase(claimed.number);
    m_watches.at(&document)->number = claimed.number;
}

int Autosave::SetAside(const RecoveryCopy &claimed)
{
    m_claimed.erase(claimed.number);
    return MoveAside(m_workDir, claimed);
}

int Autosave::LockWorkDir()
{
    if (m_lock)
        return rcOK;
    if (!MakeDirectory(DirectoryOf(m_workDir)) || !MakeDirectory(m_workDir))
        return rcFileCreateError;
    int code = rcOK;
    m_lock = ProgramLock::Take(m_workDir, code);
    return code;
}

int Autosave::NextFreeNumber()
{
    // Files of an earlier program with our process id are left for the recovery.
    do
        ++m_lastNumber;
    while (CopyExists(CopyIn(m_workDir, ::getpid(), m_lastNumber)));
    return m_lastNumber;
}
