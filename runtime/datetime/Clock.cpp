#include "runtime/datetime/Clock.h"

#include "platform/os/Clock.h"
#include "runtime/datetime/DateSerial.h"
#include "runtime/datetime/TimeValue.h"

namespace tamberlo {

std::int32_t TODAY() {
    auto now = os::clock().localTime();
    return dateSerial(now.year, now.month, now.day);
}

std::int32_t CLOCK() {
    auto now = os::clock().localTime();
    // A leap second (60) reads as the last second of its minute rather than as no time.
    int second = now.second > 59 ? 59 : now.second;
    std::int32_t value = timeValue(now.hour, now.minute, second, now.millisecond / 10);
    return value == firstTimeValue ? 0 : value;
}

} // namespace tamberlo
