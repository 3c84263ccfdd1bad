#pragma once

#include "runtime/decimal/WorkingDecimal.h"

// Multiplication and division worked digit by digit, exactly as the arithmetic is defined:
// partial products per digit of the right operand, short division and Knuth's long division.
// The operators use faster binary routes where those give the same digits, and these where
// they do not; tests compare the two.

namespace tamberlo {

WorkingDecimal multiplyDecimalDigitwise(WorkingDecimal left, WorkingDecimal right);
WorkingDecimal divideDecimalDigitwise(WorkingDecimal dividend, WorkingDecimal divisor);

} // namespace tamberlo
