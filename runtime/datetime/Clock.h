#pragma once

#include <cstdint>

// The two clock functions of the runtime, read from the process's replaceable clock
// (platform/os/Clock.h).

namespace tamberlo {

// The date serial of the local date; 0 when the clock reports a date outside 1801..9999.
std::int32_t TODAY();

// The time value of the local time, to the hundredth of a second. At exactly 00:00:00.00 it is
// 0 rather than 1, as callers that treat 0 as "no time" have always seen it.
std::int32_t CLOCK();

} // namespace tamberlo
