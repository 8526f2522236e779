#include "common/exchange/ExchangeHeadings.h"

#include "common/NumberText.h"

#include <utility>

namespace {

// The Serbian letters with diacritics in UTF-8, and the plain letter each is written as.
constexpr std::pair<std::string_view, char> kPlainLetters[] = {
    {"\xC4\x8D", 'c'}, {"\xC4\x8C", 'c'}, {"\xC4\x87", 'c'}, {"\xC4\x86", 'c'}, {"\xC4\x91", 'd'},
    {"\xC4\x90", 'd'}, {"\xC5\xA1", 's'}, {"\xC5\xA0", 's'}, {"\xC5\xBE", 'z'}, {"\xC5\xBD", 'z'},
};

std::string Plain(std::string_view text)
{
    std::string plain;
    bool blank = false;
    while (!text.empty()) {
        bool replaced = false;
        for (const auto &[letter, ascii] : kPlainLetters) {
            if (text.substr(0, letter.size()) == letter) {
                plain += ascii;
                text.remove_prefix(letter.size());
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        const char c = text[0];
        text.remove_prefix(1);
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !plain.empty())
            plain += ' ';
        blank = false;
        plain += c;
    }
    return Lowered(plain);
}

} // namespace

Heading ReadHeading(std::string_view utf8)
{
    std::string_view text = TrimBlanks(utf8);
    Heading heading;
    const char close = text.empty() ? '\0' : text.back();
    if (close == ')' || close == ']') {
        const std::size_t open = text.rfind(close == ')' ? '(' : '[');
        if (open != std::string_view::npos && open > 0) {
            heading.Qualifier = std::string(TrimBlanks(text.substr(open + 1, text.size() - open - 2)));
            text = text.substr(0, open);
        }
    }
    heading.Name = Plain(TrimBlanks(text));
    return heading;
}

bool NamesColumn(const Heading &heading, const Column &column)
{
    if (heading.Name == Plain(column.Heading))
        return true;
    std::string_view names = column.OtherNames;
    while (!names.empty()) {
        const std::size_t bar = names.find('|');
        if (heading.Name == names.substr(0, bar))
            return true;
        names.remove_prefix(bar == std::string_view::npos ? names.size() : bar + 1);
    }
    return false;
}
