#include "runtime/decimal/WorkingDecimal.h"

#include "runtime/decimal/DecimalDigits.h"

#include <algorithm>
#include <cstring>

namespace tamberlo {

WorkingDecimal sanitised(const WorkingDecimal& value) {
    int low = std::min<int>(value.low, 63);
    int high = std::min<int>(value.high, 63);
    if (low > high)
        std::swap(low, high);
    WorkingDecimal result;
    if (value.sign == 0)
        return result;
    // Byte i of `from` is 0xFF for i >= low; byte i of `beyond` is 0xFF for i > high.
    const std::uint8_t* from = digits::rampBytes.data() + 64 - low;
    const std::uint8_t* beyond = digits::rampBytes.data() + 63 - high;
    for (int i = 0; i < 64; i += 8)
        digits::storeWord(result.digits.data() + i, digits::loadWord(value.digits.data() + i) &
                                                        digits::loadWord(from + i) &
                                                        ~digits::loadWord(beyond + i));
    result.sign = value.sign < 0 ? -1 : 1;
    result.low = static_cast<std::uint8_t>(low);
    result.high = static_cast<std::uint8_t>(high);
    normalise(result);
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
    digits::clearBelow(value, value.low, keep);
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
