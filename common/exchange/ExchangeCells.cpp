#include "common/exchange/ExchangeCells.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/NumberText.h"
#include "common/exchange/CellText.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// The edges of one side for each banding code, and back.
constexpr std::pair<Tape, Tape> kEdgesOfCode[kBandingCodeCount] = {
    {Tape::None, Tape::None}, {Tape::Pvc, Tape::None}, {Tape::Pvc, Tape::Pvc},
    {Tape::Abs, Tape::None},  {Tape::Abs, Tape::Abs},  {Tape::Pvc, Tape::Abs},
};

std::pair<Tape, Tape> EdgesOf(std::uint8_t code)
{
    return code < kBandingCodeCount ? kEdgesOfCode[code] : kEdgesOfCode[BandingNone];
}

// Which edge carries which tape does not matter to a code: PVC on the bottom only is code 1.
std::uint8_t CodeOf(Tape first, Tape second)
{
    for (std::uint8_t code = 0; code < kBandingCodeCount; ++code) {
        const auto [a, b] = kEdgesOfCode[code];
        if ((a == first && b == second) || (a == second && b == first))
            return code;
    }
    return BandingNone; // every pair is in the table
}

const char *TapeName(Tape tape)
{
    switch (tape) {
    case Tape::Pvc: return "PVC";
    case Tape::Abs: return "ABS";
    case Tape::None: break;
    }
    return "";
}

constexpr std::size_t kReservedBytes = sizeof(TElement::Reserved1) + sizeof(TElement::Reserved2);

std::string ReservedHex(const TElement &e)
{
    std::uint8_t bytes[kReservedBytes];
    bytes[0] = e.Reserved1;
    std::memcpy(bytes + 1, e.Reserved2, sizeof e.Reserved2);
    const bool zero = std::all_of(bytes, bytes + kReservedBytes, [](std::uint8_t b) { return b == 0; });
    return zero ? std::string() : HexOf(bytes, kReservedBytes);
}

// Only up to the last non-zero byte: a label as the program stores it has an empty padding.
std::string LabelPaddingHex(const TElement &e)
{
    const std::size_t length = std::min<std::size_t>(e.Label.Length, e.Label.Capacity);
    std::size_t end = e.Label.Capacity;
    while (end > length && e.Label.Chars[end - 1] == 0)
        --end;
    return HexOf(reinterpret_cast<const std::uint8_t *>(e.Label.Chars) + length, end - length);
}

std::int64_t CarriedValue(const Column &column, const TElement &e)
{
    std::uint64_t raw = 0;
    std::memcpy(&raw, reinterpret_cast<const char *>(&e) + column.Offset, column.Size);
    const unsigned bits = static_cast<unsigned>(column.Size * 8);
    if (column.Signed && bits < 64 && (raw >> (bits - 1)) != 0)
        raw |= ~std::uint64_t(0) << bits;
    return static_cast<std::int64_t>(raw);
}

// Length or width, as the column says. The lossless format takes any whole
// number but 0, which would end the list; the others a size 1..99999 mm.
std::string ReadSize(const Column &column, const CellReading &reading, std::string_view cell, TElement &e)
{
    std::int64_t size = 0;
    if (reading.Lossless) {
        const std::optional<std::int64_t> number = ParseInteger(cell, PlusSign::Accepted);
        if (!number || *number < std::numeric_limits<std::int32_t>::min()
            || *number > std::numeric_limits<std::int32_t>::max())
            return ReasonName(column) + " nije ceo broj";
        if (*number == 0)
            return ReasonName(column) + " je nula";
        size = *number;
    } else {
        std::string problem;
        const std::optional<std::int64_t> mm = ReadCellMillimetres(cell, reading.Mark, reading.Unit, problem);
        if (!mm)
            return ReasonName(column) + " \"" + std::string(cell) + "\" " + problem;
        if (*mm > kMaxDimensionMm)
            return ReasonName(column) + " veca od " + IntToText(kMaxDimensionMm) + " mm";
        if (*mm <= 0)
            return ReasonName(column) + " nije veca od nule";
        size = *mm;
    }
    if (column.Kind == CellKind::Length)
        e.Length = static_cast<std::int32_t>(size);
    else
        e.Width = static_cast<std::int32_t>(size);
    return {};
}

std::string ReadCount(const Column &column, std::string_view cell, TElement &e)
{
    const std::optional<std::int64_t> count = ParseInteger(cell, PlusSign::Accepted);
    if (!count)
        return ReasonName(column) + " nije broj";
    if (*count < 1)
        return ReasonName(column) + " manje od 1";
    if (*count > kMaxCount)
        return ReasonName(column) + " vise od " + IntToText(kMaxCount);
    e.Count = static_cast<std::uint16_t>(*count);
    return {};
}

