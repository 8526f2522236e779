#pragma once
// The document the crash test's child program leaves unsaved: 50 elements, two
// groups and customer texts with a Windows-1250 letter, under "Untitled 1".

#include "common/Element.h"
#include "support/Elements.h"

#include <array>
#include <string>

struct RecoveryDocument {
    TElementList elements{};
    TElementGroups groups{};
    std::array<std::string, 3> customer; // Windows-1250 bytes
};

inline RecoveryDocument SampleRecoveryDocument()
{
    RecoveryDocument document;
    ClearList(document.elements);
    ClearGroups(document.groups);
    for (int i = 0; i < 50; ++i)
        document.elements[static_cast<std::size_t>(i)] =
            MakeElement(300 + 7 * i, 200 + 3 * i, static_cast<std::uint16_t>(1 + i % 4), "deo " + std::to_string(i));
    for (int piece = 0; piece < 3; ++piece)
        document.groups[0].Pieces[piece] = MakeElement(900, 400 + piece, 1, "front");
    document.groups[1].Pieces[0] = MakeElement(1200, 600, 1, "ploca");
    document.customer = {"Stolarija \x8a" "umadija", "Glavna 12", "011 555 123"};
    return document;
}
