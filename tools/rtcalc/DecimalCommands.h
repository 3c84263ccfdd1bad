#pragma once

#include "tools/rtcalc/CommandTable.h"

namespace tamberlo::rtcalc {

// pushText ... depth: the decimal stack of the console's thread, which persists from line to
// line.
void registerDecimalCommands(CommandTable& commands);

} // namespace tamberlo::rtcalc
