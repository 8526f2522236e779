#pragma once
// Knows the document windows of the frame's MDI area: which exist, which is
// active, how new ones are titled, and what all of them redraw together. The
// windows are owned by the MDI area; the area, the state, the desktop and the
// grid menu must outlive the manager.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

struct DatabaseContents;
class Platform;
class QMdiArea;
class QMenu;
class QUndoGroup;
class TForm16;
struct ProgramState;

class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(QMdiArea &area, ProgramState &state, Platform &desktop, QMenu *gridMenu, QObject *parent);

    // The current child when it is a document window, else null. It stays
    // current while a menu or a dialog has the focus.
    TForm16 *ActiveDocument() const;
    // Every document window, in the order they were created.
    QList<TForm16 *> Documents() const;
    // Every document window, the topmost first.
    QList<TForm16 *> TopmostFirst() const;
    bool HasChildWindows() const;
    // Every document's undo stack; the active one is the current document's.
    QUndoGroup *UndoGroup() const { return m_undoGroup; }

    // "Untitled n", n counting the untitled windows now open plus one: numbers
    // are counts, not a sequence, and can repeat.
    QString NextUntitledTitle() const;
    // Brings a document window to the front and makes it the active one.
    void Activate(TForm16 *document);
    // A new document window with that title and an empty undo stack, shown and made active.
    TForm16 *CreateDocument(const QString &title);

    // AutoSort: by length when the settings' automatic sorting is on.
    enum class Sorting { AsRead, AutoSort };
    enum class Saved { No, Yes };
    // The one way contents come into a window: a new document titled so, its
    // list sorted first when asked, filled and shown. A saved one counts
    // as what `fileName` holds (none for an imported list), and takes the
    // material remembered for that file; an unsaved one, as a recovered copy,
    // asks before it is dropped.
    TForm16 *OpenContents(const DatabaseContents &contents, const QString &title, Sorting sorting, Saved saved,
                          const QString &fileName = QString());

    // Every document refills its grid (after a unit switch), in creation order.
    void RefreshDocuments();
    // Every document repaints what it draws in the settings' colours.
    void RepaintDocuments();

signals:
    // A document window was created; the frame connects what it asks for.
    void DocumentCreated(TForm16 *document);

private:
    QMdiArea &m_area;
    ProgramState &m_state;
    Platform &m_desktop;
    QMenu *m_gridMenu;
    QUndoGroup *m_undoGroup;
    // The document activated last; null once it closed.
    QPointer<TForm16> m_activated;
};
