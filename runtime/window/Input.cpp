#include "runtime/window/Input.h"

#include "platform/os/IniText.h"
#include "runtime/window/EventLoop.h"
#include "runtime/window/Events.h"
#include "runtime/window/VariableDisplay.h"
#include "runtime/window/WindowModel.h"

#include <algorithm>

namespace tamberlo {

using namespace detail;

namespace {

constexpr std::size_t maximumEntryText = 600;

// The window the user acts in becomes the active one: its EVENT:GainFocus comes before the
// events the action causes.
void activateForInput(Model& m, Window& window, std::vector<Message>& generated) {
    if (makeActiveLocked(m, window))
        generated.push_back(eventMessage(EVENT::GainFocus, 0));
}

void focusControl(Lock& lock, Window& window, Control& control, std::vector<Message>& generated) {
    if (canTakeFocus(window, control))
        moveFocus(lock, window, control.number, generated);
}

void chooseRadio(Lock& lock, Window& window, Control& radio, std::vector<Message>& generated) {
    Model& m = model();
    focusControl(lock, window, radio, generated);
    Control* option = findControl(window, radio.parent);
    if (!option || option->type != ControlType::Option) {
        generated.push_back(eventMessage(EVENT::Accepted, radio.number));
        return;
    }
    UseVariable use = option->use;
    std::string value = radio.value;
    int optionNumber = option->number;
    int radioNumber = radio.number;
    lock.unlock();
    assignVariable(use, value);
    lock.lock();
    for (auto& control : window.controls)
        if (control->parent == optionNumber && control->type == ControlType::Radio)
            setCheckedLocked(m, window, *control, control->number == radioNumber);
    generated.push_back(eventMessage(EVENT::Accepted, optionNumber));
}

void toggleCheck(Lock& lock, Window& window, Control& check, std::vector<Message>& generated) {
    focusControl(lock, window, check, generated);
    bool checked = !check.checked;
    setCheckedLocked(model(), window, check, checked);
    UseVariable use = check.use;
    int number = check.number;
    lock.unlock();
    assignVariable(use, checked ? "1" : "0");
    lock.lock();
    generated.push_back(eventMessage(EVENT::Accepted, number));
}

void press(Lock& lock, Window& window, Control& control, std::vector<Message>& generated) {
    Model& m = model();
    if (control.type != ControlType::MenuItem && control.type != ControlType::Menu)
        activateForInput(m, window, generated);
    switch (control.type) {
    case ControlType::Button:
        focusControl(lock, window, control, generated);
        generated.push_back(eventMessage(EVENT::Accepted, control.number));
        return;
    case ControlType::Radio:
        chooseRadio(lock, window, control, generated);
        return;
    case ControlType::Check:
        toggleCheck(lock, window, control, generated);
        return;
    case ControlType::MenuItem:
        generated.push_back(eventMessage(EVENT::Accepted, control.number));
        return;
    case ControlType::Region:
        // A click is a press and a release.
        if (control.style.mouseEvents) {
            generated.push_back(eventMessage(EVENT::Accepted, control.number));
            generated.push_back(eventMessage(EVENT::MouseUp, control.number));
        }
        return;
    default:
        focusControl(lock, window, control, generated);
        return;
    }
}

int mouseButtonCode(toolkit::MouseAction action) {
    using toolkit::MouseAction;
    switch (action) {
    case MouseAction::DownLeft:
    case MouseAction::UpLeft:
        return KEY::MouseLeft;
    case MouseAction::DownRight:
    case MouseAction::UpRight:
        return KEY::MouseRight;
    case MouseAction::DownMiddle:
    case MouseAction::UpMiddle:
        return KEY::MouseCenter;
    default:
        return 0;
    }
}

void mouse(Window& window, Control& control, const Message& input,
           std::vector<Message>& generated) {
    using toolkit::MouseAction;
    if (int code = mouseButtonCode(input.mouse); code && window.owner)
        window.owner->keyCode = code;
    if (!control.style.mouseEvents)
        return;
    switch (input.mouse) {
    case MouseAction::DownLeft:
    case MouseAction::DownRight:
    case MouseAction::DownMiddle:
        generated.push_back(eventMessage(EVENT::Accepted, control.number));
        return;
    case MouseAction::UpLeft:
    case MouseAction::UpRight:
    case MouseAction::UpMiddle:
        generated.push_back(eventMessage(EVENT::MouseUp, control.number));
        return;
    case MouseAction::In:
        control.mouseInside = true;
        generated.push_back(eventMessage(EVENT::MouseIn, control.number));
        return;
    case MouseAction::Out:
        control.mouseInside = false;
        control.mouseMoved = false;
        generated.push_back(eventMessage(EVENT::MouseOut, control.number));
        return;
    case MouseAction::Move:
        // At most one event per position the pointer takes.
        if (control.mouseMoved && control.mouseX == input.x && control.mouseY == input.y)
            return;
        control.mouseMoved = true;
        control.mouseX = input.x;
        control.mouseY = input.y;
        generated.push_back(eventMessage(EVENT::MouseMove, control.number));
        return;
    }
}

int keyCode(toolkit::Key key) {
    switch (key) {
    case toolkit::Key::Enter:
        return KEY::Enter;
    case toolkit::Key::Escape:
        return KEY::Escape;
    case toolkit::Key::Tab:
        return KEY::Tab;
    }
    return 0;
}

void key(Lock& lock, Window& window, toolkit::Key pressed, std::vector<Message>& generated) {
    Model& m = model();
    // A key registered as an alert key of the focused control is that control's alone.
    if (Control* focused = findControl(window, window.focus)) {
        int code = keyCode(pressed);
        for (const auto& [slot, alert] : focused->alerts)
            if (alert == code) {
                if (window.owner)
                    window.owner->keyCode = code;
                generated.push_back(eventMessage(EVENT::AlertKey, focused->number));
                return;
            }
    }
    switch (pressed) {
    case toolkit::Key::Tab: {
        if (window.owner)
            window.owner->keyCode = KEY::Tab;
        std::size_t at = controlIndex(window, window.focus);
        int next = focusableFrom(window, at == window.controls.size() ? 0 : at + 1);
        if (next != 0) {
            activateForInput(m, window, generated);
            moveFocus(lock, window, next, generated);
        }
        return;
    }
    case toolkit::Key::Enter: {
        if (window.owner)
            window.owner->keyCode = KEY::Enter;
        for (auto& control : window.controls)
            if (control->type == ControlType::Button && control->style.defaultButton &&
                usable(window, *control)) {
                press(lock, window, *control, generated);
                return;
            }
        return;
    }
    case toolkit::Key::Escape:
        if (window.owner)
            window.owner->keyCode = KEY::Escape;
        if (window.description.systemMenu)
            generated.push_back(eventMessage(EVENT::CloseWindow, 0));
        return;
    }
}

class RuntimeInput final : public toolkit::InputSink {
public:
    void userTypes(toolkit::WindowId window, int control, std::string_view text) override {
        Message input = inputMessage(InputKind::Type, control);
        input.text = text.substr(0, std::min(text.size(), maximumEntryText));
        queue(window, std::move(input));
    }

