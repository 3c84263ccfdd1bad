#include "runtime/window/EventLoop.h"

#include "platform/os/Clock.h"
#include "runtime/window/Events.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>
#include <chrono>

namespace tamberlo {

using namespace detail;

namespace {

// The event a running loop has handed over; loops nest when a procedure runs a window over
// another on the same thread.
struct LoopFrame {
    Window* window = nullptr;
    Message event;
};

thread_local std::vector<LoopFrame*> t_loops;

const Message* eventInHand() {
    return t_loops.empty() ? nullptr : &t_loops.back()->event;
}

bool holdsValue(ControlType type) {
    return showsVariable(type) && type != ControlType::VariableString;
}

void pushFront(Window& window, std::vector<Message>& generated) {
    for (auto it = generated.rbegin(); it != generated.rend(); ++it)
        window.queue.push_front(std::move(*it));
}

// One step of accept-all mode: the next control that holds a value is accepted; after the last
// one EVENT:Completed. An entry whose text is refused ends the mode and takes the focus.
bool acceptAllStep(Lock& lock, Window& window, Message& out) {
    while (window.acceptNext < window.controls.size()) {
        Control& control = *window.controls[window.acceptNext++];
        bool eligible = control.type == ControlType::Option
                            ? effectivelyShown(window, control)
                            : holdsValue(control.type) && canTakeFocus(window, control);
        if (!eligible)
            continue;
        if (readEntry(lock, window, control) == ReadOutcome::Refused) {
            window.acceptAll = false;
            std::vector<Message> generated;
            moveFocus(lock, window, control.number, generated);
            pushFront(window, generated);
            return false;
        }
        out = eventMessage(EVENT::Accepted, control.number);
        return true;
    }
    window.acceptAll = false;
    out = eventMessage(EVENT::Completed, 0);
    return true;
}

// Waits for the window's next event, carrying out the user's actions queued for it on the way.
// False when the window has closed.
bool nextEvent(Lock& lock, RuntimeThread& self, Window& window, Message& out) {
    Model& m = model();
    // Procedures started by this thread run from the moment it asks for an event.
    giveGoLocked(self);
    for (;;) {
        if (window.state != WindowState::Open)
            return false;
        if (!window.queue.empty()) {
            Message message = std::move(window.queue.front());
            window.queue.pop_front();
            if (message.input) {
                std::vector<Message> generated;
                carryOutInput(lock, window, message, generated);
                pushFront(window, generated);
                continue;
            }
            out = std::move(message);
            return true;
        }
        if (window.acceptAll) {
            if (acceptAllStep(lock, window, out))
                return true;
            continue;
        }
        fireDueTimersLocked(m);
        if (!window.queue.empty())
            continue;
        self.state = ThreadState::WaitingEvent;
        self.loopWindow = &window;
        stateChangedLocked(m);
        std::int64_t due = nextTimerDueLocked(self);
        os::Clock& clock = os::clock();
        if (due >= 0 && clock.movesByItself()) {
            std::int64_t wait = std::max<std::int64_t>(due - clock.steadyHundredths(), 0);
            self.wake.wait_for(lock, std::chrono::milliseconds(wait * 10));
        } else {
            self.wake.wait(lock);
        }
        self.state = ThreadState::Running;
        self.loopWindow = nullptr;
    }
}

// The frame closes its children first: the most recently opened one that is not disabled gets
// EVENT:CloseDown and the frame waits until it has closed, then the next. When every remaining
// child is disabled the frame beeps and stays open; so it does when a child keeps itself open.
void shutDownFrame(Lock& lock, RuntimeThread& self, Window& frame) {
    Model& m = model();
    std::uint64_t token = 0;
    while (frame.state == WindowState::Open) {
        if (frame.children.empty()) {
            closeWindow(lock, frame);
            return;
        }
        Window* child = nullptr;
        for (Window* candidate : frame.children)
            if (candidate->disabled == 0 &&
                (!child || candidate->openSequence > child->openSequence))
                child = candidate;
        if (!child) {
            toolkitOf(m).beep();
            return;
        }
        if (child->owner == &self) {
            // Its loop cannot run while this one waits: close it here.
            closeWindow(lock, *child);
            continue;
        }
        Message closeDown = eventMessage(EVENT::CloseDown, 0);
        closeDown.shutdownToken = ++token;
        postLocked(m, *child, std::move(closeDown));
        self.closingFrame = &frame;
        self.closingChild = child;
        self.childRefused = false;
        self.state = ThreadState::WaitingChild;
        stateChangedLocked(m);
        auto childGone = [&] {
            return std::find(frame.children.begin(), frame.children.end(), child) ==
                   frame.children.end();
        };
        self.wake.wait(lock, [&] {
            return childGone() || self.childRefused || frame.state != WindowState::Open;
        });
        self.state = ThreadState::Running;
        self.closingFrame = nullptr;
        self.closingChild = nullptr;
        if (self.childRefused && !childGone())
            return;
    }
}

// A child that handled the frame's EVENT:CloseDown and is still open tells the frame.
void reportStillOpen(Window& window) {
    Window* frame = window.frame;
    if (frame && frame->owner && frame->owner->closingChild == &window) {
        frame->owner->childRefused = true;
        wakeThreadLocked(*frame->owner);
    }
}

void defaultProcessing(Lock& lock, RuntimeThread& self, Window& window, const Message& event) {
    Model& m = model();
    switch (event.code) {
    case EVENT::CloseWindow:
    case EVENT::CloseDown:
        if (window.kind == WindowKind::Frame)
            shutDownFrame(lock, self, window);
        else
            closeWindow(lock, window);
        return;
    case EVENT::Accepted: {
        Control* control = findControl(window, event.control);
        if (control && control->standardAction == closeFrameAction) {
            Window* frame = openFrameLocked(m);
            postLocked(m, frame ? *frame : window, eventMessage(EVENT::CloseWindow, 0));
        }
        return;
    }
    default:
        return;
    }
}

struct LoopGuard {
    LoopFrame& frame;
    explicit LoopGuard(LoopFrame& f) : frame(f) { t_loops.push_back(&frame); }
    ~LoopGuard() { std::erase(t_loops, &frame); }
};

// False when the thread (0 = the calling one) has no open window to take the event.
bool post(int event, int control, std::int32_t thread, bool first, Notification notification) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    RuntimeThread* target = nullptr;
    if (thread == 0)
        target = currentThread();
    else if (thread > 0 && static_cast<std::size_t>(thread) <= m.slots.size())
        target = m.slots[thread - 1];
    Window* window = currentWindowLocked(target);
    if (!window)
        return false;
    Message message = eventMessage(event, control);
    message.notification = notification;
    postLocked(m, *window, std::move(message), first);
    return true;
}

} // namespace

