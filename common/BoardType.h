#pragma once
// The base-board table "Table.T01": up to 600 raw 120-byte records, no header.

#include "common/ShortString.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#pragma pack(push, 1)
struct TBoardType {
    std::int32_t Length;          // mm
    std::int32_t Width;           // mm
    std::uint8_t Reserved1[4];    // not interpreted, carried
    std::uint8_t Grain;           // non-zero: the board has a grain direction
    double PricePerM2;
    std::int32_t Quantity;
    ShortString<40> Name;
    ShortString<42> ShortText;
    std::uint16_t QuantityUsed;
    std::uint8_t Reserved2[9];    // not interpreted, carried

    bool IsBlank() const { return Length == 0 && Width == 0 && Name.Length == 0 && ShortText.Length == 0; }
};
#pragma pack(pop)

static_assert(sizeof(double) == 8);
static_assert(sizeof(TBoardType) == 120);
static_assert(offsetof(TBoardType, Length) == 0);
static_assert(offsetof(TBoardType, Width) == 4);
static_assert(offsetof(TBoardType, Reserved1) == 8);
static_assert(offsetof(TBoardType, Grain) == 12);
static_assert(offsetof(TBoardType, PricePerM2) == 13);
static_assert(offsetof(TBoardType, Quantity) == 21);
static_assert(offsetof(TBoardType, Name) == 25);
static_assert(offsetof(TBoardType, ShortText) == 66);
static_assert(offsetof(TBoardType, QuantityUsed) == 109);
static_assert(offsetof(TBoardType, Reserved2) == 111);

constexpr int kMaxBoardTypes = 600;
using TBoardTable = std::array<TBoardType, kMaxBoardTypes>;
static_assert(sizeof(TBoardTable) == 72000);

constexpr const char *kBoardTableFileName = "Table.T01";

// The leading records that are not blank.
int BoardTypeCount(const TBoardTable &table);
void ClearBoardTable(TBoardTable &table);
// Zeroes the table and reads the file into it with LoadBuffer (size -1, capacity 72000).
int ReadBoardTable(const std::string &name, TBoardTable &table);
