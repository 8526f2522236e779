#pragma once
// What each exchange format holds: its columns in order and how it separates,
// quotes and ends its rows. Writer and reader both work from these tables.

#include "common/exchange/Exchange.h"

#include <cstddef>
#include <string>
#include <vector>

enum class CellKind {
    Position,      // the row's number: written, ignored when read
    Length,
    Width,
    Count,
    Label,
    Grain,         // 1 or 0 (read also "+" or "-")
    Rotate,        // "N" for a grain element, "Y" otherwise
    LengthBanding, // the banding code 0..5
    WidthBanding,
    TopTape,       // "PVC", "ABS" or empty: one of the two length edges
    BottomTape,
    LeftTape,      // one of the two width edges
    RightTape,
    Enabled,       // always "true"
    Unused,        // written empty, ignored when read
    Group,         // 0 for an element, else the group's number
    Carried,       // an integer field of the record, by offset and size
    Reserved,      // the reserved bytes, in hex
    LabelPadding,  // the label's bytes after its length, in hex
    LabelLength,   // the label's length byte where it exceeds the 25 characters; else empty
};

struct Column {
    const char *Heading;
    CellKind Kind;
    bool Required = false;
    const char *OtherNames = ""; // headings that name it too, as ReadHeading gives them, '|' between
    std::size_t Offset = 0; // Carried only: where the little-endian value sits
    std::size_t Size = 0;
    bool Signed = false;
};

struct FormatLayout {
    ExchangeFormat Format;
    const char *Name;
    char Delimiter;
    bool Quoting; // false: the importer splits on every delimiter, so none may be in a cell
    bool Bom;
    const char *LineEnd;
    bool Readable;
    // Every value a record can hold is read back (the ".tab" twin); the others
    // take only what a workshop means: sizes 1..99999 mm, counts from 1.
    bool Lossless;
    std::vector<Column> Columns;
};

// Every format, in the order a header row is matched against them.
const std::vector<FormatLayout> &ExchangeLayouts();
const FormatLayout &LayoutOf(ExchangeFormat format);

// The customer texts travel in comment rows ahead of the header: "#Customer,text".
struct CustomerRow {
    const char *Heading;
    std::string CustomerTexts::*Text;
    std::size_t Capacity; // what the database header holds
    const char *Name;     // in reasons
};
extern const CustomerRow kCustomerRows[3];
