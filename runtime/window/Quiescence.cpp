#include "runtime/window/Quiescence.h"

#include "platform/os/ManualClock.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

namespace detail {

bool idleLocked(const RuntimeThread& thread) {
    switch (thread.state) {
    case ThreadState::WaitingGo:
        return !thread.go;
    case ThreadState::WaitingEvent: {
        const Window* window = thread.loopWindow;
        return window && window->state == WindowState::Open && window->queue.empty() &&
               !window->acceptAll;
    }
    case ThreadState::WaitingModal:
        return thread.box && !thread.box->answered;
    case ThreadState::WaitingChild: {
        const Window* frame = thread.closingFrame;
        if (!frame || frame->state != WindowState::Open || thread.childRefused)
            return false;
        return std::find(frame->children.begin(), frame->children.end(), thread.closingChild) !=
               frame->children.end();
    }
    case ThreadState::Ended:
        return true;
    case ThreadState::Starting:
    case ThreadState::Running:
        return false;
    }
    return false;
}

} // namespace detail

namespace {

bool quiescentLocked(const Model& m) {
    if (m.starting > 0)
        return false;
    return std::all_of(m.slots.begin(), m.slots.end(),
                       [](const RuntimeThread* thread) { return !thread || idleLocked(*thread); });
}

bool startedThreadsEndedLocked(const Model& m) {
    if (m.starting > 0)
        return false;
    return std::all_of(m.slots.begin(), m.slots.end(),
                       [](const RuntimeThread* thread) { return !thread || thread->adopted; });
}

} // namespace

bool quiescent() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    return quiescentLocked(m);
}

bool waitUntilQuiescent(std::chrono::milliseconds limit) {
    Model& m = model();
    Lock lock(m.mutex);
    return m.changed.wait_for(lock, limit, [&m] { return quiescentLocked(m); });
}

int liveThreadCount() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    return static_cast<int>(std::count_if(m.slots.begin(), m.slots.end(),
                                          [](const RuntimeThread* thread) { return thread; }));
}

bool waitUntilThreadsEnded(std::chrono::milliseconds limit) {
    Model& m = model();
    {
        Lock lock(m.mutex);
        if (!m.changed.wait_for(lock, limit, [&m] { return startedThreadsEndedLocked(m); }))
            return false;
    }
    reapEndedThreads();
    return true;
}

bool advanceClock(os::ManualClock& clock, std::int64_t hundredths) {
    Model& m = model();
    std::int64_t target = clock.steadyHundredths() + std::max<std::int64_t>(hundredths, 0);
    for (;;) {
        if (!waitUntilQuiescent())
            return false;
        std::int64_t due = -1;
        {
            std::lock_guard lock(m.mutex);
            due = nextTimerDueLocked(m);
        }
        std::int64_t now = clock.steadyHundredths();
        if (due < 0 || due > target)
            break;
        if (due > now) {
            clock.advance(due - now);
        } else {
            std::lock_guard lock(m.mutex);
            fireDueTimersLocked(m);
        }
    }
    std::int64_t now = clock.steadyHundredths();
    if (target > now)
        clock.advance(target - now);
    return waitUntilQuiescent();
}

} // namespace tamberlo
