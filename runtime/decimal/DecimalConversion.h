#pragma once

#include "runtime/decimal/WorkingDecimal.h"

#include <cstdint>

// Conversions between working decimals and binary integers and reals.

namespace tamberlo {

WorkingDecimal decimalFromLong(std::int32_t value);
WorkingDecimal decimalFromUnsignedLong(std::uint32_t value);

// Rounded to 15 significant digits (after rounding to nearest at the 15th decimal place);
// zero when the value lies outside the working range or is not a finite number.
WorkingDecimal decimalFromReal(double value);

// The integer part, truncated toward zero and wrapped to 32 bits; the sign is applied last.
std::int32_t decimalToLong(WorkingDecimal value);
// The same for the magnitude.
std::uint32_t decimalToUnsignedLong(WorkingDecimal value);

// The 16 most significant digits (the rest cut off), scaled by powers of ten.
double decimalToReal(WorkingDecimal value);

} // namespace tamberlo
