#pragma once
// Bytes in a CSV cell, as the lossless format writes what no text shows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Two upper-case hex digits a byte.
std::string HexOf(const std::uint8_t *bytes, std::size_t size);
// False for an odd count or anything but hex digits (either case).
bool ParseHex(std::string_view hex, std::vector<std::uint8_t> &bytes);
