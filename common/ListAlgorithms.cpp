#include "common/ListAlgorithms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Positions are 1-based; entry 0 is unused so the indices read as in the lists.
using OrderArray = std::array<int, kMaxElements + 1>;

// Packed fields are read into locals: std::max and std::min take references.
std::int32_t PrimaryKey(const TElement &e)
{
    const std::int32_t length = e.Length;
    const std::int32_t width = e.Width;
    return e.Grain != 0 ? length : std::max(length, width);
}

std::int32_t SecondaryKey(const TElement &e)
{
    const std::int32_t length = e.Length;
    const std::int32_t width = e.Width;
    return e.Grain != 0 ? width : std::min(length, width);
}

// The partition sort the program has always used: not stable, and the order it
// leaves equal keys in is part of what users see.
class LengthSorter {
public:
    LengthSorter(const TElementList &list, OrderArray &order)
        : m_list(list)
        , m_order(order)
    {
    }

    void Sort(int lo, int hi)
    {
        int i = lo;
        int j = hi;
        const TElement &pivot = At(m_order[(lo + hi) / 2]);
        const std::int32_t p1 = PrimaryKey(pivot);
        const std::int32_t p2 = SecondaryKey(pivot);
        do {
            while (Before(At(m_order[i]), p1, p2))
                ++i;
            while (Before(p1, p2, At(m_order[j])))
                --j;
            if (i <= j) {
                std::swap(m_order[i], m_order[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j)
            Sort(lo, j);
        if (i < hi)
            Sort(i, hi);
    }

private:
    const TElement &At(int position) const { return m_list[position - 1]; }

    // Descending by K1, then by K2.
    static bool Before(const TElement &e, std::int32_t p1, std::int32_t p2)
    {
        const std::int32_t k1 = PrimaryKey(e);
        return k1 > p1 || (k1 == p1 && SecondaryKey(e) > p2);
    }
    static bool Before(std::int32_t p1, std::int32_t p2, const TElement &e)
    {
        const std::int32_t k1 = PrimaryKey(e);
        return k1 < p1 || (k1 == p1 && SecondaryKey(e) < p2);
    }

    const TElementList &m_list;
    OrderArray &m_order;
};

// Lengthwise: an element free to turn has its longer side as its length.
TElement TurnedLengthwise(const TElement &e)
{
    return e.Grain == 0 && e.Width > e.Length ? Turned(e) : e;
}

// The first kept element identical to e that can take count more pieces, or -1.
int FindSameWithRoom(const TElementList &kept, int keptCount, const TElement &e)
{
    for (int k = 0; k < keptCount; ++k) {
        if (IsSameElement(kept[k], e) && int{kept[k].Count} + e.Count <= kMaxCount)
            return k;
    }
    return -1;
}

} // namespace

void SortByLength(TElementList &list)
{
    const int n = ElementCount(list);
    if (n == 0)
        return;
    OrderArray order{};
    for (int k = 1; k <= n; ++k)
        order[k] = k;
    LengthSorter(list, order).Sort(1, n);

    TElementList sorted;
    ClearList(sorted);
    for (int k = 1; k <= n; ++k)
        sorted[k - 1] = TurnedLengthwise(list[order[k] - 1]);
    list = sorted;
}

bool IsSameElement(const TElement &a, const TElement &b)
{
    const bool sameWay = a.Length == b.Length && a.Width == b.Width && a.LengthBanding == b.LengthBanding
                         && a.WidthBanding == b.WidthBanding && a.Grain == b.Grain;
    const bool turned = a.Grain == 0 && b.Grain == 0 && a.Length == b.Width && a.Width == b.Length
                        && a.LengthBanding == b.WidthBanding && a.WidthBanding == b.LengthBanding;
    return (sameWay || turned) && a.Label == b.Label && a.Priority == b.Priority;
}

int FindSameElement(const TElementList &list, const TElement &e)
{
    const int n = ElementCount(list);
    for (int k = 0; k < n; ++k) {
        if (IsSameElement(list[k], e))
            return k + 1;
    }
    return -1;
}

void MergeSameElements(TElementList &list)
{
    const int n = ElementCount(list);
    TElementList kept;
    ClearList(kept);
    int keptCount = 0;
    for (int i = 0; i < n; ++i) {
        const int k = FindSameWithRoom(kept, keptCount, list[i]);
        if (k < 0)
            kept[keptCount++] = list[i]; // kept never outgrows the list it comes from
        else
            kept[k].Count = static_cast<std::uint16_t>(kept[k].Count + list[i].Count);
    }
    list = kept;
}

bool DissolveGroups(TElementList &list, TElementGroups &groups)
{
    const int g = GroupCount(groups);
    if (g == 0)
        return true;
    int n = ElementCount(list);
    int pieces = 0;
    for (int i = 0; i < g; ++i)
        pieces += GroupPieceCount(groups[i]);
    if (n + pieces > kMaxElements)
        return false;
    for (int i = 0; i < g; ++i) {
        const int count = GroupPieceCount(groups[i]);
        for (int p = 0; p < count; ++p)
            list[n++] = groups[i].Pieces[p];
    }
    ClearGroups(groups);
    return true;
}
