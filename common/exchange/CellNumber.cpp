#include "common/exchange/CellNumber.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";       // U+00A0
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF"; // U+202F, which some locales group with

// What stands between the digits of a number.
enum class Mark { Point, Comma, Space };

struct Token {
    bool IsDigits;
    Mark Separator; // when not digits
    std::string Digits;
};

std::size_t SpaceLength(std::string_view text)
{
    if (!text.empty() && text[0] == ' ')
        return 1;
    for (const std::string_view space : {kNoBreakSpace, kNarrowNoBreakSpace}) {
        if (text.substr(0, space.size()) == space)
            return space.size();
    }
    return 0;
}

std::string_view TrimSpaces(std::string_view text)
{
    for (;;) {
        text = TrimBlanks(text);
        if (const std::size_t n = SpaceLength(text)) {
            text.remove_prefix(n);
            continue;
        }
        bool trimmed = false;
        for (const std::string_view space : {kNoBreakSpace, kNarrowNoBreakSpace}) {
            if (text.size() >= space.size() && text.substr(text.size() - space.size()) == space) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
        if (!trimmed)
            return text;
    }
}

// Digit runs and single separators; false for any other character (a sign too).
bool Tokenize(std::string_view text, std::vector<Token> &tokens)
{
    while (!text.empty()) {
        const char c = text[0];
        if (c >= '0' && c <= '9') {
            const std::size_t n = std::min(text.find_first_not_of("0123456789"), text.size());
            tokens.push_back({true, Mark::Point, std::string(text.substr(0, n))});
            text.remove_prefix(n);
        } else if (c == '.' || c == ',') {
            tokens.push_back({false, c == '.' ? Mark::Point : Mark::Comma, {}});
            text.remove_prefix(1);
        } else if (const std::size_t n = SpaceLength(text)) {
            tokens.push_back({false, Mark::Space, {}});
            text.remove_prefix(n);
        } else {
            return false;
        }
    }
    return true;
}

// Thousands: 1 to 3 digits not starting with 0, then groups of exactly three.
bool IsGrouped(const std::vector<Token> &tokens, std::size_t end)
{
    if (end == 0 || !tokens[0].IsDigits || tokens[0].Digits.size() > 3 || tokens[0].Digits[0] == '0')
        return false;
    for (std::size_t i = 1; i < end; i += 2) {
        if (tokens[i].IsDigits || i + 1 >= end || !tokens[i + 1].IsDigits || tokens[i + 1].Digits.size() != 3)
            return false;
    }
    return true;
}

bool IsMark(const Token &token, Mark mark)
{
    return !token.IsDigits && token.Separator == mark;
}

std::size_t CountOf(const std::vector<Token> &tokens, Mark mark)
{
    return static_cast<std::size_t>(
        std::count_if(tokens.begin(), tokens.end(), [mark](const Token &t) { return IsMark(t, mark); }));
}

std::optional<Mark> Declared(DecimalMark mark)
{
    switch (mark) {
    case DecimalMark::Comma: return Mark::Comma;
    case DecimalMark::Point: return Mark::Point;
    case DecimalMark::Undeclared: break;
    }
    return std::nullopt;
}

// Where the decimal separator stands among the tokens (tokens.size() for none),
// or the problem that keeps the number from being read.
struct DecimalPlace {
    std::size_t Index;
    const char *Problem;
};

DecimalPlace FindDecimal(const std::vector<Token> &tokens, DecimalMark declared)
{
    constexpr const char *kNoNumber = "nije broj";
    const std::size_t none = tokens.size();
    const std::size_t points = CountOf(tokens, Mark::Point);
    const std::size_t commas = CountOf(tokens, Mark::Comma);
    const std::size_t spaces = CountOf(tokens, Mark::Space);
    if (points + commas == 0)
        return {none, nullptr};
    std::size_t last = tokens.size();
    while (last > 0 && !(IsMark(tokens[last - 1], Mark::Point) || IsMark(tokens[last - 1], Mark::Comma)))
        --last;
    --last;
    const Mark kind = tokens[last].Separator;
    if (points > 0 && commas > 0) {
        // The last one separates the decimals, and only once.
        if ((kind == Mark::Point ? points : commas) != 1 || spaces > 0)
            return {none, kNoNumber};
        return {last, nullptr};
    }
    if (points + commas > 1)
        return {none, spaces > 0 ? kNoNumber : nullptr}; // only thousands: "1.234.567"
    // One separator alone. At either end it cannot group thousands: ".5", "5.".
    if (last == 0 || last + 1 == tokens.size() || spaces > 0)
        return {last, nullptr};
    if (const std::optional<Mark> decimal = Declared(declared))
        return {kind == *decimal ? last : none, nullptr};
    const bool couldBeThousands = tokens[last + 1].Digits.size() == 3 && IsGrouped(tokens, tokens.size());
    if (couldBeThousands)
        return {none, "je dvosmislen broj (hiljade ili decimale?)"};
    return {last, nullptr};
}

} // namespace

DecimalMark DecimalMarkOf(char fieldSeparator)
{
    switch (fieldSeparator) {
    case ';': return DecimalMark::Comma;
    case ',': return DecimalMark::Point;
    default: return DecimalMark::Undeclared;
    }
}

std::optional<SizeUnit> SizeUnitOfName(std::string_view name)
{
    const std::string lower = Lowered(name);
    if (lower == "mm")
        return SizeUnit::Mm;
    if (lower == "cm")
        return SizeUnit::Cm;
    if (lower == "m")
        return SizeUnit::M;
    return std::nullopt;
}

CellDecimal ReadCellDecimal(std::string_view cell, DecimalMark mark)
{
    CellDecimal result;
    std::string_view text = TrimSpaces(cell);
    std::size_t unitStart = text.size();
    while (unitStart > 0 && std::isalpha(static_cast<unsigned char>(text[unitStart - 1])))
        --unitStart;
    bool unknownUnit = false;
    if (unitStart < text.size()) {
        result.Unit = SizeUnitOfName(text.substr(unitStart));
        unknownUnit = !result.Unit;
        text = TrimSpaces(text.substr(0, unitStart));
    }
    std::vector<Token> tokens;
    if (unknownUnit || !Tokenize(text, tokens) || tokens.empty()) {
        result.Problem = "nije broj";
        return result;
    }
    const DecimalPlace decimal = FindDecimal(tokens, mark);
    if (decimal.Problem) {
        result.Problem = decimal.Problem;
        return result;
    }
    const std::size_t end = decimal.Index;
    const bool wholeIsPlain = end == 0 || (end == 1 && tokens[0].IsDigits);
    const bool fractionIsPlain = end + 1 >= tokens.size() || (end + 2 == tokens.size() && tokens[end + 1].IsDigits);
    const bool anyDigits = end > 0 || end + 1 < tokens.size();
    if (!(wholeIsPlain || IsGrouped(tokens, end)) || !fractionIsPlain || !anyDigits) {
        result.Problem = "nije broj";
        return result;
    }
    for (std::size_t i = 0; i < end; ++i)
        result.Digits.Whole += tokens[i].Digits;
    if (end + 1 < tokens.size())
        result.Digits.Fraction = tokens[end + 1].Digits;
    return result;
}

std::optional<std::int64_t> ReadCellMillimetres(std::string_view cell, DecimalMark mark, SizeUnit columnUnit,
                                                std::string &problem)
{
    const CellDecimal number = ReadCellDecimal(cell, mark);
    if (!number.Problem.empty()) {
        problem = number.Problem;
        return std::nullopt;
    }
    return ScaledHalfEven(number.Digits, static_cast<int>(number.Unit.value_or(columnUnit)));
}
