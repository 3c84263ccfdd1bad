#include "platform/os/ManualClock.h"

#include <chrono>

namespace tamberlo::os {
namespace {

// Adds hundredths of a second to a calendar time, carrying into the date.
LocalDateTime addHundredths(const LocalDateTime& time, std::int64_t hundredths) {
    using namespace std::chrono;
    sys_days day = year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)},
                                  std::chrono::day{static_cast<unsigned>(time.day)}};
    milliseconds sinceMidnight = hours{time.hour} + minutes{time.minute} + seconds{time.second} +
                                 milliseconds{time.millisecond};
    sys_time<milliseconds> moved = day + sinceMidnight + milliseconds{hundredths * 10};
    sys_days newDay = floor<days>(moved);
    year_month_day date{newDay};
    hh_mm_ss<milliseconds> clockTime{moved - newDay};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(clockTime.hours().count()),
            static_cast<int>(clockTime.minutes().count()),
            static_cast<int>(clockTime.seconds().count()),
            static_cast<int>(clockTime.subseconds().count())};
}

} // namespace

ManualClock::ManualClock(LocalDateTime start) : m_local(start) {}

LocalDateTime ManualClock::localTime() {
    std::lock_guard lock(m_mutex);
    return m_local;
}

std::int64_t ManualClock::steadyHundredths() {
    std::lock_guard lock(m_mutex);
    return m_steady;
}

void ManualClock::setLocalTime(const LocalDateTime& time) {
    {
        std::lock_guard lock(m_mutex);
        m_local = time;
    }
    notifyClockMoved();
}

void ManualClock::advance(std::int64_t hundredths) {
    if (hundredths <= 0)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_steady += hundredths;
        m_local = addHundredths(m_local, hundredths);
    }
    notifyClockMoved();
}

} // namespace tamberlo::os