std::string ReadLabel(const Column &column, std::string_view cell, TElement &e)
{
    std::string bytes;
    if (!Utf8ToWin1250(cell, bytes))
        return ReasonName(column) + " ima nedozvoljen znak";
    if (bytes.size() > e.Label.Capacity)
        return ReasonName(column) + " duza od " + IntToText(static_cast<std::int32_t>(e.Label.Capacity)) + " znakova";
    e.Label.assign(bytes);
    return {};
}

std::string ReadGrain(const Column &column, std::string_view cell, TElement &e)
{
    if (cell.empty() || cell == "0" || cell == "-")
        e.Grain = 0;
    else if (cell == "1" || cell == "+")
        e.Grain = 1;
    else
        return ReasonName(column) + " nije 1 ni 0";
    return {};
}

std::string ReadRotate(const Column &column, std::string_view cell, TElement &e)
{
    const std::string answer = Lowered(cell);
    if (answer.empty() || answer == "y")
        e.Grain = 0;
    else if (answer == "n")
        e.Grain = 1;
    else
        return ReasonName(column) + " nije Y ni N";
    return {};
}

std::string ReadRanged(const Column &column, std::string_view cell, std::int64_t min, std::int64_t max,
                       std::int64_t &value)
{
    const std::optional<std::int64_t> number =
        cell.empty() ? std::optional<std::int64_t>(0) : ParseInteger(cell, PlusSign::Accepted);
    if (!number || *number < min || *number > max)
        return ReasonName(column) + " nije broj od " + std::to_string(min) + " do " + std::to_string(max);
    value = *number;
    return {};
}

// The length's or the width's banding code, as the column says.
std::string ReadBanding(const Column &column, std::string_view cell, TElement &e)
{
    std::int64_t code = 0;
    std::string reason = ReadRanged(column, cell, 0, kBandingCodeCount - 1, code);
    if (!reason.empty())
        return reason;
    if (column.Kind == CellKind::LengthBanding)
        e.LengthBanding = static_cast<std::uint8_t>(code);
    else
        e.WidthBanding = static_cast<std::uint8_t>(code);
    return {};
}

// What a cutting program writes for an edge: empty or 0 for none, a name
// holding the word ABS for ABS, and any other mark, number or name for PVC.
Tape TapeOfCell(std::string_view cell)
{
    if (cell.empty() || cell == "0")
        return Tape::None;
    const std::string name = Lowered(cell);
    for (std::size_t at = name.find("abs"); at != std::string::npos; at = name.find("abs", at + 1)) {
        const bool wordStart = at == 0 || !std::isalpha(static_cast<unsigned char>(name[at - 1]));
        const bool wordEnd = at + 3 == name.size() || !std::isalpha(static_cast<unsigned char>(name[at + 3]));
        if (wordStart && wordEnd)
            return Tape::Abs;
    }
    return Tape::Pvc;
}

std::string ReadTape(std::string_view cell, RowState &row, Tape &tape)
{
    tape = TapeOfCell(cell);
    row.Tapes = true;
    return {};
}

std::string ReadCarried(const Column &column, std::string_view cell, TElement &e)
{
    const unsigned bits = static_cast<unsigned>(column.Size * 8);
    const std::int64_t min = column.Signed ? -(std::int64_t(1) << (bits - 1)) : 0;
    const std::int64_t max = column.Signed ? (std::int64_t(1) << (bits - 1)) - 1 : (std::int64_t(1) << bits) - 1;
    std::int64_t value = 0;
    std::string reason = ReadRanged(column, cell, min, max, value);
    if (!reason.empty())
        return reason;
    const std::uint64_t raw = static_cast<std::uint64_t>(value); // little-endian: the low bytes come first
    std::memcpy(reinterpret_cast<char *>(&e) + column.Offset, &raw, column.Size);
    return {};
}

std::string ReadHex(const Column &column, std::string_view cell, std::vector<std::uint8_t> &bytes)
{
    return ParseHex(cell, bytes) ? std::string() : ReasonName(column) + " nije heks zapis";
}

std::string ReadReserved(const Column &column, std::string_view cell, TElement &e)
{
    std::vector<std::uint8_t> bytes;
    if (cell.empty())
        bytes.assign(kReservedBytes, 0);
    else if (!ReadHex(column, cell, bytes).empty() || bytes.size() != kReservedBytes)
        return ReasonName(column) + " nije heks zapis";
    e.Reserved1 = bytes[0];
    std::memcpy(e.Reserved2, bytes.data() + 1, sizeof e.Reserved2);
    return {};
}

} // namespace

