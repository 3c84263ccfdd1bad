#pragma once

#include <cstdint>
#include <optional>

// Times of day are held as 1 + hundredths of a second since midnight: 1 is 00:00:00.00 and
// 8,640,000 is 23:59:59.99. Every other value (0 included) is "no time".

namespace tamberlo {

inline constexpr std::int32_t firstTimeValue = 1;
inline constexpr std::int32_t lastTimeValue = 8640000;

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int hundredths = 0;

    bool operator==(const TimeOfDay&) const = default;
};

constexpr bool isValidTimeValue(std::int64_t value) {
    return value >= firstTimeValue && value <= lastTimeValue;
}

// The time value of a time of day; 0 (no time) when a part is out of range.
std::int32_t timeValue(int hour, int minute, int second, int hundredths);

// The time of day of a time value; nothing when the value is no time.
std::optional<TimeOfDay> timeOfDay(std::int32_t value);

} // namespace tamberlo
