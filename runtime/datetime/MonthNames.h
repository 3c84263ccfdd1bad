#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The texts that date and time pictures print: month names, month abbreviations and the AM/PM
// texts. Built-in English values; the environment file may replace them at start-up.

namespace tamberlo {

// A text of at most Capacity bytes held in place, so that the tables copy without allocating.
template <std::size_t Capacity>
class FixedText {
public:
    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }

    // Keeps the first Capacity bytes of `text`.
    void assign(std::string_view text) {
        m_size = static_cast<std::uint8_t>(text.size() < Capacity ? text.size() : Capacity);
        for (std::size_t i = 0; i < m_size; ++i)
            m_chars[i] = text[i];
    }
    std::string_view view() const { return {m_chars.data(), m_size}; }

private:
    std::array<char, Capacity> m_chars{};
    std::uint8_t m_size = 0;
};

inline constexpr std::size_t monthNameCapacity = 12;
inline constexpr std::size_t monthAbbreviationCapacity = 3;
inline constexpr std::size_t amPmCapacity = 2;

struct MonthNames {
    std::array<FixedText<monthNameCapacity>, 12> months;
    std::array<FixedText<monthAbbreviationCapacity>, 12> abbreviations;
    FixedText<amPmCapacity> amText;
    FixedText<amPmCapacity> pmText;

    // "January".."December", "Jan".."Dec", "AM", "PM".
    static MonthNames builtIn();
};

} // namespace tamberlo
