#pragma once

#include <array>
#include <cstdint>

namespace tamberlo {

// The operand of every decimal operation: 32 integer and 32 fraction digits, one digit per
// byte, so that arithmetic is plain decimal-adjusted byte work. A fixed-size value that is
// copied freely and never allocates.
struct WorkingDecimal {
    static constexpr int unitsEntry = 32;               // digits[32] has the weight 10^0
    static constexpr std::uint8_t generalValue = 0x80;  // powerMark of a value that is not 10^k

    // digits[i] has the weight 10^(i - 32). Only the entries low..high belong to the value.
    std::array<std::uint8_t, 64> digits{};
    std::int8_t sign = 0;       // +1, -1, or 0 for zero
    std::uint8_t low = unitsEntry;
    std::uint8_t high = unitsEntry;
    std::uint8_t powerMark = generalValue;  // k (two's complement) when the magnitude is 10^k
};

} // namespace tamberlo
