#include "runtime/decimal/WorkingDecimal.h"

#include <algorithm>

namespace tamberlo {

void normalise(WorkingDecimal& value) {
    int low = value.low;
    int high = value.high;
    while (low < high && value.digits[low] == 0)
        ++low;
    while (high > low && value.digits[high] == 0)
        --high;
    if (value.digits[high] == 0) {
        value = WorkingDecimal{};
        return;
    }
    value.low = static_cast<std::uint8_t>(low);
    value.high = static_cast<std::uint8_t>(high);
    value.powerMark = low == high && value.digits[high] == 1
                          ? static_cast<std::uint8_t>(high - WorkingDecimal::unitsEntry)
                          : WorkingDecimal::generalValue;
}

WorkingDecimal sanitised(const WorkingDecimal& value) {
    int low = std::min<int>(value.low, 63);
    int high = std::min<int>(value.high, 63);
    if (low > high)
        std::swap(low, high);
    WorkingDecimal result;
    bool nonZero = false;
    for (int entry = low; entry <= high; ++entry) {
        result.digits[entry] = value.digits[entry];
        nonZero = nonZero || value.digits[entry] != 0;
    }
    if (!nonZero || value.sign == 0)
        return WorkingDecimal{};
    result.sign = value.sign < 0 ? -1 : 1;
    result.low = static_cast<std::uint8_t>(low);
    result.high = static_cast<std::uint8_t>(high);
    return result;
}

void roundAtPlace(WorkingDecimal& value, int place) {
    normalise(value);
    const int keep = place + WorkingDecimal::unitsEntry; // lowest entry that stays
    if (isZero(value) || value.low >= keep)
        return;
    if (value.high < keep - 1 || keep > 63) {
        value = WorkingDecimal{};
        return;
    }
    // Only the one digit below the kept places decides: half up on the magnitude.
    const bool raise = value.digits[keep - 1] >= 5;
    for (int entry = value.low; entry < keep; ++entry)
        value.digits[entry] = 0;
    value.low = static_cast<std::uint8_t>(keep);
    if (raise) {
        for (int entry = keep; entry <= 63; ++entry) {
            if (entry > value.high) {
                value.digits[entry] = 1;
                value.high = static_cast<std::uint8_t>(entry);
                break;
            }
            if (value.digits[entry] != 9) {
                ++value.digits[entry];
                break;
            }
            value.digits[entry] = 0;
        }
    }
    if (value.high < value.low)
        value.high = value.low;
    normalise(value);
}

} // namespace tamberlo
