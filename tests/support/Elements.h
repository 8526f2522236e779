#pragma once
// Element lists built in one line for the tests.

#include "common/Element.h"

#include <cstdint>
#include <string>
#include <vector>

inline TElement MakeElement(std::int32_t length, std::int32_t width, std::uint16_t count = 1,
                            const std::string &label = "")
{
    TElement e = ZeroElement();
    e.Length = length;
    e.Width = width;
    e.Count = count;
    e.Label.assign(label);
    return e;
}

inline TElementList ListOf(const std::vector<TElement> &elements)
{
    TElementList list;
    ClearList(list);
    for (std::size_t i = 0; i < elements.size(); ++i)
        list[i] = elements[i];
    return list;
}

// Every slot of the list holds `element`.
inline TElementList FullListOf(const TElement &element)
{
    TElementList list;
    list.fill(element);
    return list;
}

inline TElementGroups NoGroups()
{
    TElementGroups groups;
    ClearGroups(groups);
    return groups;
}
