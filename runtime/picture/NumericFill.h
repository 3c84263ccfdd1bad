#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

// How many positions of each kind a template's filled part has.
struct TemplateShape {
    int integers = 0;  // digit positions left of the decimal separator, an implied point included
    int groups = 0;    // grouping positions
    int fractions = 0; // digit positions right of the decimal separator
    int leading = 0;   // currency and sign positions before everything else
    bool blankDigits = false;

    bool operator==(const TemplateShape&) const = default;
};

// Counts the shape of positions [0, end).
TemplateShape shapeOf(const CompiledPicture& picture, int end);

// Fills positions [0, end) of a Numeric, Pattern or Scientific template (for Scientific, the
// mantissa) from a digit string: rounds half up on the magnitude to the template's fraction
// positions, fits the integer digits (giving up grouping positions leftmost first, or "#" when
// they do not fit), floats a leading currency and sign before the first digit when the template
// has blank digit positions, and writes `end` characters to `out`.
// Blank-when-zero is the caller's step.
// `shape` is the shape of those positions.
void fillNumericPositions(const CompiledPicture& picture, const TemplateShape& shape, int end,
                          std::string_view digits, long long pointPosition, bool negative,
                          char* out);

} // namespace tamberlo
