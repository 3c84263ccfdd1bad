#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tamberlo {

// The value of a property: a number or a text, each readable as the other (a text reads as the
// number its leading digits give, a number reads as its decimal digits).
class PropertyValue {
public:
    PropertyValue() = default;
    template <std::integral T>
    PropertyValue(T number) : m_value(static_cast<std::int64_t>(number)) {}
    PropertyValue(std::string text) : m_value(std::move(text)) {}
    PropertyValue(std::string_view text) : m_value(std::string(text)) {}
    PropertyValue(const char* text) : m_value(std::string(text)) {}

    bool isNumber() const { return std::holds_alternative<std::int64_t>(m_value); }
    // Leading blanks, an optional sign and the digits that follow; 0 when there are none.
    std::int64_t toLong() const;
    std::string toText() const;

    friend bool operator==(const PropertyValue&, const PropertyValue&) = default;

private:
    std::variant<std::string, std::int64_t> m_value;
};

} // namespace tamberlo
