// ReadExchange on any text, as the format named FUZZ_EXCHANGE_FORMAT or, when
// that is empty, as the format the text's header comes closest to. A list read
// is written in its format and read again: the writer's text must be accepted,
// and be its own fixed point; mvinput keeps every byte. The start of the input
// is also read as one size cell, whose millimetres must be one of the numbers
// a person could read there, computed here independently (or it is refused).

#include "FuzzSupport.h"

#include "common/exchange/CellNumber.h"
#include "common/exchange/Exchange.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace {

void RequireRefusalEmpties(const ExchangeReadResult &read)
{
    if (read.Ok())
        return;
    TElementList noElements;
    ClearList(noElements);
    TElementGroups noGroups;
    ClearGroups(noGroups);
    Require(SameBytes(read.Elements.data(), noElements.data(), sizeof noElements)
                && SameBytes(read.Groups.data(), noGroups.data(), sizeof noGroups),
            "a refused text gives empty lists");
    Require(read.Customer.Customer.empty() && read.Customer.Address.empty() && read.Customer.Telephone.empty(),
            "a refused text gives no customer texts");
}

bool SameRead(const ExchangeReadResult &a, const ExchangeReadResult &b)
{
    return SameBytes(a.Elements.data(), b.Elements.data(), sizeof a.Elements)
        && SameBytes(a.Groups.data(), b.Groups.data(), sizeof a.Groups) && a.Customer.Customer == b.Customer.Customer
        && a.Customer.Address == b.Customer.Address && a.Customer.Telephone == b.Customer.Telephone;
}

// A text read without a format is read as one of the formats.
ExchangeFormat FormatReadAs(std::string_view text, const ExchangeReadResult &read)
{
    for (const ExchangeFormat format : {ExchangeFormat::MvInput, ExchangeFormat::Smart2d, ExchangeFormat::Spreadsheet}) {
        const ExchangeReadResult as = ReadExchange(text, format);
        if (as.Ok() && SameRead(as, read))
            return format;
    }
    Require(false, "a text read without a format reads as one of them");
    return ExchangeFormat::MvInput;
}

using Wide = unsigned __int128;

// Half to even of numerator / 10^places, in integers.
Wide RoundedDown(Wide numerator, int places)
{
    Wide divisor = 1;
    for (int i = 0; i < places; ++i)
        divisor *= 10;
    const Wide quotient = numerator / divisor;
    const Wide twice = 2 * (numerator % divisor);
    return twice > divisor || (twice == divisor && quotient % 2 == 1) ? quotient + 1 : quotient;
}

// The readings a person could give the cell: every separator grouping
// thousands, or the last '.' or ',' standing for the decimals. Nothing when
// the cell holds anything else; none to compare with when it has more digits
// than this count keeps.
std::optional<std::vector<Wide>> PersonsReadings(std::string cell, SizeUnit columnUnit)
{
    for (const std::string_view space : {std::string_view("\xC2\xA0"), std::string_view("\xE2\x80\xAF")}) {
        for (std::size_t at = cell.find(space); at != std::string::npos; at = cell.find(space))
            cell.replace(at, space.size(), " ");
    }
    std::size_t end = cell.find_last_not_of(" \t\r\n");
    cell = end == std::string::npos ? std::string() : cell.substr(0, end + 1);
    std::size_t unitStart = cell.size();
    while (unitStart > 0 && std::isalpha(static_cast<unsigned char>(cell[unitStart - 1])))
        --unitStart;
    std::string unit = cell.substr(unitStart);
    for (char &c : unit)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    int scale = static_cast<int>(columnUnit);
    if (!unit.empty()) {
        if (unit != "mm" && unit != "cm" && unit != "m")
            return std::nullopt;
        scale = unit == "mm" ? 0 : unit == "cm" ? 1 : 3;
    }
    Wide all = 0;
    int digits = 0;
    int afterLastMark = -1; // digits after the last '.' or ','
    for (const char c : cell.substr(0, unitStart)) {
        if (c >= '0' && c <= '9') {
            if (++digits > 30)
                return std::vector<Wide>{};
            all = all * 10 + static_cast<Wide>(c - '0');
            if (afterLastMark >= 0)
                ++afterLastMark;
        } else if (c == '.' || c == ',') {
            afterLastMark = 0;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return std::nullopt;
        }
    }
    for (int i = 0; i < scale; ++i)
        all *= 10;
    std::vector<Wide> readings{all};
    if (afterLastMark >= 0)
        readings.push_back(RoundedDown(all, afterLastMark));
    return readings;
}

