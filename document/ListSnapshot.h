#pragma once
// Both lists of a document as one value: what an undo step restores.

#include "common/Element.h"

#include <cstring>

struct ListSnapshot {
    TElementList elements{};
    TElementGroups groups{};

    // Byte for byte, as the lists are stored.
    bool operator==(const ListSnapshot &other) const
    {
        return std::memcmp(&elements, &other.elements, sizeof elements) == 0
            && std::memcmp(&groups, &other.groups, sizeof groups) == 0;
    }
    bool operator!=(const ListSnapshot &other) const { return !(*this == other); }
};
