#pragma once
// What an element database holds: the element list, the ten groups and the
// customer's texts, as one value that files are read into and written from.

#include "common/Element.h"

#include <string>

// The customer data of a document, as the Windows-1250 bytes the file holds.
struct CustomerTexts {
    std::string Customer;
    std::string Address;
    std::string Telephone;

    bool operator==(const CustomerTexts &other) const
    {
        return Customer == other.Customer && Address == other.Address && Telephone == other.Telephone;
    }
    bool operator!=(const CustomerTexts &other) const { return !(*this == other); }
    bool Empty() const { return Customer.empty() && Address.empty() && Telephone.empty(); }
};

struct DatabaseContents {
    TElementList Elements{};
    TElementGroups Groups{};
    CustomerTexts Customer;

    // No element, no group and no customer text: nothing a file could keep.
    bool HoldsNothing() const { return ElementCount(Elements) == 0 && GroupCount(Groups) == 0 && Customer.Empty(); }
};