    void userFocuses(toolkit::WindowId window, int control) override {
        queue(window, inputMessage(InputKind::Focus, control));
    }

    void userPresses(toolkit::WindowId window, int control) override {
        queue(window, inputMessage(InputKind::Press, control));
    }

    void userChoosesMenu(toolkit::WindowId window, int item) override {
        queue(window, inputMessage(InputKind::Menu, item));
    }

    void userMouse(toolkit::WindowId window, int control, toolkit::MouseAction action, int x,
                   int y) override {
        Message input = inputMessage(InputKind::Mouse, control);
        input.mouse = action;
        input.x = x;
        input.y = y;
        queue(window, std::move(input));
    }

    void userCloses(toolkit::WindowId id) override {
        Model& m = model();
        std::lock_guard lock(m.mutex);
        Window* window = reachable(m, id);
        // Only a window with a system menu has a close command.
        if (window && window->description.systemMenu)
            postLocked(m, *window, eventMessage(EVENT::CloseWindow, 0));
    }

    void userKey(toolkit::WindowId window, toolkit::Key pressed) override {
        Message input = inputMessage(InputKind::Key, 0);
        input.key = pressed;
        queue(window, std::move(input));
    }

    void userActivates(toolkit::WindowId id) override {
        Model& m = model();
        std::lock_guard lock(m.mutex);
        if (Window* window = reachable(m, id))
            activateLocked(m, *window);
    }

