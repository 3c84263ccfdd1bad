#pragma once

#include <cstdint>
#include <optional>

// Dates are held as serials: days after 28 December 1800 in the Gregorian calendar, so that 4 is
// 1 January 1801 and 2,994,626 is 31 December 9999. Every other value is "no date".

namespace tamberlo {

inline constexpr std::int32_t firstDateSerial = 4;
inline constexpr std::int32_t lastDateSerial = 2994626;

struct CalendarDate {
    int year = 1801;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    bool operator==(const CalendarDate&) const = default;
};

constexpr bool isValidDateSerial(std::int64_t serial) {
    return serial >= firstDateSerial && serial <= lastDateSerial;
}

// The serial of a calendar date, or 0 (no date) when the date does not exist or lies outside
// 1801..9999.
std::int32_t dateSerial(int year, int month, int day);

// The calendar date of a serial; nothing when the serial is no date.
std::optional<CalendarDate> calendarDate(std::int32_t serial);

// 0 = Sunday .. 6 = Saturday, for a valid serial.
constexpr int weekday(std::int32_t serial) {
    return serial % 7;
}

} // namespace tamberlo
