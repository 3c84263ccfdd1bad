#pragma once

#include "runtime/picture/CompiledPicture.h"
#include "runtime/picture/NumericFill.h"
#include "runtime/picture/NumericPictureSyntax.h"

namespace tamberlo {

// Lays out the positions of a valid numeric picture: currency and signs at the ends, then the
// decimal places, the units digit, and the integer digits with their grouping positions.
// Sets kind, valueType, length and positions of `picture`, and returns the shape it laid out,
// the same that shapeOf would count.
TemplateShape buildNumericTemplate(const NumericPictureSyntax& syntax, CompiledPicture& picture);

} // namespace tamberlo
