#include "runtime/decimal/DecimalLayout.h"

#include <cstring>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

// Nibble i of a variable: 0 is the high nibble of the first byte.
int nibble(const std::uint8_t* bytes, int i) {
    return i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0x0F;
}

void setNibble(std::uint8_t* bytes, int i, int value) {
    value &= 0x0F;
    bytes[i / 2] = static_cast<std::uint8_t>(i % 2 == 0 ? (bytes[i / 2] & 0x0F) | (value << 4)
                                                        : (bytes[i / 2] & 0xF0) | value);
}

} // namespace

WorkingDecimal readDecimalVariable(const void* address, int bytes, int places,
                                   DecimalLayout layout) {
    if (!address || !validDecimalShape(bytes, places))
        return WorkingDecimal{};
    const auto* stored = static_cast<const std::uint8_t*>(address);
    const int digitCount = 2 * bytes - 1;
    const int firstNibble = layout == DecimalLayout::Decimal ? 1 : 0;

    WorkingDecimal value;
    const int high = units - 1 + digitCount - places;
    bool nonZero = false;
    for (int i = 0; i < digitCount; ++i) {
        const auto digit = static_cast<std::uint8_t>(nibble(stored, firstNibble + i));
        value.digits[high - i] = digit;
        nonZero = nonZero || digit != 0;
    }
    if (!nonZero)
        return WorkingDecimal{};
    const bool negative = layout == DecimalLayout::Decimal ? nibble(stored, 0) != 0
                                                           : nibble(stored, 2 * bytes - 1) == 0xD;
    value.sign = negative ? -1 : 1;
    value.low = static_cast<std::uint8_t>(units - places);
    value.high = static_cast<std::uint8_t>(high);
    return value;
}

void writeDecimalVariable(WorkingDecimal value, void* address, int bytes, int places,
                          DecimalLayout layout) {
    if (!address || bytes < 1 || bytes > 16)
        return;
    auto* stored = static_cast<std::uint8_t*>(address);
    std::memset(stored, 0, static_cast<std::size_t>(bytes));
    const bool packed = layout == DecimalLayout::PackedDecimal;
    if (packed)
        stored[bytes - 1] = 0x0F;
    if (!validDecimalShape(bytes, places))
        return;

    const int digitCount = 2 * bytes - 1;
    roundAtPlace(value, -places);
    // Nothing left below 10^(D - P): the value modulo 10^(D - P) is zero.
    if (isZero(value) || value.low - units >= digitCount - places)
        return;

    const int firstNibble = packed ? 0 : 1;
    const int lowest = units - places; // entry of the last digit nibble
    for (int i = 0; i < digitCount; ++i) {
        const int entry = lowest + digitCount - 1 - i;
        if (entry >= value.low && entry <= value.high)
            setNibble(stored, firstNibble + i, value.digits[entry]);
    }
    if (value.sign < 0)
        setNibble(stored, packed ? 2 * bytes - 1 : 0, packed ? 0xD : 0xF);
}

} // namespace tamberlo
