#include "SampleList.h"

#include <string>

TElementList SampleList(int kinds)
{
    TElementList list;
    ClearList(list);
    for (int i = 0; i < kMaxElements; ++i) {
        const int k = (i * 7919) % kinds;
        TElement &e = list[i];
        e.Length = 200 + (k * 37) % 2600;
        e.Width = 100 + (k * 53) % 1900;
        e.Grain = static_cast<std::uint8_t>(k % 3 == 0);
        e.LengthBanding = static_cast<std::uint8_t>(k % 6);
        e.Count = static_cast<std::uint16_t>(1 + i % 9);
        e.Label.assign("EL" + std::to_string(k));
    }
    return list;
}
