#pragma once

#include "tools/rtcalc/CommandTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tamberlo::rtcalc {

struct DecimalShape {
    int bytes;
    int places;
};

// B from 1 to 16 and P from 0 to 2B - 1, in fields `index` and `index + 1`.
DecimalShape readDecimalShape(const CommandArguments& arguments, std::size_t index);

// A stored variable as the console prints it: upper-case hex, two digits a byte.
std::string hexText(const std::vector<std::uint8_t>& bytes);

// pushText ... depth: the decimal stack of the console's thread, which persists from line to
// line.
void registerDecimalCommands(CommandTable& commands);

} // namespace tamberlo::rtcalc
