#include "common/ListEdits.h"

#include "common/ListAlgorithms.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<int> &positions, int position)
{
    return std::find(positions.begin(), positions.end(), position) != positions.end();
}

// The elements whose position `drop` picks leave; the rest close up and the
// freed slots are zero.
template <typename Predicate>
void RemoveWhere(TElementList &list, Predicate drop)
{
    const int n = ElementCount(list);
    TElementList kept;
    ClearList(kept);
    int slot = 0;
    for (int position = 1; position <= n; ++position) {
        if (!drop(position))
            kept[slot++] = list[position - 1];
    }
    list = kept;
}

} // namespace

bool IsMultiplyFactor(std::int64_t factor)
{
    return factor >= 1 && factor <= kMaxCount;
}

ListEditResult MultiplyCounts(TElementList &list, int first, int last, int factor)
{
    if (!IsMultiplyFactor(factor))
        return ListEditResult::Invalid;
    first = std::max(first, 1);
    last = std::min(last, ElementCount(list));
    for (int i = first; i <= last; ++i) {
        if (std::int64_t{list[i - 1].Count} * factor > kMaxCount)
            return ListEditResult::CountTooLarge;
    }
    for (int i = first; i <= last; ++i)
        list[i - 1].Count = static_cast<std::uint16_t>(list[i - 1].Count * factor);
    return ListEditResult::Done;
}

void SetGrainOfAll(TElementList &list, bool grain)
{
    const int n = ElementCount(list);
    for (int i = 0; i < n; ++i)
        list[i].Grain = grain ? 1 : 0;
}

bool TurnAcrossGrain(TElementList &list, const std::function<bool()> &keepGoing)
{
    // Turned in a copy: a stop leaves the list as it was.
    TElementList turned = list;
    const int n = ElementCount(turned);
    for (int i = 1; i <= n; ++i) {
        if (i % 3 == 0 && !keepGoing())
            return false;
        if (turned[i - 1].Grain != 0)
            turned[i - 1] = Turned(turned[i - 1]);
    }
    list = turned;
    return true;
}

ListEditResult DeleteRange(TElementList &list, int first, int last)
{
    if (ElementCount(list) == 0 || last < first)
        return ListEditResult::Invalid;
    RemoveWhere(list, [first, last](int position) { return position >= first && position <= last; });
    return ListEditResult::Done;
}

ListEditResult DeleteSet(TElementList &list, const std::vector<int> &positions)
{
    if (ElementCount(list) == 0 || positions.empty())
        return ListEditResult::Invalid;
    RemoveWhere(list, [&positions](int position) { return Contains(positions, position); });
    return ListEditResult::Done;
}

ListEditResult DuplicateEntries(TElementList &list, const std::vector<int> &positions)
{
    const int n = ElementCount(list);
    if (n == 0 || positions.empty())
        return ListEditResult::Invalid;
    for (int position = 1; position <= n; ++position) {
        if (Contains(positions, position) && !AppendElement(list, list[position - 1]))
            break;
    }
    return ListEditResult::Done;
}

ListEditResult MovePieceToGroup(TElementList &list, TElementGroups &groups, int element, int group)
{
    const int groupsInUse = GroupCount(groups);
    if (element < 1 || element > ElementCount(list) || group < 0 || group > groupsInUse)
        return ListEditResult::Invalid;
    TElement &source = list[element - 1];
    if (source.Count == 0)
        return ListEditResult::NoPieces;
    if (group == 0 && groupsInUse == kGroupsPerDocument)
        return ListEditResult::NoRoom;
    TElementGroup &target = groups[group == 0 ? groupsInUse : group - 1];
    const int pieces = GroupPieceCount(target);
    if (pieces == kPiecesPerGroup)
        return ListEditResult::GroupFull;
    // The group's first piece gives the width every later piece must have.
    if (pieces > 0 && source.Width != target.Pieces[0].Width)
        return ListEditResult::WidthMismatch;
    target.Pieces[pieces] = source;
    target.Pieces[pieces].Count = 1;
    if (source.Count > 1)
        source.Count = static_cast<std::uint16_t>(source.Count - 1);
    else
        RemoveWhere(list, [element](int position) { return position == element; });
    return ListEditResult::Done;
}

ListEditResult ReturnGroupToList(TElementList &list, TElementGroups &groups, int group)
{
    const int groupsInUse = GroupCount(groups);
    if (group < 1 || group > groupsInUse)
        return ListEditResult::Invalid;
    TElementGroups returning;
    ClearGroups(returning);
    returning[0] = groups[group - 1];
    if (!DissolveGroups(list, returning))
        return ListEditResult::ListFull;
    std::copy(groups.begin() + group, groups.begin() + groupsInUse, groups.begin() + (group - 1));
    groups[groupsInUse - 1] = TElementGroup{};
    return ListEditResult::Done;
}

ListEditResult ReturnAllGroups(TElementList &list, TElementGroups &groups)
{
    return DissolveGroups(list, groups) ? ListEditResult::Done : ListEditResult::ListFull;
}

bool CanMerge(const TElementList &into, const TElementGroups &intoGroups, const TElementList &from,
              const TElementGroups &fromGroups)
{
    return ElementCount(into) + ElementCount(from) <= kMaxElements
           && GroupCount(intoGroups) + GroupCount(fromGroups) <= kGroupsPerDocument;
}

void MergeDatabase(TElementList &into, TElementGroups &intoGroups, const TElementList &from,
                   const TElementGroups &fromGroups)
{
    const int elementsInUse = ElementCount(into);
    const int elements = std::min(ElementCount(from), kMaxElements - elementsInUse);
    std::copy_n(from.begin(), elements, into.begin() + elementsInUse);
    const int groupsInUse = GroupCount(intoGroups);
    const int groups = std::min(GroupCount(fromGroups), kGroupsPerDocument - groupsInUse);
    std::copy_n(fromGroups.begin(), groups, intoGroups.begin() + groupsInUse);
}
