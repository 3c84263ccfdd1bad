#include "runtime/decimal/DecimalLayout.h"

#include "runtime/decimal/DecimalDigits.h"

#include <bit>
#include <cstring>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

// `count` (1 to 8) bytes as a big-endian number, and back: whole 32-bit moves where they fit
// (two overlapping ones for five to seven bytes), no loop.
inline std::uint64_t readBigEndian(const std::uint8_t* at, int count) {
    if (count >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, at, 4);
        std::memcpy(&tail, at + count - 4, 4);
        return std::uint64_t{__builtin_bswap32(head)} << (8 * (count - 4)) |
               __builtin_bswap32(tail);
    }
    return std::uint64_t{at[0]} << (8 * (count - 1)) |
           std::uint64_t{at[count / 2]} << (8 * (count - 1 - count / 2)) | at[count - 1];
}

inline void writeBigEndian(std::uint8_t* at, int count, std::uint64_t number) {
    if (count >= 4) {
        const std::uint32_t head =
            __builtin_bswap32(static_cast<std::uint32_t>(number >> (8 * (count - 4))));
        const std::uint32_t tail = __builtin_bswap32(static_cast<std::uint32_t>(number));
        std::memcpy(at, &head, 4);
        std::memcpy(at + count - 4, &tail, 4);
        return;
    }
    at[0] = static_cast<std::uint8_t>(number >> (8 * (count - 1)));
    at[count / 2] = static_cast<std::uint8_t>(number >> (8 * (count - 1 - count / 2)));
    at[count - 1] = static_cast<std::uint8_t>(number);
}

// A variable of more than eight bytes as one big-endian number of 4B bits (nibble 0 is the
// last one). Shorter ones are read as 64 bits by readBigEndian alone.
digits::Uint128 readLongStored(const std::uint8_t* stored, int bytes) {
    return static_cast<digits::Uint128>(readBigEndian(stored, bytes - 8)) << 64 |
           readBigEndian(stored + bytes - 8, 8);
}

// The variable from such a number, in 64 bits when it fits, which is the common case and much
// cheaper to shift.
template <typename Number>
void writeStored(std::uint8_t* stored, int bytes, Number number) {
    if constexpr (sizeof(Number) == 8) {
        writeBigEndian(stored, bytes, number);
    } else {
        writeBigEndian(stored, bytes - 8, static_cast<std::uint64_t>(number >> 64));
        writeBigEndian(stored + bytes - 8, 8, static_cast<std::uint64_t>(number));
    }
}

// A variable of at most eight bytes (fifteen digits), as amounts and rates mostly are: two
// words and no loop.
WorkingDecimal readShortNumber(const std::uint8_t* stored, int bytes, int places,
                               DecimalLayout layout) {
    WorkingDecimal value;
    std::uint64_t number = readBigEndian(stored, bytes);
    const int digitCount = 2 * bytes - 1;
    bool negative;
    if (layout == DecimalLayout::Decimal) {
        negative = (number >> (4 * digitCount)) != 0;
        number &= (std::uint64_t{1} << (4 * digitCount)) - 1;
    } else {
        negative = (number & 0x0F) == 0x0D;
        number >>= 4;
    }
    if (number == 0)
        return value;
    // Nibble k is the digit at entry low + k.
    const int low = units - places;
    digits::storeWordAt(value, low, digits::spreadNibbles(static_cast<std::uint32_t>(number)));
    if (number >> 32 != 0)
        digits::storeWordAt(value, low + 8,
                            digits::spreadNibbles(static_cast<std::uint32_t>(number >> 32)));
    value.sign = negative ? -1 : 1;
    value.low = static_cast<std::uint8_t>(low + std::countr_zero(number) / 4);
    value.high = static_cast<std::uint8_t>(low + (63 - std::countl_zero(number)) / 4);
    digits::markPower(value);
    return value;
}

