#pragma once

#include <cstdint>
#include <functional>

// The event loop of a window, and what a procedure asks about the event in hand.

namespace tamberlo {

class Window;

// What the procedure answers for each event.
enum class LoopAnswer : std::uint8_t {
    CarryOn,     // the runtime performs the event's default processing
    SkipDefault, // this event's default processing is skipped
    Leave,       // the loop ends now (the window stays open)
};

// Runs the window's event loop on the calling thread, which must own the window: hands over
// its events one at a time to `handler` and acts on the answer. Returns when the window has
// closed (default processing of EVENT:CloseWindow or EVENT:CloseDown) or the handler leaves.
void EventLoop(Window* window, const std::function<LoopAnswer()>& handler);

// About the event in hand on the calling thread (0 where there is none).
int CurrentEvent();
int EventControl();    // the control of the event; 0 for a window event
int AcceptedControl(); // the control of an EVENT:Accepted, else 0
int FocusedControl();  // the control that has the focus in the current window
// The low 11 bits of the last key or mouse code on this thread.
int PendingKeyCode();
void SetPendingKeyCode(int code);

// The code, sending thread and parameter of an EVENT:Notify; false for any other event.
bool CurrentNotification(std::int32_t& code, std::int32_t& thread, std::int32_t& parameter);

// Queues an event for the current window of thread `thread` (0 = the calling thread); nothing
// happens when that thread has no window.
void PostEvent(int event, int control = 0, std::int32_t thread = 0);
// Queues an event for a given open window, whichever thread owns it.
void PostWindowEvent(Window* window, int event, int control = 0);
// The same as PostEvent, ahead of every event already queued for that window.
void PostEventFirst(int event, int control = 0, std::int32_t thread = 0);
// Posts EVENT:Notify with a notification to the current window of `thread`. Returns false when
// that thread has no window.
bool Notify(std::int32_t code, std::int32_t thread, std::int32_t parameter);

// Key and mouse codes, as PendingKeyCode reports them.
namespace KEY {
inline constexpr int MouseLeft = 1;
inline constexpr int MouseRight = 2;
inline constexpr int MouseCenter = 3;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
} // namespace KEY

} // namespace tamberlo
