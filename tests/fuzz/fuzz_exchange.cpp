// ReadExchange on any text, as the format named FUZZ_EXCHANGE_FORMAT or, when
// that is empty, as the format the text's header comes closest to. A list read
// is written in its format and read again: the writer's text must be accepted,
// and be its own fixed point; mvinput keeps every byte.

#include "FuzzSupport.h"

#include "common/exchange/Exchange.h"

#include <optional>

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