    void userResizes(toolkit::WindowId id, int width, int height) override {
        Model& m = model();
        std::lock_guard lock(m.mutex);
        Window* window = reachable(m, id);
        if (!window || (window->rect.width == width && window->rect.height == height))
            return;
        window->rect.width = width;
        window->rect.height = height;
        toolkitOf(m).setWindowRect(window->id, window->rect);
        postLocked(m, *window, eventMessage(EVENT::Sized, 0));
        // Maximised children fill the frame's new area.
        for (Window* child : window->children)
            if (child->maximized) {
                child->rect = {0, 0, width, height};
                toolkitOf(m).setWindowRect(child->id, child->rect);
                postLocked(m, *child, eventMessage(EVENT::Sized, 0));
            }
    }

    void userAnswersBox(std::int32_t id) override {
        Model& m = model();
        std::lock_guard lock(m.mutex);
        for (auto it = m.boxes.rbegin(); it != m.boxes.rend(); ++it) {
            Box& box = **it;
            if (box.answered)
                continue;
            const auto& buttons = box.data.buttons;
            bool listed = std::any_of(buttons.begin(), buttons.end(),
                                      [id](const toolkit::BoxButton& b) { return b.id == id; });
            if (!listed && !buttons.empty())
                return;
            box.answered = true;
            box.answer = listed ? id : box.data.defaultButton;
            box.wake.notify_all();
            return;
        }
    }

private:
    static Message inputMessage(InputKind kind, int control) {
        Message message;
        message.input = true;
        message.inputKind = kind;
        message.control = control;
        return message;
    }

    // An open window the user can reach: not disabled by a modal window or box over it.
    static Window* reachable(Model& m, toolkit::WindowId id) {
        auto it = m.windows.find(id);
        if (it == m.windows.end())
            return nullptr;
        Window* window = it->second;
        return window->state == WindowState::Open && window->disabled == 0 ? window : nullptr;
    }

    static void queue(toolkit::WindowId id, Message input) {
        Model& m = model();
        std::lock_guard lock(m.mutex);
        if (Window* window = reachable(m, id))
            postLocked(m, *window, std::move(input));
    }
};

} // namespace

namespace detail {

void carryOutInput(Lock& lock, Window& window, const Message& input,
                   std::vector<Message>& generated) {
    // The window may have been disabled since the action was queued.
    if (window.state != WindowState::Open || window.disabled > 0)
        return;
    Model& m = model();
    if (input.inputKind == InputKind::Key) {
        key(lock, window, input.key, generated);
        return;
    }
    Control* control = findControl(window, input.control);
    if (!control || !usable(window, *control))
        return;
    switch (input.inputKind) {
    case InputKind::Type:
        activateForInput(m, window, generated);
        focusControl(lock, window, *control, generated);
        if (control->type == ControlType::Entry && !control->style.readOnly) {
            setShownLocked(m, window, *control, input.text);
            control->entry.modified = true;
        }
        return;
    case InputKind::Focus:
        activateForInput(m, window, generated);
        focusControl(lock, window, *control, generated);
        return;
    case InputKind::Press:
        press(lock, window, *control, generated);
        return;
    case InputKind::Menu:
        if (control->type == ControlType::MenuItem)
            press(lock, window, *control, generated);
        return;
    case InputKind::Mouse:
        mouse(window, *control, input, generated);
        return;
    case InputKind::Key:
    case InputKind::Resize:
        return;
    }
}

} // namespace detail

toolkit::InputSink& windowInput() {
    static RuntimeInput* input = new RuntimeInput;
    return *input;
}

std::vector<OpenWindowInfo> openWindows() {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    std::vector<Window*> open;
    for (auto& [id, window] : m.windows)
        if (window->state == WindowState::Open)
            open.push_back(window);
    std::sort(open.begin(), open.end(),
              [](Window* a, Window* b) { return a->openSequence < b->openSequence; });
    std::vector<OpenWindowInfo> result;
    for (Window* window : open)
        result.push_back({window->id, window->kind, window->title, window->description.module,
                          window->description.label, window->owner ? window->owner->number : 0});
    return result;
}

int controlNumber(std::uint32_t id, std::string_view label) {
    Model& m = model();
    std::lock_guard lock(m.mutex);
    auto it = m.windows.find(id);
    if (it == m.windows.end() || label.empty())
        return 0;
    for (auto& control : it->second->controls)
        if (os::equalsIgnoringAsciiCase(label, control->label))
            return control->number;
    return 0;
}

} // namespace tamberlo
