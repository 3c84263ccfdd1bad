#pragma once

#include "runtime/picture/CompiledPicture.h"
#include "runtime/picture/NumericFill.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

// formatDigits for a caller that compiled the picture itself and so may know the shape of a
// numeric template already (`numericShape`, or nullptr to count it).
std::size_t formatDigits(const CompiledPicture& picture, const TemplateShape* numericShape,
                         std::string_view digits, int pointPosition, bool negative, char* out);

} // namespace tamberlo
