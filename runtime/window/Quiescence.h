#pragma once

#include <chrono>
#include <cstdint>

namespace tamberlo {

namespace os {
class ManualClock;
}

// Quiescence: every runtime thread waits (for an event, a go signal, a modal answer or a child
// window's closing) and nothing it would take is queued, so nothing more happens until the user
// acts or the clock moves. Tests and the drive tool wait for it instead of sleeping.

bool quiescent();
// Blocks until quiescent; false when `limit` passed first.
bool waitUntilQuiescent(std::chrono::milliseconds limit = std::chrono::seconds(60));

// The runtime threads that have not ended (adopted threads included).
int liveThreadCount();
// Blocks until every thread started by StartProcedure has ended and has been joined; false
// when `limit` passed first.
bool waitUntilThreadsEnded(std::chrono::milliseconds limit = std::chrono::seconds(60));

// Moves a manual clock on by `hundredths`: step by step to each moment a timer falls due, so
// that every tick is queued and handled, in order, before the clock moves further. Waits for
// quiescence before each step and after the last; false when that wait timed out.
bool advanceClock(os::ManualClock& clock, std::int64_t hundredths);

} // namespace tamberlo
