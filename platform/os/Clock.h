#pragma once

#include <cstdint>

namespace tamberlo::os {

// The local wall-clock date and time, as the desktop reports it.
struct LocalDateTime {
    int year = 1801;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The clock the runtime reads: the local wall clock, and a steady count of hundredths of a
// second for timers. Tests and the drive tool replace it with one they move by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime localTime() = 0;
    // Hundredths of a second from an arbitrary start; never goes back.
    virtual std::int64_t steadyHundredths() = 0;
    // False for a clock that moves only when someone moves it: waiting for it in real time is
    // then pointless, and whoever moves it calls notifyClockMoved().
    virtual bool movesByItself() const { return true; }
};

// The process's clock: the system clock unless replaced.
Clock& clock();
// Replaces the process's clock (nullptr restores the system clock). The caller keeps
// ownership and keeps it alive while it is installed.
void setClock(Clock* replacement);

// Whoever waits for the clock (the window runtime's timers) registers here; nullptr removes it.
// The observer is called on the thread that moved the clock, with no clock lock held.
using ClockObserver = void (*)();
void setClockObserver(ClockObserver observer);
// Called by a clock that is moved by hand, after each move, and by setClock.
void notifyClockMoved();

} // namespace tamberlo::os
