#include "document/Document.h"

#include "common/DatabaseLock.h"
#include "common/DocumentTitle.h"
#include "common/ResultCodes.h"
#include "document/ListStepCommand.h"

#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int kUndoSteps = 100;

bool SameElement(const TElement &a, const TElement &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The elements of `to` (1-based, first..last) that differ from `from`: what is
// left after the common start and the common end. Empty (last < first) when
// elements were only removed.
std::pair<int, int> ChangedElements(const TElementList &from, const TElementList &to)
{
    const int fromCount = ElementCount(from);
    const int toCount = ElementCount(to);
    int same = 0;
    while (same < std::min(fromCount, toCount)
           && SameElement(from[static_cast<std::size_t>(same)], to[static_cast<std::size_t>(same)]))
        ++same;
    int sameEnd = 0;
    while (sameEnd < std::min(fromCount, toCount) - same
           && SameElement(from[static_cast<std::size_t>(fromCount - 1 - sameEnd)],
                          to[static_cast<std::size_t>(toCount - 1 - sameEnd)]))
        ++sameEnd;
    return {same + 1, toCount - sameEnd};
}

ListSnapshot ListsOf(const TElementList &elements, const TElementGroups &groups)
{
    ListSnapshot lists;
    lists.elements = elements;
    lists.groups = groups;
    return lists;
}

} // namespace

Document::Document(QObject *parent)
    : QObject(parent), m_undoStack(new QUndoStack(this)), m_lockRefresh(new QTimer(this))
{
    m_undoStack->setUndoLimit(kUndoSteps);
    m_lockRefresh->setInterval(kLockRefreshInterval);
    connect(m_lockRefresh, &QTimer::timeout, this, &Document::RefreshLock);
}

Document::~Document() = default;

DatabaseContents Document::Contents() const
{
    return DatabaseContents{m_lists.elements, m_lists.groups, m_customer};
}

void Document::SetTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged();
    emit changed();
}

void Document::Replace(const TElementList &elements, const TElementGroups &groups, const QString &step)
{
    const ListSnapshot after = ListsOf(elements, groups);
    // Nothing changed, nothing to undo; the lists are still shown again.
    if (m_compoundDepth > 0 || after == m_lists) {
        SetLists(after);
        return;
    }
    m_undoStack->push(new ListStepCommand(*this, m_lists, after, step)); // the stack owns it
}

void Document::Fill(const DatabaseContents &contents)
{
    m_undoStack->clear();
    m_customer = contents.Customer;
    emit customerChanged();
    SetLists(ListsOf(contents.Elements, contents.Groups));
}

void Document::SetCustomer(const CustomerTexts &customer)
{
    if (customer == m_customer)
        return;
    m_customer = customer;
    emit customerChanged();
    emit changed();
}

void Document::MarkSaved(const QString &fileName)
{
    MarkSaved(fileName, Contents());
}

void Document::MarkSaved(const QString &fileName, const DatabaseContents &stored)
{
    m_fileName = fileName;
    m_saved = stored;
    emit changed();
}

void Document::SetReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    emit titleChanged(); // the title says so
    emit changed();
}

void Document::HoldLock(std::unique_ptr<DatabaseLock> lock)
{
    m_lock = std::move(lock);
    if (m_lock)
        m_lockRefresh->start();
    else
        m_lockRefresh->stop();
}

void Document::ReleaseLock()
{
    HoldLock(nullptr);
}

void Document::RefreshLock()
{
    if (!m_lock || m_lock->Refresh() == rcOK)
        return;
    // Removed or taken over as stale meanwhile: this document still has the file open.
    LockAttempt attempt;
    std::unique_ptr<DatabaseLock> again = DatabaseLock::Take(m_lock->Database(), attempt);
    if (!again)
        emit lockLost(attempt.outcome == LockOutcome::HeldByOther ? rcFileAccessError : attempt.code);
    HoldLock(std::move(again));
}

bool Document::DiffersFromSaved() const
{
    return ListsOf(m_saved.Elements, m_saved.Groups) != m_lists || m_saved.Customer != m_customer;
}

bool Document::IsModified() const
{
    return (IsUntitledTitle(m_title.toStdString()) && ElementCount(m_lists.elements) > 0) || DiffersFromSaved();
}

void Document::SetMaterialIndex(int index)
{
    if (index == m_materialIndex)
        return;
    m_materialIndex = index;
    emit materialChanged();
}

void Document::SetLists(const ListSnapshot &lists)
{
    m_lists = lists;
    emit listsChanged();
    emit changed();
}

void Document::Restore(const ListSnapshot &lists)
{
    const auto [first, last] = ChangedElements(m_lists.elements, lists.elements);
    SetLists(lists);
    emit listsRestored(first, last);
}

Document::CompoundStep::CompoundStep(Document &document, const QString &step)
    : m_document(&document), m_step(step), m_before(document.m_lists)
{
    ++document.m_compoundDepth;
}

Document::CompoundStep::~CompoundStep()
{
    if (m_document == nullptr)
        return; // closed meanwhile: nothing left to record
    Document &document = *m_document;
    if (--document.m_compoundDepth > 0 || document.m_lists == m_before)
        return;
    document.m_undoStack->push(new ListStepCommand(document, m_before, document.m_lists, m_step));
}
