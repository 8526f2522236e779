#pragma once
// Windows-1250 bytes from a record (a label, a customer, a mark) as Qt text;
// the one way up from the files' code page to what Qt draws and shows.

#include "common/Encoding.h"

#include <QString>

#include <string_view>

inline QString FromWin1250(std::string_view bytes)
{
    return QString::fromStdString(Win1250ToUtf8(bytes));
}
