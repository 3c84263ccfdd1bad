#include "platform/os/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace tamberlo::os {
namespace {

class SystemClock final : public Clock {
public:
    LocalDateTime localTime() override {
        using namespace std::chrono;
        auto now = system_clock::now();
        std::time_t seconds = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&seconds, &local);
        auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,           local.tm_hour,
                local.tm_min,         local.tm_sec,     static_cast<int>(millis)};
    }

    std::int64_t steadyHundredths() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() / 10;
    }
};

SystemClock systemClock;
std::atomic<Clock*> installed{nullptr};
std::atomic<ClockObserver> observer{nullptr};

} // namespace

Clock& clock() {
    Clock* replacement = installed.load(std::memory_order_acquire);
    return replacement ? *replacement : systemClock;
}

void setClock(Clock* replacement) {
    installed.store(replacement, std::memory_order_release);
    notifyClockMoved();
}

void setClockObserver(ClockObserver replacement) {
    observer.store(replacement, std::memory_order_release);
}

void notifyClockMoved() {
    if (ClockObserver current = observer.load(std::memory_order_acquire))
        current();
}

} // namespace tamberlo::os
