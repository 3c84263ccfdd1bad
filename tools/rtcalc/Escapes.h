#pragma once

#include <optional>
#include <string>
#include <string_view>

// The escapes of the console protocol: in a field or a printed line, "\t", "\n", "\\" and
// "\xHH" stand for a tab, a line feed, a backslash and the byte HH.

namespace tamberlo::rtcalc {

// The field's bytes, or nothing when an escape is malformed.
std::optional<std::string> unescapeField(std::string_view field);

// Control bytes and backslashes escaped, so that the result is one printable line.
std::string escapeLine(std::string_view line);

} // namespace tamberlo::rtcalc
