#pragma once
// One element database as the program holds it: the element list, the ten
// groups, the customer's texts, the title, the file it was read from or saved
// to, the material chosen for it, the undo history and what it held when it was
// last read or saved. Every change goes through it and is announced; it never
// shows anything, so commands, autosave and tests work on it without a window.
// Its window owns it as a Qt child.

#include "common/DatabaseContents.h"
#include "common/FileFingerprint.h"
#include "document/ListSnapshot.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class DatabaseLock;
class QTimer;
class QUndoStack;

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    const TElementList &Elements() const { return m_lists.elements; }
    const TElementGroups &Groups() const { return m_lists.groups; }
    const CustomerTexts &Customer() const { return m_customer; }
    DatabaseContents Contents() const;

    const QString &Title() const { return m_title; }
    void SetTitle(const QString &title);
    // The file the document was read from or last saved to; empty for one that has none.
    const QString &FileName() const { return m_fileName; }
    // 1-based in the board table; 0 while no material is chosen.
    const int &MaterialIndex() const { return m_materialIndex; }
    // materialChanged when it differs from the one before.
    void SetMaterialIndex(int index);
    // At most 100 steps.
    QUndoStack *UndoStack() const { return m_undoStack; }

    // What its file held when it was read or last written: a save over that
    // file first compares it with the disk.
    const FileFingerprint &DiskFingerprint() const { return m_diskFingerprint; }
    void SetDiskFingerprint(const FileFingerprint &fingerprint) { m_diskFingerprint = fingerprint; }
    // Opened while another copy of the program had it: its file is not written.
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // The lock on its file, refreshed every minute while the document lives,
    // taken again when it was lost; released with the document or the next one.
    void HoldLock(std::unique_ptr<DatabaseLock> lock);
    void ReleaseLock();
    bool HoldsLock() const { return m_lock != nullptr; }

    // Both lists replaced whole as one undo step named `step`, none when nothing
    // changed; inside a compound step the change joins that step instead.
    void Replace(const TElementList &elements, const TElementGroups &groups, const QString &step);
    void ReplaceElements(const TElementList &elements, const QString &step) { Replace(elements, m_lists.groups, step); }
    // What a file or a recovery copy holds: no undo step, and the history starts anew.
    void Fill(const DatabaseContents &contents);
    void SetCustomer(const CustomerTexts &customer);
    // The contents now are what `fileName` holds (empty: what was read came from no database file).
    void MarkSaved(const QString &fileName);
    // As above, when the file keeps less than the document (a ".tun" has no groups):
    // `stored` is what it reads back as.
    void MarkSaved(const QString &fileName, const DatabaseContents &stored);

    // The contents differ from what was last read or saved: the "*" after the title.
    bool DiffersFromSaved() const;
    // Closing would lose something: it differs from the saved contents, or it is
    // untitled and holds elements.
    bool IsModified() const;

    // Gathers every Replace made while it lives into one undo step, as a dialog's
    // session is one step whatever it changed on the way.
    class CompoundStep {
    public:
        CompoundStep(Document &document, const QString &step);
        ~CompoundStep();
        CompoundStep(const CompoundStep &) = delete;
        CompoundStep &operator=(const CompoundStep &) = delete;

    private:
        QPointer<Document> m_document;
        QString m_step;
        ListSnapshot m_before;
    };

signals:
    // Anything changed: lists, customer, title, file or saved state.
    void changed();
    void listsChanged();
    void customerChanged();
    void titleChanged();
    // Another board type was chosen for the document.
    void materialChanged();
    // Undo or redo put lists back; elements first..last (1-based) are the ones
    // that differ from before (last < first when elements were only removed).
    void listsRestored(int first, int last);
    // The lock on the file could not be refreshed or taken again: code -147 and the like.
    void lockLost(int code);

private:
    friend class ListStepCommand;

    // Sets the lists without touching the history.
    void SetLists(const ListSnapshot &lists);
    void Restore(const ListSnapshot &lists);

    ListSnapshot m_lists;
    CustomerTexts m_customer;
    QString m_title;
    QString m_fileName;
    int m_materialIndex = 0;
    QUndoStack *m_undoStack;
    int m_compoundDepth = 0;
    // What the document held when it was last read or saved.
    DatabaseContents m_saved;
    FileFingerprint m_diskFingerprint;
    bool m_readOnly = false;
    std::unique_ptr<DatabaseLock> m_lock;
    QTimer *m_lockRefresh;

    void RefreshLock();
};
