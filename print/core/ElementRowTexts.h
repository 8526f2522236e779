#pragma once
// The six printed texts of one element, in the printout's unit and banding marks.

#include "print/core/PrintColumns.h"

#include "common/Element.h"
#include "common/PrintoutSettings.h"

#include <array>

class ElementRowTexts {
public:
    explicit ElementRowTexts(const PrintoutSettings &settings);

    // number: the element's 1-based position in the list.
    TPrintRowTexts Of(const TElement &element, int number) const;

private:
    QString Dimension(std::int32_t millimetres, std::uint8_t banding) const;

    std::int32_t m_unit;
    std::array<QString, kBandingCodeCount> m_marks; // [0] stays empty
};
