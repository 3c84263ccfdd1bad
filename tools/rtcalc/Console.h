#pragma once

#include "tools/rtcalc/CommandTable.h"

#include <cstdio>
#include <istream>
#include <string>
#include <string_view>

// The runtime console's core: one command a line, fields separated by a TAB, one printed line
// for each.

namespace tamberlo::rtcalc {

class Console {
public:
    explicit Console(const CommandTable& commands) : m_commands(commands) {}

    // The line to print for one input line, already escaped, without its line feed. A line
    // that cannot be carried out gives "error <reason>".
    std::string execute(std::string_view line) const;

    // Reads `in` to its end, writing one line to `out` per input line (flushed, so that a
    // fatal fault that ends the process loses nothing).
    void run(std::istream& in, std::FILE* out) const;

private:
    const CommandTable& m_commands;
};

// Prints "fatal <reason>" on standard output and ends the process with status 3: the console's
// answer to a fatal runtime fault.
[[noreturn]] void reportFatalAndExit(const char* reason);

} // namespace tamberlo::rtcalc