// "2,100" or "2.100" alone: thousands or decimals, nothing tells which.
bool IsAmbiguous(const std::string &cell)
{
    // The cell without blanks at either end and without a unit after the number.
    const std::size_t first = cell.find_first_not_of(' ');
    std::size_t end = cell.find_last_not_of(' ') + 1;
    while (end > 0 && std::isalpha(static_cast<unsigned char>(cell[end - 1])))
        --end;
    end = cell.find_last_not_of(' ', end == 0 ? 0 : end - 1) + 1;
    if (first == std::string::npos || end <= first)
        return false;
    const std::string number = cell.substr(first, end - first);
    const std::size_t mark = number.find_first_of(".,");
    return mark >= 1 && mark <= 3 && number.size() == mark + 4 && number[0] != '0'
        && number.find_first_not_of("0123456789", mark + 1) == std::string::npos
        && number.find_first_not_of("0123456789") == mark;
}

void RequireCellsReadAsAPersonWould(std::string_view text)
{
    const std::string cell(text.substr(0, std::min<std::size_t>(text.size(), 40)));
    for (const DecimalMark mark : {DecimalMark::Comma, DecimalMark::Point, DecimalMark::Undeclared}) {
        for (const SizeUnit unit : {SizeUnit::Mm, SizeUnit::Cm, SizeUnit::M}) {
            std::string problem;
            const std::optional<std::int64_t> mm = ReadCellMillimetres(cell, mark, unit, problem);
            if (!mm)
                continue;
            Require(mark != DecimalMark::Undeclared || !IsAmbiguous(cell), "an ambiguous cell is refused");
            const std::optional<std::vector<Wide>> readings = PersonsReadings(cell, unit);
            Require(readings.has_value(), "a number is read only from digits, separators and a unit");
            if (readings->empty() || *mm == kScaledLimit)
                continue;
            bool found = false;
            for (const Wide reading : *readings)
                found = found || reading == static_cast<Wide>(*mm);
            Require(found, "a cell's millimetres are a reading a person could give it");
        }
    }
}

std::optional<ExchangeFormat> FormatUnderTest()
{
    const std::string_view name = FUZZ_EXCHANGE_FORMAT;
    if (name.empty())
        return std::nullopt;
    const std::optional<ExchangeFormat> format = ExchangeFormatFromName(name);
    Require(format.has_value() && IsReadableExchangeFormat(*format), "FUZZ_EXCHANGE_FORMAT names a readable format");
    return format;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::optional<ExchangeFormat> requested = FormatUnderTest();
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    RequireCellsReadAsAPersonWould(text);
    const ExchangeReadResult first = ReadExchange(text, requested);
    RequireListInvariants(first.Elements, first.Groups);
    RequireRefusalEmpties(first);
    if (!first.Ok())
        return 0;

    const ExchangeFormat format = requested ? *requested : FormatReadAs(text, first);
    const std::string written = WriteExchange(format, first.Elements, first.Groups, first.Customer, nullptr);
    const ExchangeReadResult second = ReadExchange(written, format);
    Require(second.Ok(), "what the writer writes is read without refusal");
    RequireListInvariants(second.Elements, second.Groups);
    Require(WriteExchange(format, second.Elements, second.Groups, second.Customer, nullptr) == written,
            "writing what was read back gives the same text");
    if (format == ExchangeFormat::MvInput)
        Require(SameRead(second, first), "mvinput keeps every byte");
    return 0;
}
