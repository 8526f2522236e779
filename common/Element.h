#pragma once
// The element record, the element list and the element groups: the same bytes
// in memory and in the database file. Positions passed between routines are 1-based.

#include "common/ShortString.h"

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kMaxElements = 800;
constexpr int kGroupsPerDocument = 10;
constexpr int kPiecesPerGroup = 10;
constexpr int kMaxCount = 65535;
// The largest length or width taken from any entry or import: longer is no board.
constexpr std::int32_t kMaxDimensionMm = 99999;

#pragma pack(push, 1)
struct TElement {
    std::int32_t Length;        // mm
    std::int32_t Width;         // mm
    std::uint8_t LengthBanding; // banding code 0..5
    std::uint8_t WidthBanding;
    std::int32_t Aux1;          // carried, never interpreted
    std::int32_t Aux2;
    std::int32_t Aux3;
    std::int32_t Aux4;
    std::uint8_t AuxByte1;
    std::uint8_t AuxByte2;
    std::uint8_t AuxByte3;
    std::uint8_t Grain;         // 1 = must follow the board's grain
    std::uint8_t AuxByte4;
    std::uint16_t Count;        // pieces
    std::uint16_t SkipMark;     // non-zero: left out of TABDTA files
    std::uint8_t Reserved1;
    std::uint8_t Priority;
    std::uint8_t Reserved2[16];
    ShortString<25> Label;

    bool InUse() const { return Length != 0 && Width != 0; }
};

// Ten single pieces and two bytes that are always zero.
struct TElementGroup {
    TElement Pieces[kPiecesPerGroup];
    std::uint8_t Padding[2];
};
#pragma pack(pop)

static_assert(sizeof(TElement) == 79);
static_assert(offsetof(TElement, Length) == 0);
static_assert(offsetof(TElement, Width) == 4);
static_assert(offsetof(TElement, LengthBanding) == 8);
static_assert(offsetof(TElement, WidthBanding) == 9);
static_assert(offsetof(TElement, Aux1) == 10);
static_assert(offsetof(TElement, Aux4) == 22);
static_assert(offsetof(TElement, AuxByte1) == 26);
static_assert(offsetof(TElement, AuxByte3) == 28);
static_assert(offsetof(TElement, Grain) == 29);
static_assert(offsetof(TElement, AuxByte4) == 30);
static_assert(offsetof(TElement, Count) == 31);
static_assert(offsetof(TElement, SkipMark) == 33);
static_assert(offsetof(TElement, Reserved1) == 35);
static_assert(offsetof(TElement, Priority) == 36);
static_assert(offsetof(TElement, Reserved2) == 37);
static_assert(offsetof(TElement, Label) == 53);
static_assert(sizeof(TElementGroup) == 792);

// Slot k of the list (1-based) is index k - 1. The elements are the leading
// slots in use; every slot after them is zero.
using TElementList = std::array<TElement, kMaxElements>;
using TElementGroups = std::array<TElementGroup, kGroupsPerDocument>;
static_assert(sizeof(TElementList) == 63200);
static_assert(sizeof(TElementGroups) == 7920);

// Banding codes: the item index of the banding combo boxes.
enum BandingCode : std::uint8_t {
    BandingNone = 0,
    BandingPvcOne = 1,
    BandingPvcTwo = 2,
    BandingAbsOne = 3,
    BandingAbsTwo = 4,
    BandingPvcAbs = 5,
};
constexpr int kBandingCodeCount = 6;
extern const char *const kBandingNames[kBandingCodeCount];
// Edges of one tape kind that a banding code puts on one side: 0, 1 or 2.
int PvcEdges(std::uint8_t code);
int AbsEdges(std::uint8_t code);

// An all-zero element, list or groups: the state of every new record.
TElement ZeroElement();
void ClearList(TElementList &list);
void ClearGroups(TElementGroups &groups);

int ElementCount(const TElementList &list);
int GroupPieceCount(const TElementGroup &group);
int GroupCount(const TElementGroups &groups);
std::int32_t TotalPieces(const TElementList &list);
double TotalArea(const TElementList &list);
std::int32_t PvcTapeLength(const TElementList &list, std::uint8_t surplusPercent, std::int32_t allowance);
std::int32_t AbsTapeLength(const TElementList &list, std::uint8_t surplusPercent, std::int32_t allowance);

// Moves element pos (1-based) of source to the end of destination; pos 0, a pos
// outside 1..ElementCount(source) or a full destination leaves both lists unchanged.
void MoveElement(TElementList &source, TElementList &destination, int pos);

// Appends e after the last element; false (and nothing written) when the list is full.
bool AppendElement(TElementList &list, const TElement &e);

// e turned a quarter: length and width change places, and so do their banding codes.
TElement Turned(TElement e);
