#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Procedure threads. Every window procedure runs on a runtime thread; threads are numbered from
// 1 in the order the runtime hands out its slots (a slot freed by an ended thread is handed
// out again, lowest first).

namespace tamberlo {

using Procedure = std::function<void()>;

// Stacks are never smaller than this; the platform's default stack size applies when larger.
inline constexpr std::size_t minimumProcedureStack = 20000;

// Starts `procedure` on a new runtime thread and returns its number, or 0 when no thread could
// be started (creation failed, or a system-modal box is on screen). The new thread waits for a
// go signal, given when the calling thread next waits for an event in an event loop or ends;
// a caller that is not a runtime thread gives it at once. The thread ends when the procedure
// returns, releasing its per-thread globals.
int StartProcedure(Procedure procedure, std::size_t stackSize);

// The calling thread's number; 0 for a thread that is not a runtime thread.
std::int32_t ThreadNumber();

// The stack size the calling runtime thread was started with (the request, raised to the
// minimum); 0 for other threads.
std::size_t ThreadStackSize();

// Makes the calling thread a runtime thread (the program's first thread does this) and
// returns its number; a thread that already is one keeps its number.
int AdoptThread();
// Ends an adopted thread's life as a runtime thread: closes its windows, gives the go signal
// to procedures it started, and releases its per-thread globals.
void ReleaseThread();

// Called on every runtime thread before its procedure runs and after it returns (e.g. for a
// per-thread status record). Register before the first thread starts.
void addThreadHooks(void (*atStart)(), void (*atEnd)());

} // namespace tamberlo
