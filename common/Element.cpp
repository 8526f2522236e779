#include "common/Element.h"

#include "common/Conversions.h"

#include <cstring>

const char *const kBandingNames[kBandingCodeCount] = {
    "Bez kantovanja",         "Jednostrano",          "Dvostrano",
    "Jednostrano ABS trakom", "Dvostrano ABS trakom", "1: PVC + 1: ABS",
};

TElement ZeroElement()
{
    TElement e;
    std::memset(&e, 0, sizeof e);
    return e;
}

void ClearList(TElementList &list)
{
    std::memset(list.data(), 0, sizeof list);
}

void ClearGroups(TElementGroups &groups)
{
    std::memset(groups.data(), 0, sizeof groups);
}

int ElementCount(const TElementList &list)
{
    int n = 0;
    while (n < kMaxElements && list[n].InUse())
        ++n;
    return n;
}

int GroupPieceCount(const TElementGroup &group)
{
    int n = 0;
    while (n < kPiecesPerGroup && group.Pieces[n].InUse())
        ++n;
    return n;
}

int GroupCount(const TElementGroups &groups)
{
    int n = 0;
    while (n < kGroupsPerDocument && GroupPieceCount(groups[n]) > 0)
        ++n;
    return n;
}

std::int32_t TotalPieces(const TElementList &list)
{
    std::int32_t total = 0;
    const int n = ElementCount(list);
    for (int i = 0; i < n; ++i)
        total += list[i].Count;
    return total;
}

double TotalArea(const TElementList &list)
{
    double area = 0.0;
    const int n = ElementCount(list);
    for (int i = 0; i < n; ++i)
        area += (list[i].Length / 1000.0) * (list[i].Width / 1000.0) * list[i].Count;
    return area;
}

int PvcEdges(std::uint8_t code)
{
    switch (code) {
    case BandingPvcOne:
    case BandingPvcAbs: return 1;
    case BandingPvcTwo: return 2;
    default: return 0;
    }
}

int AbsEdges(std::uint8_t code)
{
    switch (code) {
    case BandingAbsOne:
    case BandingPvcAbs: return 1;
    case BandingAbsTwo: return 2;
    default: return 0;
    }
}

namespace {

std::int32_t TapeLength(const TElementList &list, std::uint8_t surplusPercent, std::int32_t allowance,
                        int (*edges)(std::uint8_t))
{
    // Summed in 64 bits: 800 long elements with many pieces pass 2^31 mm.
    std::int64_t total = 0;
    const int n = ElementCount(list);
    for (int i = 0; i < n; ++i) {
        const TElement &e = list[i];
        const std::int64_t demand = edges(e.LengthBanding) * (std::int64_t{e.Length} + allowance)
                                    + edges(e.WidthBanding) * (std::int64_t{e.Width} + allowance);
        total += demand * e.Count;
    }
    // Imported lengths and a settings allowance may be negative: the result
    // saturates at both ends of 32 bits.
    return RoundHalfEven(static_cast<double>(total) * (surplusPercent / 100.0));
}

} // namespace

std::int32_t PvcTapeLength(const TElementList &list, std::uint8_t surplusPercent, std::int32_t allowance)
{
    return TapeLength(list, surplusPercent, allowance, PvcEdges);
}

std::int32_t AbsTapeLength(const TElementList &list, std::uint8_t surplusPercent, std::int32_t allowance)
{
    return TapeLength(list, surplusPercent, allowance, AbsEdges);
}

void MoveElement(TElementList &source, TElementList &destination, int pos)
{
    if (pos == 0)
        return;
    const int n = ElementCount(source);
    if (pos < 1 || pos > n)
        return;
    // A full destination must not swallow the element.
    if (!AppendElement(destination, source[pos - 1]))
        return;
    for (int k = pos; k < n; ++k)
        source[k - 1] = source[k];
    source[n - 1] = ZeroElement();
}

bool AppendElement(TElementList &list, const TElement &e)
{
    const int n = ElementCount(list);
    if (n >= kMaxElements)
        return false;
    list[n] = e;
    return true;
}

TElement Turned(TElement e)
{
    const std::int32_t length = e.Length;
    const std::uint8_t lengthBanding = e.LengthBanding;
    e.Length = e.Width;
    e.Width = length;
    e.LengthBanding = e.WidthBanding;
    e.WidthBanding = lengthBanding;
    return e;
}
