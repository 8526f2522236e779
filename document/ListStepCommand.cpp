#include "document/ListStepCommand.h"

#include "document/Unit16.h"

#include <algorithm>
#include <cstring>

namespace {

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

} // namespace

ListStepCommand::ListStepCommand(TForm16 &document, std::unique_ptr<ListSnapshot> before,
                                 std::unique_ptr<ListSnapshot> after, const QString &step)
    : QUndoCommand(step), m_document(document), m_before(std::move(before)), m_after(std::move(after))
{
}

void ListStepCommand::undo()
{
    Restore(*m_before);
}

void ListStepCommand::redo()
{
    // The push itself: the command that made the change places the cursor.
    if (!m_pushed) {
        m_pushed = true;
        m_document.ReplaceLists(m_after->elements, m_after->groups);
        return;
    }
    Restore(*m_after);
}

void ListStepCommand::Restore(const ListSnapshot &target)
{
    const auto [first, last] = ChangedElements(m_document.Elements, target.elements);
    m_document.ReplaceLists(target.elements, target.groups);
    const int count = ElementCount(target.elements);
    if (count == 0)
        return;
    // Only removed: the cursor goes to the element after the gap, or the last one.
    const int top = std::min(first, count);
    m_document.SelectElements(top, std::max(top, last));
}
