#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <cstddef>
#include <string_view>

namespace tamberlo {

// "E12.3": width 7 to 255, optional grouping and decimal designators, and the number of mantissa
// integer digits. `rest` is the picture after the "E".
bool compileScientificPicture(std::string_view rest, CompiledPicture& picture);

// Shows the value as a mantissa with exactly as many integer digits as the picture has, and a
// signed three-digit exponent. Writes picture.length characters.
void fillScientific(const CompiledPicture& picture, std::string_view digits, int pointPosition,
                    bool negative, char* out);

} // namespace tamberlo