void EventLoop(Window* window, const std::function<LoopAnswer()>& handler) {
    RuntimeThread* self = currentThread();
    if (!window || !self)
        return;
    Model& m = model();
    Lock lock(m.mutex);
    if (window->owner != self || window->state != WindowState::Open)
        return;
    ++window->loops;
    {
        LoopFrame frame;
        frame.window = window;
        LoopGuard guard(frame);
        Message event;
        while (nextEvent(lock, *self, *window, event)) {
            frame.event = std::move(event);
            lock.unlock();
            LoopAnswer answer = handler();
            lock.lock();
            if (answer == LoopAnswer::CarryOn)
                defaultProcessing(lock, *self, *window, frame.event);
            if (frame.event.shutdownToken && window->state == WindowState::Open)
                reportStillOpen(*window);
            if (answer == LoopAnswer::Leave || window->state != WindowState::Open)
                break;
        }
    }
    if (--window->loops == 0 && window->releasePending) {
        m.windows.erase(window->id);
        lock.unlock();
        delete window;
    }
}

int CurrentEvent() {
    const Message* event = eventInHand();
    return event ? event->code : 0;
}

int EventControl() {
    const Message* event = eventInHand();
    return event ? event->control : 0;
}

int AcceptedControl() {
    const Message* event = eventInHand();
    return event && event->code == EVENT::Accepted ? event->control : 0;
}

int PendingKeyCode() {
    RuntimeThread* self = currentThread();
    if (!self)
        return 0;
    std::lock_guard lock(model().mutex);
    return self->keyCode & 0x7FF;
}

void SetPendingKeyCode(int code) {
    RuntimeThread* self = currentThread();
    if (!self)
        return;
    std::lock_guard lock(model().mutex);
    self->keyCode = (self->keyCode & ~0x7FF) | (code & 0x7FF);
}

bool CurrentNotification(std::int32_t& code, std::int32_t& thread, std::int32_t& parameter) {
    const Message* event = eventInHand();
    if (!event || event->code != EVENT::Notify)
        return false;
    code = event->notification.code;
    thread = event->notification.thread;
    parameter = event->notification.parameter;
    return true;
}

void PostEvent(int event, int control, std::int32_t thread) {
    post(event, control, thread, false, {});
}

void PostWindowEvent(Window* window, int event, int control) {
    if (!window)
        return;
    Model& m = model();
    std::lock_guard lock(m.mutex);
    postLocked(m, *window, eventMessage(event, control));
}

void PostEventFirst(int event, int control, std::int32_t thread) {
    post(event, control, thread, true, {});
}

bool Notify(std::int32_t code, std::int32_t thread, std::int32_t parameter) {
    return post(EVENT::Notify, 0, thread, false, {code, ThreadNumber(), parameter});
}

} // namespace tamberlo
