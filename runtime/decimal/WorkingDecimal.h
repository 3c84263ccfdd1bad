#pragma once

#include <array>
#include <cstdint>

namespace tamberlo {

// The operand of every decimal operation: 32 integer and 32 fraction digits, one digit per
// byte, so that arithmetic is plain decimal-adjusted byte work. A fixed-size value that is
// copied freely and never allocates.
//
// Every value the engine produces keeps the entries outside low..high at zero, so operations
// can combine two ranges, and read whole words of digits, without filling them first. The
// operations expect their operands to be so; sanitised() makes a value built by hand so. A
// default-constructed value is canonical zero.
struct WorkingDecimal {
    static constexpr int unitsEntry = 32;              // digits[32] has the weight 10^0
    static constexpr std::uint8_t generalValue = 0x80; // powerMark of a value that is not 10^k

    // digits[i] has the weight 10^(i - 32). Only the entries low..high belong to the value.
    std::array<std::uint8_t, 64> digits{};
    std::int8_t sign = 0; // +1, -1, or 0 for zero
    std::uint8_t low = unitsEntry;
    std::uint8_t high = unitsEntry;
    std::uint8_t powerMark = generalValue; // k (two's complement) when the magnitude is 10^k
};

inline bool isZero(const WorkingDecimal& value) {
    return value.sign == 0;
}

// Moves low and high inwards over zero digits and sets powerMark; a value with no non-zero
// digit becomes canonical zero. Inline: every operation normalises its operands, and most are
// normalised already, which the first test finds.
inline void normalise(WorkingDecimal& value) {
    int low = value.low;
    int high = value.high;
    if (low > high || high > 63 || value.digits[low] == 0 || value.digits[high] == 0) {
        low = low < 63 ? low : 63;
        high = high < 63 ? high : 63;
        while (low < high && value.digits[low] == 0)
            ++low;
        while (high > low && value.digits[high] == 0)
            --high;
        if (value.digits[high] == 0 || low > high) {
            value = WorkingDecimal{};
            return;
        }
        value.low = static_cast<std::uint8_t>(low);
        value.high = static_cast<std::uint8_t>(high);
    }
    value.powerMark = low == high && value.digits[high] == 1
                          ? static_cast<std::uint8_t>(high - WorkingDecimal::unitsEntry)
                          : WorkingDecimal::generalValue;
}

// Makes a value that came from outside the engine safe to compute with: clamps the range,
// clears the entries outside it and turns a value without non-zero digits into zero.
WorkingDecimal sanitised(const WorkingDecimal& value);

// Rounds half up on the magnitude, keeping the places down to 10^place; the result is
// normalised. A carry beyond 10^31 is lost.
void roundAtPlace(WorkingDecimal& value, int place);

} // namespace tamberlo
