#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <bit>
#include <cstdint>
#include <cstring>

// Word-at-a-time helpers over the one-digit-per-byte entries: eight digits are one 64-bit
// word, lowest entry in the lowest byte, and eight digits are also one base-10^8 limb for the
// binary routes of multiplication and division. They rely on the engine's rule that entries
// outside a value's range are zero.

namespace tamberlo::digits {

inline constexpr std::uint32_t limbBase = 100'000'000; // eight digits

// Both compilers have a 128-bit integer; marked as an extension so that pedantic builds accept it.
__extension__ typedef unsigned __int128 Uint128;

inline std::uint64_t loadWord(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline void storeWord(std::uint8_t* at, std::uint64_t word) {
    std::memcpy(at, &word, sizeof word);
}

// The value of eight digit bytes, lowest digit in the lowest byte.
inline std::uint32_t wordValue(std::uint64_t word) {
    word = (word & 0x00FF00FF00FF00FFull) + ((word >> 8) & 0x00FF00FF00FF00FFull) * 10;
    word = (word & 0x0000FFFF0000FFFFull) + ((word >> 16) & 0x0000FFFF0000FFFFull) * 100;
    return static_cast<std::uint32_t>((word & 0xFFFFFFFFull) + (word >> 32) * 10000);
}

// The eight digit bytes of a value below 10^8, lowest digit in the lowest byte.
inline std::uint64_t wordOf(std::uint32_t value) {
    std::uint64_t fours = (value % 10000) | (static_cast<std::uint64_t>(value / 10000) << 32);
    const std::uint64_t hundreds = ((fours * 5243) >> 19) & 0x0000007F0000007Full;
    const std::uint64_t pairs = (fours - hundreds * 100) | (hundreds << 16);
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000Full;
    return (pairs - tens * 10) | (tens << 8);
}

// Eight nibbles (lowest first) spread into eight bytes (lowest first), and back.
inline std::uint64_t spreadNibbles(std::uint32_t nibbles) {
    std::uint64_t word = nibbles;
    word = (word | (word << 16)) & 0x0000FFFF0000FFFFull;
    word = (word | (word << 8)) & 0x00FF00FF00FF00FFull;
    return (word | (word << 4)) & 0x0F0F0F0F0F0F0F0Full;
}

inline std::uint32_t gatherNibbles(std::uint64_t word) {
    word &= 0x0F0F0F0F0F0F0F0Full;
    word = (word | (word >> 4)) & 0x00FF00FF00FF00FFull;
    word = (word | (word >> 8)) & 0x0000FFFF0000FFFFull;
    return static_cast<std::uint32_t>(word | (word >> 16));
}

// The eight entries from `entry` upwards (0 to 63); those beyond entry 63 read as zero.
inline std::uint64_t wordAt(const WorkingDecimal& value, int entry) {
    if (entry <= 56)
        return loadWord(value.digits.data() + entry);
    return loadWord(value.digits.data() + 56) >> (8 * (entry - 56));
}

// The same for any entry: entries below 0 and above 63 read as zero.
inline std::uint64_t wordAtAnyEntry(const WorkingDecimal& value, int entry) {
    if (entry >= 0)
        return entry <= 63 ? wordAt(value, entry) : 0;
    return entry > -8 ? wordAt(value, 0) << (8 * -entry) : 0;
}

// Whether every digit byte of the value's range is 0 to 9 (stored nibbles are read without a
// check, so A to F can reach the engine). A byte at or above 0x80 has its top bit set already;
// adding 0x76 sets it for 10 to 0x7F.
inline bool onlyDigits(const WorkingDecimal& value) {
    std::uint64_t invalid = 0;
    for (int entry = value.low & ~7; entry <= value.high; entry += 8) {
        const std::uint64_t bits = loadWord(value.digits.data() + entry);
        invalid |= bits | (bits + 0x7676767676767676ull);
    }
    return (invalid & 0x8080808080808080ull) == 0;
}

// Writes eight digits from `entry` upwards, dropping those beyond entry 63.
inline void storeWordAt(WorkingDecimal& value, int entry, std::uint64_t word) {
    if (entry <= 56) {
        storeWord(value.digits.data() + entry, word);
        return;
    }
    std::memcpy(value.digits.data() + entry, &word, static_cast<std::size_t>(64 - entry));
}

// The value of `count` (at most 19) digits from entry `from` (0 to 63) upwards; entries
// beyond 63 read as zero.
inline std::uint64_t coefficient(const WorkingDecimal& value, int from, int count) {
    std::uint64_t result = 0;
    std::uint64_t scale = 1;
    while (count > 0 && from <= 63) {
        std::uint64_t word = wordAt(value, from);
        if (count < 8)
            word &= (std::uint64_t{1} << (8 * count)) - 1;
        result += scale * wordValue(word);
        scale *= limbBase;
        from += 8;
        count -= 8;
    }
    return result;
}

} // namespace tamberlo::digits
