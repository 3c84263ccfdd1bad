#pragma once

#include "runtime/window/PropertyNumbers.h"
#include "runtime/window/PropertyValue.h"

#include <cstdint>

namespace tamberlo {

// Reads a property of a control of the calling thread's current window (target 0 = the window,
// SystemTarget = the program). A control or property that does not exist reads as the empty
// text.
PropertyValue GetProperty(int target, int property, int index = 0);

// Sets a property; a control that does not exist, or a property that cannot be set, is left
// alone.
void SetProperty(int target, int property, const PropertyValue& value, int index = 0);

// The same on any open window, from any thread (tools read what windows hold this way).
PropertyValue GetWindowProperty(std::uint32_t window, int target, int property, int index = 0);

} // namespace tamberlo