std::string ReasonName(const Column &column)
{
    switch (column.Kind) {
    case CellKind::Length: return "duzina";
    case CellKind::Width: return "sirina";
    case CellKind::Count: return "komada";
    case CellKind::Label: return "oznaka";
    case CellKind::Grain: return "tekstura";
    case CellKind::LengthBanding: return "kant duzine";
    case CellKind::WidthBanding: return "kant sirine";
    case CellKind::Group: return "grupa";
    default: return column.Heading;
    }
}

std::string CellOf(const Column &column, const TElement &e, int position, int group)
{
    switch (column.Kind) {
    case CellKind::Position: return IntToText(position);
    case CellKind::Length: return IntToText(e.Length);
    case CellKind::Width: return IntToText(e.Width);
    case CellKind::Count: return IntToText(e.Count);
    case CellKind::Label: return Win1250ToUtf8(e.Label.str());
    case CellKind::Grain: return e.Grain != 0 ? "1" : "0";
    case CellKind::Rotate: return e.Grain != 0 ? "N" : "Y";
    case CellKind::LengthBanding: return IntToText(e.LengthBanding);
    case CellKind::WidthBanding: return IntToText(e.WidthBanding);
    case CellKind::TopTape: return TapeName(EdgesOf(e.LengthBanding).first);
    case CellKind::BottomTape: return TapeName(EdgesOf(e.LengthBanding).second);
    case CellKind::LeftTape: return TapeName(EdgesOf(e.WidthBanding).first);
    case CellKind::RightTape: return TapeName(EdgesOf(e.WidthBanding).second);
    case CellKind::Enabled: return "true";
    case CellKind::Unused: return {};
    case CellKind::Group: return IntToText(group);
    case CellKind::Carried: return std::to_string(CarriedValue(column, e));
    case CellKind::Reserved: return ReservedHex(e);
    case CellKind::LabelPadding: return LabelPaddingHex(e);
    case CellKind::LabelLength: return e.Label.Length > e.Label.Capacity ? IntToText(e.Label.Length) : std::string();
    }
    return {};
}

std::string ApplyCell(const Column &column, const CellReading &reading, std::string_view cell, RowState &row)
{
    TElement &e = row.Element;
    switch (column.Kind) {
    case CellKind::Position:
    case CellKind::Enabled:
    case CellKind::Unused: return {};
    case CellKind::Length:
    case CellKind::Width: return ReadSize(column, reading, cell, e);
    case CellKind::Count: return ReadCount(column, cell, e);
    case CellKind::Label: return ReadLabel(column, cell, e);
    case CellKind::Grain: return ReadGrain(column, cell, e);
    case CellKind::Rotate: return ReadRotate(column, cell, e);
    case CellKind::LengthBanding:
    case CellKind::WidthBanding: return ReadBanding(column, cell, e);
    case CellKind::TopTape: return ReadTape(cell, row, row.Top);
    case CellKind::BottomTape: return ReadTape(cell, row, row.Bottom);
    case CellKind::LeftTape: return ReadTape(cell, row, row.Left);
    case CellKind::RightTape: return ReadTape(cell, row, row.Right);
    case CellKind::Group: {
        std::int64_t group = 0;
        std::string reason = ReadRanged(column, cell, 0, kGroupsPerDocument, group);
        row.Group = static_cast<int>(group); // 0 when refused
        return reason;
    }
    case CellKind::Carried: return ReadCarried(column, cell, e);
    case CellKind::Reserved: return ReadReserved(column, cell, e);
    case CellKind::LabelPadding: return ReadHex(column, cell, row.LabelPadding);
    case CellKind::LabelLength: {
        std::int64_t length = 0;
        std::string reason = ReadRanged(column, cell, 0, 255, length);
        if (!cell.empty())
            row.LabelLength = length;
        return reason;
    }
    }
    return {};
}

std::string FinishRow(RowState &row)
{
    TElement &e = row.Element;
    if (row.Tapes) {
        e.LengthBanding = CodeOf(row.Top, row.Bottom);
        e.WidthBanding = CodeOf(row.Left, row.Right);
    }
    const std::size_t length = e.Label.Length;
    if (row.LabelPadding.size() > e.Label.Capacity - length)
        return "LabelPadding duzi od ostatka oznake";
    std::copy(row.LabelPadding.begin(), row.LabelPadding.end(), e.Label.Chars + length);
    // A length byte beyond the 25 characters: every character is the label's.
    if (row.LabelLength && *row.LabelLength != static_cast<std::int64_t>(length)) {
        if (*row.LabelLength <= static_cast<std::int64_t>(e.Label.Capacity) || length != e.Label.Capacity)
            return "LabelLength ne odgovara oznaci";
        e.Label.Length = static_cast<std::uint8_t>(*row.LabelLength);
    }
    return {};
}
