#pragma once

#include "runtime/decimal/WorkingDecimal.h"

// The two stored forms of a decimal variable of B bytes (1 to 16) and P places (0 to 2B - 1),
// both holding 2B - 1 digit nibbles, most significant first:
//   Decimal        sign in the high nibble of the first byte (0, or 0xF when negative; any
//                  non-zero nibble reads as negative), digits from the low nibble onwards;
//   PackedDecimal  digits from the high nibble of the first byte, sign in the low nibble of the
//                  last byte (0xF positive, 0xD negative; only 0xD reads as negative).

namespace tamberlo {

enum class DecimalLayout {
    Decimal,
    PackedDecimal,
};

// A null address, or sizes and places outside the ranges above, read as zero. Digit nibbles
// are taken as they are, without a check.
WorkingDecimal readDecimalVariable(const void* address, int bytes, int places,
                                   DecimalLayout layout);

// Rounds half away from zero at P places and keeps the digits that fit (the value modulo
// 10^(D - P)); a zero result is stored as positive zero. Writes nothing for a null address
// or bytes outside 1 to 16, and positive zero for places outside 0 to 2B - 1.
void writeDecimalVariable(WorkingDecimal value, void* address, int bytes, int places,
                          DecimalLayout layout);

// The same, working on `value` itself, which is left changed: for the operand stack, which
// drops it.
void writeDecimalVariableInPlace(WorkingDecimal& value, void* address, int bytes, int places,
                                 DecimalLayout layout);

inline bool validDecimalShape(int bytes, int places) {
    return bytes >= 1 && bytes <= 16 && places >= 0 && places <= 2 * bytes - 1;
}

} // namespace tamberlo
