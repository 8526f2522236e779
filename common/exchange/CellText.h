#pragma once
// The text of one CSV cell as a number, a size or bytes, the way people and
// other programs write them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string_view Trimmed(std::string_view text);
// ASCII letters in lower case, everything else unchanged.
std::string Lowered(std::string_view text);

// A size in millimetres from "590", "590 mm", "59 cm", "0,59 m" or "0.59m";
// nothing when the cell is no such number.
std::optional<double> ParseMillimetres(std::string_view cell);
// A whole number with an optional sign; nothing for anything else.
std::optional<std::int64_t> ParseInteger(std::string_view cell);

// Two upper-case hex digits a byte.
std::string HexOf(const std::uint8_t *bytes, std::size_t size);
// False for an odd count or anything but hex digits (either case).
bool ParseHex(std::string_view hex, std::vector<std::uint8_t> &bytes);
