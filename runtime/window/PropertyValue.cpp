#include "runtime/window/PropertyValue.h"

#include <limits>

namespace tamberlo {

std::int64_t PropertyValue::toLong() const {
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return *number;
    const std::string& text = std::get<std::string>(m_value);
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    // Saturate rather than overflow on absurdly long digit runs.
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        if (value < limit)
            value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

std::string PropertyValue::toText() const {
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return std::to_string(*number);
    return std::get<std::string>(m_value);
}

} // namespace tamberlo
