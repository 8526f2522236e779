#pragma once
// Whole-list transformations: sort by length, merge identical elements, dissolve groups.

#include "common/Element.h"

void SortByLength(TElementList &list);
bool IsSameElement(const TElement &a, const TElement &b);
// 1-based position of the first element x with IsSameElement(x, e), or -1.
int FindSameElement(const TElementList &list, const TElement &e);
// Counts never pass 65535: an overflowing element joins the first identical one
// with room, or stays as an element of its own. No piece is lost.
void MergeSameElements(TElementList &list);
// Appends every group piece to the list and zeroes the groups. When the list
// cannot take them all, nothing changes and the result is false.
bool DissolveGroups(TElementList &list, TElementGroups &groups);