// A variable of nine to sixteen bytes, up to four words of digits; kept apart so that the short
// case does not pay for its registers.
[[gnu::noinline]] WorkingDecimal readLongNumber(const std::uint8_t* stored, int bytes, int places,
                                                DecimalLayout layout) {
    using Number = digits::Uint128;
    // One named result throughout, so that it is built where the caller wants it.
    WorkingDecimal value;
    Number number = readLongStored(stored, bytes);
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
        return value;

    // Digit nibble k is the digit at entry low + k. The range is narrowed to the non-zero
    // digits while their words are at hand (stored amounts mostly have leading zeros).
    const int low = units - places;
    int lowest = -1;
    int highest = 0;
    for (int k = 0; k < digitCount; k += 8, number >>= 32) {
        const std::uint64_t word = digits::spreadNibbles(static_cast<std::uint32_t>(number));
        if (word == 0)
            continue;
        digits::storeWordAt(value, low + k, word);
        if (lowest < 0)
            lowest = low + k + digits::trailingZeroBytes(word);
        highest = low + k + 7 - digits::leadingZeroBytes(word);
    }
    value.sign = negative ? -1 : 1;
    value.low = static_cast<std::uint8_t>(lowest);
    value.high = static_cast<std::uint8_t>(highest);
    digits::markPower(value);
    return value;
}

// Writes the digits from 10^-places upwards that fit the variable, with the sign; the value
// is rounded at 10^-places already. The digits above the variable's are not taken, which keeps
// the value modulo 10^(D - P), and a value with no digit left in the variable is stored as
// positive zero.
template <typename Number>
void writeNumber(const WorkingDecimal& value, std::uint8_t* stored, int bytes, int places,
                 DecimalLayout layout) {
    const int digitCount = 2 * bytes - 1;
    const int low = units - places;
    Number number = 0;         // the digit nibbles, the last one lowest
    std::uint64_t present = 0; // whether a digit is left in the variable's places
    if constexpr (sizeof(Number) == 8) {
        // At most fifteen digits: two words, no loop.
        std::uint64_t lower = digits::wordAt(value, low);
        std::uint64_t upper = 0;
        if (digitCount > 8)
            upper =
                digits::wordAt(value, low + 8) & ((std::uint64_t{1} << (8 * (digitCount - 8))) - 1);
        else if (digitCount < 8)
            lower &= (std::uint64_t{1} << (8 * digitCount)) - 1;
        present = lower | upper;
        number = digits::gatherNibbles(lower) | std::uint64_t{digits::gatherNibbles(upper)} << 32;
    } else {
        for (int k = (digitCount - 1) / 8 * 8; k >= 0; k -= 8) {
            std::uint64_t word = digits::wordAt(value, low + k);
            if (digitCount - k < 8)
                word &= (std::uint64_t{1} << (8 * (digitCount - k))) - 1;
            present |= word;
            number = static_cast<Number>(number << 16 << 16 | digits::gatherNibbles(word));
        }
    }
    const bool negative = value.sign < 0 && present != 0;
    if (layout == DecimalLayout::PackedDecimal)
        number = static_cast<Number>(number << 4 | (negative ? 0x0D : 0x0F)); // zero is positive
    else if (negative)
        number |= Number{0x0F} << (4 * digitCount);
    writeStored(stored, bytes, number);
}

// Kept apart so that the short case does not pay for its registers.
[[gnu::noinline]] void writeLongNumber(const WorkingDecimal& value, std::uint8_t* stored, int bytes,
                                       int places, DecimalLayout layout) {
    writeNumber<digits::Uint128>(value, stored, bytes, places, layout);
}

} // namespace

WorkingDecimal readDecimalVariable(const void* address, int bytes, int places,
                                   DecimalLayout layout) {
    if (!address || !validDecimalShape(bytes, places))
        return WorkingDecimal{};
    const auto* stored = static_cast<const std::uint8_t*>(address);
    return bytes <= 8 ? readShortNumber(stored, bytes, places, layout)
                      : readLongNumber(stored, bytes, places, layout);
}

void writeDecimalVariable(WorkingDecimal value, void* address, int bytes, int places,
                          DecimalLayout layout) {
    writeDecimalVariableInPlace(value, address, bytes, places, layout);
}

void writeDecimalVariableInPlace(WorkingDecimal& value, void* address, int bytes, int places,
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
    // Rounded half up on the magnitude by the one digit below the kept places; only the digits
    // from there upwards are read, so those below need no clearing. Entries above the highest
    // digit are zero, so a carry past it makes a new leading digit; one past entry 63 is lost.
    const int keep = units - places;
    if (value.digits[keep - 1] >= 5) {
        for (int entry = keep; entry <= 63; ++entry) {
            if (value.digits[entry] != 9) {
                ++value.digits[entry];
                break;
            }
            value.digits[entry] = 0;
        }
    }
    if (bytes <= 8)
        writeNumber<std::uint64_t>(value, stored, bytes, places, layout);
    else
        writeLongNumber(value, stored, bytes, places, layout);
}

} // namespace tamberlo
