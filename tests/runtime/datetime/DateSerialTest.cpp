#include "runtime/datetime/DateSerial.h"
#include "platform/os/Clock.h"
#include "runtime/datetime/Clock.h"
#include "runtime/datetime/TimeValue.h"

#include <gtest/gtest.h>

using namespace tamberlo;

TEST(DateSerial, CalendarRoundTrips) {
    struct Case {
        CalendarDate date;
        std::int32_t serial;
        int weekday;
    };
    const Case cases[] = {
        {{1801, 1, 1}, 4, 4},         // the first date, a Thursday
        {{1801, 12, 31}, 368, 4},     //
        {{1804, 2, 29}, 1158, 3},     // the first leap day
        {{1900, 3, 1}, 36222, 4},     // 1900 is no leap year
        {{2000, 2, 29}, 72746, 2},    // 2000 is one
        {{2001, 3, 5}, 73116, 1},     //
        {{2010, 10, 12}, 76624, 2},   // a Tuesday
        {{9999, 12, 31}, 2994626, 5}, // the last date
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(dateSerial(c.date.year, c.date.month, c.date.day), c.serial);
        EXPECT_EQ(calendarDate(c.serial), c.date);
        EXPECT_EQ(weekday(c.serial), c.weekday);
    }
    // Every day of the range maps back to itself, and consecutive serials are consecutive days.
    CalendarDate previous = *calendarDate(firstDateSerial);
    for (std::int32_t serial = firstDateSerial + 1; serial <= lastDateSerial; ++serial) {
        auto date = calendarDate(serial);
        ASSERT_TRUE(date);
        ASSERT_EQ(dateSerial(date->year, date->month, date->day), serial);
        bool nextDay = date->day == previous.day + 1 && date->month == previous.month;
        bool nextMonth = date->day == 1 && (date->month == previous.month + 1 ||
                                            (date->month == 1 && date->year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << serial;
        previous = *date;
    }
}

TEST(DateSerial, OutsideTheRangeIsNoDate) {
    EXPECT_EQ(calendarDate(3), std::nullopt);
    EXPECT_EQ(calendarDate(0), std::nullopt);
    EXPECT_EQ(calendarDate(-76624), std::nullopt);
    EXPECT_EQ(calendarDate(2994627), std::nullopt);
    EXPECT_EQ(dateSerial(1800, 12, 31), 0);
    EXPECT_EQ(dateSerial(10000, 1, 1), 0);
    EXPECT_EQ(dateSerial(1900, 2, 29), 0);
    EXPECT_EQ(dateSerial(2010, 4, 31), 0);
    EXPECT_EQ(dateSerial(2010, 13, 1), 0);
    EXPECT_EQ(dateSerial(2010, 0, 1), 0);
}

TEST(TimeValue, RoundTripsAndRange) {
    EXPECT_EQ(timeValue(0, 0, 0, 0), 1);
    EXPECT_EQ(timeValue(23, 59, 59, 99), 8640000);
    EXPECT_EQ(timeValue(15, 5, 9, 0), 5430901);
    EXPECT_EQ(timeOfDay(5430901), (TimeOfDay{15, 5, 9, 0}));
    EXPECT_EQ(timeOfDay(8640000), (TimeOfDay{23, 59, 59, 99}));
    EXPECT_EQ(timeOfDay(1), (TimeOfDay{}));
    EXPECT_EQ(timeOfDay(0), std::nullopt);
    EXPECT_EQ(timeOfDay(8640001), std::nullopt);
    EXPECT_EQ(timeValue(24, 0, 0, 0), 0);
    EXPECT_EQ(timeValue(12, 60, 0, 0), 0);
}

namespace {

class FixedClock final : public os::Clock {
public:
    explicit FixedClock(os::LocalDateTime now) : m_now(now) {}
    os::LocalDateTime localTime() override { return m_now; }
    std::int64_t steadyHundredths() override { return 0; }

private:
    os::LocalDateTime m_now;
};

struct InstalledClock {
    explicit InstalledClock(os::Clock& clock) { os::setClock(&clock); }
    ~InstalledClock() { os::setClock(nullptr); }
};

} // namespace

TEST(Clock, TodayAndClockReadTheLocalTime) {
    FixedClock afternoon({2010, 10, 12, 15, 5, 9, 678});
    InstalledClock installed(afternoon);
    EXPECT_EQ(TODAY(), 76624);
    EXPECT_EQ(CLOCK(), 5430968); // milliseconds count in hundredths
}

TEST(Clock, MidnightIsZeroAndALeapSecondStaysInItsMinute) {
    FixedClock midnight({2010, 10, 12, 0, 0, 0, 9});
    InstalledClock installed(midnight);
    EXPECT_EQ(CLOCK(), 0);

    FixedClock leapSecond({2016, 12, 31, 23, 59, 60, 500});
    os::setClock(&leapSecond);
    EXPECT_EQ(CLOCK(), timeValue(23, 59, 59, 50));

    FixedClock tooEarly({1700, 1, 1, 0, 0, 0, 0});
    os::setClock(&tooEarly);
    EXPECT_EQ(TODAY(), 0);
}
