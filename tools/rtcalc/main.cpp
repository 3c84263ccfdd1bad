// rtcalc, the runtime console: reads commands from standard input and prints one line for
// each. See the README for the commands.

#include "runtime/RuntimeFault.h"
#include "tools/rtcalc/CommandTable.h"
#include "tools/rtcalc/Console.h"
#include "tools/rtcalc/DecimalCommands.h"
#include "tools/rtcalc/EntryCommands.h"
#include "tools/rtcalc/PictureCommands.h"
#include "tools/rtcalc/RegionalOptions.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace tamberlo::rtcalc;
    std::string error;
    auto regional = parseRegionalOptions(argc, argv, error);
    if (!regional) {
        std::fprintf(stderr, "rtcalc: %s\nusage: rtcalc [--profile FILE] [--env FILE] < script\n",
                     error.c_str());
        return 2;
    }
    tamberlo::setRuntimeFaultHandler(reportFatalAndExit);
    applyRegionalOptions(*regional);

    CommandTable commands;
    registerDecimalCommands(commands);
    registerPictureCommands(commands);
    registerEntryCommands(commands);
    Console(commands).run(std::cin, stdout);
    return 0;
}
