#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

// "P(###)###-####P": "#" a digit shown as "0" when the value has none, "<" a digit shown as a
// space, anything else printed as it stands. `body` includes both enclosing letters.
bool compilePatternPicture(std::string_view body, CompiledPicture& picture);

} // namespace tamberlo
