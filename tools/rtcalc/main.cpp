// rtcalc, the runtime console: reads commands from standard input and prints one line for
// each. See the README for the commands.

#include "runtime/RuntimeFault.h"
#include "tools/rtcalc/CommandTable.h"
#include "tools/rtcalc/Console.h"
#include "tools/rtcalc/DecimalCommands.h"
#include "tools/rtcalc/PictureCommands.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    using namespace tamberlo::rtcalc;
    if (argc > 1) {
        std::fprintf(stderr, "rtcalc: unknown option %s\nusage: rtcalc < script\n", argv[1]);
        return 2;
    }
    tamberlo::setRuntimeFaultHandler(reportFatalAndExit);

    CommandTable commands;
    registerDecimalCommands(commands);
    registerPictureCommands(commands);
    Console(commands).run(std::cin, stdout);
    return 0;
}
