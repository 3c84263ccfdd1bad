#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalMultiples.h"

#include <algorithm>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

int leadingPlace(const WorkingDecimal& value) {
    return value.high - units;
}

WorkingDecimal finished(WorkingDecimal quotient, int lowEntry, int highEntry, std::int8_t sign) {
    quotient.low = static_cast<std::uint8_t>(lowEntry);
    quotient.high = static_cast<std::uint8_t>(highEntry);
    quotient.sign = sign;
    normalise(quotient);
    return quotient;
}

// A divisor of 10^power only moves the dividend's digits; those that fall below 10^-32 are lost.
WorkingDecimal divideByPowerOfTen(const WorkingDecimal& dividend, int power, std::int8_t sign) {
    const int lead = leadingPlace(dividend) - power;
    if (lead > 31 || lead <= -32)
        return WorkingDecimal{};
    WorkingDecimal quotient;
    const int low = std::max(dividend.low - power, 0);
    for (int entry = low; entry <= dividend.high - power; ++entry)
        quotient.digits[entry] = dividend.digits[entry + power];
    return finished(quotient, low, dividend.high - power, sign);
}

// Short division by the divisor's one significant digit, rounded half up at 10^-32.
WorkingDecimal divideByDigit(const WorkingDecimal& dividend, const WorkingDecimal& divisor,
                             std::int8_t sign) {
    const int digit = divisor.digits[divisor.high];
    const int shift = leadingPlace(divisor);
    const int first = leadingPlace(dividend) - shift;
    if (first >= 31 || first <= -32)
        return WorkingDecimal{};
    auto dividendDigit = [&](int place) {
        const int entry = place + units;
        return entry >= dividend.low && entry <= dividend.high ? dividend.digits[entry] : 0;
    };
    WorkingDecimal quotient;
    int remainder = 0;
    int place = first;
    for (; place >= -32; --place) {
        const int current = remainder * 10 + dividendDigit(place + shift);
        quotient.digits[place + units] = static_cast<std::uint8_t>(current / digit);
        remainder = current % digit;
        if (remainder == 0 && place + shift + units <= dividend.low)
            return finished(quotient, place + units, first + units, sign);
    }
    int high = first + units;
    const int next = (remainder * 10 + dividendDigit(place + shift)) / digit;
    if (next >= 5) {
        for (int entry = 0; entry <= 63; ++entry) {
            if (quotient.digits[entry] != 9) {
                ++quotient.digits[entry];
                high = std::max(high, entry);
                break;
            }
            quotient.digits[entry] = 0;
        }
    }
    return finished(quotient, 0, high, sign);
}

// Operands scaled so that the divisor's leading digit is 5 or more, which keeps every
// estimated quotient digit at most two too large.
int normalisingFactor(int leadingDigit) {
    switch (leadingDigit) {
    case 1:
        return 5;
    case 2:
        return 3;
    case 3:
    case 4:
        return 2;
    default:
        return 1;
    }
}

