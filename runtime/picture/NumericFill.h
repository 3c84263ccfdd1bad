#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

// Fills positions [0, end) of a Numeric, Pattern or Scientific template (for Scientific, the
// mantissa) from a digit string: rounds half up on the magnitude to the template's fraction
// positions, fits the integer digits (giving up grouping positions leftmost first, or "#" when
// they do not fit), floats a leading currency and sign before the first digit when the template
// has blank digit positions, and writes `end` characters to `out`.
// Blank-when-zero is the caller's step.
void fillNumericPositions(const CompiledPicture& picture, int end, std::string_view digits,
                          long long pointPosition, bool negative, char* out);

} // namespace tamberlo
