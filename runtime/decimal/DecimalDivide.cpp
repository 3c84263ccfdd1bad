#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalDigits.h"
#include "runtime/decimal/DecimalDigitwise.h"
#include "runtime/decimal/DecimalMultiples.h"

#include <algorithm>
#include <cstring>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

int leadingPlace(const WorkingDecimal& value) {
    return value.high - units;
}

void finish(WorkingDecimal& quotient, int lowEntry, int highEntry, std::int8_t sign) {
    quotient.low = static_cast<std::uint8_t>(lowEntry);
    quotient.high = static_cast<std::uint8_t>(highEntry);
    quotient.sign = sign;
    normalise(quotient);
}

WorkingDecimal finished(WorkingDecimal quotient, int lowEntry, int highEntry, std::int8_t sign) {
    finish(quotient, lowEntry, highEntry, sign);
    return quotient;
}

// A divisor of 10^power only moves the dividend's digits, in place; those that fall below
// 10^-32 are lost.
void divideByPowerOfTen(WorkingDecimal& dividend, int power, std::int8_t sign) {
    const int lead = leadingPlace(dividend) - power;
    if (lead > 31 || lead <= -32) {
        dividend = WorkingDecimal{};
        return;
    }
    const int oldLow = dividend.low;
    const int low = std::max(oldLow - power, 0);
    const int high = dividend.high - power;
    if (dividend.high - oldLow < 16 && low == oldLow - power) {
        // Two words from the lowest digit hold them all: moved through registers.
        const std::uint64_t lower = digits::wordAt(dividend, oldLow);
        const std::uint64_t upper = digits::wordAtAnyEntry(dividend, oldLow + 8);
        digits::storeWordAt(dividend, oldLow, 0);
        if (oldLow + 8 <= 63)
            digits::storeWordAt(dividend, oldLow + 8, 0);
        digits::storeWordAt(dividend, low, lower);
        if (upper != 0)
            digits::storeWordAt(dividend, low + 8, upper);
    } else {
        digits::shiftDigits(dividend, power);
    }
    if (low == oldLow - power) { // nothing dropped: still normalised
        dividend.sign = sign;
        dividend.low = static_cast<std::uint8_t>(low);
        dividend.high = static_cast<std::uint8_t>(high);
        if (dividend.powerMark != WorkingDecimal::generalValue)
            dividend.powerMark = static_cast<std::uint8_t>(high - units);
        return;
    }
    finish(dividend, low, high, sign);
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

// Whether the dividend times the normalising factor gains a digit, which moves the first
// quotient digit one place up.
bool gainsDigit(const WorkingDecimal& dividend, int factor) {
    const int top = dividend.digits[dividend.high];
    switch (factor) {
    case 5:
        return top >= 2;
    case 2:
        return top >= 5;
    case 3: // at least 3.333... times the leading place
        for (int entry = dividend.high; entry >= dividend.low; --entry)
            if (dividend.digits[entry] != 3)
                return dividend.digits[entry] > 3;
        return false;
    default:
        return false;
    }
}

// The quotient by a divisor of at most 19 significant digits, in binary: the dividend's
// digits, followed by zeros, are divided 16 at a time by the divisor's digits taken as one
// integer. This gives the same digits as short and long division: the exact quotient,
// developed down to 10^-32 and, when `rounded`, rounded there half up by the next digit. The
// caller has checked that the quotient lies below 10^31 (10^(first + 1)).
void divideByInteger(WorkingDecimal& dividend, const WorkingDecimal& divisor, int first,
                     bool rounded, std::int8_t sign) {
    constexpr std::uint64_t chunkBase = 10'000'000'000'000'000; // 16 digits
    const std::uint64_t integerDivisor =
        digits::coefficient(divisor, divisor.low, divisor.high - divisor.low + 1);
    const int extra = rounded ? 1 : 0;
    // The numerator is the dividend's digits followed by `zeros` zeros (or with -zeros of them
    // cut off), so that the integer quotient's last digit stands at 10^(-32 - extra).
    const int zeros = (dividend.low - units) - (divisor.low - units) + 32 + extra;
    const int length = dividend.high - dividend.low + 1 + zeros;

    // Quotient digits by place (index = place + offset), in chunks of 16 from the last one up,
    // so that every chunk is two whole words.
    constexpr int offset = 48;
    std::uint8_t quotient[offset + 64 + 64] = {};
    std::uint64_t remainder = 0;
    int lowest = 64; // the entry of the lowest quotient word that is not zero
    for (int from = (length - 1) / 16 * 16; from >= 0; from -= 16) {
        // Numerator positions from..from+15 are the dividend's entries from + shift upwards;
        // entries outside the dividend's range (or below 0) are zeros.
        const int entry = from + dividend.low - zeros;
        std::uint64_t chunk = 0;
        if (entry + 15 >= dividend.low && entry <= dividend.high)
            chunk = digits::wordValue(digits::wordAtAnyEntry(dividend, entry)) +
                    std::uint64_t{digits::wordValue(digits::wordAtAnyEntry(dividend, entry + 8))} *
                        digits::limbBase;
        std::uint64_t part = 0;
        if (remainder == 0) {
            if (chunk >= integerDivisor) {
                part = chunk / integerDivisor;
                remainder = chunk % integerDivisor;
            } else {
                remainder = chunk;
            }
        } else {
            // Below divisor * 10^16, so the part fits 64 bits.
            const digits::Uint128 current =
                static_cast<digits::Uint128>(remainder) * chunkBase + chunk;
            part =
                digits::divideWide(static_cast<std::uint64_t>(current >> 64),
                                   static_cast<std::uint64_t>(current), integerDivisor, remainder);
        }
        if (part != 0) {
            std::uint8_t* at = quotient + offset + from - 32 - extra;
            const std::uint64_t partUpper = digits::divideByLimbBase(part);
            const auto lower = static_cast<std::uint32_t>(part - partUpper * digits::limbBase);
            const auto upper = static_cast<std::uint32_t>(partUpper);
            if (lower != 0)
                digits::storeWord(at, digits::wordOf(lower));
            if (upper != 0)
                digits::storeWord(at + 8, digits::wordOf(upper));
            lowest = from - extra;
        }
        // Nothing left to divide: the rest of the quotient is zeros.
        if (remainder == 0 && entry <= dividend.low)
            break;
    }
    if (rounded && quotient[offset - 33] >= 5) {
        for (int place = -32; place <= 31; ++place) {
            if (quotient[offset + place] != 9) {
                ++quotient[offset + place];
                break;
            }
            quotient[offset + place] = 0;
        }
    }
    std::memcpy(dividend.digits.data(), quotient + offset - 32, 64);
    // Rounding may carry one place above the first digit, and through zeros below the lowest
    // word written.
    const int low = rounded ? 0 : std::clamp(lowest, 0, 63);
    finish(dividend, low, std::min(first + units + extra, 63), sign);
}

// The quotient replaces the dividend; `binary` allows the binary route.
void divide(WorkingDecimal& dividend, WorkingDecimal& divisor, bool binary) {
    normalise(dividend);
    if (isZero(dividend)) {
        dividend = WorkingDecimal{};
        return;
    }
    // A divisor whose one digit is a 1 at 10^-29 or above, as a percentage's 100 is: the
    // rounding below changes nothing, so it is a power of ten without further ado.
    if (divisor.sign != 0 && divisor.high - divisor.low < 8) {
        const std::uint64_t word = digits::wordAt(divisor, divisor.low);
        const int lowest = divisor.low + digits::trailingZeroBytes(word);
        if (word != 0 && word >> (8 * (lowest - divisor.low)) == 1 && lowest >= 3) {
            const auto sign = static_cast<std::int8_t>(dividend.sign * divisor.sign);
            divideByPowerOfTen(dividend, lowest - units, sign);
            return;
        }
    }
    roundAtPlace(divisor, -29);
    if (isZero(divisor)) {
        dividend = WorkingDecimal{};
        return;
    }
    const auto sign = static_cast<std::int8_t>(dividend.sign * divisor.sign);
    if (divisor.powerMark != WorkingDecimal::generalValue) {
        divideByPowerOfTen(dividend, static_cast<std::int8_t>(divisor.powerMark), sign);
        return;
    }
    binary = binary && divisor.high - divisor.low < 19 && digits::onlyDigits(dividend) &&
             digits::onlyDigits(divisor);
    if (divisor.low == divisor.high) {
        if (!binary) {
            dividend = divideByDigit(dividend, divisor, sign);
            return;
        }
        const int first = leadingPlace(dividend) - leadingPlace(divisor);
        if (first >= 31 || first <= -32)
            dividend = WorkingDecimal{};
        else
            divideByInteger(dividend, divisor, first, true, sign);
        return;
    }
    if (leadingPlace(dividend) == 30 || leadingPlace(divisor) == 30) {
        // Scaled down by ten so that the normalising factor cannot carry past 10^31. Only the
        // rounding changes the quotient: moving both operands leaves it as it is.
        roundAtPlace(dividend, -31);
        if (isZero(dividend)) {
            dividend = WorkingDecimal{};
            return;
        }
        if (!binary) {
            divideByTen(dividend);
            divideByTen(divisor);
        }
    }
    if (!binary) {
        dividend = divideLong(dividend, divisor, sign);
        return;
    }
    const int factor = normalisingFactor(divisor.digits[divisor.high]);
    const int first =
        leadingPlace(dividend) + (gainsDigit(dividend, factor) ? 1 : 0) - leadingPlace(divisor);
    if (first >= 31 || first <= -32)
        dividend = WorkingDecimal{};
    else
        divideByInteger(dividend, divisor, first, false, sign);
}

} // namespace

void divideInPlace(WorkingDecimal& dividend, WorkingDecimal& divisor) {
    divide(dividend, divisor, true);
}

WorkingDecimal divideDecimal(WorkingDecimal dividend, WorkingDecimal divisor) {
    divide(dividend, divisor, true);
    return dividend;
}

WorkingDecimal divideDecimalDigitwise(WorkingDecimal dividend, WorkingDecimal divisor) {
    divide(dividend, divisor, false);
    return dividend;
}

} // namespace tamberlo
