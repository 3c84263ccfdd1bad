#include "runtime/decimal/DecimalArithmetic.h"

#include <algorithm>

namespace tamberlo {

namespace {

// |left| + |right| with the given sign. The carry out of 10^31 is dropped, so sums wrap at
// 10^32 instead of growing past the 64 entries.
WorkingDecimal addMagnitudes(const WorkingDecimal& left, const WorkingDecimal& right,
                             std::int8_t sign) {
    int low = std::min(left.low, right.low);
    int high = std::max(left.high, right.high);
    WorkingDecimal sum;
    int carry = 0;
    for (int entry = low; entry <= high; ++entry) {
        int digit = left.digits[entry] + right.digits[entry] + carry;
        carry = digit >= 10;
        sum.digits[entry] = static_cast<std::uint8_t>(carry ? digit - 10 : digit);
    }
    if (carry && high < 63)
        sum.digits[++high] = 1;
    while (low < high && sum.digits[low] == 0)
        ++low;
    bool nonZero = false;
    for (int entry = low; entry <= high && !nonZero; ++entry)
        nonZero = sum.digits[entry] != 0;
    if (!nonZero)
        return WorkingDecimal{};
    sum.sign = sign;
    sum.low = static_cast<std::uint8_t>(low);
    sum.high = static_cast<std::uint8_t>(high);
    return sum;
}

// |left| - |right| (or the reverse, with the sign flipped, when right is the larger), over
// the range where the operands differ.
WorkingDecimal subtractMagnitudes(const WorkingDecimal& left, const WorkingDecimal& right,
                                  std::int8_t sign) {
    int low = std::min(left.low, right.low);
    int high = std::max(left.high, right.high);
    while (high >= low && left.digits[high] == right.digits[high])
        --high;
    if (high < low)
        return WorkingDecimal{};
    while (left.digits[low] == right.digits[low])
        ++low;
    const WorkingDecimal* larger = &left;
    const WorkingDecimal* smaller = &right;
    if (right.digits[high] > left.digits[high]) {
        std::swap(larger, smaller);
        sign = static_cast<std::int8_t>(-sign);
    }
    WorkingDecimal difference;
    int borrow = 0;
    for (int entry = low; entry <= high; ++entry) {
        int digit = larger->digits[entry] - smaller->digits[entry] - borrow;
        borrow = digit < 0;
        difference.digits[entry] = static_cast<std::uint8_t>(borrow ? digit + 10 : digit);
    }
    difference.sign = sign;
    difference.low = static_cast<std::uint8_t>(low);
    difference.high = static_cast<std::uint8_t>(high);
    return difference;
}

} // namespace

WorkingDecimal addDecimal(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (isZero(right))
        return left;
    if (isZero(left))
        return right;
    if (left.sign == right.sign)
        return addMagnitudes(left, right, left.sign);
    return subtractMagnitudes(left, right, left.sign);
}

WorkingDecimal subtractDecimal(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (isZero(right))
        return left;
    if (isZero(left))
        return negateDecimal(right);
    if (left.sign != right.sign)
        return addMagnitudes(left, right, left.sign);
    return subtractMagnitudes(left, right, left.sign);
}

int compareDecimal(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (left.sign != right.sign)
        return left.sign < right.sign ? -1 : 1;
    if (left.sign == 0)
        return 0;
    // Compare magnitudes, then turn the outcome round for negative operands.
    int magnitude = 0;
    if (left.high != right.high) {
        magnitude = left.high > right.high ? 1 : -1;
    } else {
        int entry = left.high;
        const int stop = std::max(left.low, right.low);
        while (entry >= stop && left.digits[entry] == right.digits[entry])
            --entry;
        if (entry >= stop)
            magnitude = left.digits[entry] > right.digits[entry] ? 1 : -1;
        else if (left.low != right.low)
            magnitude = left.low < right.low ? 1 : -1;
    }
    return left.sign < 0 ? -magnitude : magnitude;
}

} // namespace tamberlo
