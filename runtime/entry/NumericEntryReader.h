#pragma once

#include "runtime/entry/EntryTemplate.h"

#include <string_view>

namespace tamberlo {

inline constexpr int entryRead = 0;
inline constexpr int entryRefused = 4;

// Reads typed text through a reading template in one pass: leading white space skipped, digits
// into the digit slots in order, grouping characters dropped anywhere, signs and parentheses at
// any sign element, currency characters optional in their place. Returns entryRead with the
// number pushed onto the calling thread's decimal stack (negated when a negative sign was
// typed), or entryRefused with the stack untouched. Any bytes are safe; nothing is rounded, and
// a number the control's own value could not hold exactly is refused.
int readNumericEntry(std::string_view text, const EntryTemplate& entryTemplate);

} // namespace tamberlo
