#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <array>
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

// Zero bytes above the highest and below the lowest non-zero byte of a word (8 for zero).
inline int leadingZeroBytes(std::uint64_t word) {
    return static_cast<int>(static_cast<unsigned>(std::countl_zero(word)) / 8);
}

inline int trailingZeroBytes(std::uint64_t word) {
    return static_cast<int>(static_cast<unsigned>(std::countr_zero(word)) / 8);
}

// Keeps a value in a general register: the compiler would otherwise turn several wordOf() or
// wordValue() side by side into vector code whose emulated 64-bit multiplications are slower.
template <typename Integer>
inline Integer scalar(Integer value) {
    __asm__("" : "+r"(value));
    return value;
}

// x / 10^8 by one multiplication. For a 64-bit division by this constant GCC's generic tuning
// emits a hardware division, several times slower; as 10^8 = 2^8 * 390625, the multiplier
// ceil(2^82 / 390625) gives the exact quotient for every 64-bit x.
inline std::uint64_t divideByLimbBase(std::uint64_t x) {
    constexpr std::uint64_t multiplier = 0xABCC'7711'8461'CEFDull;
    return static_cast<std::uint64_t>((static_cast<Uint128>(x >> 8) * multiplier) >> 82);
}

// The value of eight digit bytes, lowest digit in the lowest byte.
inline std::uint32_t wordValue(std::uint64_t word) {
    word = scalar(word);
    word = (word & 0x00FF00FF00FF00FFull) + ((word >> 8) & 0x00FF00FF00FF00FFull) * 10;
    word = (word & 0x0000FFFF0000FFFFull) + ((word >> 16) & 0x0000FFFF0000FFFFull) * 100;
    return static_cast<std::uint32_t>((word & 0xFFFFFFFFull) + (word >> 32) * 10000);
}

// The eight digit bytes of a value below 10^8, lowest digit in the lowest byte.
inline std::uint64_t wordOf(std::uint32_t value) {
    value = scalar(value);
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

// Sets every entry to zero, in whole words rather than by a call to memset.
inline void clearDigits(WorkingDecimal& value) {
    value.digits = {};
}

// The aligned word of entries 8 * index to 8 * index + 7.
inline std::uint64_t alignedWord(const WorkingDecimal& value, int index) {
    return loadWord(value.digits.data() + 8 * index);
}

inline void storeAlignedWord(WorkingDecimal& value, int index, std::uint64_t word) {
    storeWord(value.digits.data() + 8 * index, word);
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

// Sets powerMark for a value whose range is already tight: low and high hold non-zero digits.
inline void markPower(WorkingDecimal& value) {
    value.powerMark = value.low == value.high && value.digits[value.high] == 1
                          ? static_cast<std::uint8_t>(value.high - WorkingDecimal::unitsEntry)
                          : WorkingDecimal::generalValue;
}

// Whether every byte of a word is 0 to 9 (stored nibbles are read without a check, so A to F
// can reach the engine). A byte at or above 0x80 has its top bit set already; adding 0x76
// sets it for 10 to 0x7F.
inline bool onlyDigits(std::uint64_t word) {
    return ((word | (word + 0x7676767676767676ull)) & 0x8080808080808080ull) == 0;
}

// The same for every digit byte of the value's range.
inline bool onlyDigits(const WorkingDecimal& value) {
    std::uint64_t invalid = 0;
    for (int entry = value.low & ~7; entry <= value.high; entry += 8) {
        const std::uint64_t bits = loadWord(value.digits.data() + entry);
        invalid |= bits | (bits + 0x7676767676767676ull);
    }
    return (invalid & 0x8080808080808080ull) == 0;
}

// Writes eight digits from `entry` (0 to 63) upwards, dropping those beyond entry 63. Near the
// top the last whole word is merged instead, which keeps a call to memcpy out of the hot paths.
inline void storeWordAt(WorkingDecimal& value, int entry, std::uint64_t word) {
    std::uint8_t* top = value.digits.data() + 56;
    if (entry <= 56) {
        storeWord(value.digits.data() + entry, word);
        return;
    }
    const int shift = 8 * (entry - 56);
    const std::uint64_t below = (std::uint64_t{1} << shift) - 1;
    storeWord(top, (loadWord(top) & below) | (word << shift));
}

// Byte i is 0 below 64 and 0xFF from 64 on: the eight bytes from 64 - k + i mask off the
// entries below k in the word of entries i to i + 7.
inline constexpr std::array<std::uint8_t, 128> rampBytes = [] {
    std::array<std::uint8_t, 128> bytes{};
    for (std::size_t i = 64; i < 128; ++i)
        bytes[i] = 0xFF;
    return bytes;
}();

// Sets the entries from `low` up to below `keep` (0 to 64) to zero; those below `low` are
// zero already. Masked words, so that no call to memset is made for a few bytes.
inline void clearBelow(WorkingDecimal& value, int low, int keep) {
    const std::uint8_t* mask = rampBytes.data() + 64 - keep;
    for (int entry = low & ~7; entry < keep; entry += 8)
        storeWord(value.digits.data() + entry,
                  loadWord(value.digits.data() + entry) & loadWord(mask + entry));
}

// Moves every digit `places` entries down (up when negative, -63 to 63): the digit at entry
// e goes to e - places; digits moved below entry 0 or above entry 63 are lost. Eight shifted
// words, whatever the range, rather than a byte loop or a call to memmove.
inline void shiftDigits(WorkingDecimal& value, int places) {
    std::uint64_t words[10] = {}; // words[1 + i] is aligned word i, with a zero on each side
    for (int index = 0; index < 8; ++index)
        words[1 + index] = alignedWord(value, index);
    const int wordShift = places >> 3; // rounded down, also for negative places
    const int bitShift = 8 * (places & 7);
    for (int index = 0; index < 8; ++index) {
        const int from = index + wordShift; // the aligned word the lowest new byte comes from
        const std::uint64_t lower = from >= -1 && from <= 8 ? words[1 + from] : 0;
        const std::uint64_t upper = from >= -2 && from <= 7 ? words[2 + from] : 0;
        storeAlignedWord(value, index,
                         bitShift == 0 ? lower : lower >> bitShift | upper << (64 - bitShift));
    }
}

// The quotient and remainder of (high * 2^64 + low) / divisor, for high below the divisor, so
// that the quotient fits 64 bits: one hardware division where there is one for it.
inline std::uint64_t divideWide(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                                std::uint64_t& remainder) {
#if defined(__x86_64__)
    std::uint64_t quotient;
    __asm__("divq %4" : "=a"(quotient), "=d"(remainder) : "a"(low), "d"(high), "rm"(divisor));
    return quotient;
#else
    const Uint128 number = static_cast<Uint128>(high) << 64 | low;
    remainder = static_cast<std::uint64_t>(number % divisor);
    return static_cast<std::uint64_t>(number / divisor);
#endif
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
