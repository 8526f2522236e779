#include "common/exchange/Exchange.h"

#include "common/Conversions.h"
#include "common/NumberText.h"
#include "common/exchange/ExchangeLayout.h"

const char *ExchangeFormatName(ExchangeFormat format)
{
    return LayoutOf(format).Name;
}

std::optional<ExchangeFormat> ExchangeFormatFromName(std::string_view name)
{
    const std::string wanted = Lowered(TrimBlanks(name));
    for (const FormatLayout &layout : ExchangeLayouts()) {
        if (wanted == layout.Name)
            return layout.Format;
    }
    return std::nullopt;
}

bool IsReadableExchangeFormat(ExchangeFormat format)
{
    return LayoutOf(format).Readable;
}

std::string LineMessage(int line, const std::string &text)
{
    return "red " + IntToText(line) + ": " + text;
}
