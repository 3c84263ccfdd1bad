#pragma once

#include "platform/os/Clock.h"

#include <cstdint>
#include <mutex>

namespace tamberlo::os {

// A clock that stands still until it is moved: for tests and the drive tool. Moving it moves
// the wall clock and the steady count together and then tells the clock's observer, so timers
// that fell due fire on the mover's thread before the move returns.
class ManualClock final : public Clock {
public:
    explicit ManualClock(LocalDateTime start = {2010, 10, 12, 9, 0, 0, 0});

    LocalDateTime localTime() override;
    std::int64_t steadyHundredths() override;
    bool movesByItself() const override { return false; }

    // Sets the wall clock; the steady count does not move (it never goes back).
    void setLocalTime(const LocalDateTime& time);
    // Moves both clocks on by `hundredths` (negative values are ignored).
    void advance(std::int64_t hundredths);

private:
    std::mutex m_mutex;
    LocalDateTime m_local;
    std::int64_t m_steady = 0;
};

} // namespace tamberlo::os
