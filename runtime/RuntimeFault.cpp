#include "runtime/RuntimeFault.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace tamberlo {

namespace {

std::atomic<RuntimeFaultHandler> g_handler{nullptr};

// Only standard error is written: it is unbuffered, and flushing other streams could block on
// a lock that the faulting thread or another one holds.
[[noreturn]] void reportAndEnd(const char* reason) {
    std::fprintf(stderr, "fatal runtime error: %s\n", reason ? reason : "");
    std::_Exit(3);
}

} // namespace

RuntimeFaultHandler setRuntimeFaultHandler(RuntimeFaultHandler handler) {
    return g_handler.exchange(handler);
}

void raiseRuntimeFault(const char* reason) {
    if (RuntimeFaultHandler handler = g_handler.load()) {
        handler(reason);
        std::abort();
    }
    reportAndEnd(reason);
}

} // namespace tamberlo
