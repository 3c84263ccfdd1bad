// Arbitrary lines through the runtime console: every line must print one line and never
// crash. Stack faults, which end the real tool, are turned into exceptions here so that the
// run goes on.

#include "runtime/RuntimeFault.h"
#include "runtime/decimal/DecimalStack.h"
#include "tools/rtcalc/Console.h"
#include "tools/rtcalc/DecimalCommands.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tamberlo;

namespace {

struct StackFault {};

[[noreturn]] void throwFault(const char*) {
    throw StackFault{};
}

const rtcalc::CommandTable& commands() {
    static const rtcalc::CommandTable table = [] {
        rtcalc::CommandTable made;
        rtcalc::registerDecimalCommands(made);
        return made;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    setRuntimeFaultHandler(throwFault);
    const rtcalc::Console console(commands());
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        try {
            const std::string printed = console.execute(line);
            if (printed.empty() || printed.find('\n') != std::string::npos) {
                std::fprintf(stderr, "rtcalc fuzz: not one line\n");
                std::abort();
            }
        } catch (const StackFault&) {
        }
    }
    while (decimalStackDepth() > 0)
        popTruth();
    return 0;
}
