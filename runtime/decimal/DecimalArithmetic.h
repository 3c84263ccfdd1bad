#pragma once

#include "runtime/decimal/WorkingDecimal.h"

// The operators of decimal arithmetic on working decimals. None of them reports anything:
// overflow and division by zero give zero, and a sum keeps its digits modulo 10^32.

namespace tamberlo {

// Results are exact within the 64 entries; they are not normalised.
WorkingDecimal addDecimal(WorkingDecimal left, WorkingDecimal right);
WorkingDecimal subtractDecimal(WorkingDecimal left, WorkingDecimal right);

// Exact except for the digits below 10^-32, which are dropped; zero on overflow.
WorkingDecimal multiplyDecimal(WorkingDecimal left, WorkingDecimal right);

// Developed down to 10^-32: rounded there for a divisor with one significant digit, truncated
// otherwise; zero for a divisor that rounds to zero at 29 places or a quotient out of range.
WorkingDecimal divideDecimal(WorkingDecimal dividend, WorkingDecimal divisor);

// -1, 0 or +1 as left is below, equal to or above right.
int compareDecimal(WorkingDecimal left, WorkingDecimal right);

// The same operators working in place, for the operand stack: the result replaces `left` (the
// dividend), and `right` (the divisor) is normalised or rounded on the way, which the stack
// does not mind as it drops that entry. The results are exactly those of the forms above.
void addInPlace(WorkingDecimal& left, WorkingDecimal& right);
void subtractInPlace(WorkingDecimal& left, WorkingDecimal& right);
void multiplyInPlace(WorkingDecimal& left, WorkingDecimal& right);
void divideInPlace(WorkingDecimal& dividend, WorkingDecimal& divisor);
// Normalises both operands.
int compareInPlace(WorkingDecimal& left, WorkingDecimal& right);

inline WorkingDecimal negateDecimal(WorkingDecimal value) {
    value.sign = static_cast<std::int8_t>(-value.sign);
    return value;
}

inline WorkingDecimal absoluteDecimal(WorkingDecimal value) {
    if (value.sign != 0)
        value.sign = 1;
    return value;
}

} // namespace tamberlo
