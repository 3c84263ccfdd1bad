#pragma once

// A fatal runtime fault: a condition that correct program code never reaches (a full or empty
// decimal stack, for example). There is one hook for the whole process; the program connects
// it to its halt. By default a fault is reported on standard error and the process ends.

namespace tamberlo {

// A handler must not return; if it does, the process is aborted.
using RuntimeFaultHandler = void (*)(const char* reason);

// Installs `handler` (nullptr restores the default) and returns the one it replaces.
RuntimeFaultHandler setRuntimeFaultHandler(RuntimeFaultHandler handler);

[[noreturn]] void raiseRuntimeFault(const char* reason);

} // namespace tamberlo
