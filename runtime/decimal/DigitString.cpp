#include "runtime/decimal/DigitString.h"

#include <algorithm>

namespace tamberlo {

DigitString toDigitString(const WorkingDecimal& value) {
    // Read straight from the digit entries: every displayed amount passes through here.
    constexpr int units = WorkingDecimal::unitsEntry;
    DigitString result;
    int low = std::min<int>(value.low, 63);
    int high = std::min<int>(value.high, 63);
    if (low > high)
        std::swap(low, high);
    while (low <= high && value.digits[low] == 0)
        ++low;
    while (high >= low && value.digits[high] == 0)
        --high;
    if (value.sign == 0 || low > high) {
        result.digits[0] = '0';
        result.count = 1;
        result.pointPosition = 1;
        return result;
    }
    result.negative = value.sign < 0;
    const int top = std::max(high, units);
    const int bottom = std::min(low, units);
    // Zeros between the significant digits and the decimal point; the entries outside low..high
    // need not hold zeros.
    int count = 0;
    for (int entry = top; entry > high; --entry)
        result.digits[count++] = '0';
    for (int entry = high; entry >= low; --entry)
        result.digits[count++] = static_cast<char>('0' + value.digits[entry]);
    for (int entry = low - 1; entry >= bottom; --entry)
        result.digits[count++] = '0';
    result.count = static_cast<std::uint8_t>(count);
    result.pointPosition = top - units + 1;
    return result;
}

} // namespace tamberlo
