#include "runtime/window/WindowModel.h"

#include "runtime/window/Input.h"
#include "runtime/window/ToolkitBinding.h"

#include <algorithm>

namespace tamberlo::detail {
namespace {

// Stands in while no toolkit is registered: windows run, nothing is shown.
class NoToolkit final : public toolkit::Toolkit {
public:
    void setInputSink(toolkit::InputSink*) override {}
    void openWindow(const toolkit::WindowData&, const std::vector<toolkit::ControlData>&) override {
    }
    void closeWindow(toolkit::WindowId) override {}
    void setWindowTitle(toolkit::WindowId, std::string_view) override {}
    void setWindowRect(toolkit::WindowId, const toolkit::Rect&) override {}
    void setWindowMaximized(toolkit::WindowId, bool) override {}
    void setWindowEnabled(toolkit::WindowId, bool) override {}
    void setWindowIcon(toolkit::WindowId, std::string_view) override {}
    void setProgramIcon(std::string_view) override {}
    void activateWindow(toolkit::WindowId) override {}
    void setStatusText(toolkit::WindowId, int, std::string_view) override {}
    void addControl(toolkit::WindowId, const toolkit::ControlData&) override {}
    void setControlText(toolkit::WindowId, int, std::string_view) override {}
    void setControlHidden(toolkit::WindowId, int, bool) override {}
    void setControlDisabled(toolkit::WindowId, int, bool) override {}
    void setControlChecked(toolkit::WindowId, int, bool) override {}
    void setControlRect(toolkit::WindowId, int, const toolkit::Rect&) override {}
    void setControlStyle(toolkit::WindowId, int, const toolkit::ControlStyle&) override {}
    void setFocus(toolkit::WindowId, int) override {}
    void showBox(const toolkit::BoxData&) override {}
    void closeBox(std::uint32_t) override {}
    void beep() override {}
    void quit() override {}
    toolkit::Size naturalSize(toolkit::ControlKind, std::string_view text,
                              const toolkit::Font&) override {
        return {static_cast<int>(text.size()) * 4, 8};
    }
    toolkit::Rect workArea() override { return {0, 0, 640, 400}; }
    toolkit::Size cascadeOffset() override { return {8, 12}; }
};

thread_local RuntimeThread* t_self = nullptr;

} // namespace

Model& model() {
    static Model* instance = [] {
        auto* created = new Model;
        installClockObserver();
        return created;
    }();
    return *instance;
}

toolkit::Toolkit& toolkitOf(Model& m) {
    static NoToolkit none;
    return m.toolkit ? *m.toolkit : none;
}

RuntimeThread* currentThread() {
    return t_self;
}

void setCurrentThread(RuntimeThread* thread) {
    t_self = thread;
}

Window* currentWindowLocked(RuntimeThread* thread) {
    if (!thread || thread->windows.empty())
        return nullptr;
    return thread->windows.back();
}

Control* findControl(Window& window, int number) {
    for (auto& control : window.controls)
        if (control->number == number)
            return control.get();
    return nullptr;
}

std::size_t controlIndex(const Window& window, int number) {
    for (std::size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i]->number == number)
            return i;
    return window.controls.size();
}

namespace {

// True unless the control or one of its parents has `flag` set. Parents precede their
// children; the bound only guards against a parent chain that loops.
bool noneUpTheChain(Window& window, const Control& control, bool Control::*flag) {
    const Control* at = &control;
    for (int depth = 0; at && depth < 64; ++depth) {
        if (at->*flag)
            return false;
        if (at->parent == 0 || at->parent == at->number)
            return true;
        at = findControl(window, at->parent);
    }
    return at == nullptr;
}

} // namespace

bool effectivelyShown(Window& window, const Control& control) {
    return noneUpTheChain(window, control, &Control::hidden);
}

bool usable(Window& window, const Control& control) {
    return effectivelyShown(window, control) && noneUpTheChain(window, control, &Control::disabled);
}

bool canTakeFocus(Window& window, const Control& control) {
    return takesFocus(control.type) && usable(window, control);
}

bool isOpen(const Window* window) {
    return window && window->state == WindowState::Open;
}

toolkit::ControlKind toolkitKind(ControlType type) {
    using K = toolkit::ControlKind;
    switch (type) {
    case ControlType::VariableString:
        return K::VariableString;
    case ControlType::String:
        return K::String;
    case ControlType::Image:
        return K::Image;
    case ControlType::Region:
        return K::Region;
    case ControlType::Entry:
        return K::Entry;
    case ControlType::Button:
        return K::Button;
    case ControlType::Prompt:
        return K::Prompt;
    case ControlType::Option:
        return K::Option;
    case ControlType::Check:
        return K::Check;
    case ControlType::Group:
        return K::Group;
    case ControlType::List:
        return K::List;
    case ControlType::Radio:
        return K::Radio;
    case ControlType::Sheet:
        return K::Sheet;
    case ControlType::Tab:
        return K::Tab;
    case ControlType::MenuBar:
        return K::MenuBar;
    case ControlType::Menu:
        return K::Menu;
    case ControlType::MenuItem:
        return K::MenuItem;
    }
    return K::Prompt;
}

toolkit::ControlData controlData(const Control& control) {
    toolkit::ControlData data;
    data.number = control.number;
    data.kind = toolkitKind(control.type);
    data.parent = control.parent;
    data.label = control.label;
    data.text = control.shown;
    data.rect = control.rect;
    data.hidden = control.hidden;
    data.disabled = control.disabled;
    data.checked = control.checked;
    data.style = control.style;
    return data;
}

Message eventMessage(int code, int control) {
    Message message;
    message.code = code;
    message.control = control;
    return message;
}

void wakeThreadLocked(RuntimeThread& thread) {
    thread.wake.notify_all();
}

void stateChangedLocked(Model& m) {
    m.changed.notify_all();
}

void postLocked(Model&, Window& window, Message message, bool first) {
    if (window.state != WindowState::Open)
        return;
    if (first)
        window.queue.push_front(std::move(message));
    else
        window.queue.push_back(std::move(message));
    if (window.owner)
        wakeThreadLocked(*window.owner);
}

} // namespace tamberlo::detail

namespace tamberlo {

void setToolkit(toolkit::Toolkit* replacement) {
    detail::Model& m = detail::model();
    toolkit::Toolkit* previous = nullptr;
    {
        std::lock_guard lock(m.mutex);
        previous = m.toolkit;
        m.toolkit = replacement;
    }
    if (previous && previous != replacement)
        previous->setInputSink(nullptr);
    if (replacement)
        replacement->setInputSink(&windowInput());
}

} // namespace tamberlo
