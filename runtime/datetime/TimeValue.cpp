#include "runtime/datetime/TimeValue.h"

namespace tamberlo {

std::int32_t timeValue(int hour, int minute, int second, int hundredths) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        hundredths < 0 || hundredths > 99)
        return 0;
    return hour * 360000 + minute * 6000 + second * 100 + hundredths + 1;
}

std::optional<TimeOfDay> timeOfDay(std::int32_t value) {
    if (!isValidTimeValue(value))
        return std::nullopt;
    std::int32_t t = value - 1;
    return TimeOfDay{t / 360000, t % 360000 / 6000, t % 6000 / 100, t % 100};
}

} // namespace tamberlo
