// The focus within a window, and accept-all mode.

#include "runtime/window/Controls.h"
#include "runtime/window/Events.h"
#include "runtime/window/WindowModel.h"

namespace tamberlo {

using namespace detail;

namespace detail {

void moveFocus(Lock& lock, Window& window, int to, std::vector<Message>& generated) {
    if (window.focus == to || !findControl(window, to))
        return;
    Control* losing = findControl(window, window.focus);
    Control* gaining = findControl(window, to);
    // A control with a standard action leaves the entry's reading to the next focus change.
    if (losing && gaining->standardAction == 0 &&
        readEntry(lock, window, *losing) == ReadOutcome::Read)
        generated.push_back(eventMessage(EVENT::Accepted, losing->number));
    window.focus = to;
    toolkitOf(model()).setFocus(window.id, to);
    generated.push_back(eventMessage(EVENT::Selected, to));
}

// The first control from `from` on (wrapping round) that can take the focus; 0 when none can.
int focusableFrom(Window& window, std::size_t from) {
    std::size_t count = window.controls.size();
    for (std::size_t step = 0; step < count; ++step) {
        Control& control = *window.controls[(from + step) % count];
        if (canTakeFocus(window, control))
            return control.number;
    }
    return 0;
}

} // namespace detail

void SelectControl(int control) {
    RuntimeThread* self = currentThread();
    Model& m = model();
    Lock lock(m.mutex);
    Window* window = currentWindowLocked(self);
    if (!window)
        return;
    if (control == 0) {
        window->acceptAll = true;
        window->acceptNext = 0;
        wakeThreadLocked(*self);
        return;
    }
    std::size_t at = controlIndex(*window, control);
    if (at == window->controls.size())
        return;
    window->acceptAll = false;
    int target = focusableFrom(*window, at);
    if (target == 0)
        return;
    std::vector<Message> generated;
    moveFocus(lock, *window, target, generated);
    for (Message& message : generated)
        postLocked(m, *window, std::move(message));
}

int FocusedControl() {
    RuntimeThread* self = currentThread();
    Model& m = model();
    std::lock_guard lock(m.mutex);
    Window* window = currentWindowLocked(self);
    return window ? window->focus : 0;
}

} // namespace tamberlo
