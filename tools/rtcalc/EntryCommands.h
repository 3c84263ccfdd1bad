#pragma once

#include "tools/rtcalc/CommandTable.h"

namespace tamberlo::rtcalc {

// read and readStore: typed text read through a picture as an entry control reads it, alone or
// into a DECIMAL variable.
void registerEntryCommands(CommandTable& commands);

} // namespace tamberlo::rtcalc
