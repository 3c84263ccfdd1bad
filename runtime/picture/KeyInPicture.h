#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

// "K(###) ###-####K": digit positions "#" and "<", typing positions "@", "^", "_", "?" and "|",
// "\" making the next character a literal, anything else a literal. The roles serve the typing
// rules of entry controls; formatting shows the value's text. `body` includes both letters.
bool compileKeyInPicture(std::string_view body, CompiledPicture& picture);

} // namespace tamberlo
