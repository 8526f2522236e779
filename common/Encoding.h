#pragma once
// Texts on disk are Windows-1250 bytes (Serbian Latin: č ć đ š ž); the rest of
// the program works in UTF-8.

#include <string>
#include <string_view>

std::string Win1250ToUtf8(std::string_view bytes);
// False (out untouched) when the text is not valid UTF-8 or holds a character
// Windows-1250 cannot store.
bool Utf8ToWin1250(std::string_view utf8, std::string &out);
// True when every character of the UTF-8 text has a Windows-1250 byte.
bool FitsWin1250(std::string_view utf8);

bool IsUtf8(std::string_view text);
// A text file as the readers take it, in UTF-8: valid UTF-8 without its byte
// order mark, or else the bytes read as Windows-1250, as a spreadsheet on a
// Serbian Windows writes them (every byte has a character there).
std::string DecodeTextFile(std::string_view bytes);
