// Window timers, on the replaceable clock.

#include "platform/os/Clock.h"
#include "runtime/window/Events.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo::detail {

namespace {

void clockMoved() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    fireDueTimersLocked(m);
    // Threads that wait in real time for a timer look at the clock again.
    for (RuntimeThread* thread : m.slots)
        if (thread)
            wakeThreadLocked(*thread);
}

// Lowers `due` (-1 = none yet) to the moment the window's timer falls due, if it runs.
void takeEarlierDue(std::int64_t& due, const Window& window) {
    if (window.state == WindowState::Open && window.timer > 0 && (due < 0 || window.timerDue < due))
        due = window.timerDue;
}

} // namespace

void installClockObserver() {
    os::setClockObserver(&clockMoved);
}

void setTimerLocked(Model&, Window& window, std::int64_t hundredths) {
    window.timer = std::max<std::int64_t>(hundredths, 0);
    if (window.timer == 0)
        return;
    // The first tick comes one interval after the timer is set.
    window.timerDue = os::clock().steadyHundredths() + window.timer;
    if (window.owner)
        wakeThreadLocked(*window.owner);
}

void fireDueTimersLocked(Model& m) {
    std::int64_t now = os::clock().steadyHundredths();
    for (auto& [id, window] : m.windows) {
        if (window->state != WindowState::Open || window->timer <= 0 || window->timerDue > now)
            continue;
        // A tick that finds the last one still queued adds nothing, as a busy window would
        // otherwise drown in ticks.
        bool queued =
            std::any_of(window->queue.begin(), window->queue.end(), [](const Message& message) {
                return !message.input && message.code == EVENT::Timer;
            });
        if (!queued)
            postLocked(m, *window, eventMessage(EVENT::Timer, 0));
        std::int64_t missed = (now - window->timerDue) / window->timer;
        window->timerDue += (missed + 1) * window->timer;
    }
}

std::int64_t nextTimerDueLocked(const RuntimeThread& thread) {
    std::int64_t due = -1;
    for (const Window* window : thread.windows)
        takeEarlierDue(due, *window);
    return due;
}

std::int64_t nextTimerDueLocked(const Model& m) {
    std::int64_t due = -1;
    for (const auto& [id, window] : m.windows)
        takeEarlierDue(due, *window);
    return due;
}

} // namespace tamberlo::detail
