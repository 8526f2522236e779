#pragma once
// How a document is titled, for the windows, the recovery copies and mvtool:
// an opened or saved file gives its name without the folder, less its last four
// characters (the extension and its dot, for the usual three-letter ones). New
// documents are "Untitled n"; a title is untitled when its first eight letters
// read "UNTITLED" in any case. Titles are UTF-8.

#include <string>
#include <string_view>

std::string TitleOfFile(std::string_view fileName);
bool IsUntitledTitle(std::string_view title);
std::string UntitledTitle(int number);
