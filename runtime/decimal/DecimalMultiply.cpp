#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalMultiples.h"

#include <algorithm>

namespace tamberlo {

WorkingDecimal multiplyDecimal(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (isZero(left) || isZero(right))
        return WorkingDecimal{};
    constexpr int units = WorkingDecimal::unitsEntry;
    const int leftLow = left.low - units;
    const int rightLow = right.low - units;
    if (leftLow + rightLow > 31 || (left.high - units) + (right.high - units) < -34)
        return WorkingDecimal{};

    // One partial product per non-zero digit of the right operand, lowest first. Each is a
    // multiple of the left operand shifted to that digit's place.
    DecimalMultiples multiples(left.digits.data() + left.low, left.high - left.low + 1);
    WorkingDecimal product;
    bool kept = false;
    int low = 0;
    int high = 0;
    for (int rightEntry = right.low; rightEntry <= right.high; ++rightEntry) {
        const int digit = right.digits[rightEntry];
        if (digit == 0)
            continue;
        const DecimalMultiples::Multiple& multiple = multiples.times(digit);
        const int base = left.low + rightEntry - units; // entry of the multiple's lowest digit
        const int lead = base + multiple.count - 1;
        if (lead <= 0) // wholly at or below 10^-32
            continue;
        if (lead > 63 || (kept && lead >= 63))
            return WorkingDecimal{};
        const int first = std::max(base, 0);
        int carry = 0;
        int entry = first;
        for (; entry <= lead; ++entry) {
            int sum = product.digits[entry] + multiple.digits[entry - base] + carry;
            carry = sum >= 10;
            product.digits[entry] = static_cast<std::uint8_t>(carry ? sum - 10 : sum);
        }
        for (; carry != 0; ++entry) {
            if (entry > 63)
                return WorkingDecimal{};
            int sum = product.digits[entry] + 1;
            carry = sum >= 10;
            product.digits[entry] = static_cast<std::uint8_t>(carry ? sum - 10 : sum);
        }
        if (!kept)
            low = first;
        high = std::max(high, entry - 1);
        kept = true;
    }
    if (!kept)
        return WorkingDecimal{};
    product.sign = static_cast<std::int8_t>(left.sign * right.sign);
    product.low = static_cast<std::uint8_t>(low);
    product.high = static_cast<std::uint8_t>(high);
    normalise(product);
    return product;
}

} // namespace tamberlo
