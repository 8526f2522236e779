#pragma once
// Column headings as a person writes them: "Dužina (mm)", " KOM. ", "Sirina
// [cm]". Case, diacritics, blanks and a trailing part in brackets do not
// decide the column; the bracketed part may give the unit of a size column.

#include "common/exchange/ExchangeLayout.h"

#include <string>
#include <string_view>

struct Heading {
    std::string Name;      // lower case ASCII where the letters allow, blanks single
    std::string Qualifier; // what stood in the trailing brackets, trimmed; empty for none
};

Heading ReadHeading(std::string_view utf8);

// True when the heading is the column's own or one of its other names.
bool NamesColumn(const Heading &heading, const Column &column);
