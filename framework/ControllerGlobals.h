#pragma once

#include "runtime/window/ThreadGlobal.h"

#include <cstdint>

// The per-thread globals every window procedure uses; each thread's instance starts at 0.

namespace tamberlo {

// The request for the next window procedure started on this thread.
inline ThreadGlobal<std::uint8_t> PendingRequest{0};
// The response of the last window procedure that ended on this thread.
inline ThreadGlobal<std::uint8_t> LastResponse{0};
// The navigation request a controller's VCRREQUEST points at.
inline ThreadGlobal<std::int32_t> PendingVcrRequest{0};

} // namespace tamberlo
