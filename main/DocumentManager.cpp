#include "main/DocumentManager.h"

#include "common/DatabaseContents.h"
#include "common/DocumentTitle.h"
#include "common/ListAlgorithms.h"
#include "common/ProgramState.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/RememberedMaterials.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>

DocumentManager::DocumentManager(QMdiArea &area, ProgramState &state, Platform &desktop, QMenu *gridMenu,
                                 QObject *parent)
    : QObject(parent), m_area(area), m_state(state), m_desktop(desktop), m_gridMenu(gridMenu),
      m_undoGroup(new QUndoGroup(this))
{
    // The area reports no active window while the program is in the background,
    // and the same one again when it comes back: the current one stays the one
    // Undo acts on, and only a change of the active child activates a document.
    connect(&m_area, &QMdiArea::subWindowActivated, this, [this] {
        TForm16 *document = ActiveDocument();
        m_undoGroup->setActiveStack(document != nullptr ? document->Model().UndoStack() : nullptr);
        if (document != nullptr && document != m_activated) {
            m_activated = document;
            document->FormActivate();
        }
    });
}

TForm16 *DocumentManager::ActiveDocument() const
{
    return qobject_cast<TForm16 *>(m_area.currentSubWindow());
}

namespace {

QList<TForm16 *> DocumentsIn(const QList<QMdiSubWindow *> &windows)
{
    QList<TForm16 *> documents;
    for (QMdiSubWindow *window : windows) {
        if (auto *document = qobject_cast<TForm16 *>(window))
            documents.append(document);
    }
    return documents;
}

} // namespace

QList<TForm16 *> DocumentManager::Documents() const
{
    return DocumentsIn(m_area.subWindowList(QMdiArea::CreationOrder));
}

QList<TForm16 *> DocumentManager::TopmostFirst() const
{
    QList<TForm16 *> documents = DocumentsIn(m_area.subWindowList(QMdiArea::StackingOrder));
    std::reverse(documents.begin(), documents.end());
    return documents;
}

bool DocumentManager::HasChildWindows() const
{
    return !m_area.subWindowList().isEmpty();
}

QString DocumentManager::NextUntitledTitle() const
{
    const QList<TForm16 *> windows = Documents();
    const auto untitled = std::count_if(windows.cbegin(), windows.cend(), [](const TForm16 *window) {
        return IsUntitledTitle(window->Model().Title().toStdString());
    });
    return QString::fromStdString(UntitledTitle(static_cast<int>(untitled) + 1));
}

TForm16 *DocumentManager::CreateDocument(const QString &title)
{
    auto *document = new TForm16(m_state, m_desktop, m_gridMenu);
    m_area.addSubWindow(document); // the MDI area owns it from here
    document->Model().SetTitle(title);
    connect(document, &TForm16::UnitSwitched, this, &DocumentManager::RefreshDocuments);
    connect(&document->Model(), &Document::materialChanged, this,
            [this, document] { RememberMaterial(m_state, document->Model()); });
    m_undoGroup->addStack(document->Model().UndoStack()); // a stack leaves the group when its window goes
    emit DocumentCreated(document);
    document->show();
    m_area.setActiveSubWindow(document);
    return document;
}

void DocumentManager::Activate(TForm16 *document)
{
    m_area.setActiveSubWindow(document);
}

TForm16 *DocumentManager::OpenContents(const DatabaseContents &contents, const QString &title, Sorting sorting,
                                      Saved saved, const QString &fileName)
{
    DatabaseContents shown = contents;
    if (sorting == Sorting::AutoSort && m_state.Settings.AutoSort())
        SortByLength(shown.Elements);
    // Shown before it is filled: showing never dissolves groups read from a file.
    TForm16 *window = CreateDocument(title);
    window->Model().Fill(shown);
    if (saved == Saved::Yes)
        window->Model().MarkSaved(fileName);
    RestoreMaterial(m_state, *window);
    return window;
}

void DocumentManager::RefreshDocuments()
{
    for (TForm16 *document : Documents())
        document->ShowElements();
}

void DocumentManager::RepaintDocuments()
{
    for (TForm16 *document : Documents()) {
        document->ApplyColours();
        document->Repaint();
    }
}
