#pragma once

#include "runtime/UseVariable.h"

#include <string>
#include <string_view>

// How controls show and set the variables behind them. These use the calling thread's decimal
// stack, so the window runtime calls them on the thread that owns the window.

namespace tamberlo {

// The variable through a display picture, as wide as the picture (a text variable through a
// string picture; an empty picture shows the plain value).
std::string formatVariable(const UseVariable& variable, std::string_view picture);

// The variable through the picture with the blanks that pad it on either side left out: how an
// entry shows its value.
std::string formatVariableTrimmed(const UseVariable& variable, std::string_view picture);

// Whether the variable holds `value`: numerically for numeric variables, as text (trailing
// blanks ignored) for text variables.
bool variableEquals(const UseVariable& variable, std::string_view value);

// Assigns `value` (a radio button's value, "1" or "0" for a check box) to the variable.
void assignVariable(const UseVariable& variable, std::string_view value);

} // namespace tamberlo