// Long division (Knuth's algorithm D in base ten), truncated at 10^-32.
WorkingDecimal divideLong(const WorkingDecimal& dividend, const WorkingDecimal& divisor,
                          std::int8_t sign) {
    // The remainder is kept by place: index = place + offset, for places -66 to 37, which
    // covers every window the divisor's multiples are subtracted from.
    constexpr int offset = 66;
    std::array<std::uint8_t, 104> remainder{};
    const int factor = normalisingFactor(divisor.digits[divisor.high]);

    int carry = 0;
    int place = dividend.low - units;
    for (; place <= leadingPlace(dividend); ++place) {
        const int product = dividend.digits[place + units] * factor + carry;
        remainder[place + offset] = static_cast<std::uint8_t>(product % 10);
        carry = product / 10;
    }
    for (; carry != 0; ++place) {
        remainder[place + offset] = static_cast<std::uint8_t>(carry % 10);
        carry /= 10;
    }
    int lead = place - 1;
    while (lead > dividend.low - units && remainder[lead + offset] == 0)
        --lead;
    const int dividendLowPlace = dividend.low - units;

    std::array<std::uint8_t, DecimalMultiples::capacity> scaled{};
    int count = 0;
    for (int entry = divisor.low; entry <= divisor.high; ++entry) {
        const int product = divisor.digits[entry] * factor + carry;
        scaled[count++] = static_cast<std::uint8_t>(product % 10);
        carry = product / 10;
    }
    for (; carry != 0 && count < DecimalMultiples::capacity; ++count) {
        scaled[count] = static_cast<std::uint8_t>(carry % 10);
        carry /= 10;
    }
    while (count > 2 && scaled[count - 1] == 0)
        --count;
    const int divisorLowPlace = divisor.low - units;
    const int divisorLead = divisorLowPlace + count - 1;

    const int first = lead - divisorLead;
    if (first >= 31 || first <= -32)
        return WorkingDecimal{};

    DecimalMultiples multiples(scaled.data(), count);
    const int v1 = scaled[count - 1];
    const int v2 = scaled[count - 2];
    WorkingDecimal quotient;
    int last = first;
    for (int digitPlace = first; digitPlace >= -32; --digitPlace) {
        last = digitPlace;
        const int windowLow = digitPlace + divisorLowPlace; // place of the multiple's lowest digit
        const int top = windowLow + count;                  // the remainder digit above them
        const int r0 = remainder[top + offset];
        const int r1 = remainder[top - 1 + offset];
        const int r2 = remainder[top - 2 + offset];
        int estimate = r0 == v1 ? 9 : std::min((r0 * 10 + r1) / std::max(v1, 1), 9);
        const int rest = r0 * 10 + r1 - estimate * v1;
        if (estimate * v2 > rest * 10 + r2)
            --estimate;
        if (estimate > 0) {
            const DecimalMultiples::Multiple* multiple = &multiples.times(estimate);
            auto multipleDigit = [&](int i) {
                return i < multiple->count ? multiple->digits[i] : 0;
            };
            // Compare the multiple with the remainder window from the top.
            int i = count;
            while (i > 0 && multipleDigit(i) == remainder[windowLow + i + offset])
                --i;
            if (multipleDigit(i) > remainder[windowLow + i + offset]) {
                --estimate;
                multiple = estimate > 0 ? &multiples.times(estimate) : nullptr;
            }
            if (multiple) {
                int borrow = 0;
                for (int j = 0; j <= count; ++j) {
                    int digit = remainder[windowLow + j + offset] - multipleDigit(j) - borrow;
                    borrow = digit < 0;
                    remainder[windowLow + j + offset] =
                        static_cast<std::uint8_t>(borrow ? digit + 10 : digit);
                }
            }
        }
        quotient.digits[digitPlace + units] = static_cast<std::uint8_t>(estimate);
        // Stop once nothing is left: the window is clear and no dividend digit lies below it.
        if (dividendLowPlace >= windowLow) {
            bool clear = true;
            for (int j = 0; j <= count && clear; ++j)
                clear = remainder[windowLow + j + offset] == 0;
            if (clear)
                break;
        }
    }
    return finished(quotient, last + units, first + units, sign);
}

// Moves every digit one place down; a digit at 10^-32 is lost.
void divideByTen(WorkingDecimal& value) {
    if (isZero(value))
        return;
    if (value.low == 0) {
        value.digits[0] = 0;
        value.low = 1;
        if (value.high == 0) {
            value = WorkingDecimal{};
            return;
        }
    }
    for (int entry = value.low; entry <= value.high; ++entry) {
        value.digits[entry - 1] = value.digits[entry];
        value.digits[entry] = 0;
    }
    --value.low;
    --value.high;
    normalise(value);
}

} // namespace

WorkingDecimal divideDecimal(WorkingDecimal dividend, WorkingDecimal divisor) {
    normalise(dividend);
    if (isZero(dividend))
        return WorkingDecimal{};
    roundAtPlace(divisor, -29);
    if (isZero(divisor))
        return WorkingDecimal{};
    const auto sign = static_cast<std::int8_t>(dividend.sign * divisor.sign);
    if (divisor.powerMark != WorkingDecimal::generalValue)
        return divideByPowerOfTen(dividend, static_cast<std::int8_t>(divisor.powerMark), sign);
    if (divisor.low == divisor.high)
        return divideByDigit(dividend, divisor, sign);
    if (leadingPlace(dividend) == 30 || leadingPlace(divisor) == 30) {
        // Scaled down by ten so that the normalising factor cannot carry past 10^31.
        roundAtPlace(dividend, -31);
        if (isZero(dividend))
            return WorkingDecimal{};
        divideByTen(dividend);
        divideByTen(divisor);
    }
    return divideLong(dividend, divisor, sign);
}

} // namespace tamberlo
