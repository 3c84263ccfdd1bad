#include "runtime/datetime/DateSerial.h"

namespace tamberlo {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (the era-based conversion, exact for
// every year of the range without tables).
constexpr std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    auto yearOfEra = year - era * 400;
    auto dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    auto dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t serialOrigin = daysFromCivil(1800, 12, 28);

constexpr bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int daysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

static_assert(daysFromCivil(1801, 1, 1) - serialOrigin == firstDateSerial);
static_assert(daysFromCivil(9999, 12, 31) - serialOrigin == lastDateSerial);

} // namespace

std::int32_t dateSerial(int year, int month, int day) {
    if (year < 1801 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month))
        return 0;
    return static_cast<std::int32_t>(daysFromCivil(year, month, day) - serialOrigin);
}

std::optional<CalendarDate> calendarDate(std::int32_t serial) {
    if (!isValidDateSerial(serial))
        return std::nullopt;
    // The inverse of daysFromCivil.
    std::int64_t z = serial + serialOrigin + 719468;
    std::int64_t era = z / 146097; // z is positive over the whole range
    auto dayOfEra = z - era * 146097;
    auto yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    auto dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    auto shiftedMonth = (5 * dayOfYear + 2) / 153;
    int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return CalendarDate{year, month, day};
}

} // namespace tamberlo
