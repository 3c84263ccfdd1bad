#include "runtime/decimal/DecimalLayout.h"

#include "runtime/decimal/DecimalDigits.h"

#include <bit>
#include <cstring>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

} // namespace

namespace {

// The variable read as one big-endian number of 4B bits (nibble 0 is the last one), in 64 bits
// when it fits, which is the common case and much cheaper to shift.
template <typename Number>
WorkingDecimal readNumber(const std::uint8_t* stored, int bytes, int places, DecimalLayout layout) {
    Number number = 0;
    for (int i = 0; i < bytes; ++i)
        number = static_cast<Number>(number << 8 | stored[i]);
    const int digitCount = 2 * bytes - 1;
    bool negative;
    if (layout == DecimalLayout::Decimal) {
        negative = static_cast<unsigned>(number >> (4 * digitCount)) != 0;
        number &= (Number{1} << (4 * digitCount)) - 1;
    } else {
        negative = (static_cast<unsigned>(number) & 0x0F) == 0x0D;
        number >>= 4;
    }
    if (number == 0)
        return WorkingDecimal{};

    // Digit nibble k is the digit at entry low + k. The range is narrowed to the non-zero
    // digits while their words are at hand (stored amounts mostly have leading zeros).
    WorkingDecimal value;
    const int low = units - places;
    int lowest = -1;
    int highest = 0;
    for (int k = 0; k < digitCount; k += 8, number >>= 32) {
        const std::uint64_t word = digits::spreadNibbles(static_cast<std::uint32_t>(number));
        if (word == 0)
            continue;
        digits::storeWordAt(value, low + k, word);
        if (lowest < 0)
            lowest = low + k + std::countr_zero(word) / 8;
        highest = low + k + 7 - std::countl_zero(word) / 8;
    }
    value.sign = negative ? -1 : 1;
    value.low = static_cast<std::uint8_t>(lowest);
    value.high = static_cast<std::uint8_t>(highest);
    normalise(value); // sets powerMark
    return value;
}

template <typename Number>
void writeNumber(const WorkingDecimal& value, bool negative, std::uint8_t* stored, int bytes,
                 int places, DecimalLayout layout) {
    const int digitCount = 2 * bytes - 1;
    Number number = 0; // the digit nibbles, the last one lowest
    if (value.sign != 0) {
        // Entries outside the value's range are zero; the digits above the variable's are not
        // taken, which keeps the rounded value modulo 10^(D - P).
        const int low = units - places;
        for (int k = (digitCount - 1) / 8 * 8; k >= 0; k -= 8)
            number = static_cast<Number>(number << 16 << 16 |
                                         digits::gatherNibbles(digits::wordAt(value, low + k)));
        number &= (Number{1} << (4 * digitCount)) - 1;
    }
    if (layout == DecimalLayout::PackedDecimal)
        number = static_cast<Number>(number << 4 | (negative ? 0x0D : 0x0F)); // zero is positive
    else if (negative)
        number |= Number{0x0F} << (4 * digitCount);
    for (int i = bytes - 1; i >= 0; --i, number >>= 8)
        stored[i] = static_cast<std::uint8_t>(number);
}

} // namespace

WorkingDecimal readDecimalVariable(const void* address, int bytes, int places,
                                   DecimalLayout layout) {
    if (!address || !validDecimalShape(bytes, places))
        return WorkingDecimal{};
    const auto* stored = static_cast<const std::uint8_t*>(address);
    return bytes <= 8 ? readNumber<std::uint64_t>(stored, bytes, places, layout)
                      : readNumber<digits::Uint128>(stored, bytes, places, layout);
}

void writeDecimalVariable(WorkingDecimal value, void* address, int bytes, int places,
                          DecimalLayout layout) {
    if (!address || bytes < 1 || bytes > 16)
        return;
    auto* stored = static_cast<std::uint8_t*>(address);
    if (!validDecimalShape(bytes, places)) {
        std::memset(stored, 0, static_cast<std::size_t>(bytes));
        if (layout == DecimalLayout::PackedDecimal)
            stored[bytes - 1] = 0x0F;
        return;
    }
    roundAtPlace(value, -places);
    // Nothing left below 10^(D - P): the value modulo 10^(D - P) is zero, stored positive.
    if (!isZero(value) && value.low - units >= 2 * bytes - 1 - places)
        value = WorkingDecimal{};
    const bool negative = value.sign < 0;
    if (bytes <= 8)
        writeNumber<std::uint64_t>(value, negative, stored, bytes, places, layout);
    else
        writeNumber<digits::Uint128>(value, negative, stored, bytes, places, layout);
}

} // namespace tamberlo
