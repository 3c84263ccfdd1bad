#pragma once

#include "platform/toolkit/ToolkitTypes.h"

#include <cstdint>

namespace tamberlo {

// Shows a modal box over the calling thread's current window, which is disabled meanwhile, and
// waits until the user answers; returns the id of the button pressed. A box with no buttons
// returns its default when the user answers it anyway. While a system-modal box is on screen
// no procedure can be started.
std::int32_t RunModalBox(toolkit::BoxData box);

bool systemModalBoxOnScreen();

} // namespace tamberlo
