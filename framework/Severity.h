#pragma once

#include <cstdint>

namespace tamberlo {

// The level of an error-table entry, and the result code of framework operations. As an event
// handler's result: SeverityNone lets the runtime's default processing go on, SeverityStop
// leaves the event loop, SeverityNotice consumes the event.
using Severity = std::uint8_t;

inline constexpr Severity SeverityNone = 0;
inline constexpr Severity SeverityAsk = 1;
inline constexpr Severity SeverityInternal = 2;
inline constexpr Severity SeverityStop = 3;
inline constexpr Severity SeverityDeclined = 4;
inline constexpr Severity SeverityNotice = 5;

// How a window ended.
inline constexpr std::uint8_t ResponseCompleted = 1;
inline constexpr std::uint8_t ResponseCancelled = 2;

} // namespace tamberlo
