#pragma once
// Keeps a recovery copy of every document of the manager that holds unsaved
// changes, in the work folder "DATA/SWORK", and removes it as soon as the
// document is saved, closed or the program ends normally. Copies are written on
// the user-interface thread; a failed write is reported in one line through the
// report given, never in a box. It watches the manager's documents, present and
// to come; the work folder and its lock are made with the first copy.

#include "main/RecoveryCopies.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class DocumentManager;
class ProgramLock;
class Document;

struct AutosaveIntervals {
    std::chrono::milliseconds quiet;   // after the last change
    std::chrono::milliseconds longest; // at the latest while changes go on
};

inline constexpr AutosaveIntervals kAutosaveIntervals{std::chrono::seconds(20), std::chrono::minutes(2)};

class Autosave : public QObject {
    Q_OBJECT
public:
    using FailureReport = std::function<void(const QString &line)>;

    Autosave(DocumentManager &documents, std::string workDir, FailureReport report, QObject *parent);
    ~Autosave() override; // removes every copy this program wrote, and its lock

    const std::string &WorkDir() const { return m_workDir; }
    // Shorter intervals for tests; the program always runs with kAutosaveIntervals.
    void SetIntervals(AutosaveIntervals intervals) { m_intervals = intervals; }
    // Writes the document's copy at once: -150 or the failing write's code.
    int WriteNow(const Document &document);
    // True for a copy of one of this program's documents, or one it claimed
    // (not one left by an earlier program that had the same process id).
    bool Owns(const RecoveryCopy &copy) const;

    // Takes every copy a program that no longer runs left, renamed into this
    // program's own names under its lock before anyone is asked, so that another
    // program starting now never offers it too; a killed copy write is finished
    // when it holds a newer whole list, else dropped. The claimed copies, in this
    // program's names; on a work folder that cannot be locked, none.
    std::vector<RecoveryCopy> ClaimAbandonedCopies();
    // A claimed copy becomes the recovery copy of the document opened from it.
    void Adopt(const Document &document, const RecoveryCopy &claimed);
    // A claimed copy that is not adopted is moved to "stare"; -150 or MoveAside's code.
    int SetAside(const RecoveryCopy &claimed);

private:
    struct Watch;

    void Track(const Document &document);
    void Forget(const Document *document);
    void DocumentChanged(const Document &document);
    void TimerFired(const Document &document);
    int Write(const Document &document, Watch &watch);
    void Discard(Watch &watch);
    void Report(const QString &what, int code) const;
    int LockWorkDir();
    int NextFreeNumber();

    std::string m_workDir;
    FailureReport m_report;
    AutosaveIntervals m_intervals = kAutosaveIntervals;
    std::unique_ptr<ProgramLock> m_lock; // taken with the first copy
    std::map<const Document *, std::unique_ptr<Watch>> m_watches;
    std::set<int> m_claimed; // numbers of claimed copies not yet adopted
    int m_lastNumber = 0;
};
