#pragma once
// The value of one "key = value" line of mvtool's INI texts, decoded in the
// line's one reading. The dialect is the one `settings show` writes: double
// quotes keep blanks, commas and ';'; outside them ';' starts a comment and a
// comma separates the items of a list; backslash escapes as in C (\" \\ \n,
// octal \101 and hexadecimal \x41 running on over every digit that follows).

#include <string>
#include <string_view>
#include <vector>

struct IniValue {
    std::vector<std::string> Items; // UTF-8, one unless the value is a list
    bool IsList = false;
    bool Unclosed = false;   // a double quote is left open
    bool Continued = false;  // a trailing backslash would continue it on the next line
    std::string BadEscape;   // the first escape that means nothing, such as "\q"
};

// `text` is all of the line after its '='.
IniValue DecodeIniValue(std::string_view text);
