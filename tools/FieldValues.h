#pragma once
// One text field of mvtool's INI and CSV forms read into a record's value.
// Both forms refuse a bad field alike: nothing is returned and `problem` says
// why, starting with the field's `subject` ("grain", "the text") where one is
// given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A whole decimal number from `minimum` to `maximum`.
std::optional<std::int64_t> ReadInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum,
                                        std::string_view subject, std::string &problem);

// A UTF-8 text as the Windows-1250 bytes of a record, at most `capacity` of them.
std::optional<std::string> ReadWin1250Text(std::string_view utf8, std::size_t capacity, std::string_view subject,
                                           std::string &problem);
