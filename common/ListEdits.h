#pragma once
// The edits the commands make to an element list and its groups: multiplying
// counts, grain, deleting, duplicating, moving pieces into groups and back, and
// merging a database read from a file. Each works on the values in place; an
// edit that is refused changes nothing. Positions and group numbers are
// 1-based, as everywhere in the lists.

#include "common/Element.h"

#include <cstdint>
#include <functional>
#include <vector>

// Why an edit was refused. The first three pass silently, as there is nothing
// the user could change; the caller tells the user about the other four.
enum class ListEditResult {
    Done,
    Invalid,  // an empty list or selection, or a position, group or factor that does not exist
    NoRoom,   // a new group while ten are in use
    NoPieces, // an element of 0 pieces (only files hold one) has none to give a group
    CountTooLarge, // a product above 65535 pieces
    GroupFull,     // the chosen group already holds ten pieces
    WidthMismatch, // the element's width is not the width of the group's first piece
    ListFull,      // the list cannot take back all the pieces returning from groups
};

// 1..65535: a factor the multiply command accepts.
bool IsMultiplyFactor(std::int64_t factor);
// Multiplies the counts of elements first..last (clamped to the elements there
// are). Any product above 65535 refuses the whole edit with CountTooLarge; a
// factor outside 1..65535 is Invalid.
ListEditResult MultiplyCounts(TElementList &list, int first, int last, int factor);

void SetGrainOfAll(TElementList &list, bool grain);
// Every grain-bound element turns across. keepGoing runs before every third
// element, so the caller can process events; when it returns false the result
// is false and the list is not touched again (it may belong to a window the
// events closed).
bool TurnAcrossGrain(TElementList &list, const std::function<bool()> &keepGoing);

// Deletes elements first..last, the rest closing up. Invalid, nothing changed,
// for an empty list or first > last; a range beyond the elements deletes only
// what it covers, maybe nothing, and is Done.
ListEditResult DeleteRange(TElementList &list, int first, int last);
// Deletes the elements at the given positions (any order, repeats and positions
// beyond the list ignored). Invalid for an empty list or no positions.
ListEditResult DeleteSet(TElementList &list, const std::vector<int> &positions);
// Appends a copy of each element at the given positions, in list order; a full
// list takes no more copies, silently, and copies are not copied again.
// Invalid for an empty list or no positions.
ListEditResult DuplicateEntries(TElementList &list, const std::vector<int> &positions);

// Moves one piece (count 1) of element `element` into group `group`, or into a
// new group after the last one in use when group is 0. The element loses a
// piece and leaves the list with its last one. Checked in this order: Invalid,
// NoPieces, NoRoom, GroupFull, WidthMismatch.
ListEditResult MovePieceToGroup(TElementList &list, TElementGroups &groups, int element, int group);
// Returns the pieces of one group to the end of the list and closes up the
// groups after it; all pieces or none (ListFull).
ListEditResult ReturnGroupToList(TElementList &list, TElementGroups &groups, int group);
// DissolveGroups, as a result: ListFull when the list cannot take every piece.
ListEditResult ReturnAllGroups(TElementList &list, TElementGroups &groups);

// A database read can be merged when, together, the lists hold at most 800
// elements and the groups in use number at most 10.
bool CanMerge(const TElementList &into, const TElementGroups &intoGroups, const TElementList &from,
              const TElementGroups &fromGroups);
// Appends from's elements and groups after into's; what passes 800 elements or
// 10 groups is dropped (CanMerge tells beforehand).
void MergeDatabase(TElementList &into, TElementGroups &intoGroups, const TElementList &from,
                   const TElementGroups &fromGroups);
