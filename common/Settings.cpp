#include "common/Settings.h"

#include <algorithm>

std::string TSettings::shortString(std::size_t offset, std::size_t capacity) const
{
    const std::size_t length = std::min<std::size_t>(m_bytes[offset], capacity);
    return std::string(reinterpret_cast<const char *>(m_bytes.data() + offset + 1), length);
}

void TSettings::setShortString(std::size_t offset, std::size_t capacity, const std::string &bytes)
{
    const std::size_t length = std::min(bytes.size(), capacity);
    std::fill_n(m_bytes.begin() + offset + 1, capacity, std::uint8_t{0});
    std::copy_n(bytes.begin(), length, m_bytes.begin() + offset + 1);
    m_bytes[offset] = static_cast<std::uint8_t>(length);
}
