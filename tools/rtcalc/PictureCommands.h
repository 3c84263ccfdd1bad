#pragma once

#include "tools/rtcalc/CommandTable.h"

namespace tamberlo::rtcalc {

// compile, formatLong, formatDecimal, formatText, formatReal and popFormatted: display
// pictures compiled and filled from the console.
void registerPictureCommands(CommandTable& commands);

} // namespace tamberlo::rtcalc
